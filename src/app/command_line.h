// What the command line asks for: the program, a script run, or a formula evaluation.
#pragma once

#include <string>
#include <vector>

namespace korvale {

struct CommandLine {
  enum class Mode { Program, Script, Eval, Help, Version, Usage };
  Mode mode = Mode::Program;
  std::string scriptPath;
  std::string printFolder;        // --print-to
  std::vector<std::string> rest;  // the arguments after "eval"
  std::string error;              // for Usage
};

CommandLine parseCommandLine(const std::vector<std::string>& args);

extern const char* const kUsage;
// The project's version, as `korvale --version` and the About boxes of the desktop show it.
extern const char* const kVersion;

}  // namespace korvale
