#pragma once
// A 10 x 10 face for the Clock page's reload timings, natively and under Wine: every cell with a
// text, a font and a colour, and the page's model over one set key.
#include <string>

#include "engine/options/clock_page_model.h"
#include "engine/registry/registry_access.h"
#include "engine/settings/value_names.h"

namespace zembrik::bench {

inline void storeTenByTenFace(RegistryKey& set) {
  writeNumber(set, u"nColumns", 10);
  writeNumber(set, u"nRows", 10);
  for (int row = 0; row < 10; ++row) {
    for (int column = 0; column < 10; ++column) {
      writeText(set, cellValueName(u"cell", row, column), u",,6,4,,,:HH:mm");
      writeText(set, cellValueName(u"font", row, column), u"10,700,:Arial");
      writeNumber(set, cellValueName(u"color", row, column), 0x123456);
    }
  }
}

// The set key is the set's own; notifications go nowhere.
class BenchPageServices final : public ClockPageServices {
 public:
  explicit BenchPageServices(RegistryKey& set) : set_(set) {}
  RegistryKey* setKey() override { return &set_; }
  OwnKey makeSureOfOwnKey() override { return {&set_, false}; }
  void notifyClock(int) override { ++notifications; }
  std::int32_t currentSet() const override { return 0; }
  int measuredClockHeight() const override { return 40; }
  std::u16string fontDescription(std::u16string_view spec) const override {
    return std::u16string(spec);
  }
  int notifications = 0;

 private:
  RegistryKey& set_;
};

}  // namespace zembrik::bench
