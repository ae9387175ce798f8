#include "tests/registry/registry_conformance.h"

#include <algorithm>
#include <cstring>
#include <set>

#include "engine/registry/registry_access.h"
#include "tests/support/registry_decorators.h"

namespace zembrik::testing {
namespace {

std::vector<std::uint8_t> bytes(std::initializer_list<int> list) {
  std::vector<std::uint8_t> out;
  for (int b : list) out.push_back(static_cast<std::uint8_t>(b));
  return out;
}

std::vector<std::uint8_t> textBytes(std::u16string_view text, bool terminated) {
  std::vector<std::uint8_t> out((text.size() + (terminated ? 1 : 0)) * 2, 0);
  if (!text.empty())
    std::memcpy(out.data(), text.data(), text.size() * 2);
  return out;
}

bool keyExists(RegistryKey& parent, std::u16string_view path) {
  return parent.openSubkey(path, kKeyRead).status == RegStatus::Ok;
}

TEST_P(RegistryConformance, NumbersCountOnlyAsFourByteDwords) {
  ASSERT_TRUE(writeNumber(key(), u"plain", 0x01002D00));
  EXPECT_EQ(readNumber(key(), u"plain"), 0x01002D00u);
  EXPECT_EQ(readNumber(key(), u"PLAIN"), 0x01002D00u) << "value names ignore case";

  struct Stored {
    const char16_t* name;
    RegType type;
    std::vector<std::uint8_t> data;
  };
  const Stored absent[] = {
      {u"asText", RegType::Sz, textBytes(u"12", true)},
      {u"asBinary", RegType::Binary, bytes({1, 0, 0, 0})},
      {u"shortDword", RegType::Dword, bytes({1, 0})},
      {u"longDword", RegType::Dword, bytes({1, 0, 0, 0, 0, 0, 0, 0})},
      {u"asQword", RegType::Qword, bytes({1, 0, 0, 0, 0, 0, 0, 0})},
  };
  for (const auto& s : absent) {
    ASSERT_EQ(key().setValue(s.name, s.type, s.data), RegStatus::Ok);
    EXPECT_EQ(readNumber(key(), s.name), std::nullopt) << std::string(s.name, s.name + 5);
  }
  EXPECT_EQ(readNumber(key(), u"missing"), std::nullopt);
}

TEST_P(RegistryConformance, TextsCountOnlyAsRegSzWithinTheBuffer) {
  ASSERT_TRUE(writeText(key(), u"face", u"Arial"));
  EXPECT_EQ(readText(key(), u"face"), u"Arial");
  ASSERT_TRUE(writeText(key(), u"empty", u""));
  EXPECT_EQ(readText(key(), u"empty"), u"");

  // 10239 characters and the terminator fill the 20480-byte buffer exactly; one more does not.
  const std::u16string fits(kTextBufferBytes / 2 - 1, u'x');
  const std::u16string tooLong(kTextBufferBytes / 2, u'x');
  ASSERT_TRUE(writeText(key(), u"fits", fits));
  ASSERT_TRUE(writeText(key(), u"tooLong", tooLong));
  EXPECT_EQ(readText(key(), u"fits"), fits);
  EXPECT_EQ(readText(key(), u"tooLong"), std::nullopt);

  ASSERT_EQ(key().setValue(u"expand", RegType::ExpandSz, textBytes(u"%TEMP%", true)),
            RegStatus::Ok);
  EXPECT_EQ(readText(key(), u"expand"), std::nullopt);
  ASSERT_TRUE(writeNumber(key(), u"number", 7));
  EXPECT_EQ(readText(key(), u"number"), std::nullopt);

  // Stored by another program without a terminator, or with an odd byte count.
  ASSERT_EQ(key().setValue(u"unterminated", RegType::Sz, textBytes(u"HH:mm", false)),
            RegStatus::Ok);
  EXPECT_EQ(readText(key(), u"unterminated"), u"HH:mm");
  auto odd = textBytes(u"ab", false);
  odd.push_back(0x41);
  ASSERT_EQ(key().setValue(u"odd", RegType::Sz, odd), RegStatus::Ok);
  EXPECT_EQ(readText(key(), u"odd"), u"ab");
  ASSERT_EQ(key().setValue(u"embedded", RegType::Sz, textBytes(std::u16string(u"ab\0cd", 5), true)),
            RegStatus::Ok);
  EXPECT_EQ(readText(key(), u"embedded"), u"ab");
}

TEST_P(RegistryConformance, UnchangedValuesAreNotWrittenAgain) {
  auto opened = key().createSubkey(u"counted", kKeyReadWrite, KeyLifetime::Persistent);
  ASSERT_TRUE(opened);
  CountingKey counted(std::move(opened.key));

  EXPECT_TRUE(writeNumber(counted, u"n", 5));
  EXPECT_TRUE(writeNumber(counted, u"n", 5));
  EXPECT_TRUE(writeText(counted, u"t", u"HH:mm"));
  EXPECT_TRUE(writeText(counted, u"t", u"HH:mm"));
  EXPECT_EQ(counted.writes, 2);

  EXPECT_TRUE(writeNumber(counted, u"n", 6));
  EXPECT_TRUE(writeText(counted, u"t", u"HH:mm:ss"));
  EXPECT_EQ(counted.writes, 4);

  // Same digits, other type: the stored value is not what was asked for, so it is rewritten.
  EXPECT_TRUE(writeText(counted, u"n", u"6"));
  EXPECT_EQ(readText(counted, u"n"), u"6");
  EXPECT_EQ(counted.writes, 5);
}

TEST_P(RegistryConformance, WritesNeedSetValueAccess) {
  ASSERT_TRUE(key().createSubkey(u"locked", kKeyReadWrite, KeyLifetime::Persistent));
  auto readOnly = key().openSubkey(u"locked", kKeyRead);
  ASSERT_TRUE(readOnly);
  EXPECT_FALSE(writeNumber(*readOnly.key, u"n", 1));
  EXPECT_EQ(readNumber(*readOnly.key, u"n"), std::nullopt);
}

TEST_P(RegistryConformance, VolatileKeysCannotHavePersistentChildren) {
  auto session = key().createSubkey(u"session", kKeyReadWrite, KeyLifetime::Volatile);
  ASSERT_TRUE(session);
  auto persistent = session.key->createSubkey(u"child", kKeyReadWrite, KeyLifetime::Persistent);
  EXPECT_EQ(persistent.status, RegStatus::ChildMustBeVolatile);
  EXPECT_FALSE(keyExists(*session.key, u"child"));
  EXPECT_TRUE(session.key->createSubkey(u"child", kKeyReadWrite, KeyLifetime::Volatile));

  // Opening an existing volatile key with the persistent option keeps it volatile.
  auto reopened = key().createSubkey(u"session", kKeyReadWrite, KeyLifetime::Persistent);
  ASSERT_TRUE(reopened);
  EXPECT_EQ(reopened.key->createSubkey(u"other", kKeyReadWrite, KeyLifetime::Persistent).status,
            RegStatus::ChildMustBeVolatile);
}

TEST_P(RegistryConformance, VolatileCreateKeepsMissingParentsPersistent) {
  // The trap: one volatile create of a path makes every missing key on it volatile.
  ASSERT_TRUE(key().createSubkey(u"trap\\this", kKeyReadWrite, KeyLifetime::Volatile));
  EXPECT_EQ(key().createSubkey(u"trap\\horizontal", kKeyReadWrite, KeyLifetime::Persistent).status,
            RegStatus::ChildMustBeVolatile);

  auto created =
      createKeyWithPersistentParents(key(), u"Zembrik\\this", kKeyReadWrite, KeyLifetime::Volatile);
  ASSERT_TRUE(created);
  EXPECT_TRUE(key().createSubkey(u"Zembrik\\horizontal", kKeyReadWrite, KeyLifetime::Persistent))
      << "the parent must not have become volatile";
  EXPECT_EQ(created.key->createSubkey(u"x", kKeyReadWrite, KeyLifetime::Persistent).status,
            RegStatus::ChildMustBeVolatile)
      << "the key itself is volatile";
}

TEST_P(RegistryConformance, PlainDeleteRefusesKeysWithSubkeys) {
  ASSERT_TRUE(key().createSubkey(u"a\\b", kKeyReadWrite, KeyLifetime::Persistent));
  EXPECT_NE(key().deleteSubkey(u"a"), RegStatus::Ok);
  EXPECT_TRUE(keyExists(key(), u"a\\b"));
  EXPECT_EQ(key().deleteSubkey(u"missing"), RegStatus::NotFound);
}

TEST_P(RegistryConformance, TreeDeleteRemovesNestedKeys) {
  for (auto path : {u"Zembrik\\horizontal\\size_1920x1080", u"Zembrik\\horizontal\\name_X",
                    u"Zembrik\\vertical_2", u"Zembrik\\alarms", u"Keep"}) {
    auto k = key().createSubkey(path, kKeyReadWrite, KeyLifetime::Persistent);
    ASSERT_TRUE(k);
    ASSERT_TRUE(writeNumber(*k.key, u"nRows", 2));
  }
  ASSERT_TRUE(createKeyWithPersistentParents(key(), u"Zembrik\\this", kKeyReadWrite,
                                             KeyLifetime::Volatile));
  EXPECT_EQ(deleteKeyTree(key(), u"Zembrik"), RegStatus::Ok);
  EXPECT_FALSE(keyExists(key(), u"Zembrik"));
  EXPECT_TRUE(keyExists(key(), u"Keep"));
  EXPECT_EQ(deleteKeyTree(key(), u"Zembrik"), RegStatus::NotFound);
}

TEST_P(RegistryConformance, TreeDeleteReportsFailureAndStopsAtTheFirstError) {
  for (auto path : {u"tree\\a\\inner", u"tree\\b\\locked", u"tree\\c"}) {
    ASSERT_TRUE(key().createSubkey(path, kKeyReadWrite, KeyLifetime::Persistent));
  }
  auto opened = key().openSubkey(u"", kKeyReadWrite);
  ASSERT_TRUE(opened);
  RefusingDeleteKey refusing(std::move(opened.key), u"locked");

  EXPECT_EQ(deleteKeyTree(refusing, u"tree"), RegStatus::AccessDenied);
  EXPECT_TRUE(keyExists(key(), u"tree\\b\\locked"));
  EXPECT_FALSE(keyExists(key(), u"tree\\a")) << "subkeys before the failure are gone";
  EXPECT_TRUE(keyExists(key(), u"tree\\c")) << "nothing after the first error is touched";
}

TEST_P(RegistryConformance, EnumerationListsEveryEntryAndReportsLongNames) {
  const std::set<std::u16string> valueNames{u"cell_0_0", u"font_0_0", u"nColumns"};
  for (const auto& name : valueNames) ASSERT_TRUE(writeNumber(key(), name, 1));
  for (auto sub : {u"vertical", u"horizontal_1", u"horizontal"}) {
    ASSERT_TRUE(key().createSubkey(sub, kKeyReadWrite, KeyLifetime::Persistent));
  }

  std::set<std::u16string> seen;
  RegEnumEntry entry;
  std::uint32_t index = 0;
  for (; key().enumValue(index, kEnumNameChars, entry) == RegStatus::Ok; ++index) {
    EXPECT_EQ(entry.type, RegType::Dword);
    seen.insert(entry.name);
  }
  EXPECT_EQ(seen, valueNames);
  EXPECT_EQ(key().enumValue(index, kEnumNameChars, entry), RegStatus::NoMoreItems);

  std::vector<std::u16string> keys;
  for (index = 0; key().enumSubkey(index, kEnumNameChars, entry) == RegStatus::Ok; ++index) {
    keys.push_back(entry.name);
  }
  EXPECT_EQ(keys, (std::vector<std::u16string>{u"horizontal", u"horizontal_1", u"vertical"}))
      << "subkeys are listed in name order";
  EXPECT_EQ(key().enumSubkey(3, kEnumNameChars, entry), RegStatus::NoMoreItems);

  std::uint32_t subkeyCount = 0;
  std::uint32_t valueCount = 0;
  ASSERT_EQ(key().countEntries(subkeyCount, valueCount), RegStatus::Ok);
  EXPECT_EQ(subkeyCount, 3u);
  EXPECT_EQ(valueCount, 3u);

  // The capacity counts the terminator: "nColumns" (8) needs 9.
  auto opened = key().createSubkey(u"one", kKeyReadWrite, KeyLifetime::Persistent);
  ASSERT_TRUE(writeNumber(*opened.key, u"nColumns", 1));
  EXPECT_EQ(opened.key->enumValue(0, 8, entry), RegStatus::MoreData);
  EXPECT_EQ(opened.key->enumValue(0, 9, entry), RegStatus::Ok);
  ASSERT_TRUE(opened.key->createSubkey(u"vertical", kKeyReadWrite, KeyLifetime::Persistent));
  EXPECT_EQ(opened.key->enumSubkey(0, 8, entry), RegStatus::MoreData);
  EXPECT_EQ(opened.key->enumSubkey(0, 9, entry), RegStatus::Ok);
}

TEST_P(RegistryConformance, HandlesToDeletedKeysFail) {
  auto gone = key().createSubkey(u"gone", kKeyReadWrite, KeyLifetime::Persistent);
  ASSERT_TRUE(gone);
  ASSERT_EQ(key().deleteSubkey(u"gone"), RegStatus::Ok);
  EXPECT_EQ(gone.key->setValue(u"n", RegType::Dword, bytes({1, 0, 0, 0})), RegStatus::KeyDeleted);
  EXPECT_EQ(readNumber(*gone.key, u"n"), std::nullopt);
}

TEST_P(RegistryConformance, RenameMovesTheKeyWithItsValues) {
  auto set = key().createSubkey(u"horizontal\\name_A", kKeyReadWrite, KeyLifetime::Persistent);
  ASSERT_TRUE(set);
  ASSERT_TRUE(writeNumber(*set.key, u"nColumns", 3));
  ASSERT_TRUE(key().createSubkey(u"horizontal\\name_B", kKeyReadWrite, KeyLifetime::Persistent));

  RegStatus renamed = set.key->rename(u"name_C");
  if (renamed == RegStatus::NotSupported)
    GTEST_SKIP() << "this system cannot rename keys";
  ASSERT_EQ(renamed, RegStatus::Ok);
  EXPECT_FALSE(keyExists(key(), u"horizontal\\name_A"));
  auto moved = key().openSubkey(u"horizontal\\name_C", kKeyRead);
  ASSERT_TRUE(moved);
  EXPECT_EQ(readNumber(*moved.key, u"nColumns"), 3u);
  EXPECT_NE(moved.key->rename(u"name_B"), RegStatus::Ok) << "a sibling already has that name";
}

}  // namespace
}  // namespace zembrik::testing
