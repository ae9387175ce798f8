#pragma once
// Reading a text through a call that silently truncates it to the buffer it is given, as
// GetModuleFileNameW does (it then returns the buffer's size, on old systems without a
// terminator). A truncated program path would be recorded for the start at logon and used to
// find the options program, so the buffer grows until the text fits.
#include <cstddef>
#include <string>

namespace zembrik {

// `read(buffer, size)` fills at most `size` characters and returns how many it wrote, 0 on
// failure. Returns the whole text, or an empty one when the call fails or the text does not fit
// into `maxChars` characters.
template <class Char, class Read>
std::basic_string<Char> readUntilItFits(Read read, std::size_t firstChars, std::size_t maxChars) {
  for (std::size_t size = firstChars; size > 0 && size <= maxChars;) {
    std::basic_string<Char> text(size, Char{});
    const std::size_t length = read(text.data(), size);
    if (length == 0)
      return {};
    if (length < size) {
      text.resize(length);
      return text;
    }
    if (size == maxChars)
      break;
    size = size * 2 < maxChars ? size * 2 : maxChars;
  }
  return {};
}

}  // namespace zembrik
