// Under Wine: a full paint of the Alarms page's largest table (a header row and 100 alarms,
// 7 columns, all rows on the view) into a memory context, repeated in-process. Also the paint of
// a page-sized view of the same table. Prints microseconds per paint (mean and fastest).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "grid/grid_messages.h"
#include "grid/grid_window_win32.h"

using namespace zembrik::grid;

namespace {

double microseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) * 1e6 /
         static_cast<double>(frequency.QuadPart);
}

void timePaints(HWND grid, int width, int height, const char* label) {
  SetWindowPos(grid, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(memory, bitmap);
  constexpr int kRepetitions = 200;
  double total = 0, fastest = 1e12;
  for (int i = 0; i < kRepetitions + 5; ++i) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    SendMessageW(grid, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
    GdiFlush();
    QueryPerformanceCounter(&end);
    if (i < 5)
      continue;  // warm-up: font and glyph caches
    double spent = microseconds(start, end);
    total += spent;
    fastest = std::min(fastest, spent);
  }
  std::printf("%s (%dx%d): %.0f us mean, %.0f us fastest over %d paints\n", label, width, height,
              total / kRepetitions, fastest, kRepetitions);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
}

}  // namespace

int main() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  registerGridClass(instance);
  HWND grid = CreateWindowExW(0, kGridClassName, L"", WS_POPUP, 0, 0, 600, 400, nullptr, nullptr,
                              instance, nullptr);
  SendMessageW(grid, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
  constexpr int kRows = 101;
  gridSetSize(grid, kRows, 7);
  gridSetFixed(grid, 1, 1);
  gridSetSelectionMode(grid, GRID_SELECT_ROWS);
  const wchar_t* headers[] = {L"",       L"", L"Alarm", L"Timestamp", L"Repeat", L"Time to alarm",
                              L"Expires"};
  for (int c = 0; c < 7; ++c) gridSetText(grid, 0, c, headers[c]);
  for (int r = 1; r < kRows; ++r) {
    std::wstring name = L"Alarm number " + std::to_wstring(r);
    std::wstring left =
        L"in 0" + std::to_wstring(r % 10) + L" hours and 1" + std::to_wstring(r % 10) + L" min.";
    const wchar_t* row[] = {r == 3 ? L">" : L"   ", L"+",          name.c_str(),
                            L"2026-Dec-09 07:30",   L"Mo, We, Fr", left.c_str(),
                            L"in 5 minutes"};
    for (int c = 0; c < 7; ++c) gridSetText(grid, r, c, row[c]);
  }
  gridAutoSizeColumns(grid);
  gridSetSelection(grid, {3, 1, 3, 6});
  RECT header{};
  gridGetCellRect(grid, 0, 0, header);
  int rowHeight = header.bottom - header.top;
  int width = 0;
  for (int c = 0; c < 7; ++c) {
    RECT cell{};
    gridGetCellRect(grid, 0, c, cell);
    width = std::max(width, static_cast<int>(cell.right));
  }
  timePaints(grid, width, rowHeight * kRows, "all 101 rows");
  timePaints(grid, width, 400, "a page-sized view");
  DestroyWindow(grid);
  return 0;
}
