// Entry points of the Qt program; main() picks one by the command line.
#pragma once

#include <string>

namespace korvale {

int runProgram(int argc, char** argv);
// Runs a scenario offscreen; the transcript goes to standard output.
int runScriptProgram(int argc, char** argv, const std::string& scriptPath,
                     const std::string& printFolder);

}  // namespace korvale
