#pragma once
// A function of a loaded module, typed: for exports that older Windows versions (or Wine) lack,
// and for the hooks of our own libraries.
#include <windows.h>

namespace zembrik {

// Null when `module` is null or has no export `name`. GetProcAddress returns a generic function
// pointer; `Function` is the export's documented signature.
template <typename Function>
Function procAddress(HMODULE module, const char* name) noexcept {
  if (module == nullptr)
    return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace zembrik
