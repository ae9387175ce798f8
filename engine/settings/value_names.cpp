#include "engine/settings/value_names.h"

namespace zembrik {

std::u16string decimalText(int value) {
  std::string digits = std::to_string(value);
  return std::u16string(digits.begin(), digits.end());
}

std::u16string indexSuffix(int index) {
  return index == 0 ? std::u16string{} : u"_" + decimalText(index);
}

std::u16string cellValueName(std::u16string_view prefix, int row, int column) {
  std::u16string name(prefix);
  name.append(u"_").append(decimalText(row)).append(u"_").append(decimalText(column));
  return name;
}

}  // namespace zembrik
