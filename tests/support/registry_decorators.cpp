#include "tests/support/registry_decorators.h"

namespace zembrik::testing {

OpenedKey ForwardingKey::wrapped(OpenedKey opened) {
  if (opened.key)
    opened.key = wrap(std::move(opened.key));
  return opened;
}

OpenedKey ForwardingKey::openSubkey(std::u16string_view path, KeyAccess access) {
  return wrapped(inner_->openSubkey(path, access));
}
OpenedKey ForwardingKey::createSubkey(std::u16string_view path, KeyAccess access,
                                      KeyLifetime lifetime) {
  return wrapped(inner_->createSubkey(path, access, lifetime));
}
RegStatus ForwardingKey::queryValue(std::u16string_view name, std::size_t maxBytes, RegValue& out) {
  return inner_->queryValue(name, maxBytes, out);
}
RegStatus ForwardingKey::setValue(std::u16string_view name, RegType type,
                                  std::span<const std::uint8_t> data) {
  return inner_->setValue(name, type, data);
}
RegStatus ForwardingKey::deleteValue(std::u16string_view name) {
  return inner_->deleteValue(name);
}
RegStatus ForwardingKey::deleteSubkey(std::u16string_view name) {
  return inner_->deleteSubkey(name);
}
RegStatus ForwardingKey::enumValue(std::uint32_t index, std::size_t nameCapacity,
                                   RegEnumEntry& out) {
  return inner_->enumValue(index, nameCapacity, out);
}
RegStatus ForwardingKey::enumSubkey(std::uint32_t index, std::size_t nameCapacity,
                                    RegEnumEntry& out) {
  return inner_->enumSubkey(index, nameCapacity, out);
}
RegStatus ForwardingKey::countEntries(std::uint32_t& subkeys, std::uint32_t& values) {
  return inner_->countEntries(subkeys, values);
}
RegStatus ForwardingKey::rename(std::u16string_view newName) {
  return inner_->rename(newName);
}

}  // namespace zembrik::testing
