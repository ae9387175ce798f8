#pragma once
// What the hook library's integration tests need under Wine: the stand-in taskbar as a child
// process, a window that plays the host, and a message pump with a deadline.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/win32/win32_handles.h"

namespace zembrik::testing {

// Pumps this thread's messages until `done` holds or `milliseconds` pass. True when it held.
bool pumpUntil(const std::function<bool()>& done, int milliseconds);
// Pumps for a while (lets posted messages arrive).
void pumpFor(int milliseconds);

// The stand-in taskbar, started with `arguments` and waited for until its "Shell_TrayWnd"
// answers; quit (and waited for) when destroyed, killed when it does not quit. Every send to it
// gives up after a while (SMTO_ABORTIFHUNG), so a hung stand-in hangs no test. The handles follow
// a tree the stand-in re-created by itself (kMsgRestartOnSubclass).
class StandinTaskbar {
 public:
  explicit StandinTaskbar(const std::wstring& arguments = L"");
  ~StandinTaskbar();
  StandinTaskbar(const StandinTaskbar&) = delete;
  StandinTaskbar& operator=(const StandinTaskbar&) = delete;

  bool running() const { return taskbar_ != nullptr; }
  HWND taskbar() const;
  HWND clock(int index = 0) const;
  RECT clockRect(int index = 0) const;
  void relayout() const;
  // Asks the stand-in to destroy and re-create its windows (a shell restart in the same process)
  // and waits for the new tree. False when it did not appear in time.
  bool restartWindows();
  // Exit code of the process once it ended, STILL_ACTIVE while it runs.
  DWORD exitCode() const;
  DWORD processId() const;
  void quit();

  // A shell crash: the process ends without destroying anything; waits until it is gone.
  void kill();
  // A hung shell for `milliseconds`; returns once the stand-in sleeps (about 100 ms into the
  // hang), false when it did not fall asleep within 2 s.
  bool hang(int milliseconds);
  // A shell restart in a new process; waits for the new process's tree, to which the handles
  // and the process handle refer from then on. False when it did not appear in time.
  bool restartProcess();
  // "TaskbarCreated" without a restart.
  bool broadcastTaskbarCreated();
  // Once armed, the stand-in re-creates its tree as soon as a secondary clock is subclassed
  // while the main clock is not yet, inside the message that finds it so. False when the stand-in
  // did not take the request.
  bool armRestartOnSubclass(bool armed);
  // Another program's subclass on clock `index`, installed or removed (politely).
  bool foreignSubclass(int index, bool install);
  int foreignSubclassCalls(int index) const;
  // How many messages numbered `message` clock `index`'s own procedure received since the last
  // reset; -1 when the stand-in did not answer.
  int clockMessageCount(int index, UINT message) const;
  bool resetClockMessageCounts();
  // 0 native, 1 foreign on top, 2 other (the hook library's), -1 no such taskbar or no answer.
  int clockProcedureState(int index = 0) const;
  // The stand-in lays itself out every `periodMs` (a notification icon comes or goes); 0 stops.
  void selfLayout(int periodMs);
  struct ResourceCounts {
    DWORD gdi, user, handles;
  };
  // The stand-in's own GDI objects, USER objects (its windows under Wine) and kernel handles.
  ResourceCounts resourceCounts() const;

 private:
  // Sends with a timeout; false when the stand-in did not answer.
  bool send(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& answer) const;
  void attachTo(HANDLE process);

  std::wstring commandLine_;
  UniqueHandle process_;
  DWORD processId_ = 0;
  mutable HWND taskbar_ = nullptr;
};

struct RecordedMessage {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

// A hidden window of class "ZembrikClass" titled "Zembrik" that records what it receives: the
// messages from WM_USER on and the mouse messages the library forwards.
class TestHostWindow {
 public:
  TestHostWindow();
  ~TestHostWindow();
  TestHostWindow(const TestHostWindow&) = delete;
  TestHostWindow& operator=(const TestHostWindow&) = delete;

  HWND window() const { return window_.get(); }
  const std::vector<RecordedMessage>& received() const { return received_; }
  int count(UINT message) const;
  void clear() { received_.clear(); }

 private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  UniqueWindow window_;
  std::vector<RecordedMessage> received_;
};

// Removes HKCU\Software\OBR\Zembrik with everything below it.
void clearSettings();
// Creates the settings root with the current version, as the host does before it starts the hook.
void createSettingsRoot();
// Writes a one-column face into the clock set `set` ("horizontal", "vertical", ...): one cell
// value per row, all in `colour`.
void writeFace(const char16_t* set, const std::vector<std::u16string>& cells,
               std::uint32_t colour = 0xFFFFFFFF);

// Counts the stand-in clock's repaints from inside the stand-in (a WH_GETMESSAGE probe).
class PaintCounter {
 public:
  explicit PaintCounter(const StandinTaskbar& bar);
  ~PaintCounter();
  PaintCounter(const PaintCounter&) = delete;
  PaintCounter& operator=(const PaintCounter&) = delete;

  bool installed() const { return hook_ != nullptr; }
  int paints() const { return paints_; }
  void reset() { paints_ = 0; }

 private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // Made in this order, released in reverse: the hook before the library that holds it.
  UniqueWindow listener_;
  UniqueModule probe_;
  UniqueHook hook_;
  int paints_ = 0;
};

// Screen pixels of a rectangle, read through the screen's device context.
struct ScreenPixels {
  RECT rect{};
  std::vector<COLORREF> pixels;
  COLORREF at(int x, int y) const;  // relative to rect
  int count(COLORREF colour) const;
};
ScreenPixels readScreen(const RECT& rect);

}  // namespace zembrik::testing
