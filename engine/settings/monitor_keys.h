#pragma once
// Names of the per-monitor and per-size variants below a clock-set key. The hook library looks
// them up and the options program creates them, so both build the names here.
#include <string>
#include <string_view>

namespace zembrik {

// The monitor id from a display device id: "MONITOR\ABC1234\{class guid}\0001" gives "ABC1234".
// Everything from the first "{" is cut, one trailing and one leading backslash go, a leading
// "monitor" (any case) and the backslash after it go, and the remaining backslashes become
// underscores. May be empty.
std::u16string monitorIdFromDeviceId(std::u16string_view deviceId);

// "name_" + id, or empty when the id is empty (no per-monitor variant is looked up then).
std::u16string monitorKeyName(std::u16string_view monitorId);

// "size_1920x1080_144" when the monitor's dpi is known (not 0), else "size_1920x1080". Empty
// when the width or height is not positive. Only this one name is ever looked up.
std::u16string sizeKeyName(int width, int height, unsigned dpi);

}  // namespace zembrik
