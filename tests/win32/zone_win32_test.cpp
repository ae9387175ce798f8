// The zone-name adapters and the zone table against the real (Wine) system and database.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "engine/registry/registry_access.h"
#include "engine/timezone/configured_zone_table.h"
#include "engine/timezone/zone_loading.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/wide_text_win32.h"
#include "platform/win32/zone_names_win32.h"

namespace zembrik {
namespace {

// The resource-only library built beside this test.
std::wstring testStringsPath() {
  wchar_t path[MAX_PATH];
  DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring file(path, length);
  return file.substr(0, file.find_last_of(L'\\') + 1) + L"zone_test_strings.dll";
}

// A settings root of its own under HKCU, removed with everything below it afterwards.
class ScratchSettings {
 public:
  ScratchSettings() {
    name_ = u"ZembrikZoneTest" + portable(std::to_wstring(GetCurrentProcessId()));
    root = openCurrentUserRoot()
               ->createSubkey(u"Software\\" + name_, kKeyReadWrite, KeyLifetime::Persistent)
               .key;
  }
  ~ScratchSettings() {
    root.reset();
    auto software = openCurrentUserRoot()->openSubkey(u"Software", kKeyReadWrite);
    if (software)
      deleteKeyTree(*software.key, name_);
  }
  void configure(std::u16string_view keyText, std::u16string_view subkey) {
    auto zones = root->createSubkey(u"tzones", kKeyReadWrite, KeyLifetime::Persistent).key;
    writeText(*zones, keyText, subkey);
  }

  std::unique_ptr<RegistryKey> root;

 private:
  std::u16string name_;
};

TEST(ZoneNamesWin32, DisplayNamesSystemDirectoryAndDataFiles) {
  Win32ZoneNames names;
  auto standard = names.loadMuiString(u"Pacific Standard Time", u"MUI_Std");
  ASSERT_TRUE(standard);
  EXPECT_EQ(*standard, u"Pacific Standard Time");
  EXPECT_FALSE(names.loadMuiString(u"No Such Standard Time", u"MUI_Std"));
  EXPECT_FALSE(names.loadMuiString(u"Pacific Standard Time", u"No such value"));

  auto directory = names.systemDirectory();
  ASSERT_GE(directory.size(), 8u);
  EXPECT_EQ(GetFileAttributesW(std::wstring(directory.begin(), directory.end()).c_str()) &
                FILE_ATTRIBUTE_DIRECTORY,
            static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));

  auto path = testStringsPath();
  auto library = names.loadResourceLibrary(portable(path));
  ASSERT_TRUE(library);
  EXPECT_EQ(library->loadString(7, 10240), u"Sieben");
  EXPECT_EQ(library->loadString(11232, 5), u"Pazif");
  EXPECT_EQ(library->loadString(8, 10240), u"");
  EXPECT_FALSE(names.loadResourceLibrary(u"C:\\no\\such\\file.dll.mui"));
}

// Every zone of the database configured by its own name: each one with a readable record is in
// the table, with its names, and the special locale's file is read from the system directory.
TEST(ZoneTableWin32, LoadsTheRealDatabase) {
  ScratchSettings settings;
  auto database = openLocalMachineRoot()->openSubkey(kTimeZoneDatabasePath, kKeyRead).key;
  ASSERT_TRUE(database);
  std::vector<std::u16string> readable;
  RegEnumEntry subkey;
  for (std::uint32_t i = 0; database->enumSubkey(i, kEnumNameChars, subkey) == RegStatus::Ok; ++i) {
    auto zone = database->openSubkey(subkey.name, kKeyRead).key;
    auto tzi = zone ? readBinary(*zone, u"TZI", 64) : std::nullopt;
    if (tzi && tzi->size() == kTziBytes)
      readable.push_back(subkey.name);
    settings.configure(subkey.name, subkey.name);
  }
  ASSERT_GT(readable.size(), 100u);

  ConfiguredZoneTable table;
  reloadTimeZones(table, *settings.root, win32ZoneDatabase());
  EXPECT_FALSE(table.muiNamesFailed());
  EXPECT_EQ(table.size(), readable.size());
  for (const auto& name : readable) {
    int index = table.indexByKey(name);
    ASSERT_GE(index, 0);
    EXPECT_FALSE(table.entry(index).info.standardNameView().empty());
  }
  int utc = table.utcIndex();
  ASSERT_GE(utc, 0);
  EXPECT_EQ(table.entry(utc).key, u"UTC");
  EXPECT_EQ(table.entry(utc).info.standardNameView(), u"Coordinated Universal Time");
}

TEST(ZoneTableWin32, SpecialLocaleFromTheSystemDirectory) {
  Win32ZoneNames names;
  const std::wstring directory = [&] {
    auto d = names.systemDirectory();
    return std::wstring(d.begin(), d.end()) + L"\\qps-zembrik";
  }();
  const std::wstring file = directory + L"\\tzres.dll.mui";
  CreateDirectoryW(directory.c_str(), nullptr);
  ASSERT_TRUE(CopyFileW(testStringsPath().c_str(), file.c_str(), FALSE));

  ScratchSettings settings;
  writeText(*settings.root, u"ZN-locale", u"qps-zembrik");
  settings.configure(u"PT", u"Pacific Standard Time");
  ConfiguredZoneTable table;
  reloadTimeZones(table, *settings.root, win32ZoneDatabase());
  int pt = table.indexByKey(u"PT");
  ASSERT_GE(pt, 0);
  EXPECT_EQ(table.entry(pt).specialStandardName, u"Pazifische Normalzeit");
  EXPECT_EQ(table.entry(pt).specialDaylightName, u"Pazifische Sommerzeit");
  // The UTC stand-in's strings are not in the file: it falls back to "Std"/"Dlt".
  EXPECT_EQ(table.entry(table.utcIndex()).specialStandardName, u"Coordinated Universal Time");

  // The file was unloaded at the end of the load, so it can be deleted.
  EXPECT_TRUE(DeleteFileW(file.c_str()));
  RemoveDirectoryW(directory.c_str());
}

}  // namespace
}  // namespace zembrik
