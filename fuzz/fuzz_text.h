#pragma once
// Fuzzer bytes as UTF-16 text: each pair of bytes is one code unit (any odd byte is dropped),
// so every code unit, the null and unpaired surrogates included, can occur.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace zembrik::fuzzing {

inline std::u16string textOf(const std::uint8_t* data, std::size_t size) {
  std::u16string text(size / 2, u'\0');
  if (!text.empty())
    std::memcpy(text.data(), data, text.size() * 2);
  return text;
}

}  // namespace zembrik::fuzzing
