// A List tools window in memory: state, list view, scripted dialogs and a folder of its own.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/files.h"
#include "base/text.h"
#include "listtools/list_files.h"
#include "listtools/list_tools_context.h"
#include "support/memory_text_editor.h"
#include "support/temp_folder.h"
#include "support/test_ports.h"

namespace korvale {

using Lines = std::vector<Text>;

class ListToolsTest : public ::testing::Test {
 protected:
  ListToolsTest() { openWindow(c); }

  // Writes a file (UTF-8 text turned into cp1252 bytes where it fits) into the test's folder.
  Path writeFile(const std::string& name, const std::string& utf8) {
    const Path path = folder / name;
    const auto bytes = encodeCp1252(fromUtf8(utf8));
    EXPECT_TRUE(writeFileAtomic(path, bytes ? *bytes : utf8));
    return path;
  }
  std::string readFile(const std::string& name) {
    return readFileBytes(folder / name).value_or("<missing>");
  }
  void load(const std::string& name, const std::string& utf8) {
    dialogs.file(writeFile(name, utf8));
    loadList(c);
  }
  Lines view() const { return editor.lines(); }
  // The dialogs shown since the last call, without the file dialogs the tests answer.
  std::vector<std::string> shownDialogs() {
    std::vector<std::string> out;
    for (const std::string& line : dialogs.shown)
      if (line.rfind("[open]", 0) != 0 && line.rfind("[save]", 0) != 0) out.push_back(line);
    dialogs.shown.clear();
    return out;
  }

  TempFolder folder;
  Path workingFolder = folder.path();
  ListToolsState state;
  MemoryTextEditor editor;
  TestDialogs dialogs;
  TestCursor cursor;
  RandomSource random;
  VariableTable variables;
  RecordingPrinter printer;
  ListToolsContext c{state,  editor,        dialogs,
                     cursor, workingFolder, {folder / "demo", folder.path()},
                     random, variables,     printer};
};

}  // namespace korvale
