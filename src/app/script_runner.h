// `korvale script FILE`: runs a scenario against the program's windows and writes a transcript.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "app/application.h"
#include "ui/ports/key_state.h"
#include "ui/ports/printer.h"
#include "ui/ports/scripted_dialogs.h"

namespace korvale {

// Escape reads as held down once a set number of polls has passed.
class ScriptKeyState : public KeyState {
 public:
  bool escapeDown() override;
  void pressAfter(int polls) { remaining_ = polls; }
  void release() { remaining_ = -1; }

 private:
  int remaining_ = -1;  // -1: released
};

struct ScriptContext {
  Application& app;
  ScriptedDialogs& dialogs;
  ScriptKeyState& keys;
  std::ostream& out;  // the transcript
  Path scriptFolder;
  // Lets the toolkit catch up after each command (repaint, deferred events).
  std::function<void()> settle;
  // The jobs printed so far, for "dump printed".
  const std::vector<PrintJob>* printed = nullptr;
  // Writes a chart image as a PNG file, for "dump chart"; false when it cannot.
  std::function<bool(const Canvas&, const Path&)> savePng;
};

// Path placeholders a script may use: $DEMO, $DATA, $TMP, $START; other relative paths are
// taken from the script's folder. The script names files in UTF-8, as the file system does.
Path expandScriptPath(const std::string& path, const Application& app, const Path& scriptFolder);
// The reverse, for the transcript (UTF-8).
std::string shortenScriptPath(const Path& path, const Application& app, const Path& scriptFolder);

struct ScriptResult {
  int exitCode = 0;
  std::string error;  // "LINE: message" when exitCode is 2
};

ScriptResult runScript(const std::string& scriptText, ScriptContext& context);

}  // namespace korvale
