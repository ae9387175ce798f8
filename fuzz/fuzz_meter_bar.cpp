// The bar value parser ("memLoad", "cpuLoad", "btrLoad") on any text: it must not read out of
// bounds, a bar needs its edge letter first, and the meters must run with whatever it gives.
#include <cstdlib>

#include "engine/meters/meter_values.h"
#include "fuzz/fuzz_meter_values.h"
#include "fuzz/fuzz_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zembrik;
  if (size < 1)
    return 0;
  const std::u16string text = fuzzing::textOf(data + 1, size - 1);
  const BarSettings bar = parseBarValue(text);

  std::size_t first = text.find_first_not_of(u' ');
  bool lettered = first != std::u16string::npos &&
                  std::u16string_view(u"LRUD").find(text[first]) != std::u16string_view::npos;
  if (!lettered && !(bar == BarSettings{}))
    std::abort();
  if (static_cast<int>(bar.position) < 0 || static_cast<int>(bar.position) > 3)
    std::abort();

  ClockMeters meters;
  for (MeterBlock* meter : {&meters.memory, &meters.cpu, &meters.battery}) {
    applyBarSettings(*meter, bar);
    meter->graphOn = (data[0] & 1) != 0;
  }
  fuzzing::exerciseMeters(meters, data[0]);
  return 0;
}
