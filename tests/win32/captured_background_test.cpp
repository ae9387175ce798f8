// The clock's captured background against a parent window with a sunken edge that paints a
// picture in which every pixel tells its position, and against a fake visual-styles library.
#include "platform/win32/captured_background_win32.h"

#include "platform/win32/theme_library_win32.h"

#include <gtest/gtest.h>

namespace zembrik {
namespace {

constexpr COLORREF kTheme = RGB(10, 200, 30);
constexpr COLORREF kParentTheme = RGB(200, 20, 220);

COLORREF pictureAt(int x, int y) {
  return RGB(x & 0xFF, (y * 5) & 0xFF, 77);
}

LRESULT CALLBACK parentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PRINTCLIENT) {
    RECT client{};
    GetClientRect(window, &client);
    HDC dc = reinterpret_cast<HDC>(wParam);
    for (int y = 0; y < client.bottom; ++y)
      for (int x = 0; x < client.right; ++x) SetPixel(dc, x, y, pictureAt(x, y));
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void fill(HDC dc, const Rect& rect, COLORREF colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  RECT area{rect.left, rect.top, rect.right, rect.bottom};
  FillRect(dc, &area, brush);
  DeleteObject(brush);
}

// A theme that paints its upper half; the parent's background fills the rest when the theme
// says it is partly transparent.
class FakeTheme final : public ThemeLibrary {
 public:
  bool opens = true;
  bool transparent = false;
  int part = 0;
  int state = 0;

  bool load() override { return true; }
  bool has(ThemeEntry) const override { return true; }
  void unload() override {}
  ThemeHandle openThemeData(ThemeWindow, const char16_t*) override { return opens ? 0x51 : 0; }
  void closeThemeData(ThemeHandle) override {}
  bool drawThemeBackground(ThemeHandle, ThemeDevice device, int p, int s,
                           const Rect& rect) override {
    part = p;
    state = s;
    fill(reinterpret_cast<HDC>(device),
         {rect.left, rect.top, rect.right, rect.top + rect.height() / 2}, kTheme);
    if (!transparent)
      fill(reinterpret_cast<HDC>(device),
           {rect.left, rect.top + rect.height() / 2, rect.right, rect.bottom}, kTheme);
    return true;
  }
  bool drawThemeParentBackground(ThemeWindow, ThemeDevice device, const Rect& rect) override {
    fill(reinterpret_cast<HDC>(device), rect, kParentTheme);
    return true;
  }
  bool isThemeBackgroundPartiallyTransparent(ThemeHandle, int, int) override { return transparent; }
};

class CapturedBackgroundTest : public ::testing::Test {
 protected:
  static constexpr Size kClock{40, 20};
  static constexpr POINT kClockInParent{17, 3};

  void SetUp() override {
    WNDCLASSW parentClass{};
    parentClass.lpfnWndProc = parentProc;
    parentClass.hInstance = GetModuleHandleW(nullptr);
    parentClass.lpszClassName = L"CaptureTestParent";
    RegisterClassW(&parentClass);
    top_ = CreateWindowExW(0, L"Static", L"", WS_POPUP, 100, 100, 300, 80, nullptr, nullptr,
                           nullptr, nullptr);
    // The sunken edge puts the parent's client origin one pixel inside its window.
    parent_ = CreateWindowExW(WS_EX_STATICEDGE, L"CaptureTestParent", L"", WS_CHILD | WS_VISIBLE,
                              10, 5, 120, 40, top_, nullptr, nullptr, nullptr);
    clock_ = CreateWindowExW(0, L"Static", L"", WS_CHILD | WS_VISIBLE, kClockInParent.x,
                             kClockInParent.y, kClock.width, kClock.height, parent_, nullptr,
                             nullptr, nullptr);
    ASSERT_TRUE(clock_);
  }
  void TearDown() override { DestroyWindow(top_); }

  // What the face would start from: the background's paint into a fresh memory surface.
  std::unique_ptr<GdiSurface> painted(CapturedBackground& background) {
    auto memory = GdiSurface::createMemory(kClock);
    background.paint(*memory, kClock, FaceColours{});
    return memory;
  }

  HWND top_ = nullptr;
  HWND parent_ = nullptr;
  HWND clock_ = nullptr;
  FakeTheme library_;
  ThemeBinding theme_{library_};
};

TEST_F(CapturedBackgroundTest, WithoutAThemeTheParentsPictureUnderTheClockIsCopied) {
  for (int generation : {1, 5}) {
    SCOPED_TRACE(generation);
    // Generation 1 never draws themed backgrounds, whatever the library says.
    library_.opens = generation == 1;
    CapturedBackground background(clock_, theme_);
    background.setContext({generation, nullptr});
    background.resize(kClock);
    EXPECT_EQ(background.mask(), nullptr);
    auto memory = painted(background);
    int wrong = 0;
    for (int y = 0; y < kClock.height; ++y)
      for (int x = 0; x < kClock.width; ++x)
        wrong +=
            GetPixel(memory->dc(), x, y) != pictureAt(kClockInParent.x + x, kClockInParent.y + y);
    EXPECT_EQ(wrong, 0);
  }
}

TEST_F(CapturedBackgroundTest, AClockMovedOnItsTaskbarIsCapturedAgain) {
  CapturedBackground background(clock_, theme_);
  background.setContext({5, nullptr});
  library_.opens = false;
  background.resize(kClock);
  SetWindowPos(clock_, nullptr, kClockInParent.x + 3, kClockInParent.y, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER);
  auto memory = painted(background);
  EXPECT_EQ(GetPixel(memory->dc(), 0, 0), pictureAt(kClockInParent.x + 3, kClockInParent.y));
}

// The owner refreshes the face colours before any paint that builds the background, so the
// background must say so for every reason it rebuilds.
TEST_F(CapturedBackgroundTest, ABuildIsDueForANewSizeHoverStateOrPlaceAndAfterARelease) {
  CapturedBackground background(clock_, theme_);
  background.setContext({5, nullptr});
  library_.opens = false;
  EXPECT_TRUE(background.buildDue(kClock));
  background.resize(kClock);
  EXPECT_FALSE(background.buildDue(kClock));
  EXPECT_TRUE(background.buildDue({kClock.width + 1, kClock.height}));

  background.setHover(true);
  EXPECT_TRUE(background.buildDue(kClock));
  background.build(kClock, background.hover());
  EXPECT_FALSE(background.buildDue(kClock));

  SetWindowPos(clock_, nullptr, kClockInParent.x + 3, kClockInParent.y, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER);
  EXPECT_TRUE(background.buildDue(kClock));
  painted(background);  // captured again, at the new place
  EXPECT_FALSE(background.buildDue(kClock));

  background.release();
  EXPECT_TRUE(background.buildDue(kClock));
}

TEST_F(CapturedBackgroundTest, AnOpaqueThemeDrawsTheWholeBackground) {
  CapturedBackground background(clock_, theme_);
  background.setContext({5, nullptr});
  background.build(kClock, /*hover=*/true);
  EXPECT_EQ(library_.part, 1);
  EXPECT_EQ(library_.state, 2);
  EXPECT_EQ(background.mask(), nullptr);
  EXPECT_EQ(background.capturedBackground(), nullptr);
  auto memory = painted(background);
  EXPECT_EQ(GetPixel(memory->dc(), 0, 0), kTheme);
  EXPECT_EQ(GetPixel(memory->dc(), kClock.width - 1, kClock.height - 1), kTheme);
}

TEST_F(CapturedBackgroundTest, APartlyTransparentThemeStartsTheFaceFromABlackMask) {
  library_.transparent = true;
  CapturedBackground background(clock_, theme_);
  background.setContext({7, nullptr});
  background.resize(kClock);
  EXPECT_EQ(library_.part, 5);
  EXPECT_EQ(library_.state, 1);
  ASSERT_NE(background.mask(), nullptr);
  ASSERT_NE(background.capturedBackground(), nullptr);
  auto memory = painted(background);
  EXPECT_EQ(GetPixel(memory->dc(), 5, 5), RGB(0, 0, 0));
  // The captured background keeps the theme over the parent's background for the final copy.
  auto* captured = static_cast<GdiSurface*>(background.capturedBackground());
  EXPECT_EQ(GetPixel(captured->dc(), 5, 0), kTheme);
  EXPECT_EQ(GetPixel(captured->dc(), 5, kClock.height - 1), kParentTheme);

  // The theme turns opaque (a theme change): the next build drops the mask.
  library_.transparent = false;
  theme_.refresh(true);
  background.resize(kClock);
  EXPECT_EQ(background.mask(), nullptr);
}

// The real binding: a missing library, or one without the five entry points, is unusable
// (entry count -1) and the background still comes from the parent.
TEST_F(CapturedBackgroundTest, TheRealLibraryBindsByName) {
  struct Case {
    const char* library;
    int entryCount;
  };
  for (Case c : {Case{"zembrik-no-such-library", -1}, Case{"kernel32", -1}, Case{"uxtheme", 5}}) {
    SCOPED_TRACE(c.library);
    Win32ThemeLibrary library(c.library);
    ThemeBinding theme(library);
    CapturedBackground background(clock_, theme);
    background.setContext({5, nullptr});
    background.resize(kClock);
    EXPECT_EQ(theme.entryCount(), c.entryCount);
    // Wine's own theme has no "CLOCK" class: no handle opens, as in the classic look.
    EXPECT_FALSE(theme.themed(reinterpret_cast<ThemeWindow>(clock_), 5));
    if (c.entryCount < 0) {
      EXPECT_FALSE(library.has(ThemeEntry::OpenThemeData));
      auto memory = painted(background);
      EXPECT_EQ(GetPixel(memory->dc(), 0, 0), pictureAt(kClockInParent.x, kClockInParent.y));
    }
    theme.release();
  }
}

}  // namespace
}  // namespace zembrik
