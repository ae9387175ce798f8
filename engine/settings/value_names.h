#pragma once
// Names of indexed registry values and keys: "cell_2_0", "hwndLo_1", "horizontal_3".
#include <string>
#include <string_view>

namespace zembrik {

std::u16string decimalText(int value);

// "" for the main clock (index 0), "_n" for secondary clock n.
std::u16string indexSuffix(int index);

// prefix + "_row_column", e.g. cellValueName(u"font", 2, 0) is "font_2_0".
std::u16string cellValueName(std::u16string_view prefix, int row, int column);

}  // namespace zembrik
