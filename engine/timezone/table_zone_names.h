#pragma once
// Name resolution from tables instead of the platform: indirect strings of the database resolve
// through a list of (file, number) strings, and resource libraries are lists of strings by path.
// Used by the fixture zone set, the tests and the command-line tools.
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "engine/timezone/zone_database.h"

namespace zembrik {

class TableZoneNames final : public ZoneNamePlatform {
 public:
  // `localMachine` holds the database the indirect strings are read from.
  TableZoneNames(RegistryKey& localMachine, std::u16string systemDirectory);

  // A string of the user's display language, for "@file,-id".
  void addDisplayString(std::u16string file, std::uint32_t id, std::u16string text);
  // A string of the resource library at `path`; a path with no strings cannot be loaded.
  void addLibraryString(std::u16string path, std::uint32_t id, std::u16string text);
  // Without it, every display-language lookup fails, as on a system without the call.
  void setMuiAvailable(bool available) { muiAvailable_ = available; }

  int muiCalls() const { return muiCalls_; }
  int libraryLoads() const { return *libraryLoads_; }
  int librariesLoaded() const { return *librariesLoaded_; }  // loaded and not yet unloaded

  std::optional<std::u16string> loadMuiString(std::u16string_view zoneSubkey,
                                              std::u16string_view valueName) override;
  std::u16string systemDirectory() override { return systemDirectory_; }
  std::unique_ptr<ResourceLibrary> loadResourceLibrary(std::u16string_view path) override;

 private:
  using Strings = std::map<std::uint32_t, std::u16string>;

  RegistryKey& localMachine_;
  std::u16string systemDirectory_;
  std::map<std::pair<std::u16string, std::uint32_t>, std::u16string> display_;
  std::map<std::u16string, Strings, std::less<>> libraries_;
  bool muiAvailable_ = true;
  int muiCalls_ = 0;
  std::shared_ptr<int> libraryLoads_ = std::make_shared<int>(0);
  std::shared_ptr<int> librariesLoaded_ = std::make_shared<int>(0);
};

}  // namespace zembrik
