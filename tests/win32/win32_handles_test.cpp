// The owners of Win32 handles and bindings: each undoes its work exactly once, a moved-from
// owner undoes nothing, and a replaced window procedure is put back only while it is ours.
#include <gtest/gtest.h>

#include <utility>

#include "platform/win32/dc_scopes_win32.h"
#include "platform/win32/gdi_surface.h"
#include "platform/win32/memory_bitmap_win32.h"
#include "platform/win32/win32_handles.h"
#include "platform/win32/window_bindings_win32.h"

namespace zembrik {
namespace {

constexpr UINT kProbe = WM_APP + 7;

LRESULT CALLBACK nativeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kProbe)
    return 1;
  return DefWindowProcA(window, message, wParam, lParam);
}

// What each subclass replaced; every test window has the same native procedure.
WNDPROC gBeforeOurs = nullptr;

LRESULT CALLBACK ourProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kProbe)
    return 2 * CallWindowProcA(gBeforeOurs, window, message, wParam, lParam);
  return CallWindowProcA(gBeforeOurs, window, message, wParam, lParam);
}

WNDPROC gBeforeLater = nullptr;

LRESULT CALLBACK laterProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kProbe)
    return 10 * CallWindowProcA(gBeforeLater, window, message, wParam, lParam);
  return CallWindowProcA(gBeforeLater, window, message, wParam, lParam);
}

class WindowBindings : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = nativeProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "HandlesTestWindow";
    class_ = RegisteredClass(windowClass);
    ASSERT_TRUE(class_);
    makeWindow();
  }

  void makeWindow() {
    window_.reset(CreateWindowExA(0, "HandlesTestWindow", "", WS_POPUP, 0, 0, 10, 10, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr));
    ASSERT_TRUE(window_);
  }

  LRESULT probe() { return SendMessageA(window_.get(), kProbe, 0, 0); }

  // The class before its window, so the window goes first and the class can be unregistered.
  RegisteredClass class_;
  UniqueWindow window_;
};

TEST_F(WindowBindings, ASubclassIsUndoneOnlyWhileItsProcedureIsInPlace) {
  enum class Then { Nothing, LaterSubclass, WindowDestroyed };
  struct Case {
    Then then;
    bool restored;
    LRESULT probeAfter;  // 0: the window is gone
  };
  for (Case c : {Case{Then::Nothing, true, 1}, Case{Then::LaterSubclass, false, 20},
                 Case{Then::WindowDestroyed, false, 0}}) {
    SCOPED_TRACE(static_cast<int>(c.then));
    makeWindow();
    Subclass ours(window_.get(), ourProc);
    ASSERT_TRUE(ours.active());
    gBeforeOurs = ours.previous();
    EXPECT_EQ(probe(), 2);  // ours, then the native procedure
    if (c.then == Then::LaterSubclass) {
      gBeforeLater = reinterpret_cast<WNDPROC>(
          SetWindowLongPtrA(window_.get(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(laterProc)));
      EXPECT_FALSE(ours.inPlace());
    }
    if (c.then == Then::WindowDestroyed)
      window_.reset();
    EXPECT_EQ(ours.reset(), c.restored);
    EXPECT_FALSE(ours.active());
    EXPECT_FALSE(ours.reset());  // once only
    if (window_) {
      EXPECT_EQ(probe(), c.probeAfter);  // the later subclass still reaches ours
    }
  }
}

TEST_F(WindowBindings, AMovedOwnerUndoesNothingAndItsSuccessorUndoesOnce) {
  {
    Subclass first(window_.get(), ourProc);
    Subclass second = std::move(first);
    gBeforeOurs = second.previous();
    EXPECT_FALSE(first.reset());
    EXPECT_EQ(probe(), 2);
  }
  EXPECT_EQ(probe(), 1);

  {
    UniqueTimer moved;
    {
      UniqueTimer timer(window_.get(), 31, 60000);
      ASSERT_TRUE(timer.active());
      moved = std::move(timer);
    }
    EXPECT_TRUE(moved.active());
    // Killing it here succeeds only if the moved-from owner left it alone; put it back.
    EXPECT_TRUE(KillTimer(window_.get(), 31));
    moved = UniqueTimer(window_.get(), 31, 60000);
    // Re-arming the same window and id keeps the timer that SetTimer just replaced.
    moved = UniqueTimer(window_.get(), 31, 60000);
    EXPECT_TRUE(moved.active());
    EXPECT_TRUE(KillTimer(window_.get(), 31));
    moved = UniqueTimer(window_.get(), 31, 60000);
  }
  EXPECT_FALSE(KillTimer(window_.get(), 31));  // the owner killed it

  // A class that exists already is not owned by a second registration, which leaves it alone.
  WNDCLASSEXW info{sizeof(info)};
  {
    WNDCLASSA again{};
    again.lpfnWndProc = nativeProc;
    again.hInstance = GetModuleHandleA(nullptr);
    again.lpszClassName = "HandlesTestWindow";
    RegisteredClass duplicate(again);
    EXPECT_FALSE(duplicate);
  }
  EXPECT_TRUE(GetClassInfoExW(GetModuleHandleW(nullptr), L"HandlesTestWindow", &info));
  window_.reset();
  RegisteredClass owner = std::move(class_);
  owner.reset();
  EXPECT_FALSE(GetClassInfoExW(GetModuleHandleW(nullptr), L"HandlesTestWindow", &info));
}

TEST(GdiOwners, ScopesPutStateBackAndSurfacesLeaveNoObjectBehind) {
  auto memory = MemoryBitmap::create(8, 8);
  ASSERT_NE(memory, nullptr);
  HGDIOBJ font = GetCurrentObject(memory->dc(), OBJ_FONT);
  {
    SelectedObject fixed(memory->dc(), GetStockObject(ANSI_FIXED_FONT));
    EXPECT_EQ(fixed.previous(), font);
    SelectedObject nothing(memory->dc(), nullptr);
    EXPECT_EQ(GetCurrentObject(memory->dc(), OBJ_FONT), GetStockObject(ANSI_FIXED_FONT));
  }
  EXPECT_EQ(GetCurrentObject(memory->dc(), OBJ_FONT), font);
  EXPECT_EQ(GetCurrentObject(memory->dc(), OBJ_BITMAP), memory->bitmap());

  // Everything a memory surface made (context, bitmap, pens, brush) is deleted with it.
  HDC dc = nullptr;
  HGDIOBJ bitmap = nullptr;
  HGDIOBJ pens[9]{};
  {
    auto surface = GdiSurface::createMemory({8, 8});
    ASSERT_NE(surface, nullptr);
    dc = surface->dc();
    bitmap = GetCurrentObject(dc, OBJ_BITMAP);
    for (int k = 0; k < 9; ++k) {  // one more than the pen cache holds
      surface->setPen(static_cast<Colour>(k + 1));
      pens[k] = GetCurrentObject(dc, OBJ_PEN);
    }
    EXPECT_EQ(GetObjectType(pens[0]), 0u);  // the first pen made way for the ninth
    surface->fillRect({0, 0, 4, 4}, 0x123456);
  }
  EXPECT_EQ(GetObjectType(dc), 0u);
  EXPECT_EQ(GetObjectType(bitmap), 0u);
  for (HGDIOBJ pen : pens) EXPECT_EQ(GetObjectType(pen), 0u);
}

}  // namespace
}  // namespace zembrik
