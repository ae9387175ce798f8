#pragma once
// The registry as the engine sees it: an open key with exactly the operations the programs use.
// Implemented over advapi32 (platform/win32) and in memory (memory_registry.h) for native tests.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zembrik {

// Results of registry operations. The numbers are Windows' own error codes, so the Win32
// adapter passes any code through unchanged and both backends can be compared in tests.
enum class RegStatus : std::uint32_t {
  Ok = 0,
  NotFound = 2,
  AccessDenied = 5,
  InvalidParameter = 87,
  MoreData = 234,
  NoMoreItems = 259,
  KeyDeleted = 1018,
  ChildMustBeVolatile = 1021,
  NotSupported = 50,
};

enum class RegType : std::uint32_t {
  None = 0,
  Sz = 1,
  ExpandSz = 2,
  Binary = 3,
  Dword = 4,
  MultiSz = 7,
  Qword = 11,
};

// Access wanted when opening or creating a key (a subset of Windows' KEY_* rights).
using KeyAccess = unsigned;
inline constexpr KeyAccess kKeyRead = 1;          // query and enumerate
inline constexpr KeyAccess kKeySetValue = 2;      // write and delete values
inline constexpr KeyAccess kKeyCreateSubKey = 4;  // create subkeys
inline constexpr KeyAccess kKeyReadWrite = kKeyRead | kKeySetValue | kKeyCreateSubKey;

// A volatile key lives in memory only and is gone at the next logon (or restart).
enum class KeyLifetime { Persistent, Volatile };

struct RegValue {
  RegType type = RegType::None;
  std::vector<std::uint8_t> data;
};

struct RegEnumEntry {
  std::u16string name;
  RegType type = RegType::None;  // values only
};

class RegistryKey;

struct OpenedKey {
  RegStatus status = RegStatus::NotFound;
  std::unique_ptr<RegistryKey> key;
  explicit operator bool() const noexcept { return key != nullptr; }
};

// One open key. Closing is the destructor. Paths may name nested keys with '\'.
class RegistryKey {
 public:
  virtual ~RegistryKey() = default;
  RegistryKey() = default;
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;

  virtual OpenedKey openSubkey(std::u16string_view path, KeyAccess access) = 0;
  // Opens the key or creates every missing key of the path with the given lifetime, as
  // RegCreateKeyEx does (so a volatile create under a missing parent makes the parent volatile
  // too; createKeyWithPersistentParents avoids that). An existing key keeps its lifetime.
  virtual OpenedKey createSubkey(std::u16string_view path, KeyAccess access,
                                 KeyLifetime lifetime) = 0;

  // Reads type and data. MoreData when the data is longer than maxBytes (nothing is returned).
  virtual RegStatus queryValue(std::u16string_view name, std::size_t maxBytes, RegValue& out) = 0;
  virtual RegStatus setValue(std::u16string_view name, RegType type,
                             std::span<const std::uint8_t> data) = 0;
  virtual RegStatus deleteValue(std::u16string_view name) = 0;
  // Deletes a direct subkey that has no subkeys of its own; Windows refuses one that has.
  virtual RegStatus deleteSubkey(std::u16string_view name) = 0;

  // Value or subkey number `index`. As in Windows, nameCapacity counts the terminating null,
  // so a name of nameCapacity characters or more gives MoreData; past the end, NoMoreItems.
  virtual RegStatus enumValue(std::uint32_t index, std::size_t nameCapacity, RegEnumEntry& out) = 0;
  virtual RegStatus enumSubkey(std::uint32_t index, std::size_t nameCapacity,
                               RegEnumEntry& out) = 0;
  virtual RegStatus countEntries(std::uint32_t& subkeys, std::uint32_t& values) = 0;

  // Renames this key within its parent. NotSupported when the platform cannot.
  virtual RegStatus rename(std::u16string_view newName) = 0;
};

}  // namespace zembrik
