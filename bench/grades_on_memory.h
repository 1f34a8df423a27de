// A Grades editor on in-memory ports for the benchmarks of its commands: no dialog is expected
// unless one is queued, Escape is never down, and nothing is shown.
#pragma once

#include <string>

#include "grades/grades_editor.h"
#include "support/memory_text_editor.h"
#include "support/recording_canvas.h"
#include "support/test_host.h"
#include "ui/ports/clipboard.h"
#include "ui/ports/printer.h"
#include "ui/ports/scripted_dialogs.h"
#include "ui/ports/shell.h"

namespace korvale {

class NoEscape : public KeyState {
 public:
  bool escapeDown() override { return false; }
};

class NoCursor : public Cursor {
 public:
  void set(CursorShape) override {}
};

struct GradesOnMemory {
  MemoryTextEditor editor;
  // Counts the messages; answers only what a benchmark queued.
  ScriptedDialogs dialogs{[this](const std::string& line) {
    if (line.rfind("[message]", 0) == 0) ++messages;
  }};
  int messages = 0;
  NoEscape keys;
  NoCursor cursor;
  TestHost host;
  AppPaths paths;
  RecordingPrinter printer;
  MemoryClipboard clipboard;
  RecordingShell shell;
  VariableTable variables;
  RecordingCanvas canvas;
  Path folder;
  GradesEditor grades{{editor, dialogs, keys, cursor, host, paths, printer, clipboard, shell,
                       variables, canvas, folder, Screen{}}};
  GradesContext& ctx = grades.context();
};

}  // namespace korvale
