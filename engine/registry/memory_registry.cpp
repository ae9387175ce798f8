#include "engine/registry/memory_registry.h"

#include <algorithm>

namespace zembrik {

namespace {

char16_t foldCase(char16_t c) {
  // Registry names compare without case; ASCII and Latin-1 letters cover the names in use.
  if ((c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) {
    return static_cast<char16_t>(c + 0x20);
  }
  return c;
}

bool sameName(std::u16string_view a, std::u16string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(),
                    [](char16_t x, char16_t y) { return foldCase(x) == foldCase(y); });
}

bool nameBefore(std::u16string_view a, std::u16string_view b) {
  return std::lexicographical_compare(
      a.begin(), a.end(), b.begin(), b.end(),
      [](char16_t x, char16_t y) { return foldCase(x) < foldCase(y); });
}

}  // namespace

struct MemoryRegistry::Node {
  std::u16string name;
  bool isVolatile = false;
  bool deleted = false;
  Node* parent = nullptr;
  std::vector<std::pair<std::u16string, RegValue>> values;  // in creation order
  std::vector<std::shared_ptr<Node>> subkeys;               // sorted by name, as Windows lists

  std::shared_ptr<Node> findSubkey(std::u16string_view n) const {
    for (const auto& s : subkeys) {
      if (sameName(s->name, n))
        return s;
    }
    return nullptr;
  }
  RegValue* findValue(std::u16string_view n) {
    for (auto& [valueName, value] : values) {
      if (sameName(valueName, n))
        return &value;
    }
    return nullptr;
  }
  void insertSubkey(std::shared_ptr<Node> child) {
    child->parent = this;
    auto at =
        std::upper_bound(subkeys.begin(), subkeys.end(), child,
                         [](const auto& a, const auto& b) { return nameBefore(a->name, b->name); });
    subkeys.insert(at, std::move(child));
  }
  void markDeleted() {
    deleted = true;
    for (auto& s : subkeys) s->markDeleted();
  }
};

namespace {

using Node = MemoryRegistry::Node;

std::vector<std::u16string_view> splitPath(std::u16string_view path) {
  std::vector<std::u16string_view> parts;
  while (!path.empty()) {
    auto cut = path.find(u'\\');
    auto part = path.substr(0, cut);
    if (!part.empty())
      parts.push_back(part);
    if (cut == std::u16string_view::npos)
      break;
    path.remove_prefix(cut + 1);
  }
  return parts;
}

class MemoryKey final : public RegistryKey {
 public:
  MemoryKey(std::shared_ptr<Node> node, KeyAccess access, std::shared_ptr<std::uint64_t> writes)
      : node_(std::move(node)), access_(access), writes_(std::move(writes)) {}

  OpenedKey openSubkey(std::u16string_view path, KeyAccess access) override {
    if (node_->deleted)
      return {RegStatus::KeyDeleted, nullptr};
    auto node = node_;
    for (auto part : splitPath(path)) {
      node = node->findSubkey(part);
      if (!node)
        return {RegStatus::NotFound, nullptr};
    }
    return {RegStatus::Ok, std::make_unique<MemoryKey>(node, access, writes_)};
  }

  OpenedKey createSubkey(std::u16string_view path, KeyAccess access,
                         KeyLifetime lifetime) override {
    if (node_->deleted)
      return {RegStatus::KeyDeleted, nullptr};
    const bool wantVolatile = lifetime == KeyLifetime::Volatile;
    auto parts = splitPath(path);
    // Check the whole path first so that a refused create leaves nothing behind.
    auto node = node_;
    std::size_t existing = 0;
    for (; existing < parts.size(); ++existing) {
      auto next = node->findSubkey(parts[existing]);
      if (!next)
        break;
      node = next;
    }
    if (existing < parts.size()) {
      if (!(access_ & kKeyCreateSubKey))
        return {RegStatus::AccessDenied, nullptr};
      if (node->isVolatile && !wantVolatile)
        return {RegStatus::ChildMustBeVolatile, nullptr};
    }
    for (std::size_t i = existing; i < parts.size(); ++i) {
      auto child = std::make_shared<Node>();
      child->name = std::u16string(parts[i]);
      child->isVolatile = wantVolatile;
      node->insertSubkey(child);
      node = child;
    }
    return {RegStatus::Ok, std::make_unique<MemoryKey>(node, access, writes_)};
  }

  RegStatus queryValue(std::u16string_view name, std::size_t maxBytes, RegValue& out) override {
    if (auto s = check(kKeyRead); s != RegStatus::Ok)
      return s;
    const RegValue* value = node_->findValue(name);
    if (!value)
      return RegStatus::NotFound;
    if (value->data.size() > maxBytes)
      return RegStatus::MoreData;
    out = *value;
    return RegStatus::Ok;
  }

  RegStatus setValue(std::u16string_view name, RegType type,
                     std::span<const std::uint8_t> data) override {
    if (auto s = check(kKeySetValue); s != RegStatus::Ok)
      return s;
    RegValue fresh{type, std::vector<std::uint8_t>(data.begin(), data.end())};
    if (RegValue* value = node_->findValue(name)) {
      *value = std::move(fresh);
    } else {
      node_->values.emplace_back(std::u16string(name), std::move(fresh));
    }
    ++*writes_;
    return RegStatus::Ok;
  }

  RegStatus deleteValue(std::u16string_view name) override {
    if (auto s = check(kKeySetValue); s != RegStatus::Ok)
      return s;
    auto& values = node_->values;
    auto it = std::find_if(values.begin(), values.end(),
                           [&](const auto& v) { return sameName(v.first, name); });
    if (it == values.end())
      return RegStatus::NotFound;
    values.erase(it);
    return RegStatus::Ok;
  }

  RegStatus deleteSubkey(std::u16string_view name) override {
    if (node_->deleted)
      return RegStatus::KeyDeleted;
    if (name.empty() || name.find(u'\\') != std::u16string_view::npos) {
      // Windows accepts a path here; the programs only ever name a direct child.
      auto opened = openSubkey(name, kKeyRead);
      if (!opened)
        return opened.status;
      auto* target = static_cast<MemoryKey*>(opened.key.get())->node_.get();
      if (target == node_.get())
        return RegStatus::AccessDenied;
      return detach(*target->parent, target);
    }
    auto child = node_->findSubkey(name);
    if (!child)
      return RegStatus::NotFound;
    return detach(*node_, child.get());
  }

  RegStatus enumValue(std::uint32_t index, std::size_t nameCapacity, RegEnumEntry& out) override {
    if (auto s = check(kKeyRead); s != RegStatus::Ok)
      return s;
    if (index >= node_->values.size())
      return RegStatus::NoMoreItems;
    const auto& [name, value] = node_->values[index];
    if (name.size() >= nameCapacity)
      return RegStatus::MoreData;
    out.name = name;
    out.type = value.type;
    return RegStatus::Ok;
  }

  RegStatus enumSubkey(std::uint32_t index, std::size_t nameCapacity, RegEnumEntry& out) override {
    if (auto s = check(kKeyRead); s != RegStatus::Ok)
      return s;
    if (index >= node_->subkeys.size())
      return RegStatus::NoMoreItems;
    const auto& name = node_->subkeys[index]->name;
    if (name.size() >= nameCapacity)
      return RegStatus::MoreData;
    out.name = name;
    out.type = RegType::None;
    return RegStatus::Ok;
  }

  RegStatus countEntries(std::uint32_t& subkeys, std::uint32_t& values) override {
    if (auto s = check(kKeyRead); s != RegStatus::Ok)
      return s;
    subkeys = static_cast<std::uint32_t>(node_->subkeys.size());
    values = static_cast<std::uint32_t>(node_->values.size());
    return RegStatus::Ok;
  }

  RegStatus rename(std::u16string_view newName) override {
    if (node_->deleted)
      return RegStatus::KeyDeleted;
    Node* parent = node_->parent;
    if (!parent || newName.empty() || newName.find(u'\\') != std::u16string_view::npos) {
      return RegStatus::InvalidParameter;
    }
    if (auto other = parent->findSubkey(newName); other && other != node_) {
      return RegStatus::AccessDenied;
    }
    auto& siblings = parent->subkeys;
    auto self = std::find(siblings.begin(), siblings.end(), node_);
    siblings.erase(self);
    node_->name = std::u16string(newName);
    parent->insertSubkey(node_);
    return RegStatus::Ok;
  }

 private:
  RegStatus check(KeyAccess needed) const {
    if (node_->deleted)
      return RegStatus::KeyDeleted;
    return (access_ & needed) == needed ? RegStatus::Ok : RegStatus::AccessDenied;
  }

  static RegStatus detach(Node& parent, Node* child) {
    if (!child->subkeys.empty())
      return RegStatus::AccessDenied;
    auto& siblings = parent.subkeys;
    auto it = std::find_if(siblings.begin(), siblings.end(),
                           [&](const auto& s) { return s.get() == child; });
    (*it)->markDeleted();
    (*it)->parent = nullptr;
    siblings.erase(it);
    return RegStatus::Ok;
  }

  std::shared_ptr<Node> node_;
  KeyAccess access_;
  std::shared_ptr<std::uint64_t> writes_;
};

void dropVolatile(Node& node) {
  auto& subkeys = node.subkeys;
  for (auto& s : subkeys) {
    if (s->isVolatile)
      s->markDeleted();
  }
  std::erase_if(subkeys, [](const auto& s) { return s->isVolatile; });
  for (auto& s : subkeys) dropVolatile(*s);
}

}  // namespace

MemoryRegistry::MemoryRegistry()
    : currentUser_(std::make_shared<Node>()),
      localMachine_(std::make_shared<Node>()),
      writes_(std::make_shared<std::uint64_t>(0)) {}

MemoryRegistry::~MemoryRegistry() = default;

std::unique_ptr<RegistryKey> MemoryRegistry::currentUser() {
  return std::make_unique<MemoryKey>(currentUser_, kKeyReadWrite, writes_);
}

std::unique_ptr<RegistryKey> MemoryRegistry::localMachine() {
  return std::make_unique<MemoryKey>(localMachine_, kKeyReadWrite, writes_);
}

void MemoryRegistry::restart() {
  dropVolatile(*currentUser_);
  dropVolatile(*localMachine_);
}

std::uint64_t MemoryRegistry::valueWrites() const noexcept {
  return *writes_;
}

}  // namespace zembrik
