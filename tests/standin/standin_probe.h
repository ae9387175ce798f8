#pragma once
// A probe loaded into the stand-in taskbar by a WH_CALLWNDPROC hook, as the hook library will be,
// to watch from inside what the clock and the notification area receive. It posts what it sees to
// the test's window of class kProbeListenerClass.

namespace standin::probe {

inline constexpr wchar_t kProbeListenerClass[] = L"StandinProbeListener";
inline constexpr char kHookProcedureName[] = "probeHook";

// Posted to the listener.
inline constexpr unsigned kProposal = 0x8000 + 0x40;  // WM_WINDOWPOSCHANGING at the clock: cx, cy
inline constexpr unsigned kCalcSize = 0x8000 + 0x41;  // PGN_CALCSIZE at the notification area
inline constexpr unsigned kPixel = 0x8000 + 0x42;     // wParam colour, lParam the point asked for

// Registered message to send to the notification area: wParam MAKELONG(x, y) of a client point.
// The probe paints the area into a memory DC through WM_PRINTCLIENT and posts kPixel.
inline constexpr wchar_t kPrintRequestName[] = L"StandinProbePrint";

}  // namespace standin::probe
