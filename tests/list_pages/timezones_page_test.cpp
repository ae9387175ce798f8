// The Time Zones page's model: the system's zones as the page lists them, the `tzones` entries
// both ways, the zone dialog's rules, the sort, and the changes written to the registry.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "engine/options/timezones_page_model.h"
#include "engine/registry/memory_registry.h"
#include "engine/registry/registry_access.h"
#include "engine/timezone/zone_fixtures.h"
#include "tests/support/registry_decorators.h"

namespace zembrik {
namespace {

std::string shown(std::u16string_view text) {  // U+0001 written as \1
  std::string result;
  for (char16_t c : text) result += c == u'\x0001' ? std::string("\\1") : std::string(1, char(c));
  return result;
}

// The fixture database (Pacific, W. Europe, AUS Eastern, India, UTC) with display names, one
// obsolete zone and one without "TZI".
struct ZonesWorld {
  MemoryRegistry registry;
  std::unique_ptr<RegistryKey> machine = registry.localMachine();
  std::unique_ptr<RegistryKey> root =
      registry.currentUser()
          ->createSubkey(u"Software\\OBR\\Zembrik", kKeyReadWrite, KeyLifetime::Persistent)
          .key;
  std::unique_ptr<TableZoneNames> names;
  int notifications = 0;
  TimeZonesPageModel model{*root, [this] { ++notifications; }};

  ZonesWorld() {
    installFixtureZoneDatabase(*machine);
    names = makeFixtureZoneNames(*machine);
    std::uint32_t id = 100;
    for (const auto& zone : fixtureZones()) {
      auto key = databaseZone(zone.subkey);
      const std::u16string display = u"(local) " + std::u16string(zone.subkey);
      writeText(*key, u"Display", u"(plain) " + std::u16string(zone.subkey));
      writeText(*key, u"MUI_Display", u"@tzres.dll,-" + digits(id));
      names->addDisplayString(u"tzres.dll", id++, display);
    }
    writeDatabaseZone(*machine, u"Old Zone", fixtureZones()[0].rules, u"Old", u"Old");
    writeNumber(*databaseZone(u"Old Zone"), u"IsObsolete", 1);
    databaseZone(u"No Rules");  // a subkey without "TZI"
  }

  static std::u16string digits(std::uint32_t n) {
    std::u16string text;
    for (char c : std::to_string(n)) text.push_back(static_cast<char16_t>(c));
    return text;
  }
  std::unique_ptr<RegistryKey> databaseZone(std::u16string_view subkey) {
    return machine
        ->createSubkey(std::u16string(kTimeZoneDatabasePath) + u"\\" + std::u16string(subkey),
                       kKeyReadWrite, KeyLifetime::Persistent)
        .key;
  }
  RegistryKey& tzones() {
    if (!tzonesKey)
      tzonesKey = root->createSubkey(u"tzones", kKeyReadWrite, KeyLifetime::Persistent).key;
    return *tzonesKey;
  }
  void load() { model.load(readSystemZones(*machine, *names)); }

  // Every `tzones` value, name (U+0001 as \1) => data.
  std::map<std::string, std::string> entries() {
    std::map<std::string, std::string> result;
    RegEnumEntry entry;
    for (std::uint32_t i = 0; tzones().enumValue(i, kEnumNameChars, entry) == RegStatus::Ok; ++i)
      result[shown(entry.name)] = shown(readText(tzones(), entry.name).value_or(u"?"));
    return result;
  }
  std::vector<std::string> column(int column) {
    std::vector<std::string> texts;
    for (std::size_t row = 0; row < model.rows(); ++row)
      texts.push_back(shown(model.rowTexts(row)[column]));
    return texts;
  }
  std::size_t zoneIndex(std::u16string_view keyName) {
    const auto zones = readSystemZones(*machine, *names);  // the order every model has
    for (std::size_t i = 0; i < zones.size(); ++i) {
      if (zones[i].keyName == keyName)
        return i;
    }
    ADD_FAILURE() << "no zone " << shown(keyName);
    return 0;
  }
  std::unique_ptr<RegistryKey> tzonesKey;
};

TEST(SystemZones, ListsUsableZonesWithLocalisedNamesUntilTheFirstFailure) {
  ZonesWorld world;
  auto zones = readSystemZones(*world.machine, *world.names);
  std::vector<std::string> seen;
  for (const auto& zone : zones)
    seen.push_back(shown(zone.keyName) + (zone.hasDaylight ? " dst " : " ") +
                   std::to_string(zone.bias) + " " + shown(zone.displayName));
  // From the last subkey to the first; the obsolete zone and the one without rules are left out.
  EXPECT_EQ(seen, (std::vector<std::string>{
                      "W. Europe Standard Time dst -60 (local) W. Europe Standard Time",
                      "UTC 0 (local) UTC",
                      "Pacific Standard Time dst 480 (local) Pacific Standard Time",
                      "India Standard Time -330 (local) India Standard Time",
                      "AUS Eastern Standard Time dst -600 (local) AUS Eastern Standard Time",
                  }));

  // Once one localised name fails, that zone and every later one take "Display".
  world.databaseZone(u"Pacific Standard Time")->deleteValue(u"MUI_Display");
  zones = readSystemZones(*world.machine, *world.names);
  std::vector<std::string> names;
  for (const auto& zone : zones) names.push_back(shown(zone.displayName).substr(0, 7));
  EXPECT_EQ(names,
            (std::vector<std::string>{"(local)", "(local)", "(plain)", "(plain)", "(plain)"}));
}

TEST(ZoneEntries, ValueNamesSplitAndComposeTheThreeNames) {
  struct Case {
    const char16_t* valueName;
    ZoneNames names;
  };
  const Case cases[] = {
      {u"CET", {u"CET", u"", u""}},
      {u"CET\x0001MEZ", {u"CET", u"MEZ", u""}},
      {u"CET\x0001MEZ\x0001MESZ", {u"CET", u"MEZ", u"MESZ"}},
      {u"CET\x0001\x0001MESZ", {u"CET", u"", u"MESZ"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(zoneNamesOf(c.valueName), c.names) << shown(c.valueName);
    EXPECT_EQ(zoneEntryValueName(c.names), c.valueName) << shown(c.valueName);
  }
}

TEST(TimeZonesPage, LoadsEntriesOfKnownZonesSortedByBias) {
  ZonesWorld world;
  writeText(world.tzones(), u"CET", u"W. Europe Standard Time");
  writeText(world.tzones(), u"PT\x0001\x0001PDT", u"Pacific Standard Time");
  writeText(world.tzones(), u"IST\x0001IST", u"India Standard Time");
  writeText(world.tzones(), u"XX", u"Mars Standard Time");  // unknown: ignored, kept
  world.load();

  EXPECT_EQ(world.model.sortState(), 2);
  EXPECT_EQ(world.column(0), (std::vector<std::string>{"PT", "CET", "IST"}));
  EXPECT_EQ(world.column(2), (std::vector<std::string>{"", "", "IST"}));
  EXPECT_EQ(world.column(3), (std::vector<std::string>{"PDT", "", ""}));
  EXPECT_EQ(world.entries().count("XX"), 1u);
  EXPECT_EQ(world.notifications, 0);

  world.model.sortBy(1);  // the same header again: reversed
  EXPECT_EQ(world.column(0), (std::vector<std::string>{"IST", "CET", "PT"}));
  world.model.sortBy(0);  // another header: ascending
  EXPECT_EQ(world.model.sortState(), 1);
  EXPECT_EQ(world.column(0), (std::vector<std::string>{"CET", "IST", "PT"}));
  world.model.sortBy(0);
  EXPECT_EQ(world.column(0), (std::vector<std::string>{"PT", "IST", "CET"}));
}

TEST(ZoneChoiceDialog, TypedAbbreviationFillsTheNamesUntilTheyAreEdited) {
  ZonesWorld world;
  world.load();
  ZoneChoiceDialog dialog = world.model.dialogForAdd();
  ASSERT_EQ(dialog.offers().size(), 5u);
  EXPECT_EQ(shown(dialog.offers()[0].displayName), "(local) Pacific Standard Time");  // bias 480
  EXPECT_FALSE(dialog.selected());

  for (const char16_t* typed : {u"C", u"CE", u"CET"}) dialog.abbreviationChanged(typed);
  EXPECT_EQ(dialog.names(), (ZoneNames{u"CET", u"CET", u"CET"}));
  dialog.standardNameChanged(u"CET");  // the copy itself coming back from the edit
  dialog.standardNameChanged(u"MEZ");
  dialog.abbreviationChanged(u"CETX");
  EXPECT_EQ(dialog.names(), (ZoneNames{u"CETX", u"MEZ", u"CETX"}));

  // No zone chosen yet: OK stays silently. India has no daylight time: the name is dropped.
  EXPECT_FALSE(dialog.ok().accepted);
  EXPECT_TRUE(dialog.ok().message.empty());
  dialog.choose(3);
  ASSERT_EQ(shown(dialog.offers()[3].displayName), "(local) India Standard Time");
  EXPECT_FALSE(dialog.daylightEnabled());
  dialog.abbreviationChanged(u"  IST ");
  const auto outcome = dialog.ok();
  ASSERT_TRUE(outcome.accepted);
  EXPECT_EQ(outcome.names, (ZoneNames{u"IST", u"MEZ", u""}));
  EXPECT_EQ(outcome.zone, world.zoneIndex(u"India Standard Time"));
}

TEST(ZoneChoiceDialog, RefusesAbbreviationsNoCellCanNameOrAnotherZoneHas) {
  ZonesWorld world;
  writeText(world.tzones(), u"CET", u"W. Europe Standard Time");
  world.load();
  const std::pair<const char16_t*, const char*> cases[] = {
      {u"   ", ""},  // empty after trimming: stays open without a message
      {u".", "The abbreviation \".\" stands for the local time."},
      {u"a}b", "An abbreviation cannot contain \"}\"."},
      {u"a\x0001", "The names cannot contain control characters."},
      {u"cet", "The abbreviation cet is already used for the time zone"},
      {u"CEST", nullptr},
  };
  for (const auto& [abbreviation, refusal] : cases) {
    ZoneChoiceDialog dialog = world.model.dialogForAdd();
    dialog.choose(0);
    dialog.abbreviationChanged(abbreviation);
    const auto outcome = dialog.ok();
    EXPECT_EQ(outcome.accepted, refusal == nullptr) << shown(abbreviation);
    if (refusal) {
      const std::string message = shown(outcome.message);
      EXPECT_EQ(message.substr(0, message.find('\n')), refusal);
    }
  }
  // Editing a zone keeps its own abbreviation.
  ZoneChoiceDialog edit = world.model.dialogForEdit(0);
  EXPECT_EQ(shown(edit.offers()[*edit.selected()].displayName), "(local) W. Europe Standard Time");
  EXPECT_TRUE(edit.ok().accepted);
}

TEST(TimeZonesPage, AddEditToAnotherZoneDeleteAndLocaleAsStored) {
  ZonesWorld world;
  world.load();
  const std::size_t europe = world.zoneIndex(u"W. Europe Standard Time");
  const std::size_t india = world.zoneIndex(u"India Standard Time");
  ASSERT_TRUE(world.model.add(europe, {u"CET", u"MEZ", u"MESZ"}));
  EXPECT_EQ(world.entries(),
            (std::map<std::string, std::string>{{"CET\\1MEZ\\1MESZ", "W. Europe Standard Time"}}));

  ASSERT_TRUE(world.model.edit(0, india, {u"IST", u"", u""}));
  EXPECT_EQ(world.entries(), (std::map<std::string, std::string>{{"IST", "India Standard Time"}}));
  EXPECT_EQ(world.column(1), (std::vector<std::string>{"(local) India Standard Time"}));
  // Europe is free again and offered.
  ZoneChoiceDialog dialog = world.model.dialogForAdd();
  EXPECT_TRUE(std::any_of(dialog.offers().begin(), dialog.offers().end(),
                          [&](const ZoneOffer& offer) { return offer.zone == europe; }));
  EXPECT_FALSE(std::any_of(dialog.offers().begin(), dialog.offers().end(),
                           [&](const ZoneOffer& offer) { return offer.zone == india; }));

  ASSERT_TRUE(world.model.edit(0, india, {u"ist", u"", u""}));  // only the case changes
  EXPECT_EQ(world.entries(), (std::map<std::string, std::string>{{"ist", "India Standard Time"}}));
  ASSERT_TRUE(world.model.remove(0));
  EXPECT_TRUE(world.entries().empty());
  EXPECT_EQ(world.model.rows(), 0u);

  ASSERT_TRUE(world.model.chooseLocale(u"de-DE"));
  ASSERT_TRUE(world.model.chooseLocale(u"de-DE"));  // unchanged: not written, no notification
  EXPECT_EQ(readText(*world.root, u"ZN-locale"), u"de-DE");
  EXPECT_EQ(world.notifications, 5);
}

// A key whose value writes fail, as one without write access would.
class ReadOnlyValuesKey final : public testing::ForwardingKey {
 public:
  using ForwardingKey::ForwardingKey;
  RegStatus setValue(std::u16string_view, RegType, std::span<const std::uint8_t>) override {
    return RegStatus::AccessDenied;
  }

 protected:
  std::unique_ptr<RegistryKey> wrap(std::unique_ptr<RegistryKey> key) override {
    return std::make_unique<ReadOnlyValuesKey>(std::move(key));
  }
};

TEST(TimeZonesPage, FailedWriteOfAnEditKeepsTheOldEntry) {
  ZonesWorld world;
  writeText(world.tzones(), u"CET", u"W. Europe Standard Time");
  ReadOnlyValuesKey readOnly(
      world.registry.currentUser()->openSubkey(u"Software\\OBR\\Zembrik", kKeyReadWrite).key);
  int notifications = 0;
  TimeZonesPageModel model(readOnly, [&] { ++notifications; });
  model.load(readSystemZones(*world.machine, *world.names));

  EXPECT_FALSE(model.edit(0, world.zoneIndex(u"India Standard Time"), {u"IST", u"", u""}));
  EXPECT_EQ(world.entries(),
            (std::map<std::string, std::string>{{"CET", "W. Europe Standard Time"}}));
  EXPECT_EQ(shown(model.rowTexts(0)[0]), "CET");
  EXPECT_EQ(notifications, 0);
  EXPECT_EQ(shown(zonesRegistryError()),
            "Error can't open registry: Software\\OBR\\Zembrik\\tzones");
}

TEST(LocaleChoices, FilledFromUiLanguagesAndSelectedByPrefixIgnoringCase) {
  MemoryRegistry registry;
  auto machine = registry.localMachine();
  const auto none = readLocaleChoices(*machine, u"de-DE");
  EXPECT_FALSE(none.enabled);
  EXPECT_TRUE(none.items.empty());

  for (const char16_t* language : {u"de-DE", u"en-US", u"fr-FR"})
    machine->createSubkey(std::u16string(kUiLanguagesPath) + u"\\" + language, kKeyReadWrite,
                          KeyLifetime::Persistent);
  const auto choices = readLocaleChoices(*machine, u"EN");
  EXPECT_TRUE(choices.enabled);
  EXPECT_EQ(choices.items, (std::vector<std::u16string>{u"fr-FR", u"", u"en-US", u"de-DE"}));
  EXPECT_EQ(choices.selected, u"en-US");
  EXPECT_EQ(readLocaleChoices(*machine, u"").selected, u"");  // the empty item sorts first
}

}  // namespace
}  // namespace zembrik
