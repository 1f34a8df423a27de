// The table's text: Compress, Expand, the separator exchange, quotes and final separators, and
// the school-mark switch. The line work is csvlist's; here the Grades editor asks and rewrites.
#include <algorithm>

#include "base/numbers.h"
#include "base/text_routines.h"
#include "csvlist/grades_mode.h"
#include "csvlist/layout.h"
#include "grades/grades_context.h"
#include "grades/table_in_editor.h"

namespace korvale {

void compressCommand(GradesContext& c) {
  TextEditor& editor = c.ports.editor;
  if (!editor.isEmpty()) {
    BusyCursor busy(c.ports.cursor);
    std::vector<Text> lines = readLines(editor);
    compressLines(lines, c.db.list);
    writeTableKeepingCaret(editor, lines, currentFormats(editor), editor.caret());
  }
  rememberSeparator(c);
}

void expandCommand(GradesContext& c) {
  TextEditor& editor = c.ports.editor;
  ListState& state = c.db.list;
  if (editor.isEmpty()) return;
  std::vector<Text> lines = readLines(editor);
  state.detectedSeparator = detectSeparator(lines.front());
  state.extraBlank = c.ports.dialogs.confirm(U"Expand OHNE Zusatz-Blank ?") ? U"" : U" ";
  TableFormats formats = currentFormats(editor);
  {
    BusyCursor busy(c.ports.cursor);
    expandLines(lines, state);
  }
  if (formatHeaderLine(lines, state, c.db.loaded())) formats.header.bold = true;
  state.extraBlank.clear();
  writeTableKeepingCaret(editor, lines, formats, editor.caret());
  rememberSeparator(c);
}

bool exchangeSeparator(GradesContext& c) {
  TextEditor& editor = c.ports.editor;
  ListState& state = c.db.list;
  if (editor.isEmpty()) return false;
  const char32_t current = detectSeparator(state.loadedHeader);
  const Text answer =
      c.ports.dialogs.input(U"Ersetzen des Separators", separatorPrompt(current), U";")
          .value_or(U";");
  const std::optional<char32_t> chosen = parseSeparatorAnswer(answer);
  if (!chosen) {
    c.ports.dialogs.message(U"Falsche Separator-Eingabe !");
    return false;
  }
  state.listSeparator = *chosen;
  auto exchange = [&](Text& text) { std::replace(text.begin(), text.end(), current, *chosen); };
  std::vector<Text> lines = readLines(editor);
  for (Text& line : lines) exchange(line);
  exchange(state.loadedHeader);
  exchange(state.displayedHeader);

  const TableFormats now = currentFormats(editor);
  TableFormats formats{regular(now.header), regular(now.body)};
  formats.header.bold = true;
  writeTable(editor, lines, formats);
  return true;
}

void separatorCommand(GradesContext& c) {
  if (exchangeSeparator(c)) displayFormatting(c);
}

void insertQuotesCommand(GradesContext& c) {
  rewriteIfChanged(c.ports.editor, insertQuotes);
}
void removeQuotesCommand(GradesContext& c) {
  rewriteIfChanged(c.ports.editor, removeQuotes);
}
void addLastSeparatorCommand(GradesContext& c) {
  rewriteIfChanged(c.ports.editor, addLastSeparator);
}
void deleteLastSeparatorCommand(GradesContext& c) {
  rewriteIfChanged(c.ports.editor, deleteLastSeparator);
}

void switchGradesMode(GradesContext& c) {
  TextEditor& editor = c.ports.editor;
  Dialogs& dialogs = c.ports.dialogs;
  bool& on = c.db.list.table.schoolMarks;
  if (!dialogs.confirm(on ? U"Schulnoten EIN. Einstellung ändern ?"
                          : U"Schulnoten AUS. Einstellung ändern ?"))
    return;
  std::vector<Text> lines = readLines(editor);
  const int count = on ? absentMarksToZero(lines) : zerosToAbsentMarks(lines);
  const Text direction = on ? U" Ersetzungen (a zu 0)." : U" Ersetzungen (0 zu a).";
  if (count > 0) on = !on;
  const Text report =
      (on ? U"Schulnoten EIN. " : U"Schulnoten AUS. ") + intToText(count) + direction;

  const TableFormats now = currentFormats(editor);
  TableFormats formats{regular(now.header), regular(now.body)};
  formats.header.bold = true;
  if (count > 0) {
    writeTable(editor, lines, formats);
  } else if (!lines.empty()) {
    editor.applyFormat({0, 0}, editor.endPos(), formats.body);
    boldHeaderLine(editor);
  }
  dialogs.message(report);
}

}  // namespace korvale
