#include "platform/win32/caught_exception_win32.h"

#include <windows.h>

#include <exception>

namespace zembrik {

namespace {

// Appends `text` to the buffer, keeping room for the terminator.
void append(wchar_t* buffer, int capacity, int& length, const wchar_t* text) {
  for (; text && *text && length < capacity - 1; ++text) buffer[length++] = *text;
  buffer[length] = L'\0';
}

// Narrow text of unknown encoding: bytes above 127 come out as Latin-1.
void append(wchar_t* buffer, int capacity, int& length, const char* text) {
  for (; text && *text && length < capacity - 1; ++text) {
    buffer[length++] = static_cast<wchar_t>(static_cast<unsigned char>(*text));
  }
  buffer[length] = L'\0';
}

}  // namespace

void recordCaughtException(const wchar_t* callback) noexcept {
  constexpr int kCapacity = 512;
  wchar_t line[kCapacity];
  int length = 0;
  line[0] = L'\0';
  append(line, kCapacity, length, L"Zembrik: ");
  append(line, kCapacity, length, callback ? callback : L"callback");
  append(line, kCapacity, length, L" caught ");
  try {
    throw;
  } catch (const std::exception& caught) {
    append(line, kCapacity, length, caught.what());
  } catch (...) {
    append(line, kCapacity, length, L"an exception of unknown type");
  }
  append(line, kCapacity, length, L"\n");
  OutputDebugStringW(line);
}

}  // namespace zembrik
