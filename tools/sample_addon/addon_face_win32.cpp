#include "tools/sample_addon/addon_face_win32.h"

#include "engine/registry/registry_access.h"
#include "engine/settings/clock_set_key.h"
#include "engine/settings/settings_paths.h"
#include "engine/settings/value_names.h"
#include "platform/win32/registry_win32.h"

namespace zembrik {

namespace {

OpenedKey openThisKey(RegistryKey& user) {
  return user.openSubkey(std::u16string(kSettingsRootPath) + u"\\this", kKeyRead);
}

bool clockIsVertical() {
  auto user = openCurrentUserRoot();
  auto thisKey = openThisKey(*user);
  return thisKey && readNumber(*thisKey.key, u"isVertical").value_or(0) != 0;
}

}  // namespace

HWND runningClockWindow() {
  auto user = openCurrentUserRoot();
  auto thisKey = openThisKey(*user);
  if (!thisKey)
    return nullptr;
  auto low = readNumber(*thisKey.key, u"hwndLo");
  auto high = readNumber(*thisKey.key, u"hwndHi").value_or(0);
  if (!low)
    return nullptr;
  const std::uint64_t handle = (std::uint64_t{high} << 32) | *low;
  HWND window = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(handle));
  return IsWindow(window) ? window : nullptr;
}

bool writeAddonFace(std::int32_t id, const std::u16string& text) {
  auto user = openCurrentUserRoot();
  auto root = user->openSubkey(kSettingsRootPath, kKeyRead);
  if (!root)
    return false;
  auto set = openClockSetKey(*root.key, *user, clockIsVertical(), 0);
  if (!set)
    return false;
  const std::string digits = std::to_string(id);
  auto face = set.key->createSubkey(u"addon_" + std::u16string(digits.begin(), digits.end()),
                                    kKeyReadWrite, KeyLifetime::Persistent);
  if (!face)
    return false;
  RegistryKey& key = *face.key;
  // One cell: fixed text (quoted in the format language), bold, in yellow, 2 pixels each side.
  return writeNumber(key, u"nColumns", 1) && writeNumber(key, u"nRows", 1) &&
         writeText(key, cellValueName(u"cell", 0, 0), u",,2,2,,,:'" + text + u"'") &&
         writeText(key, cellValueName(u"font", 0, 0), u"9,700,,:Arial") &&
         writeNumber(key, cellValueName(u"color", 0, 0), 0x0000FFFF);
}

}  // namespace zembrik
