#include "engine/registry/memory_registry.h"

#include "engine/registry/registry_access.h"
#include "tests/registry/registry_conformance.h"

namespace zembrik::testing {

namespace {

class MemoryScratch final : public ScratchRegistry {
 public:
  std::unique_ptr<RegistryKey> open() override {
    return registry_.currentUser()
        ->createSubkey(u"Software\\Scratch", kKeyReadWrite, KeyLifetime::Persistent)
        .key;
  }

 private:
  MemoryRegistry registry_;
};

}  // namespace

std::unique_ptr<ScratchRegistry> makeMemoryScratch() {
  return std::make_unique<MemoryScratch>();
}

INSTANTIATE_TEST_SUITE_P(Backends, RegistryConformance,
                         ::testing::Values(RegistryBackend{"Memory", makeMemoryScratch}),
                         backendName);

namespace {

TEST(MemoryRegistry, RestartDropsVolatileKeysOnly) {
  MemoryRegistry registry;
  auto user = registry.currentUser();
  ASSERT_TRUE(user->createSubkey(u"Software\\OBR\\Zembrik\\horizontal", kKeyReadWrite,
                                 KeyLifetime::Persistent));
  auto self = createKeyWithPersistentParents(*user, u"Software\\OBR\\Zembrik\\this", kKeyReadWrite,
                                             KeyLifetime::Volatile);
  ASSERT_TRUE(self);
  ASSERT_TRUE(writeNumber(*self.key, u"hwndLo", 0x1234));

  registry.restart();

  EXPECT_TRUE(user->openSubkey(u"Software\\OBR\\Zembrik\\horizontal", kKeyRead));
  EXPECT_EQ(user->openSubkey(u"Software\\OBR\\Zembrik\\this", kKeyRead).status,
            RegStatus::NotFound);
  EXPECT_EQ(readNumber(*self.key, u"hwndLo"), std::nullopt) << "an open handle sees it gone";
}

TEST(MemoryRegistry, CountsOnlyRealWrites) {
  MemoryRegistry registry;
  auto user = registry.currentUser();
  ASSERT_TRUE(writeNumber(*user, u"version", 0x01002D00));
  ASSERT_TRUE(writeNumber(*user, u"version", 0x01002D00));
  EXPECT_EQ(registry.valueWrites(), 1u);
}

}  // namespace
}  // namespace zembrik::testing
