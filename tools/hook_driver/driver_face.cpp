#include "tools/hook_driver/driver_face.h"

#include "engine/registry/registry_access.h"
#include "engine/settings/settings_paths.h"
#include "platform/win32/registry_win32.h"

namespace zembrik {

namespace {

bool writeRoot(RegistryKey& user) {
  auto root = user.createSubkey(kSettingsRootPath, kKeyReadWrite, KeyLifetime::Persistent);
  // The host writes the version before it attaches; a root without it reads as old settings.
  return root && writeNumber(*root.key, u"version", 0x01002D00);
}

bool writeSet(RegistryKey& user, std::u16string_view set, const DriverFace& face) {
  auto key = user.createSubkey(std::u16string(kSettingsRootPath) + u"\\" + std::u16string(set),
                               kKeyReadWrite, KeyLifetime::Persistent);
  if (!key)
    return false;
  bool written = writeNumber(*key.key, u"nColumns", 1) && writeNumber(*key.key, u"nRows", 1) &&
                 writeText(*key.key, u"cell_0_0", u",,,,,,:" + face.format) &&
                 writeText(*key.key, u"font_0_0", u"14,700,,:Arial");
  // Graphs in three colours; "g" switches one off.
  const char16_t* graph = face.graphs ? u"G" : u"g";
  written = written && writeText(*key.key, u"memGraf", std::u16string(graph) + u"255") &&
            writeText(*key.key, u"cpuGraf", std::u16string(graph) + u"65280") &&
            writeText(*key.key, u"btrGraf", std::u16string(graph) + u"16711680");
  return written;
}

}  // namespace

bool writeDriverFace(const DriverFace& face) {
  if (face.kind == DriverFace::Kind::Unchanged)
    return true;
  auto user = openCurrentUserRoot();
  if (!user)
    return false;
  if (auto obr = user->openSubkey(kSettingsParentPath, kKeyReadWrite))
    deleteKeyTree(*obr.key, kSettingsKeyName);
  if (!writeRoot(*user))
    return false;
  if (face.kind == DriverFace::Kind::Defaults)
    return true;
  return writeSet(*user, u"horizontal", face) && writeSet(*user, u"vertical", face);
}

}  // namespace zembrik
