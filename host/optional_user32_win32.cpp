#include "optional_user32_win32.h"

namespace zembrik {

namespace {

template <typename Fn>
Fn lookUp(HMODULE module, const char* name) {
  // GetProcAddress returns a generic function pointer; the signature is the documented one.
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace

OptionalUser32::~OptionalUser32() {
  if (module_)
    FreeLibrary(module_);
}

void OptionalUser32::load() {
  if (module_)
    return;
  module_ = LoadLibraryA("user32.dll");
  if (!module_)
    return;
  setLayeredAttributes =
      lookUp<SetLayeredWindowAttributesFn>(module_, "SetLayeredWindowAttributes");
  getDpiForWindow = lookUp<GetDpiForWindowFn>(module_, "GetDpiForWindow");
  changeWindowMessageFilterEx =
      lookUp<ChangeWindowMessageFilterExFn>(module_, "ChangeWindowMessageFilterEx");
  if (!setLayeredAttributes && !getDpiForWindow && !changeWindowMessageFilterEx) {
    FreeLibrary(module_);
    module_ = nullptr;
  }
}

}  // namespace zembrik
