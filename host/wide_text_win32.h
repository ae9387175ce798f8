#pragma once
// UTF-16 text between the engine (char16_t) and the wide Win32 calls (wchar_t, 16 bits here).
#include <string>
#include <string_view>

namespace zembrik {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows wide text is UTF-16");

inline std::wstring wide(std::u16string_view text) {
  return std::wstring(reinterpret_cast<const wchar_t*>(text.data()), text.size());
}

inline std::u16string portable(std::wstring_view text) {
  return std::u16string(reinterpret_cast<const char16_t*>(text.data()), text.size());
}

}  // namespace zembrik
