#include <windows.h>

#include <shellapi.h>

#include <string>

#include "options/user_interaction_win32.h"
#include "platform/win32/win32_handles.h"

namespace zembrik {

namespace {

class ShippedUserInteraction final : public UserInteraction {
 public:
  int messageBox(HWND owner, std::wstring_view text, std::wstring_view caption,
                 UINT type) override {
    const std::wstring textCopy(text);
    const std::wstring captionCopy(caption);
    return MessageBoxW(owner, textCopy.c_str(), captionCopy.c_str(), type);
  }

  bool chooseFont(CHOOSEFONTW& request) override { return ChooseFontW(&request) != FALSE; }

  bool chooseColour(CHOOSECOLORW& request) override { return ChooseColorW(&request) != FALSE; }

  bool startProgram(std::wstring_view programPath, std::wstring_view arguments) override {
    // CreateProcessW may write into the command line: it gets its own buffer.
    std::wstring commandLine = L"\"" + std::wstring(programPath) + L"\"";
    if (!arguments.empty())
      commandLine += L" " + std::wstring(arguments);
    const std::wstring program(programPath);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &started))
      return false;
    UniqueHandle process(started.hProcess);
    UniqueHandle thread(started.hThread);
    return true;
  }

  bool openDocument(std::wstring_view address) override {
    const std::wstring target(address);
    const auto result =
        ShellExecuteW(nullptr, L"open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32;  // ShellExecute's success is above 32
  }
};

}  // namespace

UserInteraction& shippedUserInteraction() {
  static ShippedUserInteraction shipped;
  return shipped;
}

}  // namespace zembrik
