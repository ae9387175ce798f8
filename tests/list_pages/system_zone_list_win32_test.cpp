// The Time Zones page's reading of the real (Wine) system: every zone of the database that is
// not obsolete, each with its localised name, compared with the database read here directly;
// and the locale list from the UI languages key.
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <map>
#include <string>

#include "engine/options/system_zone_list.h"
#include "engine/registry/registry_access.h"
#include "platform/win32/proc_address_win32.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/zone_names_win32.h"

namespace zembrik {
namespace {

const wchar_t kDatabase[] = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Time Zones";

std::wstring wide(std::u16string_view text) {
  return {text.begin(), text.end()};
}

// Subkey name => its localised display name, for every zone not marked obsolete, read with
// the plain registry calls.
std::map<std::wstring, std::wstring> databaseZones() {
  std::map<std::wstring, std::wstring> zones;
  HKEY database = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kDatabase, 0, KEY_READ, &database) != ERROR_SUCCESS)
    return zones;
  using LoadMui = LONG(WINAPI*)(HKEY, LPCWSTR, LPWSTR, DWORD, LPDWORD, DWORD, LPCWSTR);
  const auto loadMui = procAddress<LoadMui>(GetModuleHandleW(L"advapi32.dll"), "RegLoadMUIStringW");
  wchar_t system[MAX_PATH];
  GetSystemDirectoryW(system, MAX_PATH);
  wchar_t name[256];
  for (DWORD i = 0;; ++i) {
    DWORD length = 256;
    if (RegEnumKeyExW(database, i, name, &length, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS)
      break;
    HKEY zone = nullptr;
    if (RegOpenKeyExW(database, name, 0, KEY_READ, &zone) != ERROR_SUCCESS)
      continue;
    DWORD obsolete = 0;
    DWORD size = sizeof obsolete;
    const bool isObsolete =
        RegQueryValueExW(zone, L"IsObsolete", nullptr, nullptr, reinterpret_cast<BYTE*>(&obsolete),
                         &size) == ERROR_SUCCESS &&
        obsolete != 0;
    wchar_t display[512] = L"";
    if (loadMui)
      loadMui(zone, L"MUI_Display", display, sizeof display, nullptr, 0, system);
    RegCloseKey(zone);
    if (!isObsolete)
      zones[name] = display;
  }
  RegCloseKey(database);
  return zones;
}

TEST(SystemZoneListWin32, EveryZoneOfTheDatabaseWithItsLocalisedName) {
  const auto expected = databaseZones();
  ASSERT_FALSE(expected.empty());
  auto machine = openLocalMachineRoot();
  Win32ZoneNames names;
  const auto start = std::chrono::steady_clock::now();
  const auto zones = readSystemZones(*machine, names);
  const auto elapsed = std::chrono::steady_clock::now() - start;
  std::map<std::wstring, std::wstring> read;
  for (const SystemZone& zone : zones) {
    EXPECT_FALSE(zone.displayName.empty()) << std::string(zone.keyName.begin(), zone.keyName.end());
    read[wide(zone.keyName)] = wide(zone.displayName);
  }
  EXPECT_EQ(read, expected);
  std::printf("zones read: %zu in %.1f ms\n", zones.size(),
              std::chrono::duration<double, std::milli>(elapsed).count());

  // Measured, not asserted: the same read with the names' library held loaded, as the page does.
  HMODULE held = LoadLibraryExW(L"tzres.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  for (int run = 0; run < 3; ++run) {
    const auto again = std::chrono::steady_clock::now();
    EXPECT_EQ(readSystemZones(*machine, names).size(), zones.size());
    std::printf("zones read with tzres.dll held: %.1f ms\n",
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - again)
                    .count());
  }
  if (held)
    FreeLibrary(held);
}

TEST(SystemZoneListWin32, LocaleListDisabledWithoutUiLanguagesAndFilledWithThem) {
  auto machine = openLocalMachineRoot();
  const std::u16string path = kUiLanguagesPath;
  auto existing = machine->openSubkey(path, kKeyRead);
  if (existing)
    GTEST_SKIP() << "this system has UI languages of its own";
  EXPECT_FALSE(readLocaleChoices(*machine, u"").enabled);

  for (const char16_t* language : {u"de-DE", u"en-US"})
    ASSERT_TRUE(
        machine->createSubkey(path + u"\\" + language, kKeyReadWrite, KeyLifetime::Persistent));
  const auto choices = readLocaleChoices(*machine, u"de");
  EXPECT_TRUE(choices.enabled);
  EXPECT_EQ(choices.items, (std::vector<std::u16string>{u"en-US", u"", u"de-DE"}));
  EXPECT_EQ(choices.selected, u"de-DE");
  auto control = machine->openSubkey(u"SYSTEM\\CurrentControlSet\\Control\\MUI", kKeyReadWrite);
  ASSERT_TRUE(control);
  EXPECT_EQ(deleteKeyTree(*control.key, u"UILanguages"), RegStatus::Ok);
}

}  // namespace
}  // namespace zembrik
