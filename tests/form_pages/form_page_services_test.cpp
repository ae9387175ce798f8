// The form pages on the real clock-set model: a secondary set without a key of its own.
#include <gtest/gtest.h>

#include "engine/options/form_page_services.h"
#include "engine/options/page_general_model.h"
#include "engine/options/page_perfmeter_model.h"
#include "tests/engine_options/clock_set_fixture.h"

namespace zembrik::testing {
namespace {

class FormPagesOnClockSets : public ClockSetFixture {
 protected:
  FormClockSetServices services{model, nullptr, nullptr};
};

TEST_F(FormPagesOnClockSets, PerSetWritesNeverChangeThePrimarySet) {
  auto primary = key(u"horizontal");
  writeText(*primary, u"cpuLoad", u"R255,4,1");
  writeNumber(*primary, u"FlatTray", 0);
  model.chooseClockSet(1, &page);
  ASSERT_TRUE(model.usesStandInKey());

  PerfMeterPageModel perf(services);
  perf.loadClockSet();
  EXPECT_TRUE(perf.state().meters[1].shown);  // shows what the secondary clock shows
  perf.setShown(Meter::Cpu, false);
  EXPECT_EQ(readText(*key(u"horizontal_1"), u"cpuLoad"), u"r255,4,1");
  EXPECT_EQ(readText(*primary, u"cpuLoad"), u"R255,4,1");
  EXPECT_EQ(number(u"horizontal_1", u"FlatTray"), 0u) << "started as a copy";

  GeneralPageModel general(services, *user, false);
  general.setFlatTray(true);
  EXPECT_EQ(number(u"horizontal_1", u"FlatTray"), 1u);
  EXPECT_EQ(number(u"horizontal", u"FlatTray"), 0u);
}

}  // namespace
}  // namespace zembrik::testing
