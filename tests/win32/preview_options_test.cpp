// zembrik-preview's command line: --help and bad arguments end the run before any painting,
// with the exit the scripts read (0 for help, 2 for a bad argument).
#include "tools/preview/preview_options.h"

#include <gtest/gtest.h>

namespace zembrik {
namespace {

TEST(PreviewOptions, HelpAndBadArgumentsEndTheRunBeforePainting) {
  struct Case {
    std::vector<std::wstring> args;
    PreviewCommand command;
  };
  const Case cases[] = {
      {{}, PreviewCommand::Paint},
      {{L"--help"}, PreviewCommand::Help},
      {{L"--vertical", L"--help", L"--bogus"}, PreviewCommand::Help},  // help wins, read first
      {{L"--bogus"}, PreviewCommand::BadOption},
      {{L"--vertical", L"-h"}, PreviewCommand::BadOption},
      {{L"--width"}, PreviewCommand::BadOption},           // a value missing at the end
      {{L"--width", L"wide"}, PreviewCommand::BadOption},  // no number
      {{L"--dpi", L"96x"}, PreviewCommand::BadOption},
      {{L"--time", L"2026-02-30T10:00:00"}, PreviewCommand::BadOption},
      {{L"--feed", L"50"}, PreviewCommand::BadOption},
      {{L"--out"}, PreviewCommand::BadOption},
  };
  for (const Case& c : cases) {
    PreviewOptions options;
    std::wstring joined;
    for (const auto& arg : c.args) joined += arg + L" ";
    EXPECT_EQ(parsePreviewOptions(c.args, options), c.command)
        << std::string(joined.begin(), joined.end());
  }
  EXPECT_EQ(std::wstring(kPreviewUsage).rfind(L"usage: zembrik-preview ", 0), 0u);
}

TEST(PreviewOptions, ValuesAndTheOrientationsDefaultClient) {
  PreviewOptions vertical;
  ASSERT_EQ(parsePreviewOptions(
                {L"--vertical", L"--dpi", L"120", L"--time", L"2026-12-08T10:00:00"}, vertical),
            PreviewCommand::Paint);
  EXPECT_EQ(vertical.client.width, 80);
  EXPECT_EQ(vertical.client.height, 0);  // as measured
  EXPECT_EQ(vertical.clock.dpi, 120);
  EXPECT_FALSE(vertical.now);
  EXPECT_EQ(vertical.local.wDayOfWeek, 2);  // a Tuesday, filled in from the date

  PreviewOptions horizontal;
  ASSERT_EQ(parsePreviewOptions({L"--width", L"-5"}, horizontal), PreviewCommand::Paint);
  EXPECT_EQ(horizontal.client.width, -5);
  EXPECT_EQ(horizontal.client.height, 40);
  EXPECT_EQ(horizontal.clock.windowHeight, 40);
}

}  // namespace
}  // namespace zembrik
