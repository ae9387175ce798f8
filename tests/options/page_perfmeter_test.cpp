// The PerfMeter page in the real dialog: defaults, switched-off meters, number fields that
// write nothing until a valid number is left, and the mains-power boxes.
#include <windows.h>

#include <gtest/gtest.h>

#include "options/page_perfmeter_ids.h"
#include "tests/options/host_double_win32.h"
#include "tests/options/page_form_test_support.h"

namespace zembrik::testing {
namespace {

// The set key the page edits on a single horizontal taskbar.
constexpr std::u16string_view kSetPath = u"horizontal";

class PerfMeterPageTest : public ::testing::Test {
 protected:
  void SetUp() override { resetSettings(); }
  void TearDown() override { resetSettings(); }
  static void store(std::u16string_view name, std::u16string_view text) {
    auto set = openTestSettings()->createSubkey(kSetPath, kKeyReadWrite, KeyLifetime::Persistent);
    writeText(*set.key, name, text);
  }
  HWND item(OptionsHarness& options, int id) { return options.control(kPerfMeterPage, id); }
};

TEST_F(PerfMeterPageTest, FreshSetShowsDefaultsAndCheckingWritesTheWholeText) {
  HostDouble host;
  OptionsHarness options;
  options.showPage(kPerfMeterPage);
  EXPECT_FALSE(checked(item(options, IDC_CPU_SHOWN)));
  EXPECT_EQ(windowText(item(options, IDC_CPU_POSITION)), L"Down");
  EXPECT_EQ(windowText(item(options, IDC_CPU_SIZE)), L"2");
  EXPECT_EQ(windowText(item(options, IDC_CPU_SPACE)), L"0");
  EXPECT_EQ(windowText(item(options, IDC_CPU_COLOUR)), L"0x00ff00");
  EXPECT_EQ(windowText(item(options, IDC_BTR_CHARGE_COLOUR)), L"0x0000ff");
  EXPECT_TRUE(checked(item(options, IDC_BTR_ONLY_CHARGING)));
  options.pumpMessages();
  EXPECT_EQ(storedValues(kSetPath), Values{});
  EXPECT_EQ(storedValues(), (Values{{"version", "dword:16788736"}}));

  options.click(kPerfMeterPage, IDC_CPU_SHOWN);
  options.pumpMessages();
  EXPECT_EQ(storedValues(kSetPath), (Values{{"cpuLoad", "sz:D65280,2,0"}}));
  EXPECT_EQ(host.count(MSG_RELOAD), 1u);
}

TEST_F(PerfMeterPageTest, SwitchedOffMeterShowsItsValuesAndIsCheckedBackAsItWas) {
  store(u"memLoad", u"l255,3,-1");
  store(u"btrLoad", u"D255,4,1");
  OptionsHarness options;
  options.showPage(kPerfMeterPage);
  EXPECT_FALSE(checked(item(options, IDC_MEM_SHOWN)));
  EXPECT_EQ(windowText(item(options, IDC_MEM_POSITION)), L"Left");
  EXPECT_EQ(windowText(item(options, IDC_MEM_COLOUR)), L"0x0000ff");
  EXPECT_EQ(windowText(item(options, IDC_MEM_SIZE)), L"3");
  EXPECT_EQ(windowText(item(options, IDC_MEM_SPACE)), L"-1");
  options.click(kPerfMeterPage, IDC_MEM_SHOWN);
  options.selectComboItem(kPerfMeterPage, IDC_BTR_POSITION, 1);
  EXPECT_EQ(storedValues(kSetPath),
            (Values{{"memLoad", "sz:L255,3,-1"}, {"btrLoad", "sz:R255/255,4,1"}}));
}

TEST_F(PerfMeterPageTest, NumberFieldsWriteOnlyAValidNumberWhenLeft) {
  OptionsHarness options;
  options.showPage(kPerfMeterPage);
  options.setText(kPerfMeterPage, IDC_MEM_SIZE, L"100");
  EXPECT_EQ(windowText(item(options, IDC_PERF_HINT)), L"Please enter an integer between 0 and 99.");
  options.notifyCommand(kPerfMeterPage, IDC_MEM_SIZE, EN_KILLFOCUS);
  EXPECT_EQ(windowText(item(options, IDC_MEM_SIZE)), L"2") << "the stored size again";
  EXPECT_EQ(windowText(item(options, IDC_PERF_HINT)), L"");

  options.setText(kPerfMeterPage, IDC_MEM_SIZE, L"1");  // on the way to 12: nothing written
  options.setText(kPerfMeterPage, IDC_MEM_SIZE, L"12");
  EXPECT_EQ(storedValues(kSetPath), Values{});
  options.notifyCommand(kPerfMeterPage, IDC_MEM_SIZE, EN_KILLFOCUS);
  options.setText(kPerfMeterPage, IDC_BTR_ALARM, L"15");
  options.notifyCommand(kPerfMeterPage, IDC_BTR_ALARM, EN_KILLFOCUS);
  EXPECT_EQ(storedValues(kSetPath), (Values{{"memLoad", "sz:d16711680,12,0"}}));
  EXPECT_EQ(storedValues().at("btrAlarm"), "dword:15");
}

TEST_F(PerfMeterPageTest, MainsBoxes) {
  store(u"btrOnAC", u" ");
  OptionsHarness options;
  options.showPage(kPerfMeterPage);
  EXPECT_TRUE(checked(item(options, IDC_BTR_HIDE_ON_AC)));
  EXPECT_TRUE(checked(item(options, IDC_BTR_ONLY_CHARGING)));
  EXPECT_FALSE(IsWindowEnabled(item(options, IDC_BTR_ONLY_CHARGING)));
  options.click(kPerfMeterPage, IDC_BTR_HIDE_ON_AC);
  EXPECT_EQ(storedValues(kSetPath).at("btrOnAC"), "sz:C");
  EXPECT_TRUE(IsWindowEnabled(item(options, IDC_BTR_ONLY_CHARGING)));
}

}  // namespace
}  // namespace zembrik::testing
