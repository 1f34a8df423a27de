// The Grades editor's side of the mail merge on in-memory ports: a list, a template in the
// editor and the flags, wired as the window wires them.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/text_routines.h"
#include "csvlist/field_table.h"
#include "mailmerge/mail_merge_commands.h"
#include "support/memory_text_editor.h"
#include "support/test_ports.h"

namespace korvale {

using Lines = std::vector<Text>;

inline CharFormat fmt(const Text& font, int size, bool bold = false, bool italic = false) {
  CharFormat f;
  f.font = font;
  f.size = size;
  f.bold = bold;
  f.italic = italic;
  return f;
}

class MailMergeTest : public ::testing::Test {
 protected:
  // The database as loaded: declared widths from the first record, unless given.
  void loadList(const Lines& lines, const std::vector<int>& widths = {}) {
    database = lines;
    list.listSeparator = ';';
    list.loadedHeader = lines.front();
    list.table = buildFieldTable(lines.front(), lines.size() > 1 ? &lines[1] : nullptr, ';',
                                 static_cast<int>(lines.size()));
    for (std::size_t i = 0; i < widths.size() && i < list.table.fields.size(); ++i)
      list.table.fields[i].width = widths[i];
    databaseLoaded = true;
  }

  void setTemplate(const Text& text) {
    editor.setRichText(RichText::plain(text, fmt(U"Arial", 12)));
    state.templateInEditor = true;
  }

  MailMergeWindow window() {
    return MailMergeWindow{.editor = editor,
                           .dialogs = dialogs,
                           .keys = keys,
                           .cursor = cursor,
                           .variables = variables,
                           .state = state,
                           .databaseLoaded = databaseLoaded,
                           .databaseDisplayed = databaseDisplayed,
                           .databaseCopy = database,
                           .list = list,
                           .workingFolder = workingFolder,
                           .fileName = fileName,
                           .fileExtension = fileExtension,
                           .fileLabel = fileLabel,
                           .incomplete = incomplete,
                           .unlock = [this] { ++unlocks; },
                           .printText =
                               [this] {
                                 if (dialogs.print()) printed.push_back(editor.richText());
                               }};
  }

  // The preview switched on with the two questions answered.
  void preview(bool withoutPageBreaks, bool compressed) {
    withoutPageBreaks ? dialogs.yes() : dialogs.no();
    compressed ? dialogs.yes() : dialogs.no();
    auto w = window();
    previewCommand(w);
  }

  MemoryTextEditor editor;
  TestDialogs dialogs;
  TestKeyState keys;
  TestCursor cursor;
  VariableTable variables;
  MailMergeState state;
  bool databaseLoaded = false;
  bool databaseDisplayed = false;
  std::vector<Text> database;
  ListState list;
  Path workingFolder = "/tmp";
  Path fileName;
  std::string fileExtension;
  Text fileLabel = U"Datei: ";
  std::optional<IncompleteOriginal> incomplete;
  int unlocks = 0;
  std::vector<RichText> printed;
};

// The transcript lines of the two preview questions with their answers.
inline std::vector<std::string> previewQuestions(bool withoutPageBreaks, bool compressed) {
  return {
      "[question]  OHNE Seitenvorschub  |  zwischen den Datensätzen ?   \\r (Abbruch mit "
      "<Esc>) -> " +
          std::string(withoutPageBreaks ? "yes" : "no"),
      "[question]  MIT Komprimierung  |  der Feldwerte ?  -> " +
          std::string(compressed ? "yes" : "no")};
}

}  // namespace korvale
