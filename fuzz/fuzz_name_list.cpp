// The name-list encoding on any text: always exactly the asked number of entries, each trimmed
// and never empty, and the tables built from it answer every lookup.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "engine/names/name_list_parser.h"
#include "engine/names/name_loading.h"
#include "engine/names/name_tables.h"

using namespace zembrik;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1)
    return 0;
  std::size_t count = data[0] % 16;
  std::u16string text((size - 1) / 2, u'\0');
  if (!text.empty())
    std::memcpy(text.data(), data + 1, text.size() * 2);

  auto entries = parseNameList(text, count);
  if (entries.size() != count)
    std::abort();
  for (const auto& entry : entries) {
    if (entry.empty() || entry.front() <= u' ' || entry.back() == u' ')
      std::abort();
    if (entry.find(u';') != std::u16string::npos)
      std::abort();
  }

  NameTables tables;
  applyNameValue(tables, data[0] & 0x10 ? u"monthNames" : u"weekDaysAbbr", text);
  for (std::size_t i = 0; i < 20; ++i) {
    tables.entry(NameList::MonthNames, i);
    tables.entry(NameList::WeekDaysAbbr, i);
  }
  return 0;
}
