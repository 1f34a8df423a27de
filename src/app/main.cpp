// The korvale program: wires the command line to the Qt application.
#include <iostream>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "formula/eval_command.h"
#include "ui/qt/qt_main.h"

int main(int argc, char** argv) {
  using korvale::CommandLine;
  const CommandLine cl = korvale::parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  switch (cl.mode) {
    case CommandLine::Mode::Usage:
      std::cerr << "korvale: " << cl.error << "\n" << korvale::kUsage;
      return 2;
    case CommandLine::Mode::Help:
      std::cout << korvale::kUsage;
      return 0;
    case CommandLine::Mode::Version:
      std::cout << "korvale " << korvale::kVersion << "\n";
      return 0;
    case CommandLine::Mode::Eval:
      return korvale::runEvalCommand(cl.rest, std::cout, std::cerr);
    case CommandLine::Mode::Script:
      return korvale::runScriptProgram(argc, argv, korvale::Path(cl.scriptPath),
                                       korvale::Path(cl.printFolder));
    case CommandLine::Mode::Program:
      break;
  }
  return korvale::runProgram(argc, argv);
}
