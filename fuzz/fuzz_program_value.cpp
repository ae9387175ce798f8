// Mouse-button values on any text: no out-of-bounds reads, and the split keeps its promises
// (trimmed parts, no program after a leading '*', a command line that starts with the program).
#include <cstdlib>

#include "engine/host_rules/button_actions.h"
#include "engine/host_rules/program_command.h"
#include "fuzz/fuzz_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::u16string text = zembrik::fuzzing::textOf(data, size);
  const auto split = zembrik::splitProgramValue(text);
  for (const auto* part : {&split.program, &split.parameters}) {
    if (!part->empty() && (part->front() == u' ' || part->back() == u' '))
      std::abort();
  }
  const auto first = text.find_first_not_of(u' ');
  if (first != std::u16string::npos && text[first] == u'*' && !split.program.empty())
    std::abort();
  const auto command = zembrik::programCommand(split.program, split.parameters);
  if (command.commandLine.size() < split.program.size())
    std::abort();
  zembrik::programCandidates(command.file, text);
  return 0;
}
