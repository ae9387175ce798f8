// How many messages of each number every clock window received: tests see whom a program told
// to reload, without a hook library in the stand-in.
#include <map>
#include <utility>

#include "tools/standin_taskbar/standin_shell_win32.h"

namespace standin {
namespace {

// Keyed by window, so counts of a re-created tree start at 0 for its new windows.
std::map<std::pair<HWND, UINT>, LRESULT>& counts() {
  static std::map<std::pair<HWND, UINT>, LRESULT> byWindowAndMessage;
  return byWindowAndMessage;
}

}  // namespace

void countClockMessage(HWND clock, UINT message) {
  ++counts()[{clock, message}];
}

LRESULT onCountMessage(Shell& shell, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kMsgResetClockMessageCounts) {
    counts().clear();
    return 1;
  }
  Bar* bar = shell.barAt(wParam);
  if (!bar)
    return 0;
  auto found = counts().find({bar->clock, static_cast<UINT>(lParam)});
  return found != counts().end() ? found->second : 0;
}

}  // namespace standin
