#include "formula/eval_command.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace korvale {
namespace {

struct CommandRun {
  int exitCode;
  std::string out;
  std::string err;
};

CommandRun run(const std::vector<std::string>& args) {
  std::ostringstream out;
  std::ostringstream err;
  const int exitCode = runEvalCommand(args, out, err);
  return {exitCode, out.str(), err.str()};
}

TEST(EvalCommand, PrintsCodeAndValue) {
  const struct {
    std::vector<std::string> args;
    std::string out;
  } cases[] = {
      {{"2^3^2"}, "1 512\n"},
      {{"--set", "X=2", "x^2"}, "2 4\n"},
      {{"--set", "x=1.5", "--set", "X=-2E1", "x"}, "2 -20\n"},
      {{"x", "--set", "X=3"}, "2 3\n"},
      {{"--", "-2^2"}, "1 -4\n"},
      {{"--", "--"}, "0 0\n"},
      {{"1/3"}, "1 0.33333333333333331\n"},
      {{"deg(pi)"}, "1 179.99999999999983\n"},
      {{"fak(150)"}, "1 5.7133839564458505e+262\n"},
      {{"1/0"}, "5 0\n"},
      {{"x/0"}, "6 0\n"},
      {{"2+"}, "0 0\n"},
      {{""}, "0 0\n"},
      {{"-"}, "0 0\n"},
      {{"2€"}, "0 0\n"},
      {{"1E-13"}, "1 0\n"},
      {{"((((((((((((((((((((((((((((5))))))))))))))))))))))))))))"},
       "\n STACK-ÜBERLAUF BEI DER FORMELAUSWERTUNG ! \n\n0 0\n"},
  };
  for (const auto& c : cases) {
    const CommandRun result = run(c.args);
    EXPECT_EQ(result.exitCode, 0) << c.args.back();
    EXPECT_EQ(result.out, c.out) << c.args.back();
    EXPECT_EQ(result.err, "") << c.args.back();
  }
}

TEST(EvalCommand, RefusesWrongUsage) {
  const std::vector<std::string> cases[] = {
      {},
      {"--"},
      {"--set"},
      {"--set", "X=2"},
      {"--set", "X"},
      {"--set", "X=", "x"},
      {"--set", "XY=2", "x"},
      {"--set", "1=2", "x"},
      {"--set", "X=abc", "x"},
      {"--set", "X=2,5", "x"},
      {"-2^2"},
      {"--sett", "X=2", "x"},
      {"1", "2"},
  };
  for (const auto& args : cases) {
    const CommandRun result = run(args);
    std::string joined;
    for (const auto& arg : args) joined += arg + " ";
    EXPECT_EQ(result.exitCode, 2) << joined;
    EXPECT_EQ(result.out, "") << joined;
    EXPECT_NE(result.err.find("usage: korvale eval [--set X=VALUE]... [--] FORMULA\n"),
              std::string::npos)
        << joined;
  }
}

}  // namespace
}  // namespace korvale
