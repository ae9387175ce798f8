#pragma once
// The typed reads and writes every program uses, with the shared rules: a number counts only as
// a 4-byte REG_DWORD, a text only as REG_SZ that fits the 20480-byte buffer; anything else reads
// as absent. Writes happen only when the stored value differs.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/registry/registry_key.h"

namespace zembrik {

inline constexpr std::size_t kTextBufferBytes = 20480;
inline constexpr std::size_t kEnumNameChars = 1024;

std::optional<std::uint32_t> readNumber(RegistryKey& key, std::u16string_view name);
std::optional<std::u16string> readText(RegistryKey& key, std::u16string_view name);
// Binary data of any type up to maxBytes (the time-zone records are REG_BINARY).
std::optional<std::vector<std::uint8_t>> readBinary(RegistryKey& key, std::u16string_view name,
                                                    std::size_t maxBytes = 4096);

// True when the stored value equals `value` afterwards (written now or already equal).
bool writeNumber(RegistryKey& key, std::u16string_view name, std::uint32_t value);
bool writeText(RegistryKey& key, std::u16string_view name, std::u16string_view value);

// Deletes subkey `name` of `parent` with everything below it: try to delete it; while that
// fails, open it, delete its first subkey the same way and try again. Gives up at the first
// error and returns it (NotFound when the key does not exist).
RegStatus deleteKeyTree(RegistryKey& parent, std::u16string_view name);

// Creates (or opens) `path`; its last key gets `lifetime`, every missing key before it is made
// persistent first. Creating "Zembrik\this" volatile in one call would make "Zembrik" volatile
// too when it is missing, and every setting would vanish at the next logon.
OpenedKey createKeyWithPersistentParents(RegistryKey& parent, std::u16string_view path,
                                         KeyAccess access, KeyLifetime lifetime);

}  // namespace zembrik
