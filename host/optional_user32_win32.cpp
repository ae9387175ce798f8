#include "host/optional_user32_win32.h"

namespace zembrik {

namespace {

template <typename Fn>
Fn lookUp(HMODULE module, const char* name) {
  // GetProcAddress returns a generic function pointer; the signature is the documented one.
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace

void OptionalUser32::load() {
  if (module_)
    return;
  module_.reset(LoadLibraryA("user32.dll"));
  if (!module_)
    return;
  HMODULE module = module_.get();
  setLayeredAttributes = lookUp<SetLayeredWindowAttributesFn>(module, "SetLayeredWindowAttributes");
  getDpiForWindow = lookUp<GetDpiForWindowFn>(module, "GetDpiForWindow");
  changeWindowMessageFilterEx =
      lookUp<ChangeWindowMessageFilterExFn>(module, "ChangeWindowMessageFilterEx");
  if (!setLayeredAttributes && !getDpiForWindow && !changeWindowMessageFilterEx)
    module_.reset();
}

}  // namespace zembrik
