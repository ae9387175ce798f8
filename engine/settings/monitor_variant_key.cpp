#include "engine/settings/monitor_variant_key.h"

#include <string>

#include "engine/settings/monitor_keys.h"

namespace zembrik {

namespace {

// The options program creates the variants below a variant; the clock may write values to it.
constexpr KeyAccess kVariantAccess = kKeyRead | kKeyCreateSubKey | kKeySetValue;

// The subkey when it exists, else `key` unchanged.
OpenedKey descend(OpenedKey key, std::u16string_view name) {
  if (name.empty())
    return key;
  OpenedKey variant = key.key->openSubkey(name, kVariantAccess);
  return variant ? std::move(variant) : std::move(key);
}

}  // namespace

OpenedKey openMonitorVariant(OpenedKey set, WindowId clockWindow, MonitorSource& monitors) {
  if (!set)
    return set;
  const std::optional<MonitorOfWindow> monitor = monitors.monitorOf(clockWindow);
  if (!monitor)
    return set;

  const std::optional<std::u16string> deviceId = monitors.deviceIdOf(monitor->deviceName);
  if (deviceId)
    set = descend(std::move(set), monitorKeyName(monitorIdFromDeviceId(*deviceId)));

  const int width = monitor->rect.right - monitor->rect.left;
  const int height = monitor->rect.bottom - monitor->rect.top;
  if (width <= 0 || height <= 0)
    return set;
  const unsigned dpi = monitors.monitorDpi(*monitor).value_or(0);
  return descend(std::move(set), sizeKeyName(width, height, dpi));
}

}  // namespace zembrik
