#pragma once
// Keys that wrap another key, so tests can count writes and make deletes fail on any backend.
#include <memory>
#include <string>

#include "engine/registry/registry_key.h"

namespace zembrik::testing {

// Forwards every operation to an inner key; keys it opens are wrapped by wrap().
class ForwardingKey : public RegistryKey {
 public:
  explicit ForwardingKey(std::unique_ptr<RegistryKey> inner) : inner_(std::move(inner)) {}

  OpenedKey openSubkey(std::u16string_view path, KeyAccess access) override;
  OpenedKey createSubkey(std::u16string_view path, KeyAccess access, KeyLifetime lifetime) override;
  RegStatus queryValue(std::u16string_view name, std::size_t maxBytes, RegValue& out) override;
  RegStatus setValue(std::u16string_view name, RegType type,
                     std::span<const std::uint8_t> data) override;
  RegStatus deleteValue(std::u16string_view name) override;
  RegStatus deleteSubkey(std::u16string_view name) override;
  RegStatus enumValue(std::uint32_t index, std::size_t nameCapacity, RegEnumEntry& out) override;
  RegStatus enumSubkey(std::uint32_t index, std::size_t nameCapacity, RegEnumEntry& out) override;
  RegStatus countEntries(std::uint32_t& subkeys, std::uint32_t& values) override;
  RegStatus rename(std::u16string_view newName) override;

 protected:
  virtual std::unique_ptr<RegistryKey> wrap(std::unique_ptr<RegistryKey> key) { return key; }
  RegistryKey& inner() { return *inner_; }

 private:
  OpenedKey wrapped(OpenedKey opened);
  std::unique_ptr<RegistryKey> inner_;
};

// Counts the values actually written through it (not those its subkeys write).
class CountingKey final : public ForwardingKey {
 public:
  using ForwardingKey::ForwardingKey;
  RegStatus setValue(std::u16string_view name, RegType type,
                     std::span<const std::uint8_t> data) override {
    ++writes;
    return ForwardingKey::setValue(name, type, data);
  }
  int writes = 0;
};

// Refuses to delete any subkey called `protectedName`, here and in every key opened through it,
// as a key protected by its access rights would.
class RefusingDeleteKey final : public ForwardingKey {
 public:
  RefusingDeleteKey(std::unique_ptr<RegistryKey> inner, std::u16string protectedName)
      : ForwardingKey(std::move(inner)), protectedName_(std::move(protectedName)) {}
  RegStatus deleteSubkey(std::u16string_view name) override {
    if (name == protectedName_)
      return RegStatus::AccessDenied;
    return ForwardingKey::deleteSubkey(name);
  }

 protected:
  std::unique_ptr<RegistryKey> wrap(std::unique_ptr<RegistryKey> key) override {
    return std::make_unique<RefusingDeleteKey>(std::move(key), protectedName_);
  }

 private:
  std::u16string protectedName_;
};

}  // namespace zembrik::testing
