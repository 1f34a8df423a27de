#include "app/command_line.h"

namespace korvale {

const char* const kUsage =
    "usage: korvale                                  start the program (needs a display)\n"
    "       korvale script FILE [--print-to DIR]     run a scenario offscreen, print transcript\n"
    "       korvale eval [--set X=VALUE]... FORMULA  print result code and value of a formula\n"
    "       korvale --help | --version               show this text or the version\n";

const char* const kVersion = KORVALE_VERSION;

CommandLine parseCommandLine(const std::vector<std::string>& args) {
  CommandLine cl;
  if (args.empty()) return cl;
  if (args[0] == "--help" || args[0] == "-h" || args[0] == "--version") {
    if (args.size() > 1) {
      cl.mode = CommandLine::Mode::Usage;
      cl.error = "unexpected argument: " + args[1];
    } else {
      cl.mode = args[0] == "--version" ? CommandLine::Mode::Version : CommandLine::Mode::Help;
    }
    return cl;
  }
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
