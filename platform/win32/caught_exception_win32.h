#pragma once
// What a callback that Windows made into this program caught at its edge. Nothing may unwind
// into the caller (the shell, the message loop), so every window, hook and exported procedure
// catches everything; this records what was caught where a user can collect it (a debugger or
// a debug-output viewer), without allocating.
namespace zembrik {

// Call only from inside a catch block. `callback` names the procedure, for example
// L"clockWindowProc". Writes "Zembrik: <callback> caught <what>" with OutputDebugStringW.
void recordCaughtException(const wchar_t* callback) noexcept;

}  // namespace zembrik
