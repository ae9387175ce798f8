#include "platform/win32/zone_names_win32.h"

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "engine/registry/registry_access.h"
#include "platform/win32/format_platform_win32.h"
#include "platform/win32/proc_address_win32.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/wide_text_win32.h"
#include "platform/win32/win32_handles.h"

namespace zembrik {

namespace {

using RegLoadMuiStringFn = LSTATUS(WINAPI*)(HKEY, LPCWSTR, LPWSTR, DWORD, LPDWORD, DWORD, LPCWSTR);

// Bound once; advapi32 is linked, so its handle needs no release.
RegLoadMuiStringFn regLoadMuiString() {
  static const RegLoadMuiStringFn function = [] {
    return procAddress<RegLoadMuiStringFn>(GetModuleHandleW(L"advapi32.dll"), "RegLoadMUIStringW");
  }();
  return function;
}

class DataFileLibrary final : public ResourceLibrary {
 public:
  explicit DataFileLibrary(UniqueModule module) : module_(std::move(module)) {}

  std::u16string loadString(std::uint32_t id, std::size_t maxChars) override {
    std::vector<wchar_t> buffer(maxChars + 1);
    int length = LoadStringW(module_.get(), id, buffer.data(), static_cast<int>(buffer.size()));
    if (length <= 0)
      return {};
    return std::u16string(buffer.data(), buffer.data() + length);
  }

 private:
  UniqueModule module_;
};

}  // namespace

std::optional<std::u16string> Win32ZoneNames::loadMuiString(std::u16string_view zoneSubkey,
                                                            std::u16string_view valueName) {
  auto load = regLoadMuiString();
  if (load == nullptr)
    return std::nullopt;
  auto path = wide(kTimeZoneDatabasePath) + L"\\" + wide(zoneSubkey);
  HKEY opened = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  UniqueRegKey zone(opened);
  const std::wstring directory = wide(systemDirectory());
  std::vector<wchar_t> buffer(kTextBufferBytes / sizeof(wchar_t));
  DWORD bytes = 0;
  LSTATUS status = load(zone.get(), wide(valueName).c_str(), buffer.data(),
                        static_cast<DWORD>(buffer.size() * sizeof(wchar_t)), &bytes, 0,
                        directory.empty() ? nullptr : directory.c_str());
  if (status != ERROR_SUCCESS)
    return std::nullopt;
  // The text ends at its terminator, whatever byte count the call reports.
  std::size_t length = 0;
  while (length < buffer.size() && buffer[length] != L'\0') ++length;
  return std::u16string(buffer.data(), buffer.data() + length);
}

std::u16string Win32ZoneNames::systemDirectory() {
  wchar_t directory[MAX_PATH + 1];
  UINT length = GetSystemDirectoryW(directory, MAX_PATH + 1);
  if (length == 0 || length > MAX_PATH)
    return {};
  return std::u16string(directory, directory + length);
}

std::unique_ptr<ResourceLibrary> Win32ZoneNames::loadResourceLibrary(std::u16string_view path) {
  UniqueModule module(LoadLibraryExW(wide(path).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
  if (!module)
    return nullptr;
  return std::make_unique<DataFileLibrary>(std::move(module));
}

const ZoneDatabaseAccess& win32ZoneDatabase() {
  static const auto machine = openLocalMachineRoot();
  static Win32ZoneNames names;
  static Win32SystemTimeZone systemZone;
  static const ZoneDatabaseAccess access{*machine, names, systemZone};
  return access;
}

}  // namespace zembrik
