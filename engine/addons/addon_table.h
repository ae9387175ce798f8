#pragma once
// The add-ons registered with the clocks of one shell process, in registration order. Any
// program on the desktop can register, so the table has a fixed limit.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace zembrik {

// Registrations beyond this many add-ons are refused: a misbehaving program registering new
// ids in a loop would otherwise grow the shell's memory and every settings load without end.
inline constexpr std::size_t kMaxAddons = 64;

struct AddonRecord {
  std::int32_t id = 0;
  std::uint64_t window = 0;  // where its clicks go, as a number
};

enum class RegisterChange {
  Unchanged,       // the id was known with this window: nothing to write
  WindowReplaced,  // the id was known with another window
  Appended,        // a new id
  Refused,         // the table is full
};

class AddonTable {
 public:
  RegisterChange registerAddon(std::int32_t id, std::uint64_t window);
  // False when the id is unknown; the table is then unchanged.
  bool unregisterAddon(std::int32_t id);
  std::optional<std::uint64_t> windowOf(std::int32_t id) const;
  const std::vector<AddonRecord>& records() const noexcept { return records_; }
  // The ids in registration order, for the settings load.
  const std::vector<std::int32_t>& ids() const noexcept { return ids_; }

 private:
  std::vector<AddonRecord>::iterator findFromLast(std::int32_t id);

  std::vector<AddonRecord> records_;
  std::vector<std::int32_t> ids_;
};

}  // namespace zembrik
