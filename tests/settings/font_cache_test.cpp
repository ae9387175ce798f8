#include "engine/settings/font_cache.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>

#include "tests/settings/fake_font_factory.h"

namespace zembrik::testing {
namespace {

FontRequest arial(int size = 10) {
  FontRequest request;
  request.face = "Arial";
  request.size = size;
  request.weight = 700;
  request.window = 0x10010;
  request.dpi = 96;
  return request;
}

TEST(FontHeight, IsMinusSizeTimesDpiOver72Truncated) {
  EXPECT_EQ(fontHeightForDpi(12, 96), -16);
  EXPECT_EQ(fontHeightForDpi(8, 120), -13);
  EXPECT_EQ(fontHeightForDpi(10, 144), -20);
  EXPECT_EQ(fontHeightForDpi(0, 96), 0);
  EXPECT_EQ(fontHeightForDpi(-10, 96), 13);
  EXPECT_EQ(fontHeightForDpi(INT_MAX, INT_MAX), INT_MIN);
  EXPECT_EQ(fontHeightForDpi(INT_MIN, INT_MAX), INT_MAX);
}

TEST(FontCache, EveryKeyFieldSeparatesFonts) {
  const std::function<void(FontRequest&)> changes[] = {
      [](FontRequest& r) { r.face = "arial"; },  // case-sensitive
      [](FontRequest& r) { r.size = 11; },           [](FontRequest& r) { r.weight = 400; },
      [](FontRequest& r) { r.third = 1; },           [](FontRequest& r) { r.window = 0x20020; },
      [](FontRequest& r) { r.antialiased = false; }, [](FontRequest& r) { r.dpi = 144; },
  };
  for (std::size_t i = 0; i < std::size(changes); ++i) {
    FakeFontFactory factory;
    FontCache cache(factory);
    FontRequest other = arial();
    changes[i](other);
    SharedFont a = cache.acquire(arial());
    SharedFont b = cache.acquire(other);
    SharedFont c = cache.acquire(arial());
    EXPECT_NE(a.get(), b.get()) << "change " << i;
    EXPECT_EQ(a.get(), c.get()) << "the same request shares";
    EXPECT_EQ(factory.created.size(), 2u) << "change " << i;
  }
}

TEST(FontCache, DeletesAFontWhenItsLastHolderLetsGo) {
  FakeFontFactory factory;
  FontCache cache(factory);
  SharedFont a = cache.acquire(arial());
  SharedFont b = cache.acquire(arial());
  FontHandle handle = a->handle;

  a.reset();
  EXPECT_TRUE(factory.deleted.empty());
  EXPECT_EQ(cache.fontCount(), 1u);

  SharedFont moved = std::move(b);
  EXPECT_TRUE(factory.deleted.empty()) << "a move hands the hold over";
  moved.reset();
  EXPECT_EQ(factory.deleted, std::vector<FontHandle>{handle});
  EXPECT_EQ(cache.fontCount(), 0u);
  EXPECT_EQ(cache.slotCount(), 1u) << "the slot stays, empty";
}

TEST(FontCache, NewFontTakesTheLowestFreeSlot) {
  FakeFontFactory factory;
  FontCache cache(factory);
  SharedFont f0 = cache.acquire(arial(8));
  SharedFont f1 = cache.acquire(arial(9));
  SharedFont f2 = cache.acquire(arial(10));
  SharedFont f3 = cache.acquire(arial(11));
  f2.reset();
  f1.reset();

  SharedFont reused = cache.acquire(arial(20));
  EXPECT_EQ(cache.fontAt(1), reused.get());
  EXPECT_EQ(cache.fontAt(2), nullptr);
  SharedFont next = cache.acquire(arial(21));
  EXPECT_EQ(cache.fontAt(2), next.get());
  EXPECT_EQ(cache.slotCount(), 4u);

  SharedFont again = cache.acquire(arial(8));
  EXPECT_EQ(again.get(), f0.get()) << "a live font is found wherever it sits";
}

TEST(FontCache, RefusedFontGivesNoFontAndNoSlot) {
  FakeFontFactory factory;
  FontCache cache(factory);
  FontRequest refused = arial();
  refused.face = factory.refusedFace;
  EXPECT_FALSE(cache.acquire(refused));
  EXPECT_EQ(cache.slotCount(), 0u);
}

}  // namespace
}  // namespace zembrik::testing
