#pragma once
// The compiled form of a token: the mark U+0001 followed by one code character. The zone switch
// carries a third character, the zone selector (zone_table.h).
#include <cstdint>

namespace zembrik {

inline constexpr char16_t kTokenMark = u'\x0001';

enum class TokenCode : char16_t {
  Day = 1,                    // d
  Day2 = 2,                   // dd
  DayNameAbbr = 3,            // ddd
  DayNameAbbrEnglish = 4,     // dde
  DayNameAbbrList = 5,        // ddx
  DayName = 6,                // dddd
  DayNameEnglish = 7,         // ddde
  DayNameList = 8,            // dddx
  Month = 9,                  // M
  Month2 = 10,                // MM
  MonthNameAbbr = 11,         // MMM
  MonthNameAbbrEnglish = 12,  // MME
  MonthNameAbbrList = 13,     // MMX
  MonthName = 14,             // MMMM
  MonthNameEnglish = 15,      // MMME
  MonthNameList = 16,         // MMMX
  Year2 = 17,                 // yy
  Year4 = 18,                 // yyyy
  Week = 19,                  // w
  Week2 = 20,                 // ww
  Hour12 = 21,                // h
  Hour12Two = 22,             // hh
  Hour24 = 23,                // H
  Hour24Two = 24,             // HH
  Minute = 25,                // m
  Minute2 = 26,               // mm
  Second = 27,                // s
  Second2 = 28,               // ss
  AmPmText = 29,              // P
  AmPmLetter = 30,            // p
  WeekdayNumber = 31,         // dn
  ZoneSwitch = 32,            // @{...}
  CapsLock = 33,              // A
  NumLock = 34,               // N
  ScrollLock = 35,            // S
  BiasHoursMinusSign = 36,    // Zm
  BiasHours2MinusSign = 37,   // ZZm
  BiasHours = 38,             // Z
  BiasHours2 = 39,            // ZZ
  BiasMinutes = 40,           // z
  BiasMinutes2 = 41,          // zz
  BiasTotal = 42,             // zzz
  BiasTotalMinusSign = 43,    // zzm
  ZoneAbbreviation = 44,      // ZA, Za
  ZoneName = 45,              // Zn
  ZoneNameSpecial = 46,       // ZN
};

inline constexpr char16_t kFirstTokenCode = 1;
inline constexpr char16_t kLastTokenCode = 46;

}  // namespace zembrik
