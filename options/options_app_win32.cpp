#include "options/options_app_win32.h"

#include <commctrl.h>

#include <string>

#include "engine/options/options_settings_version.h"
#include "engine/registry/registry_access.h"
#include "engine/settings/settings_paths.h"
#include "grid/grid_window_win32.h"
#include "options/main_dialog_win32.h"
#include "platform/win32/os_version_win32.h"
#include "platform/win32/registry_win32.h"

namespace zembrik {

namespace {

constexpr DWORD kProgramPathChars = 2024;

std::u16string_view asU16(std::wstring_view text) {
  return {reinterpret_cast<const char16_t*>(text.data()), text.size()};
}

// A running editor gets the request to come to the front; true when there was one to ask.
bool handedToRunningInstance(std::wstring_view commandLine) {
  const HWND running = FindWindowW(kOptionsWindowClass, nullptr);
  if (running == nullptr || allowsSecondInstance(asU16(commandLine)))
    return false;
  // Windows lets the running program take the foreground only with this process's consent.
  DWORD runningProcess = 0;
  GetWindowThreadProcessId(running, &runningProcess);
  AllowSetForegroundWindow(runningProcess);
  PostMessageW(running, WM_HOTKEY, kBringToFrontWParam, kBringToFrontLParam);
  return true;
}

std::wstring programDirectory() {
  std::wstring path(kProgramPathChars, L'\0');
  const DWORD length = GetModuleFileNameW(nullptr, path.data(), kProgramPathChars);
  path.resize(length < kProgramPathChars ? length : 0);
  const auto directory = optionsProgramDirectory(asU16(path));
  return {directory.begin(), directory.end()};
}

int runMessageLoop(OptionsMainDialog& dialog) {
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (dialog.preTranslate(message))
      continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}

}  // namespace

bool runsOnOldSystem() {
  const OsVersion version = readOsVersion();
  return !version.known || version.major < 6;
}

OptionsFont readOptionsFont() {
  auto root = openCurrentUserRoot();
  auto settings =
      root->createSubkey(kSettingsRootPath, kKeyRead | kKeySetValue, KeyLifetime::Persistent);
  if (!settings)
    return {};
  const auto stored = readText(*settings.key, u"OptionsFont");
  return decideOptionsFont(stored ? std::optional<std::u16string_view>(*stored) : std::nullopt);
}

int runOptionsProgram(HINSTANCE instance, std::wstring_view commandLine,
                      UserInteraction& interaction) {
  if (handedToRunningInstance(commandLine))
    return 0;
  const RegisteredClass dialogClass = registerOptionsDialogClass(instance);
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  grid::registerGridClass(instance);

  OptionsContext context;
  context.instance = instance;
  context.interaction = &interaction;
  context.commandLine = std::wstring(commandLine);
  context.oldSystem = runsOnOldSystem();

  auto root = openCurrentUserRoot();
  const auto check = checkOptionsSettings(*root);
  if (!check.error.empty()) {
    interaction.showError(nullptr, std::wstring(check.error.begin(), check.error.end()));
    return 1;
  }
  context.programDirectory = programDirectory();
  context.font = readOptionsFont();
  context.quitWhenClosed = true;

  OptionsMainDialog dialog(context);
  if (dialog.create() == nullptr)
    return 1;
  return runMessageLoop(dialog);
}

}  // namespace zembrik
