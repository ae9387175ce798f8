// The Customization page in the real dialog: defaults shown but not written, program values,
// the mouse lists, and the reloads while the user types.
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
  options.pumpMessages(600);
  EXPECT_EQ(storedValues(), (Values{{"version", "dword:16788736"},
                                    {"textCapsOn", "sz:"},
                                    {"monthNames", "sz:J;F;M;A;M;J;J;A;S;O;N;D"}}));
  EXPECT_EQ(host.count(MSG_RELOAD), 2u) << "the first edit at once, the other two as one";
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

// Every keystroke is written at once, in a text field and in a mouse list's edit field alike;
// the clocks are told at most once a quarter second, once after the last keystroke, and a
// keystroke still held when the window closes is told then.
TEST_F(CustomizationPageTest, TypingWritesEachKeystrokeAndReloadsOncePerIntervalAndAfterTheLast) {
  HostDouble host;
  const std::size_t closingReloads = [&] {  // what closing the window sends with nothing held
    { OptionsHarness options; }
    return host.count(MSG_RELOAD);
  }();

  struct Field {
    int id;
    const char* valueName;
    bool listEdit;  // a mouse list's edit field: CBN_EDITCHANGE, and the text is taken trimmed
  };
  for (const Field field :
       {Field{IDC_WEEKDAYS, "weekDays", false}, Field{IDC_MOUSE_MIDDLE, "MouseButtonM", true}}) {
    SCOPED_TRACE(field.valueName);
    resetSettings();
    host.clear();
    {
      OptionsHarness options;
      options.showPage(kCustomizationPage);
      auto type = [&](const std::wstring& text) {
        if (!field.listEdit) {
          options.setText(kCustomizationPage, field.id, text);
          return;
        }
        SetWindowTextW(item(options, field.id), text.c_str());
        options.notifyCommand(kCustomizationPage, field.id, CBN_EDITCHANGE);
      };
      const std::wstring typed = L"Su;Mo;Tu";
      for (std::size_t length = 1; length <= typed.size(); ++length) {
        type(typed.substr(0, length));
        EXPECT_EQ(storedValues().at(field.valueName),
                  "sz:" + std::string(typed.begin(), typed.begin() + length));
      }
      EXPECT_EQ(host.count(MSG_RELOAD), 1u) << "the first keystroke at once, the others held";
      options.pumpMessages(600);
      EXPECT_EQ(host.count(MSG_RELOAD), 2u) << "one for the held keystrokes, after the interval";

      type(L"Su;Mo;Tu;We");  // after a pause: at once
      type(L"Su;Mo;Tu;We;Th");
      EXPECT_EQ(host.count(MSG_RELOAD), 3u);
      EXPECT_EQ(storedValues().at(field.valueName), "sz:Su;Mo;Tu;We;Th");
    }
    EXPECT_EQ(host.count(MSG_RELOAD), 3u + 1u + closingReloads) << "the held one goes at close";
  }
}

}  // namespace
}  // namespace zembrik::testing
