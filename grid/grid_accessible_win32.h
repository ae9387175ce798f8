#pragma once
// The grid's answer to WM_GETOBJECT: a table whose children are its cells.
#include <windows.h>

namespace zembrik::grid {

// For OBJID_CLIENT, an accessible object for the grid `window`, returned through
// LresultFromObject; 0 otherwise (the caller then lets DefWindowProc answer).
LRESULT answerGetObject(HWND window, WPARAM wParam, LPARAM lParam);

}  // namespace zembrik::grid
