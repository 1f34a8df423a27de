#include "app/command_line.h"

namespace korvale {

const char* const kUsage =
    "usage: korvale\n"
    "       korvale script FILE [--print-to DIR]\n"
    "       korvale eval [--set X=VALUE]... FORMULA\n";

CommandLine parseCommandLine(const std::vector<std::string>& args) {
  CommandLine cl;
  if (args.empty()) return cl;
  if (args[0] == "eval") {
    cl.mode = CommandLine::Mode::Eval;
    cl.rest.assign(args.begin() + 1, args.end());
    return cl;
  }
  if (args[0] == "script") {
    cl.mode = CommandLine::Mode::Script;
    for (std::size_t i = 1; i < args.size(); ++i) {
      if (args[i] == "--print-to" && i + 1 < args.size()) {
        cl.printFolder = args[++i];
      } else if (cl.scriptPath.empty() && !args[i].empty() && args[i][0] != '-') {
        cl.scriptPath = args[i];
      } else {
        cl.mode = CommandLine::Mode::Usage;
        cl.error = "unexpected argument: " + args[i];
        return cl;
      }
    }
    if (cl.scriptPath.empty()) {
      cl.mode = CommandLine::Mode::Usage;
      cl.error = "script needs a FILE";
    }
    return cl;
  }
  cl.mode = CommandLine::Mode::Usage;
  cl.error = "unknown command: " + args[0];
  return cl;
}

}  // namespace korvale
