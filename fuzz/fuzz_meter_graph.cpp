// The graph value parser ("memGraf", "cpuGraf", "btrGraf") on any text: it must not read out of
// bounds, only a leading "G" switches the graph on, and the graphs must run with what it gives.
#include <cstdlib>

#include "engine/meters/meter_values.h"
#include "fuzz/fuzz_meter_values.h"
#include "fuzz/fuzz_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zembrik;
  if (size < 1)
    return 0;
  const std::u16string text = fuzzing::textOf(data + 1, size - 1);
  const GraphSettings graph = parseGraphValue(text);

  std::size_t first = text.find_first_not_of(u' ');
  bool lettered = first != std::u16string::npos && text[first] == u'G';
  if (graph.on != lettered || (!graph.on && !(graph == GraphSettings{})))
    std::abort();
  (void)parseMainsMode(std::u16string_view(text));

  ClockMeters meters;
  for (MeterBlock* meter : {&meters.memory, &meters.cpu, &meters.battery}) {
    applyGraphSettings(*meter, graph);
    meter->barWidth = static_cast<std::int8_t>(data[0]);
  }
  fuzzing::exerciseMeters(meters, data[0]);
  return 0;
}
