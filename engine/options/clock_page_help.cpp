#include "engine/options/clock_page_help.h"

namespace zembrik {

namespace {

// The spacing inside the texts lines the ranges up in the list: keep it.
constexpr std::u16string_view kHelp[] = {
    u"d\t= day (of month)",
    u"dd\t= day (of month) leading zero",
    u"dn\t= day of week as digit",
    u"ddd\t= day of week (short)",
    u"dde\t= day of week (short) English",
    u"ddx\t= day of week (short) from list",
    u"dddd\t= day of week (long)",
    u"ddde\t= day of week (long) English",
    u"dddx\t= day of week (long) from list",
    u"M\t= Month",
    u"MM\t= Month leading zero",
    u"MMM\t= Month abbreviated",
    u"MME\t= Month abbreviated English",
    u"MMX\t= Month abbreviated from list",
    u"MMMM\t= Month (long)",
    u"MMME\t= Month (long) English",
    u"MMMX\t= Month (long) from list",
    u"yy\t= year (two digits)",
    u"yyyy\t= year (4 digits)",
    u"w\t= week number",
    u"ww\t= week two digit",
    u"h\t= hour  1..12",
    u"hh\t= hour 01..12",
    u"H\t= hour  0..23",
    u"HH\t= hour 00..23",
    u"m\t= min   0..59",
    u"mm\t= min  00..59",
    u"s\t= sec   0..59",
    u"ss\t= sec  00..59",
    u"P\t= AM/PM",
    u"p\t= A/P",
    u"A\t= caps lock",
    u"N\t= num lock",
    u"S\t= scroll lock",
    u"@{tz}\t= where tz is time zone abbreviation",
    u"@{}\t= utc timezone",
    u"@{.}\t= local time",
    u"Z\t= time zone bias hour (add m for special minus)",
    u"ZZ\t= time zone bias hour (leading zero, add m for special minus)",
    u"z\t= timezone bias in minutes (0..59)",
    u"zz\t= timezone bias in minutes (leading zero, 0..59)",
    u"zzz\t= timezone bias in minutes (0, 60, 120, ... -60, -120)",
    u"zzm\t= timezone bias in minutes with special minus (0, 60, 120, ... -60, -120)",
    u"ZA\t= time zone abbreviation",
    u"Zn\t= time zone name (as in windows)",
    u"ZN\t= time zone name (using special locale)",
    u"< and > have special meaning (everything",
    u"  before < text is printed to the left,",
    u"  between them - centered,",
    u"  after > to the right",
    u"all other printed directly",
    u"use quotes (') or (\") for special",
};

}  // namespace

std::span<const std::u16string_view> clockPageFormatHelp() noexcept {
  return kHelp;
}

}  // namespace zembrik
