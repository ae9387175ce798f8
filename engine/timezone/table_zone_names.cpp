#include "engine/timezone/table_zone_names.h"

#include "engine/registry/registry_access.h"
#include "engine/timezone/indirect_string.h"

namespace zembrik {

namespace {

class TableLibrary final : public ResourceLibrary {
 public:
  TableLibrary(const std::map<std::uint32_t, std::u16string>& strings,
               std::shared_ptr<int> loadedCount)
      : strings_(strings), loadedCount_(std::move(loadedCount)) {
    ++*loadedCount_;
  }
  ~TableLibrary() override { --*loadedCount_; }

  std::u16string loadString(std::uint32_t id, std::size_t maxChars) override {
    auto found = strings_.find(id);
    if (found == strings_.end())
      return {};
    return found->second.substr(0, maxChars);
  }

 private:
  std::map<std::uint32_t, std::u16string> strings_;
  std::shared_ptr<int> loadedCount_;
};

}  // namespace

TableZoneNames::TableZoneNames(RegistryKey& localMachine, std::u16string systemDirectory)
    : localMachine_(localMachine), systemDirectory_(std::move(systemDirectory)) {}

void TableZoneNames::addDisplayString(std::u16string file, std::uint32_t id, std::u16string text) {
  display_[{std::move(file), id}] = std::move(text);
}

void TableZoneNames::addLibraryString(std::u16string path, std::uint32_t id, std::u16string text) {
  libraries_[std::move(path)][id] = std::move(text);
}

std::optional<std::u16string> TableZoneNames::loadMuiString(std::u16string_view zoneSubkey,
                                                            std::u16string_view valueName) {
  ++muiCalls_;
  if (!muiAvailable_ || zoneSubkey.empty())
    return std::nullopt;
  auto zone = localMachine_.openSubkey(
      std::u16string(kTimeZoneDatabasePath) + u"\\" + std::u16string(zoneSubkey), kKeyRead);
  if (!zone)
    return std::nullopt;
  auto raw = readText(*zone.key, valueName);
  if (!raw)
    return std::nullopt;
  // Like the platform call, a text that is not indirect is returned as it is.
  if (raw->empty() || raw->front() != u'@')
    return raw;
  auto reference = parseIndirectReference(*raw);
  if (!reference || reference->number >= 0)
    return std::nullopt;
  auto found = display_.find({reference->file, static_cast<std::uint32_t>(-reference->number)});
  if (found == display_.end())
    return std::nullopt;
  return found->second;
}

std::unique_ptr<ResourceLibrary> TableZoneNames::loadResourceLibrary(std::u16string_view path) {
  auto found = libraries_.find(path);
  if (found == libraries_.end())
    return nullptr;
  ++*libraryLoads_;
  return std::make_unique<TableLibrary>(found->second, librariesLoaded_);
}

}  // namespace zembrik
