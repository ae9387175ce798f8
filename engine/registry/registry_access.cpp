#include "engine/registry/registry_access.h"

#include <algorithm>
#include <cstring>

namespace zembrik {

namespace {

std::u16string textFromBytes(const std::vector<std::uint8_t>& data) {
  // The text ends at the returned length or at the first null, whichever comes first.
  std::u16string text(data.size() / 2, u'\0');
  if (!text.empty())
    std::memcpy(text.data(), data.data(), text.size() * 2);
  if (auto end = text.find(u'\0'); end != std::u16string::npos)
    text.resize(end);
  return text;
}

std::vector<std::uint8_t> bytesOfText(std::u16string_view text) {
  // Stored with its terminating null, as Windows programs expect.
  std::vector<std::uint8_t> data((text.size() + 1) * 2, 0);
  if (!text.empty())
    std::memcpy(data.data(), text.data(), text.size() * 2);
  return data;
}

}  // namespace

std::optional<std::uint32_t> readNumber(RegistryKey& key, std::u16string_view name) {
  RegValue value;
  if (key.queryValue(name, 4, value) != RegStatus::Ok)
    return std::nullopt;
  if (value.type != RegType::Dword || value.data.size() != 4)
    return std::nullopt;
  std::uint32_t number = 0;
  std::memcpy(&number, value.data.data(), 4);  // REG_DWORD is little-endian, as are our targets
  return number;
}

std::optional<std::u16string> readText(RegistryKey& key, std::u16string_view name) {
  RegValue value;
  if (key.queryValue(name, kTextBufferBytes, value) != RegStatus::Ok)
    return std::nullopt;
  if (value.type != RegType::Sz)
    return std::nullopt;
  return textFromBytes(value.data);
}

std::optional<std::vector<std::uint8_t>> readBinary(RegistryKey& key, std::u16string_view name,
                                                    std::size_t maxBytes) {
  RegValue value;
  if (key.queryValue(name, maxBytes, value) != RegStatus::Ok)
    return std::nullopt;
  return std::move(value.data);
}

bool writeNumber(RegistryKey& key, std::u16string_view name, std::uint32_t value) {
  if (readNumber(key, name) == value)
    return true;
  std::uint8_t data[4];
  std::memcpy(data, &value, 4);
  return key.setValue(name, RegType::Dword, data) == RegStatus::Ok;
}

bool writeText(RegistryKey& key, std::u16string_view name, std::u16string_view value) {
  if (auto stored = readText(key, name); stored && *stored == value)
    return true;
  return key.setValue(name, RegType::Sz, bytesOfText(value)) == RegStatus::Ok;
}

RegStatus deleteKeyTree(RegistryKey& parent, std::u16string_view name) {
  for (;;) {
    if (parent.deleteSubkey(name) == RegStatus::Ok)
      return RegStatus::Ok;
    auto opened = parent.openSubkey(name, kKeyReadWrite);
    if (!opened)
      return opened.status;
    RegEnumEntry first;
    if (auto s = opened.key->enumSubkey(0, 256, first); s != RegStatus::Ok) {
      // No subkey left to remove, yet the key itself cannot go: report why it cannot.
      return s == RegStatus::NoMoreItems ? parent.deleteSubkey(name) : s;
    }
    if (auto s = deleteKeyTree(*opened.key, first.name); s != RegStatus::Ok)
      return s;
  }
}

OpenedKey createKeyWithPersistentParents(RegistryKey& parent, std::u16string_view path,
                                         KeyAccess access, KeyLifetime lifetime) {
  auto cut = path.rfind(u'\\');
  if (cut == std::u16string_view::npos || lifetime == KeyLifetime::Persistent) {
    return parent.createSubkey(path, access, lifetime);
  }
  auto parents = parent.createSubkey(path.substr(0, cut), kKeyReadWrite, KeyLifetime::Persistent);
  if (!parents)
    return parents;
  return parents.key->createSubkey(path.substr(cut + 1), access, lifetime);
}

}  // namespace zembrik
