// Indirect strings and their resolution in a special locale.
#include "engine/timezone/indirect_string.h"

#include <gtest/gtest.h>

#include "engine/registry/memory_registry.h"
#include "engine/timezone/table_zone_names.h"

namespace zembrik::testing {
namespace {

TEST(IndirectReference, SplitsAtTheLastComma) {
  struct Case {
    std::u16string_view text;
    bool valid;
    std::u16string_view file;
    std::int64_t number;
  };
  const Case cases[] = {
      {u"@tzres.dll,-112", true, u"tzres.dll", -112},
      {u"@%SystemRoot%\\system32\\tz,res.dll,-5", true, u"%SystemRoot%\\system32\\tz,res.dll", -5},
      {u"@tzres.dll, -7x", true, u"tzres.dll", -7},
      {u"@tzres.dll,+8", true, u"tzres.dll", 8},
      {u"@tzres.dll,abc", true, u"tzres.dll", 0},
      {u"@tzres.dll,-99999999999999999999", true, u"tzres.dll", -(std::int64_t{1} << 40)},
      {u"@,", true, u"", 0},
      {u"@tzres.dll", false, u"", 0},
      {u"tzres.dll,-1", false, u"", 0},
      {u"", false, u"", 0},
  };
  for (const auto& c : cases) {
    auto reference = parseIndirectReference(c.text);
    ASSERT_EQ(reference.has_value(), c.valid);
    if (!reference)
      continue;
    EXPECT_EQ(reference->file, c.file);
    EXPECT_EQ(reference->number, c.number);
  }
}

TEST(SpecialLocaleResolver, ResolvesThroughTheLanguageFile) {
  MemoryRegistry registry;
  auto machine = registry.localMachine();
  TableZoneNames names(*machine, u"C:\\sys");
  names.addLibraryString(u"C:\\sys\\de-DE\\tzres.dll.mui", 112, u"Normalzeit");
  names.addLibraryString(u"C:\\sys\\de-DE\\other.dll.mui", 1, u"Andere");
  {
    SpecialLocaleResolver resolver(names, u"de-DE");
    struct Case {
      std::u16string_view raw;
      std::optional<std::u16string> expected;
    };
    const Case cases[] = {
        {u"@tzres.dll,-112", u"Normalzeit"},
        {u" \t\x0001@tzres.dll,-112", u"Normalzeit"},  // leading codes up to the blank skipped
        {u"  Plain name", u"Plain name"},
        {u"@other.dll,-1", u"Andere"},
        {u"@tzres.dll,-113", std::nullopt},  // no such string
        {u"@tzres.dll,112", std::nullopt},   // string numbers are written negative
        {u"@tzres.dll,0", std::nullopt},
        {u"@tzres.dll,-70000", std::nullopt},
        {u"@missing.dll,-112", std::nullopt},
        {u"@missing.dll,-112", std::nullopt},
        {u"@tzres.dll", std::nullopt},
        {u"   ", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(resolver.resolve(c.raw), c.expected);
    EXPECT_EQ(resolver.loadedFiles(), 3u);  // two libraries and the missing file, once each
    EXPECT_EQ(names.libraryLoads(), 2);
    EXPECT_EQ(names.librariesLoaded(), 2);
  }
  EXPECT_EQ(names.librariesLoaded(), 0);
}

}  // namespace
}  // namespace zembrik::testing
