#include "hook_exports.h"

bool startHook(HWND) { return false; }

void endHook() {}
