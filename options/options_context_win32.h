#pragma once
// What the start-up learnt and every dialog of the options program reads: kept by the program
// (or a test) for as long as the main dialog lives.
#include <windows.h>

#include <string>

#include "engine/options/options_startup.h"
#include "options/user_interaction_win32.h"

namespace zembrik {

struct OptionsContext {
  HINSTANCE instance = nullptr;
  UserInteraction* interaction = nullptr;
  std::wstring commandLine;       // the one optional word: the page to open first
  std::wstring programDirectory;  // with its trailing separator; the help file lies there
  OptionsFont font;               // replaces every template's font when in force
  bool oldSystem = false;         // Windows before 6.0: read by the General and Customization pages
  bool quitWhenClosed = false;    // the program ends its message loop with the main window

  UserInteraction& ui() const { return *interaction; }
};

}  // namespace zembrik
