// The Customization page in the real dialog: defaults shown but not written, program values,
// and the mouse lists.
#include <windows.h>

#include <gtest/gtest.h>

#include "options/page_customization_ids.h"
#include "tests/options/host_double_win32.h"
#include "tests/options/page_form_test_support.h"

namespace zembrik::testing {
namespace {

class CustomizationPageTest : public ::testing::Test {
 protected:
  void SetUp() override { resetSettings(); }
  void TearDown() override { resetSettings(); }
  HWND item(OptionsHarness& options, int id) { return options.control(kCustomizationPage, id); }
};

TEST_F(CustomizationPageTest, FreshSettingsShowDefaultsAndOnlyChangedTextsAreWritten) {
  HostDouble host;
  OptionsHarness options;
  options.showPage(kCustomizationPage);
  EXPECT_EQ(windowText(item(options, IDC_TEXT_AM)), L"AM");
  EXPECT_EQ(windowText(item(options, IDC_TEXT_CAPS_ON)), L"A");
  EXPECT_EQ(windowText(item(options, IDC_MOUSE_RIGHT)), L"<system tray options>");
  EXPECT_EQ(windowText(item(options, IDC_MOUSE_LEFT)), L"<system calendar>");
  options.pumpMessages();
  EXPECT_EQ(storedValues(), (Values{{"version", "dword:16788736"}}));

  options.setText(kCustomizationPage, IDC_TEXT_PM, L"PM");  // unchanged default
  options.setText(kCustomizationPage, IDC_TEXT_CAPS_ON, L"");
  options.setText(kCustomizationPage, IDC_MONTHS, L"J;F;M;A;M;J;J;A;S;O;N;D");
  options.pumpMessages();
  EXPECT_EQ(storedValues(), (Values{{"version", "dword:16788736"},
                                    {"textCapsOn", "sz:"},
                                    {"monthNames", "sz:J;F;M;A;M;J;J;A;S;O;N;D"}}));
  EXPECT_EQ(host.count(MSG_RELOAD), 3u);
}

TEST_F(CustomizationPageTest, ProgramValuesAreShownAsTypedAndAPickedItemWins) {
  {
    auto settings = openTestSettings();
    writeText(*settings, u"MouseButtonL", u"C:\\Program Files\\App\\app.exe\u0001-x");
    writeText(*settings, u"MouseButtonM", u"C:\\My Tools\\t.exe\u0001");
  }
  OptionsHarness options;
  options.showPage(kCustomizationPage);
  EXPECT_EQ(windowText(item(options, IDC_MOUSE_LEFT)), L"\"C:\\Program Files\\App\\app.exe\" -x");
  EXPECT_EQ(windowText(item(options, IDC_MOUSE_MIDDLE)), L"\"C:\\My Tools\\t.exe\"");

  SetWindowTextW(item(options, IDC_MOUSE_RIGHT), L"  notepad.exe");
  options.notifyCommand(kCustomizationPage, IDC_MOUSE_RIGHT, CBN_EDITCHANGE);
  EXPECT_EQ(storedValues().at("MouseButtonR"), "sz:notepad.exe");
  options.selectComboItem(kCustomizationPage, IDC_MOUSE_RIGHT, 3);
  EXPECT_EQ(storedValues().at("MouseButtonR"), "sz:*m");
}

}  // namespace
}  // namespace zembrik::testing
