#include "tools/preview/face_preview.h"

#include "engine/registry/memory_registry.h"
#include "engine/settings/load_settings.h"
#include "engine/settings/settings_paths.h"
#include "platform/win32/gdi_surface.h"

namespace zembrik {

namespace {

constexpr std::size_t kNameCapacity = 16384;  // the longest value or key name Windows allows
constexpr std::size_t kValueBytes = 1 << 20;

void copyKeyTree(RegistryKey& from, RegistryKey& to) {
  RegEnumEntry entry;
  for (std::uint32_t i = 0; from.enumValue(i, kNameCapacity, entry) == RegStatus::Ok; ++i) {
    RegValue value;
    if (from.queryValue(entry.name, kValueBytes, value) == RegStatus::Ok)
      to.setValue(entry.name, value.type, value.data);
  }
  for (std::uint32_t i = 0; from.enumSubkey(i, kNameCapacity, entry) == RegStatus::Ok; ++i) {
    OpenedKey source = from.openSubkey(entry.name, kKeyRead);
    OpenedKey copy = to.createSubkey(entry.name, kKeyReadWrite, KeyLifetime::Persistent);
    if (source && copy)
      copyKeyTree(*source.key, *copy.key);
  }
}

}  // namespace

void loadPreviewFace(ClockConfig& clock, const PreviewClock& which, RegistryKey* currentUser,
                     FontCache& fonts, NameTables& names, ZoneTable& zones) {
  MemoryRegistry copy;
  auto user = copy.currentUser();
  OpenedKey root = user->createSubkey(kSettingsRootPath, kKeyReadWrite, KeyLifetime::Persistent);
  if (currentUser != nullptr && root) {
    if (OpenedKey settings = currentUser->openSubkey(kSettingsRootPath, kKeyRead))
      copyKeyTree(*settings.key, *root.key);
  }
  clock.placement.vertical = which.vertical;
  clock.placement.index = which.index;
  clock.placement.dpi = which.dpi;
  clock.placement.windowHeight = which.windowHeight;
  loadSettings(clock, SettingsSources{*user, fonts, names, zones});
}

std::unique_ptr<FaceImage> paintPreview(ClockConfig& clock, FacePainter& painter,
                                        const PaintInputs& inputs, Size client) {
  PackedSize wanted = painter.measureForTaskbar(clock, inputs);
  Size size{client.width > 0 ? client.width : packedWidth(wanted),
            client.height > 0 ? client.height : packedHeight(wanted)};
  auto image = FaceImage::create(size);
  if (!image)
    return nullptr;
  GdiSurface target(image->dc(), size);
  if (painter.draw(clock, inputs, target, size).size == 0)
    return nullptr;
  return image;
}

}  // namespace zembrik
