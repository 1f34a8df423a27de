// The mail merge on the Grades editor: a list, a template in the editor and the flags.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/text_routines.h"
#include "csvlist/field_table.h"
#include "grades_fixture.h"
#include "mailmerge/char_formats.h"

namespace korvale {

class MailMergeTest : public ::testing::Test, protected GradesOnMemoryPorts {
 protected:
  MailMergeTest() {
    workingFolder = "/tmp";
    editor.unlocks = 0;
    // What the print dialog lets through is the editor's text at that moment.
    dialogs.onPrint = [this] { printed.push_back(editor.richText()); };
  }

  // The database as loaded: declared widths from the first record, unless given.
  void loadList(const Lines& lines, const std::vector<int>& widths = {}) {
    database = lines;
    list.listSeparator = ';';
    list.loadedHeader = lines.front();
    list.table = buildFieldTable(lines.front(), lines.size() > 1 ? &lines[1] : nullptr, ';',
                                 static_cast<int>(lines.size()));
    for (std::size_t i = 0; i < widths.size() && i < list.table.fields.size(); ++i)
      list.table.fields[i].width = widths[i];
    if (ctx.db.mode == DatabasePart::Mode::None) ctx.db.mode = DatabasePart::Mode::Hidden;
  }

  void setTemplate(const Text& text) {
    editor.setRichText(RichText::plain(text, fmt(U"Arial", 12)));
    state.templateInEditor = true;
  }

  GradesContext& window() { return ctx; }
  bool previewOn() const { return ctx.db.lettersShown(); }

  // The preview switched on with the two questions answered.
  void preview(bool withoutPageBreaks, bool compressed) {
    withoutPageBreaks ? dialogs.yes() : dialogs.no();
    compressed ? dialogs.yes() : dialogs.no();
    previewCommand(window());
  }

  MailMergeState& state = ctx.mailMerge;
  std::vector<Text>& database = ctx.db.copy;
  ListState& list = ctx.db.list;
  Path& fileName = ctx.document.fileName;
  std::string& fileExtension = ctx.document.extension;
  Text& fileLabel = ctx.document.label;
  int& unlocks = editor.unlocks;
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
