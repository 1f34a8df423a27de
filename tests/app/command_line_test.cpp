#include "app/command_line.h"

#include <gtest/gtest.h>

namespace korvale {
namespace {

TEST(CommandLineTest, Modes) {
  using M = CommandLine::Mode;
  struct Row {
    std::vector<std::string> args;
    M mode;
    std::string script, printTo, error;
  } rows[] = {
      {{}, M::Program, "", "", ""},
      {{"script", "a.kvs"}, M::Script, "a.kvs", "", ""},
      {{"script", "a.kvs", "--print-to", "out"}, M::Script, "a.kvs", "out", ""},
      {{"script", "--print-to", "out", "a.kvs"}, M::Script, "a.kvs", "out", ""},
      {{"script"}, M::Usage, "", "", "script needs a FILE"},
      {{"script", "a.kvs", "b.kvs"}, M::Usage, "a.kvs", "", "unexpected argument: b.kvs"},
      {{"frob"}, M::Usage, "", "", "unknown command: frob"},
      {{"eval", "--", "-2^2"}, M::Eval, "", "", ""},
      {{"--help"}, M::Help, "", "", ""},
      {{"-h"}, M::Help, "", "", ""},
      {{"--version"}, M::Version, "", "", ""},
      {{"--version", "x"}, M::Usage, "", "", "unexpected argument: x"},
      {{"--frob"}, M::Usage, "", "", "unknown command: --frob"},
      {{"help"}, M::Usage, "", "", "unknown command: help"},
  };
  for (const auto& r : rows) {
    const CommandLine cl = parseCommandLine(r.args);
    EXPECT_EQ(cl.mode, r.mode);
    EXPECT_EQ(cl.scriptPath, r.script);
    EXPECT_EQ(cl.printFolder, r.printTo);
    EXPECT_EQ(cl.error, r.error);
  }
  EXPECT_EQ(parseCommandLine({"eval", "--", "-2^2"}).rest,
            (std::vector<std::string>{"--", "-2^2"}));
}

}  // namespace
}  // namespace korvale
