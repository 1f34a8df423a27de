// Entry points of the Qt program; main() picks one by the command line.
#pragma once

#include "base/path.h"

namespace korvale {

int runProgram(int argc, char** argv);
// Runs a scenario offscreen; the transcript goes to standard output.
int runScriptProgram(int argc, char** argv, const Path& scriptPath, const Path& printFolder);

}  // namespace korvale
