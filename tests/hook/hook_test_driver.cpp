#include "tests/hook/hook_test_driver.h"

#include <cstdio>

#include "engine/protocol/window_messages.h"
#include "engine/registry/registry_access.h"
#include "platform/win32/dc_scopes_win32.h"
#include "platform/win32/proc_address_win32.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/wide_text_win32.h"
#include "tests/hook/paint_counter.h"
#include "tools/standin_taskbar/standin_protocol.h"

namespace zembrik::testing {

namespace {

// The stand-in's "Shell_TrayWnd" (Wine's own explorer keeps a hidden one too).
HWND findStandin() {
  for (HWND window = FindWindowW(L"Shell_TrayWnd", nullptr); window;
       window = FindWindowExW(nullptr, window, L"Shell_TrayWnd", nullptr)) {
    DWORD_PTR answer = 0;
    if (SendMessageTimeoutW(window, standin::kMsgIdentify, 0, 0, SMTO_ABORTIFHUNG, 1000, &answer) &&
        static_cast<long>(answer) == standin::kIdentity) {
      return window;
    }
  }
  return nullptr;
}

}  // namespace

bool pumpUntil(const std::function<bool()>& done, int milliseconds) {
  const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(milliseconds);
  for (;;) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    if (done())
      return true;
    if (GetTickCount64() >= deadline)
      return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

void pumpFor(int milliseconds) {
  pumpUntil([] { return false; }, milliseconds);
}

StandinTaskbar::StandinTaskbar(const std::wstring& arguments)
    : commandLine_(L"\"" STANDIN_EXE L"\" --timeout=120 " + arguments) {
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  // Wine has been seen to refuse a process start now and then on a loaded machine; a refusal
  // is retried a few times and reported, so that it is not mistaken for a fault of the hook.
  bool started = false;
  for (int attempt = 0; attempt < 3 && !started; ++attempt) {
    std::wstring commandLine = commandLine_;  // CreateProcessW may write into it
    started = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             nullptr, &startup, &info);
    if (!started) {
      std::fprintf(stderr, "stand-in taskbar did not start (error %lu)\n", GetLastError());
      Sleep(300);
    }
  }
  if (!started)
    return;
  UniqueHandle thread(info.hThread);  // nothing waits for the thread
  attachTo(info.hProcess);
}

StandinTaskbar::~StandinTaskbar() {
  quit();
}

void StandinTaskbar::attachTo(HANDLE process) {
  process_.reset(process);
  processId_ = GetProcessId(process);
  pumpUntil(
      [this] {
        HWND found = findStandin();
        DWORD owner = 0;
        if (found)
          GetWindowThreadProcessId(found, &owner);
        if (owner == processId_)
          taskbar_ = found;
        return taskbar_ != nullptr;
      },
      10000);
}

void StandinTaskbar::quit() {
  if (taskbar_ && IsWindow(taskbar_))
    PostMessageW(taskbar_, standin::kMsgQuit, 0, 0);
  taskbar_ = nullptr;
  if (process_) {
    // A hung stand-in quits when its hang ends, a dead one has ended already.
    if (WaitForSingleObject(process_.get(), 5000) != WAIT_OBJECT_0)
      TerminateProcess(process_.get(), 9);
    process_.reset();
  }
}

HWND StandinTaskbar::taskbar() const {
  // The stand-in re-creates its tree by itself when armed to: follow it within the process.
  if (taskbar_ && !IsWindow(taskbar_) && exitCode() == STILL_ACTIVE) {
    HWND found = findStandin();
    DWORD owner = 0;
    if (found)
      GetWindowThreadProcessId(found, &owner);
    if (owner == processId_)
      taskbar_ = found;
  }
  return taskbar_;
}

bool StandinTaskbar::send(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& answer) const {
  HWND window = taskbar();
  DWORD_PTR result = 0;
  if (!window ||
      !SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 2000, &result))
    return false;
  answer = static_cast<LRESULT>(result);
  return true;
}

HWND StandinTaskbar::clock(int index) const {
  LRESULT handle = 0;
  if (!send(standin::kMsgGetClockWindow, index, 0, handle))
    return nullptr;
  return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(static_cast<std::uint32_t>(handle)));
}

RECT StandinTaskbar::clockRect(int index) const {
  RECT rect{};
  if (HWND window = clock(index))
    GetWindowRect(window, &rect);
  return rect;
}

void StandinTaskbar::relayout() const {
  LRESULT ignored = 0;
  send(standin::kMsgRelayout, 0, 0, ignored);
}

bool StandinTaskbar::restartWindows() {
  HWND old = taskbar();
  if (!old)
    return false;
  PostMessageW(old, standin::kMsgRestart, 0, 0);
  return pumpUntil(
      [&] {
        HWND now = findStandin();
        if (now && now != old)
          taskbar_ = now;
        return taskbar_ != old;
      },
      5000);
}

DWORD StandinTaskbar::exitCode() const {
  DWORD code = STILL_ACTIVE;
  if (process_)
    GetExitCodeProcess(process_.get(), &code);
  return code;
}

DWORD StandinTaskbar::processId() const {
  return processId_;
}

void StandinTaskbar::kill() {
  if (!process_)
    return;
  if (HWND window = taskbar())
    PostMessageW(window, standin::kMsgDie, 0, 0);
  // A hung stand-in cannot take the message: it is terminated from here instead.
  if (WaitForSingleObject(process_.get(), 2000) != WAIT_OBJECT_0) {
    TerminateProcess(process_.get(), 9);
    WaitForSingleObject(process_.get(), 5000);
  }
  taskbar_ = nullptr;
}

bool StandinTaskbar::hang(int milliseconds) {
  HWND window = taskbar();
  if (!window || !PostMessageW(window, standin::kMsgHang, milliseconds, 0))
    return false;
  // Asleep once a short send goes unanswered. The pauses between the probes let the stand-in
  // get to the posted hang: it takes sent messages first.
  const ULONGLONG deadline = GetTickCount64() + 2000;
  while (GetTickCount64() < deadline) {
    DWORD_PTR ignored = 0;
    if (!SendMessageTimeoutW(window, standin::kMsgIdentify, 0, 0, SMTO_ABORTIFHUNG, 100, &ignored))
      return true;
    Sleep(10);
  }
  return false;
}

bool StandinTaskbar::restartProcess() {
  HWND old = taskbar();
  if (!old || !process_)
    return false;
  PostMessageW(old, standin::kMsgRestartProcess, 0, 0);
  if (WaitForSingleObject(process_.get(), 5000) != WAIT_OBJECT_0)
    return false;
  const DWORD oldId = processId_;
  HWND successor = nullptr;
  DWORD successorId = 0;
  pumpUntil(
      [&] {
        successor = findStandin();
        if (successor)
          GetWindowThreadProcessId(successor, &successorId);
        return successor && successorId != oldId;
      },
      10000);
  if (!successor || successorId == oldId)
    return false;
  HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE,
                               FALSE, successorId);
  if (!process)
    return false;
  process_.reset(process);
  processId_ = successorId;
  taskbar_ = successor;
  return true;
}

bool StandinTaskbar::broadcastTaskbarCreated() {
  HWND window = taskbar();
  return window && PostMessageW(window, standin::kMsgBroadcastTaskbarCreated, 0, 0);
}

bool StandinTaskbar::armRestartOnSubclass(bool armed) {
  // Sent, not posted: the attach requests that follow are sent messages too, and would overtake
  // a posted one.
  LRESULT answer = 0;
  return send(standin::kMsgRestartOnSubclass, armed ? 1 : 0, 0, answer) && answer == 1;
}

bool StandinTaskbar::foreignSubclass(int index, bool install) {
  LRESULT answer = 0;
  return send(standin::kMsgForeignSubclass, index, install ? 1 : 0, answer) && answer == 1;
}

int StandinTaskbar::foreignSubclassCalls(int index) const {
  LRESULT answer = 0;
  return send(standin::kMsgForeignSubclassCalls, index, 0, answer) ? static_cast<int>(answer) : 0;
}

int StandinTaskbar::clockMessageCount(int index, UINT message) const {
  LRESULT answer = 0;
  return send(standin::kMsgClockMessageCount, index, message, answer) ? static_cast<int>(answer)
                                                                      : -1;
}

bool StandinTaskbar::resetClockMessageCounts() {
  LRESULT answer = 0;
  return send(standin::kMsgResetClockMessageCounts, 0, 0, answer) && answer == 1;
}

int StandinTaskbar::clockProcedureState(int index) const {
  LRESULT answer = 0;
  return send(standin::kMsgClockProcedureState, index, 0, answer) ? static_cast<int>(answer) : -1;
}

void StandinTaskbar::selfLayout(int periodMs) {
  LRESULT ignored = 0;
  send(standin::kMsgSelfLayout, static_cast<WPARAM>(periodMs < 0 ? 0 : periodMs), 0, ignored);
}

StandinTaskbar::ResourceCounts StandinTaskbar::resourceCounts() const {
  auto count = [this](unsigned which) {
    LRESULT answer = 0;
    return send(standin::kMsgResourceCounts, which, 0, answer) ? static_cast<DWORD>(answer) : 0;
  };
  return {count(standin::kCountGdi), count(standin::kCountUser), count(standin::kCountHandles)};
}

TestHostWindow::TestHostWindow() {
  const std::wstring className = wideFromUtf8(kHostWindowClass);
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = className.c_str();
  RegisterClassW(&windowClass);  // fails harmlessly when a previous test registered it
  window_.reset(CreateWindowExW(0, className.c_str(), wideFromUtf8(kHostWindowTitle).c_str(),
                                WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                GetModuleHandleW(nullptr), this));
}

TestHostWindow::~TestHostWindow() = default;

int TestHostWindow::count(UINT message) const {
  int n = 0;
  for (const auto& m : received_) n += m.message == message;
  return n;
}

LRESULT CALLBACK TestHostWindow::procedure(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<TestHostWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  // The library's messages, and the mouse messages it forwards from the clock.
  const bool forwardedMouse = (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
                              message == WM_CONTEXTMENU || message == WM_DROPFILES;
  if (self && ((message >= WM_USER && message < 0x8000) || forwardedMouse)) {
    self->received_.push_back({message, wParam, lParam});
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void createSettingsRoot() {
  auto root = openCurrentUserRoot()->createSubkey(u"Software\\OBR\\Zembrik", kKeyReadWrite,
                                                  KeyLifetime::Persistent);
  if (root)
    writeNumber(*root.key, u"version", 0x01002D00);
}

void writeFace(const char16_t* set, const std::vector<std::u16string>& cells,
               std::uint32_t colour) {
  auto key = openCurrentUserRoot()->createSubkey(std::u16string(u"Software\\OBR\\Zembrik\\") + set,
                                                 kKeyReadWrite, KeyLifetime::Persistent);
  if (!key)
    return;
  writeNumber(*key.key, u"nColumns", 1);
  writeNumber(*key.key, u"nRows", static_cast<std::uint32_t>(cells.size()));
  for (std::size_t row = 0; row < cells.size(); ++row) {
    auto n = std::to_string(row);
    std::u16string suffix = u"_" + std::u16string(n.begin(), n.end()) + u"_0";
    writeText(*key.key, u"cell" + suffix, cells[row]);
    writeText(*key.key, u"font" + suffix, u"14,700,,:Arial");
    writeNumber(*key.key, u"color" + suffix, colour);
  }
}

PaintCounter::PaintCounter(const StandinTaskbar& bar) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kPaintListenerClass;
  RegisterClassW(&windowClass);
  listener_.reset(CreateWindowExW(0, kPaintListenerClass, L"", WS_OVERLAPPED, 0, 0, 1, 1, nullptr,
                                  nullptr, windowClass.hInstance, this));
  probe_.reset(LoadLibraryW(PAINT_COUNTER_DLL));
  auto proc = procAddress<HOOKPROC>(probe_.get(), kPaintCounterHookName);
  DWORD thread = bar.taskbar() ? GetWindowThreadProcessId(bar.taskbar(), nullptr) : 0;
  if (listener_ && proc && thread)
    hook_.reset(SetWindowsHookExW(WH_GETMESSAGE, proc, probe_.get(), thread));
}

PaintCounter::~PaintCounter() = default;

LRESULT CALLBACK PaintCounter::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<PaintCounter*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self && message == kClockPainted) {
    ++self->paints_;
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

COLORREF ScreenPixels::at(int x, int y) const {
  const int width = rect.right - rect.left;
  return pixels[static_cast<std::size_t>(y) * width + x];
}

int ScreenPixels::count(COLORREF colour) const {
  int n = 0;
  for (COLORREF pixel : pixels) n += pixel == colour;
  return n;
}

ScreenPixels readScreen(const RECT& rect) {
  ScreenPixels result;
  result.rect = rect;
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0)
    return result;
  WindowDc screen(nullptr);
  UniqueMemoryDc memory(CreateCompatibleDC(screen.get()));
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  UniqueBitmap bitmap(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (bitmap) {
    SelectedObject selected(memory.get(), bitmap.get());
    BitBlt(memory.get(), 0, 0, width, height, screen.get(), rect.left, rect.top, SRCCOPY);
    GdiFlush();
    const auto* row = static_cast<const std::uint32_t*>(bits);
    result.pixels.reserve(static_cast<std::size_t>(width) * height);
    for (int i = 0; i < width * height; ++i) {
      std::uint32_t bgr = row[i];  // 0x00RRGGBB in memory order B, G, R
      result.pixels.push_back(RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF));
    }
  }
  return result;
}

void clearSettings() {
  auto user = openCurrentUserRoot();
  auto obr = user->openSubkey(u"Software\\OBR", kKeyReadWrite);
  if (obr)
    deleteKeyTree(*obr.key, u"Zembrik");
}

}  // namespace zembrik::testing
