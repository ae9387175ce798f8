#pragma once
// The registry encoding of a name list: entries separated by `;`.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zembrik {

// Exactly `count` entries from `text`: each entry skips leading spaces and control characters and
// loses trailing spaces; an empty entry, and every entry the text lacks, becomes "?". Text after
// the last entry is ignored.
std::vector<std::u16string> parseNameList(std::u16string_view text, std::size_t count);

}  // namespace zembrik
