#include "options/form_page_services_win32.h"

#include <string>

#include "engine/settings/settings_paths.h"
#include "platform/win32/registry_win32.h"

namespace zembrik {

namespace {

UINT messageBoxIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Exclamation:
      return MB_ICONEXCLAMATION;
    case MessageIcon::Stop:
      return MB_ICONSTOP;
    case MessageIcon::Information:
      return MB_ICONINFORMATION;
    case MessageIcon::None:
      break;
  }
  return 0;
}

}  // namespace

std::unique_ptr<FormClockSetServices> makeFormPageServices(ClockSetModel& clockSet,
                                                           UserInteraction& ui, HWND owner) {
  auto openSettings = []() -> std::unique_ptr<RegistryKey> {
    auto root = openCurrentUserRoot();
    return root ? root->openSubkey(kSettingsRootPath, kKeyReadWrite).key : nullptr;
  };
  return std::make_unique<FormClockSetServices>(
      clockSet, openSettings,
      [&ui, owner](std::u16string_view text, std::u16string_view caption, MessageIcon icon) {
        ui.messageBox(owner, std::wstring(text.begin(), text.end()),
                      std::wstring(caption.begin(), caption.end()), MB_OK | messageBoxIcon(icon));
      });
}

}  // namespace zembrik
