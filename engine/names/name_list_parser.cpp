#include "engine/names/name_list_parser.h"

namespace zembrik {

std::vector<std::u16string> parseNameList(std::u16string_view text, std::size_t count) {
  std::vector<std::u16string> entries;
  entries.reserve(count);
  std::size_t pos = 0;
  for (std::size_t n = 0; n < count; ++n) {
    while (pos < text.size() && text[pos] <= u' ') ++pos;
    auto end = text.find(u';', pos);
    if (end == std::u16string_view::npos)
      end = text.size();
    auto entry = text.substr(pos, end - pos);
    while (!entry.empty() && entry.back() == u' ') entry.remove_suffix(1);
    entries.emplace_back(entry.empty() ? std::u16string_view(u"?") : entry);
    pos = end < text.size() ? end + 1 : end;
  }
  return entries;
}

}  // namespace zembrik
