// Draws a sample grid (header row and column, a whole column selected, the focus cell, a sort
// arrow) in a window and writes the window's picture as a 24-bit BMP:
// grid_screenshot.exe OUTPUT.bmp. tests/grid/make_screenshots.sh runs it at 96 and 144 dpi.
#include <windows.h>

#include <cstdio>
#include <string>

#include "grid/grid_messages.h"
#include "grid/grid_window_win32.h"

using namespace zembrik::grid;

namespace {

bool writeBmp(HDC dc, HBITMAP bitmap, int width, int height, const wchar_t* path) {
  BITMAPINFOHEADER info{sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB};
  int stride = (width * 3 + 3) & ~3;
  std::string pixels(static_cast<std::size_t>(stride) * height, '\0');
  if (!GetDIBits(dc, bitmap, 0, static_cast<UINT>(height), pixels.data(),
                 reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS))
    return false;
  BITMAPFILEHEADER file{0x4D42};
  file.bfOffBits = sizeof(file) + sizeof(info);
  file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
  FILE* out = _wfopen(path, L"wb");
  if (!out)
    return false;
  std::fwrite(&file, sizeof(file), 1, out);
  std::fwrite(&info, sizeof(info), 1, out);
  std::fwrite(pixels.data(), 1, pixels.size(), out);
  return std::fclose(out) == 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fputs("usage: grid_screenshot OUTPUT.bmp\n", stderr);
    return 2;
  }
  HINSTANCE instance = GetModuleHandleW(nullptr);
  registerGridClass(instance);
  HDC screen = GetDC(nullptr);
  int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  auto scaled = [dpi](int pixels) { return MulDiv(pixels, dpi, 96); };
  // A page's font at this DPI: 9 points.
  HFONT font = CreateFontW(-MulDiv(9, dpi, 72), 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                           CLEARTYPE_QUALITY, 0, L"Liberation Sans");
  int width = scaled(360), height = scaled(150);
  HWND grid = CreateWindowExW(WS_EX_TOOLWINDOW, kGridClassName, L"grid", WS_POPUP | WS_VISIBLE, 0,
                              0, width, height, nullptr, nullptr, instance, nullptr);
  SendMessageW(grid, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  gridSetSize(grid, 5, 5);
  gridSetFixed(grid, 1, 1);
  const wchar_t* cells[5][5] = {{L"", L"col 0", L"col 1", L"col 2", L"col 3"},
                                {L"row 0", L"HH:mm", L"ddd", L"dd MMM", L""},
                                {L"row 1", L"ss", L"", L"yyyy", L"@{UTC}"},
                                {L"row 2", L"", L"w", L"ZA", L""},
                                {L"row 3", L"P", L"", L"", L"Zn"}};
  for (int r = 0; r < 5; ++r)
    for (int c = 0; c < 5; ++c) gridSetText(grid, r, c, cells[r][c]);
  gridSetSortIndicator(grid, 3, GRID_SORT_ASCENDING);
  gridAutoSizeColumns(grid);
  for (int c = 1; c < 5; ++c) gridSetColumnWidth(grid, c, scaled(70));
  SetFocus(grid);
  SendMessageW(grid, GRIDM_CLICKCELL, gridCell(3, 2), 0);  // the focus cell
  SendMessageW(grid, GRIDM_CLICKCELL, gridCell(0, 2), 0);  // then its whole column
  SendMessageW(grid, WM_SETFOCUS, 0, 0);                   // drawn as focused even unfocused
  HDC windowDc = GetDC(grid);
  HDC memory = CreateCompatibleDC(windowDc);
  HBITMAP bitmap = CreateCompatibleBitmap(windowDc, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  SendMessageW(grid, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
  SelectObject(memory, old);
  bool written = writeBmp(memory, bitmap, width, height, argv[1]);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(grid, windowDc);
  DestroyWindow(grid);
  DeleteObject(font);
  std::printf("dpi %d, %dx%d: %s\n", dpi, width, height, written ? "written" : "failed");
  return written ? 0 : 1;
}
