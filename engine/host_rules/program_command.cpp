#include "engine/host_rules/program_command.h"

#include <array>

namespace zembrik {

namespace {

constexpr std::array<std::u16string_view, 4> kRunnableExtensions = {u".com", u".exe", u".bat",
                                                                    u".cmd"};

bool hasExtension(std::u16string_view file) {
  const auto dot = file.rfind(u'.');
  if (dot == std::u16string_view::npos)
    return false;
  const auto separator = file.find_last_of(u"\\/:");
  return separator == std::u16string_view::npos || dot > separator;
}

void addWithExtensions(std::vector<std::u16string>& out, const std::u16string& name) {
  out.push_back(name);
  if (hasExtension(name))
    return;
  for (auto extension : kRunnableExtensions) out.push_back(name + std::u16string(extension));
}

// PATH entries may carry quotes (around folders with ';' or blanks); they are not part of it.
std::u16string withoutQuotes(std::u16string_view folder) {
  std::u16string text;
  for (char16_t c : folder) {
    if (c != u'"')
      text += c;
  }
  return text;
}

}  // namespace

ProgramCommand programCommand(std::u16string_view program, std::u16string_view parameters) {
  ProgramCommand command;
  std::u16string firstArgument;
  if (!program.empty() && program.front() == u'"') {
    std::u16string_view file = program.substr(1);
    if (!file.empty() && file.back() == u'"')
      file.remove_suffix(1);
    command.file = file;
    firstArgument = program;
  } else {
    command.file = program;
    firstArgument = program.find(u' ') == std::u16string_view::npos
                        ? std::u16string(program)
                        : u"\"" + std::u16string(program) + u"\"";
  }
  command.commandLine = std::move(firstArgument);
  if (!parameters.empty()) {
    command.commandLine += u' ';
    command.commandLine += parameters;
  }
  return command;
}

std::vector<std::u16string> programCandidates(std::u16string_view file,
                                              std::u16string_view pathVariable) {
  std::vector<std::u16string> candidates;
  if (file.empty())
    return candidates;
  addWithExtensions(candidates, std::u16string(file));
  if (file.find(u'/') != std::u16string_view::npos)
    return candidates;
  while (!pathVariable.empty()) {
    const auto end = pathVariable.find(u';');
    const auto folder = withoutQuotes(pathVariable.substr(0, end));
    pathVariable.remove_prefix(end == std::u16string_view::npos ? pathVariable.size() : end + 1);
    if (folder.empty())
      continue;
    std::u16string path = folder;
    if (path.back() != u'\\' && path.back() != u'/')
      path += u'\\';
    addWithExtensions(candidates, path + std::u16string(file));
  }
  return candidates;
}

std::u16string optionsProgramPath(std::u16string_view moduleDir) {
  return std::u16string(moduleDir) + u"ZembrikOptions.exe";
}

std::u16string optionsCommandLine(std::u16string_view optionsPath, std::u16string_view page) {
  std::u16string commandLine = u"\"" + std::u16string(optionsPath) + u"\"";
  if (!page.empty())
    commandLine += u" " + std::u16string(page);
  return commandLine;
}

}  // namespace zembrik
