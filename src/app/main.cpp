// The korvale program: wires the command line, the windows and the Qt side together.
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "app/application.h"
#include "app/command_line.h"
#include "app/paths.h"
#include "app/script_runner.h"
#include "base/files.h"
#include "formula/eval_command.h"
#include "ui/qt/qt_main.h"

namespace korvale {
namespace {

// A script shows what would be opened instead of starting the desktop's programs.
class TranscriptShell : public Shell {
 public:
  explicit TranscriptShell(std::function<void(const Path&)> sink) : sink_(std::move(sink)) {}
  bool openDocument(const Path& path) override {
    sink_(path);
    return true;
  }

 private:
  std::function<void(const Path&)> sink_;
};

StartOptions startOptions() {
  return {currentDirectory(), temporaryFolder(std::getenv("TMPDIR")), currentLogin()};
}

int runProgram(int& argc, char** argv) {
  QtProgram qt(argc, argv, false);
  Application app(qt.platform({}));
  if (!app.start(startOptions())) return 1;
  return qt.exec();
}

// Runs a scenario offscreen; the transcript goes to standard output.
int runScriptProgram(int& argc, char** argv, const Path& scriptPath, const Path& printFolder) {
  const auto script = readFileBytes(scriptPath);
  if (!script) {
    std::cerr << "korvale: cannot read " << scriptPath << "\n";
    return 2;
  }
  QtProgram qt(argc, argv, true);
  Path folder = scriptPath.folder();
  if (!folder.isAbsolute()) folder = currentDirectory().join(folder);

  Application* appPtr = nullptr;
  ScriptedDialogs dialogs([](const std::string& line) { std::cout << line << "\n"; },
                          [&](const Path& path) {
                            return appPtr ? shortenScriptPath(path, *appPtr, folder) : path.bytes();
                          });
  ScriptKeyState keys;
  // With --print-to every job is also written as a PDF file there.
  RecordingPrinter printer(printFolder.empty() ? nullptr : &qt.pdfPrinter(printFolder));
  MemoryClipboard clipboard;
  TranscriptShell shell([&](const Path& path) {
    std::cout << "[shell] "
              << ScriptedDialogs::show(
                     fromUtf8(appPtr ? shortenScriptPath(path, *appPtr, folder) : path.bytes()))
              << "\n";
  });
  Application app(qt.platform({&dialogs, &keys, &printer, &clipboard, &shell}));
  appPtr = &app;
  if (!app.start(startOptions())) {
    std::cerr << scriptPath << ": the program ended at start-up\n";
    return 2;
  }
  ScriptContext context{
      app,           dialogs,           keys, std::cout, folder, [&qt] { qt.settle(); },
      &printer.jobs, QtProgram::savePng};
  const ScriptResult result = runScript(*script, context);
  std::cout.flush();
  if (result.exitCode != 0) std::cerr << scriptPath << ": " << result.error << "\n";
  return result.exitCode;
}

}  // namespace
}  // namespace korvale

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
