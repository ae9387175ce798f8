#include "host/optional_user32_win32.h"
#include "platform/win32/proc_address_win32.h"

namespace zembrik {

void OptionalUser32::load() {
  if (module_)
    return;
  module_.reset(LoadLibraryA("user32.dll"));
  if (!module_)
    return;
  HMODULE module = module_.get();
  setLayeredAttributes =
      procAddress<SetLayeredWindowAttributesFn>(module, "SetLayeredWindowAttributes");
  getDpiForWindow = procAddress<GetDpiForWindowFn>(module, "GetDpiForWindow");
  changeWindowMessageFilterEx =
      procAddress<ChangeWindowMessageFilterExFn>(module, "ChangeWindowMessageFilterEx");
  if (!setLayeredAttributes && !getDpiForWindow && !changeWindowMessageFilterEx)
    module_.reset();
}

}  // namespace zembrik
