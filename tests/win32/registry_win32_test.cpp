#include <windows.h>

#include "engine/registry/registry_access.h"
#include "platform/win32/registry_win32.h"
#include "tests/registry/registry_conformance.h"

namespace zembrik::testing {
namespace {

constexpr char16_t kScratchParent[] = u"Software\\ZembrikConformance";

// A key of its own per test under HKCU, removed with everything below it afterwards.
class RealScratch final : public ScratchRegistry {
 public:
  RealScratch() {
    static int counter = 0;
    auto id = std::to_string(GetCurrentProcessId()) + "_" + std::to_string(++counter);
    name_ = std::u16string(id.begin(), id.end());
  }
  ~RealScratch() override {
    auto user = openCurrentUserRoot();
    auto parent = user->openSubkey(kScratchParent, kKeyReadWrite);
    if (parent)
      deleteKeyTree(*parent.key, name_);
    user->deleteSubkey(kScratchParent);  // only succeeds once the last scratch key is gone
  }
  std::unique_ptr<RegistryKey> open() override {
    auto user = openCurrentUserRoot();
    return user
        ->createSubkey(std::u16string(kScratchParent) + u"\\" + name_, kKeyReadWrite,
                       KeyLifetime::Persistent)
        .key;
  }

 private:
  std::u16string name_;
};

std::unique_ptr<ScratchRegistry> makeRealScratch() {
  return std::make_unique<RealScratch>();
}

TEST(RealRegistry, ScratchKeysAreRemoved) {
  {
    RealScratch scratch;
    ASSERT_TRUE(scratch.open());
  }
  auto user = openCurrentUserRoot();
  EXPECT_EQ(user->openSubkey(kScratchParent, kKeyRead).status, RegStatus::NotFound);
}

TEST(RealRegistry, TimeZoneDatabaseIsReadable) {
  // The zone records are the reason readBinary exists; Wine ships a real database.
  auto machine = openLocalMachineRoot();
  auto utc = machine->openSubkey(
      u"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Time Zones\\UTC", kKeyRead);
  ASSERT_TRUE(utc);
  auto tzi = readBinary(*utc.key, u"TZI");
  ASSERT_TRUE(tzi);
  EXPECT_EQ(tzi->size(), 44u);
}

}  // namespace

// The in-memory backend runs the same suite under Wine in registry_test.
INSTANTIATE_TEST_SUITE_P(Backends, RegistryConformance,
                         ::testing::Values(RegistryBackend{"Win32", makeRealScratch}), backendName);

}  // namespace zembrik::testing
