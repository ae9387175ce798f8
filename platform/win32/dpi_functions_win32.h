#pragma once
// The two DPI functions that older Windows lack, each looked up once per process.
#include <windows.h>

#include <optional>

namespace zembrik {

// GetDpiForWindow from "User32.dll": none when the function is absent or answers 0, so that
// each caller falls back to the DPI it knows (older systems have one, the screen's).
std::optional<unsigned> windowDpiIfKnown(HWND window);

// windowDpiIfKnown, else 96.
int dpiForWindow(HWND window);

// GetDpiForMonitor(MDT_EFFECTIVE_DPI) from "Shcore.dll": the larger of x and y; none when the
// library or its entry is missing or the call fails.
std::optional<unsigned> effectiveDpiForMonitor(HMONITOR monitor);

}  // namespace zembrik
