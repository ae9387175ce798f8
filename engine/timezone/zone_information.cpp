#include "engine/timezone/zone_information.h"

namespace zembrik {

namespace {

std::int32_t readInt32(std::span<const std::uint8_t> bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) value |= std::uint32_t{bytes[at + i]} << (8 * i);
  return static_cast<std::int32_t>(value);
}

std::uint16_t readUint16(std::span<const std::uint8_t> bytes, std::size_t at) {
  return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

// A SYSTEMTIME: year, month, day of week, day, hour, minute, second, milliseconds.
TransitionRule readRule(std::span<const std::uint8_t> bytes, std::size_t at) {
  TransitionRule rule;
  rule.year = readUint16(bytes, at);
  rule.month = readUint16(bytes, at + 2);
  rule.dayOfWeek = readUint16(bytes, at + 4);
  rule.day = readUint16(bytes, at + 6);
  rule.hour = readUint16(bytes, at + 8);
  rule.minute = readUint16(bytes, at + 10);
  rule.second = readUint16(bytes, at + 12);
  rule.milliseconds = readUint16(bytes, at + 14);
  return rule;
}

bool plausibleBias(std::int32_t minutes) {
  return minutes >= -kMaxBiasMinutes && minutes <= kMaxBiasMinutes;
}

bool isValidRule(const TransitionRule& rule) {
  return rule.month >= 1 && rule.month <= 12 && rule.dayOfWeek <= 6 && rule.day >= 1 &&
         rule.day <= 5 && rule.hour <= 23 && rule.minute <= 59 && rule.second <= 59 &&
         rule.milliseconds <= 999;
}

}  // namespace

std::optional<ZoneInformation> parseTzi(std::span<const std::uint8_t> bytes) {
  if (bytes.size() != kTziBytes)
    return std::nullopt;
  ZoneInformation zone;
  zone.bias = readInt32(bytes, 0);
  zone.standardBias = readInt32(bytes, 4);
  zone.daylightBias = readInt32(bytes, 8);
  if (!plausibleBias(zone.bias) || !plausibleBias(zone.standardBias) ||
      !plausibleBias(zone.daylightBias)) {
    return std::nullopt;
  }
  zone.standardDate = readRule(bytes, 12);
  zone.daylightDate = readRule(bytes, 28);
  return zone;
}

std::vector<std::uint8_t> encodeTzi(const ZoneInformation& zone) {
  std::vector<std::uint8_t> bytes;
  bytes.reserve(kTziBytes);
  auto put = [&bytes](std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
  };
  put(static_cast<std::uint32_t>(zone.bias), 4);
  put(static_cast<std::uint32_t>(zone.standardBias), 4);
  put(static_cast<std::uint32_t>(zone.daylightBias), 4);
  for (const TransitionRule* rule : {&zone.standardDate, &zone.daylightDate}) {
    for (std::uint16_t field : {rule->year, rule->month, rule->dayOfWeek, rule->day, rule->hour,
                                rule->minute, rule->second, rule->milliseconds}) {
      put(field, 2);
    }
  }
  return bytes;
}

bool observesDaylightSaving(const ZoneInformation& zone) {
  return zone.daylightBias != zone.standardBias && isValidRule(zone.standardDate) &&
         isValidRule(zone.daylightDate);
}

}  // namespace zembrik
