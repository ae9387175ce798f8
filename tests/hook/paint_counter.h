#pragma once
// What the paint-counting probe library posts (see paint_counter.cpp).

namespace zembrik::testing {

inline constexpr wchar_t kPaintListenerClass[] = L"ZembrikPaintListener";
inline constexpr unsigned kClockPainted = 0x8000 + 0x50;  // wParam: the clock window
inline constexpr char kPaintCounterHookName[] = "paintCounterHook";

}  // namespace zembrik::testing
