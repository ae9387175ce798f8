#pragma once
// How a configured program is started: the file to run, its command line and where to look
// for the file.
#include <string>
#include <string_view>
#include <vector>

namespace zembrik {

struct ProgramCommand {
  std::u16string file;         // what to run (also the text of the failure message)
  std::u16string commandLine;  // first argument, a blank and the parameters
  bool operator==(const ProgramCommand&) const = default;
};

// A program written in quotes runs without them and is passed on as written; an unquoted one
// is passed quoted when it contains a space. The parameters follow as they are.
ProgramCommand programCommand(std::u16string_view program, std::u16string_view parameters);

// Where to look for `file`, in order: the name as written, then, when the name contains no '/',
// each folder of the PATH text (';'-separated, quotes removed). A name without
// an extension is also tried with .com, .exe, .bat and .cmd, as the C runtime's spawn does.
std::vector<std::u16string> programCandidates(std::u16string_view file,
                                              std::u16string_view pathVariable);

// The options program beside the host: its path, and its command line (the path in quotes,
// then the page word when one is given).
std::u16string optionsProgramPath(std::u16string_view moduleDir);
std::u16string optionsCommandLine(std::u16string_view optionsPath, std::u16string_view page);

}  // namespace zembrik
