// A Grades editor on in-memory ports, in a temporary folder of its own.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "base/files.h"
#include "grades/grades_editor.h"
#include "support/memory_text_editor.h"
#include "support/recording_canvas.h"
#include "support/test_ports.h"
#include "window/window.h"

namespace korvale {

// The in-memory editor, counting the times it was made writable.
class GradesTestEditor : public MemoryTextEditor {
 public:
  void setReadOnly(bool readOnly) override {
    if (!readOnly) ++unlocks;
    MemoryTextEditor::setReadOnly(readOnly);
  }
  int unlocks = 0;
};

class RecordingHost : public WindowHost {
 public:
  void openModal(const WindowId&) override { ++opened; }
  void close(const WindowId&) override { ++closed; }
  int opened = 0;
  int closed = 0;
};

// A Grades editor on in-memory ports. Its commands take the editor's context; a table of cases
// that needs each case afresh builds one per case.
struct GradesOnMemoryPorts {
  AppPaths paths;
  Path workingFolder;
  GradesTestEditor editor;
  TestDialogs dialogs;
  TestKeyState keys;
  TestCursor cursor;
  RecordingHost host;
  RecordingPrinter printer;
  MemoryClipboard clipboard;
  RecordingShell shell;
  VariableTable variables;
  RecordingCanvas canvas;
  GradesEditor grades{{editor, dialogs, keys, cursor, host, paths, printer, clipboard, shell,
                       variables, canvas, workingFolder, Screen{}}};
  GradesContext& ctx = grades.context();
};

class GradesEditorTest : public ::testing::Test, protected GradesOnMemoryPorts {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/korvale-grades-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir = Path(pattern);
    paths.startFolder = dir;
    paths.demoFolder = dir + "/missing-demo";
    workingFolder = dir;
    grades.opened();
  }
  void TearDown() override {
    // Opening and saving made the folder the current one.
    changeDirectory("/");
    std::system(
        ("chmod -R u+w '" + dir.bytes() + "' 2>/dev/null; rm -rf '" + dir.bytes() + "'").c_str());
  }

  Path write(const std::string& name, const std::string& bytes) {
    const Path path = dir.join(Path(name));
    EXPECT_TRUE(writeFileAtomic(path, bytes));
    return path;
  }
  std::string read(const std::string& name) {
    return readFileBytes(dir.join(Path(name))).value_or("<none>");
  }

  void menu(const Text& path) {
    const std::size_t sep = path.find(U" > ");
    for (const MenuItem& item : grades.menu()) {
      if (item.menu == path.substr(0, sep) && item.entry == path.substr(sep + 3)) {
        ASSERT_TRUE(item.enabled) << toUtf8(path);
        const auto action = item.action;
        action();
        return;
      }
    }
    FAIL() << "no menu entry " << toUtf8(path);
  }
  bool menuEnabled(const Text& menu, const Text& entry) {
    for (const MenuItem& item : grades.menu())
      if (item.menu == menu && item.entry == entry) return item.enabled;
    ADD_FAILURE() << "no menu entry " << toUtf8(entry);
    return false;
  }
  void button(const Text& caption) {
    for (const Control& c : grades.controls())
      if (c.caption == caption && c.action) return c.action();
    FAIL() << "no button " << toUtf8(caption);
  }
  // Opens a list file through "Öffnen (CSV)"; the hint is expected and dropped.
  void openList(const Path& path) {
    dialogs.file(path);
    menu(U"Datei > Öffnen (CSV)");
    dialogs.shown.clear();
  }
  void click(int line, int column) {
    editor.setCaret({line - 1, column - 1});
    grades.textClicked();
  }

  Path dir;
};

}  // namespace korvale
