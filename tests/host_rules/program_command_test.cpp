#include <gtest/gtest.h>

#include "engine/host_rules/program_command.h"

namespace zembrik {
namespace {

TEST(ProgramCommand, FileAndFirstArgumentByQuotingAndSpaces) {
  const struct {
    const char16_t* program;
    const char16_t* parameters;
    const char16_t* file;
    const char16_t* commandLine;
  } cases[] = {
      {u"notepad.exe", u"", u"notepad.exe", u"notepad.exe"},
      {u"notepad.exe", u"a.txt b", u"notepad.exe", u"notepad.exe a.txt b"},
      {u"C:\\Program Files\\x.exe", u"-p", u"C:\\Program Files\\x.exe",
       u"\"C:\\Program Files\\x.exe\" -p"},
      {u"\"C:\\q r\\y.exe\"", u"p", u"C:\\q r\\y.exe", u"\"C:\\q r\\y.exe\" p"},
      {u"\"C:\\open\\z.exe", u"", u"C:\\open\\z.exe", u"\"C:\\open\\z.exe"},
      {u"\"", u"", u"", u"\""},
  };
  for (const auto& c : cases) {
    const auto command = programCommand(c.program, c.parameters);
    EXPECT_EQ(command.file, c.file);
    EXPECT_EQ(command.commandLine, c.commandLine);
  }
}

TEST(ProgramCommand, CandidatesSearchThePathOnlyForNamesWithoutSlash) {
  using V = std::vector<std::u16string>;
  EXPECT_EQ(programCandidates(u"tool.exe", u"C:\\a;;\"C:\\b c\"\\;D:/d/"),
            (V{u"tool.exe", u"C:\\a\\tool.exe", u"C:\\b c\\tool.exe", u"D:/d/tool.exe"}));
  EXPECT_EQ(programCandidates(u"bin/tool.exe", u"C:\\a"), (V{u"bin/tool.exe"}));
  EXPECT_EQ(programCandidates(u"", u"C:\\a"), V{});
  EXPECT_EQ(programCandidates(u"calc", u"C:\\w"),
            (V{u"calc", u"calc.com", u"calc.exe", u"calc.bat", u"calc.cmd", u"C:\\w\\calc",
               u"C:\\w\\calc.com", u"C:\\w\\calc.exe", u"C:\\w\\calc.bat", u"C:\\w\\calc.cmd"}));
  // A dot in a folder name is not an extension.
  EXPECT_EQ(programCandidates(u"C:\\v1.2\\run", u"").size(), 5u);
}

TEST(ProgramCommand, OptionsProgramBesideTheHost) {
  const auto path = optionsProgramPath(u"C:\\Program Files\\Zembrik\\");
  EXPECT_EQ(path, u"C:\\Program Files\\Zembrik\\ZembrikOptions.exe");
  EXPECT_EQ(optionsCommandLine(path, u""), u"\"C:\\Program Files\\Zembrik\\ZembrikOptions.exe\"");
  EXPECT_EQ(optionsCommandLine(path, u"alarms"),
            u"\"C:\\Program Files\\Zembrik\\ZembrikOptions.exe\" alarms");
  EXPECT_EQ(optionsProgramPath(u""), u"ZembrikOptions.exe");
}

}  // namespace
}  // namespace zembrik
