#include <gtest/gtest.h>

#include "engine/host_rules/host_command.h"
#include "engine/host_rules/module_dir.h"

namespace zembrik {
namespace {

TEST(HostCommand, WordsMatchWholeInAnyCaseWithOneOptionalMinus) {
  const struct {
    const char* tail;
    HostCommand expected;
  } cases[] = {
      {"", HostCommand::None},         {"start", HostCommand::Start},
      {"START", HostCommand::Start},   {"-Start", HostCommand::Start},
      {"stop", HostCommand::Stop},     {"STOP", HostCommand::Stop},
      {"-stop", HostCommand::Stop},    {"--stop", HostCommand::None},
      {"stop now", HostCommand::None}, {"stop ", HostCommand::None},
      {" stop", HostCommand::None},    {"-", HostCommand::None},
      {"sto", HostCommand::None},      {"stopp", HostCommand::None},
      {"/stop", HostCommand::None},    {"st\xd6p", HostCommand::None},
  };
  for (const auto& c : cases)
    EXPECT_EQ(parseHostCommand(c.tail), c.expected) << '"' << c.tail << '"';
}

TEST(HostCommand, WhatAStartDoesDependsOnARunningInstance) {
  using D = StartupDecision;
  const struct {
    bool running;
    HostCommand command;
    StartupDecision expected;
  } cases[] = {
      {false, HostCommand::None, D::Continue},   {false, HostCommand::Start, D::Continue},
      {false, HostCommand::Stop, D::ExitAtOnce}, {true, HostCommand::Start, D::ExitAtOnce},
      {true, HostCommand::Stop, D::StopRunning}, {true, HostCommand::None, D::AskThenStop},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(decideStartup(c.running, c.command), c.expected)
        << c.running << " " << static_cast<int>(c.command);
  }
}

TEST(ModuleDir, CutsAfterTheLastBackslashElseSlashElseFirstColon) {
  const struct {
    const char16_t* path;
    const char16_t* dir;
  } cases[] = {
      {u"C:\\Program Files\\Zembrik\\Zembrik64.exe", u"C:\\Program Files\\Zembrik\\"},
      {u"C:\\a/b\\c/Zembrik64.exe", u"C:\\a/b\\"},
      {u"Z:/build/host/Zembrik64.exe", u"Z:/build/host/"},
      {u"C:Zembrik64.exe", u"C:"},
      {u"a:b:c.exe", u"a:"},
      {u"Zembrik64.exe", u""},
      {u"", u""},
      {u"\\\\server\\share\\", u"\\\\server\\share\\"},
  };
  for (const auto& c : cases) EXPECT_EQ(moduleDirOf(c.path), c.dir);
}

}  // namespace
}  // namespace zembrik
