#include "options/form_page_services_win32.h"

#include <string>

#include "engine/protocol/window_messages.h"
#include "engine/registry/registry_access.h"

namespace zembrik {

bool PageKeyServices::writeSetNumber(std::u16string_view name, std::uint32_t value) {
  RegistryKey* set = set_();
  return set && writeNumber(*set, name, value);
}

bool PageKeyServices::writeSetText(std::u16string_view name, std::u16string_view value) {
  RegistryKey* set = set_();
  return set && writeText(*set, name, value);
}

void PageKeyServices::notifyClock(NotifyScope) {
  if (const HWND host = FindWindowW(L"ZembrikClass", L"Zembrik"))
    PostMessageW(host, MSG_RELOAD, 0, 0);
}

void PageKeyServices::showMessage(std::u16string_view text, std::u16string_view caption,
                                  MessageIcon icon) {
  UINT type = MB_OK;
  switch (icon) {
    case MessageIcon::Exclamation:
      type |= MB_ICONEXCLAMATION;
      break;
    case MessageIcon::Stop:
      type |= MB_ICONSTOP;
      break;
    case MessageIcon::Information:
      type |= MB_ICONINFORMATION;
      break;
    case MessageIcon::None:
      break;
  }
  ui_.messageBox(owner_(), std::wstring(text.begin(), text.end()),
                 std::wstring(caption.begin(), caption.end()), type);
}

}  // namespace zembrik
