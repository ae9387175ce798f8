#include "engine/options/registry_copy.h"

namespace zembrik {
namespace {

// Windows' limits: value names of 16383 characters, data as large as memory allows (the
// settings hold texts of at most a few kilobytes).
constexpr std::size_t kValueNameChars = 16384;
constexpr std::size_t kValueDataBytes = 1 << 20;

}  // namespace

RegStatus copyValues(RegistryKey& from, RegistryKey& to) {
  RegStatus first = RegStatus::Ok;
  auto note = [&first](RegStatus status) {
    if (first == RegStatus::Ok && status != RegStatus::Ok)
      first = status;
  };
  RegEnumEntry entry;
  for (std::uint32_t index = 0;; ++index) {
    RegStatus listed = from.enumValue(index, kValueNameChars, entry);
    if (listed == RegStatus::NoMoreItems)
      break;
    if (listed != RegStatus::Ok) {
      note(listed);
      break;
    }
    RegValue value;
    RegStatus read = from.queryValue(entry.name, kValueDataBytes, value);
    if (read != RegStatus::Ok) {
      note(read);
      continue;
    }
    note(to.setValue(entry.name, value.type, value.data));
  }
  return first;
}

}  // namespace zembrik
