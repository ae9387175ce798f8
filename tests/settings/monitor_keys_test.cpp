#include "engine/settings/monitor_keys.h"

#include <gtest/gtest.h>

namespace zembrik {
namespace {

TEST(MonitorKeys, DeviceIdsGiveTheMonitorId) {
  struct Case {
    std::u16string_view deviceId;
    std::u16string_view id;
  };
  const Case cases[] = {
      {u"MONITOR\\ABC1234\\{4d36e96e-e325-11ce-bfc1-08002be10318}\\0001", u"ABC1234"},
      {u"monitor\\Default_Monitor\\{guid}", u"Default_Monitor"},
      {u"\\\\?\\DISPLAY#ABC#4&1\\{guid}", u"_?_DISPLAY#ABC#4&1"},
      {u"PCI\\VEN_1\\X", u"PCI_VEN_1_X"},
      {u"MONITOR", u""},
      {u"{guid}", u""},
      {u"", u""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(monitorIdFromDeviceId(c.deviceId), c.id)
        << std::string(c.deviceId.begin(), c.deviceId.end());

  // DISPLAY_DEVICEW holds 128 characters: a full one without "{" keeps the key name within the
  // registry's 255.
  const std::u16string full = u"MONITOR\\" + std::u16string(120, u'Q');
  ASSERT_EQ(full.size(), 128u);
  EXPECT_EQ(monitorIdFromDeviceId(full), std::u16string(120, u'Q'));
  EXPECT_LE(monitorKeyName(monitorIdFromDeviceId(full)).size(), 255u);
}

TEST(MonitorKeys, KeyNames) {
  EXPECT_EQ(monitorKeyName(u"ABC1234"), u"name_ABC1234");
  EXPECT_EQ(monitorKeyName(u""), u"");
  EXPECT_EQ(sizeKeyName(1920, 1080, 144), u"size_1920x1080_144");
  EXPECT_EQ(sizeKeyName(1920, 1080, 0), u"size_1920x1080");
  EXPECT_EQ(sizeKeyName(0, 1080, 96), u"");
  EXPECT_EQ(sizeKeyName(1280, -1, 96), u"");
}

}  // namespace
}  // namespace zembrik
