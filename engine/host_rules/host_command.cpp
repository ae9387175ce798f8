#include "engine/host_rules/host_command.h"

namespace zembrik {

namespace {

bool equalsIgnoringAsciiCase(std::string_view text, std::string_view word) {
  if (text.size() != word.size())
    return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c >= 'A' && c <= 'Z')
      c = static_cast<char>(c - 'A' + 'a');
    if (c != word[i])
      return false;
  }
  return true;
}

}  // namespace

HostCommand parseHostCommand(std::string_view commandTail) {
  if (!commandTail.empty() && commandTail.front() == '-')
    commandTail.remove_prefix(1);
  if (equalsIgnoringAsciiCase(commandTail, "stop"))
    return HostCommand::Stop;
  if (equalsIgnoringAsciiCase(commandTail, "start"))
    return HostCommand::Start;
  return HostCommand::None;
}

StartupDecision decideStartup(bool instanceRunning, HostCommand command) {
  if (!instanceRunning) {
    return command == HostCommand::Stop ? StartupDecision::ExitAtOnce : StartupDecision::Continue;
  }
  switch (command) {
    case HostCommand::Start:
      return StartupDecision::ExitAtOnce;
    case HostCommand::Stop:
      return StartupDecision::StopRunning;
    case HostCommand::None:
      break;
  }
  return StartupDecision::AskThenStop;
}

}  // namespace zembrik
