#include "platform/win32/registry_win32.h"

#include <windows.h>

#include <string>
#include <utility>

#include "platform/win32/proc_address_win32.h"
#include "platform/win32/wide_text_win32.h"
#include "platform/win32/win32_handles.h"

namespace zembrik {

namespace {

RegStatus status(LSTATUS code) {
  return static_cast<RegStatus>(static_cast<std::uint32_t>(code));
}

REGSAM samOf(KeyAccess access) {
  REGSAM sam = 0;
  if (access & kKeyRead)
    sam |= KEY_READ;
  if (access & kKeySetValue)
    sam |= KEY_SET_VALUE;
  if (access & kKeyCreateSubKey)
    sam |= KEY_CREATE_SUB_KEY;
  return sam;
}

// NtRenameKey is not in the documented API; it is looked up once in ntdll at run time.
using NtRenameKeyFn = LONG(NTAPI*)(HANDLE, void*);
using RtlNtStatusToDosErrorFn = ULONG(NTAPI*)(LONG);

struct CountedUnicodeString {  // UNICODE_STRING
  USHORT length;
  USHORT maximumLength;
  PWSTR buffer;
};

class Win32Key final : public RegistryKey {
 public:
  // A predefined root, which stays open.
  explicit Win32Key(HKEY root) : key_(root) {}
  explicit Win32Key(UniqueRegKey key) : owned_(std::move(key)), key_(owned_.get()) {}

  OpenedKey openSubkey(std::u16string_view path, KeyAccess access) override {
    HKEY sub = nullptr;
    LSTATUS code = RegOpenKeyExW(key_, wide(path).c_str(), 0, samOf(access), &sub);
    if (code != ERROR_SUCCESS)
      return {status(code), nullptr};
    return {RegStatus::Ok, std::make_unique<Win32Key>(UniqueRegKey(sub))};
  }

  OpenedKey createSubkey(std::u16string_view path, KeyAccess access,
                         KeyLifetime lifetime) override {
    HKEY sub = nullptr;
    DWORD options =
        lifetime == KeyLifetime::Volatile ? REG_OPTION_VOLATILE : REG_OPTION_NON_VOLATILE;
    LSTATUS code = RegCreateKeyExW(key_, wide(path).c_str(), 0, nullptr, options, samOf(access),
                                   nullptr, &sub, nullptr);
    if (code != ERROR_SUCCESS)
      return {status(code), nullptr};
    return {RegStatus::Ok, std::make_unique<Win32Key>(UniqueRegKey(sub))};
  }

  RegStatus queryValue(std::u16string_view name, std::size_t maxBytes, RegValue& out) override {
    std::vector<std::uint8_t> buffer(maxBytes);
    DWORD type = REG_NONE;
    DWORD size = static_cast<DWORD>(maxBytes);
    LSTATUS code = RegQueryValueExW(key_, wide(name).c_str(), nullptr, &type,
                                    buffer.empty() ? nullptr : buffer.data(), &size);
    if (code == ERROR_SUCCESS && buffer.empty() && size > 0)
      code = ERROR_MORE_DATA;
    if (code != ERROR_SUCCESS)
      return status(code);
    buffer.resize(size);
    out.type = static_cast<RegType>(type);
    out.data = std::move(buffer);
    return RegStatus::Ok;
  }

  RegStatus setValue(std::u16string_view name, RegType type,
                     std::span<const std::uint8_t> data) override {
    return status(RegSetValueExW(key_, wide(name).c_str(), 0, static_cast<DWORD>(type), data.data(),
                                 static_cast<DWORD>(data.size())));
  }

  RegStatus deleteValue(std::u16string_view name) override {
    return status(RegDeleteValueW(key_, wide(name).c_str()));
  }

  RegStatus deleteSubkey(std::u16string_view name) override {
    return status(RegDeleteKeyW(key_, wide(name).c_str()));
  }

  RegStatus enumValue(std::uint32_t index, std::size_t nameCapacity, RegEnumEntry& out) override {
    std::wstring name(nameCapacity, L'\0');
    DWORD length = static_cast<DWORD>(nameCapacity);
    DWORD type = REG_NONE;
    LSTATUS code =
        RegEnumValueW(key_, index, name.data(), &length, nullptr, &type, nullptr, nullptr);
    if (code != ERROR_SUCCESS)
      return status(code);
    out.name = portable(std::wstring_view(name.data(), length));
    out.type = static_cast<RegType>(type);
    return RegStatus::Ok;
  }

  RegStatus enumSubkey(std::uint32_t index, std::size_t nameCapacity, RegEnumEntry& out) override {
    std::wstring name(nameCapacity, L'\0');
    DWORD length = static_cast<DWORD>(nameCapacity);
    LSTATUS code =
        RegEnumKeyExW(key_, index, name.data(), &length, nullptr, nullptr, nullptr, nullptr);
    if (code != ERROR_SUCCESS)
      return status(code);
    out.name = portable(std::wstring_view(name.data(), length));
    out.type = RegType::None;
    return RegStatus::Ok;
  }

  RegStatus countEntries(std::uint32_t& subkeys, std::uint32_t& values) override {
    DWORD keyCount = 0;
    DWORD valueCount = 0;
    LSTATUS code = RegQueryInfoKeyW(key_, nullptr, nullptr, nullptr, &keyCount, nullptr, nullptr,
                                    &valueCount, nullptr, nullptr, nullptr, nullptr);
    if (code != ERROR_SUCCESS)
      return status(code);
    subkeys = keyCount;
    values = valueCount;
    return RegStatus::Ok;
  }

  RegStatus rename(std::u16string_view newName) override {
    HMODULE ntdll = GetModuleHandleW(L"NTdll.dll");
    if (!ntdll)
      return RegStatus::NotSupported;
    auto renameKey = procAddress<NtRenameKeyFn>(ntdll, "NtRenameKey");
    auto toDosError = procAddress<RtlNtStatusToDosErrorFn>(ntdll, "RtlNtStatusToDosError");
    if (!renameKey || !toDosError)
      return RegStatus::NotSupported;
    std::wstring name = wide(newName);
    auto bytes = static_cast<USHORT>(name.size() * sizeof(wchar_t));
    CountedUnicodeString counted{bytes, bytes, name.data()};
    LONG nt = renameKey(key_, &counted);
    return nt >= 0 ? RegStatus::Ok : status(static_cast<LSTATUS>(toDosError(nt)));
  }

 private:
  UniqueRegKey owned_;  // empty for a predefined root
  HKEY key_;
};

}  // namespace

std::unique_ptr<RegistryKey> openCurrentUserRoot() {
  return std::make_unique<Win32Key>(HKEY_CURRENT_USER);
}

std::unique_ptr<RegistryKey> openLocalMachineRoot() {
  return std::make_unique<Win32Key>(HKEY_LOCAL_MACHINE);
}

}  // namespace zembrik
