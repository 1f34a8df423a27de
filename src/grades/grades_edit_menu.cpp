// The "Bearbeiten" menu: clipboard, lock, search, sorting and the selection panel; and opening
// the file named in a field.
#include <algorithm>

#include "base/files.h"
#include "base/numbers.h"
#include "base/text_routines.h"
#include "csvlist/field_table.h"
#include "csvlist/search.h"
#include "csvlist/sorting.h"
#include "csvlist/table_text.h"
#include "grades/grades_context.h"
#include "grades/table_in_editor.h"

namespace korvale {

namespace {

RichText markedOrWholeText(const GradesContext& c) {
  const RichText all = c.ports.editor.richText();
  if (!c.ports.editor.hasMarked()) return all;
  const std::size_t from = all.offsetOf(c.ports.editor.markStart());
  return all.slice(from, all.offsetOf(c.ports.editor.markEnd()) - from);
}

void markMatch(TextEditor& editor, TextPos at, const Text& text) {
  editor.setSelection(at, {at.line, at.column + static_cast<int>(text.size())});
}

}  // namespace

void copy(GradesContext& c) {
  c.ports.clipboard.setText(markedOrWholeText(c));
}

void cut(GradesContext& c) {
  copy(c);
  // A locked text gives a copy and stays as it is.
  if (c.locked) return;
  if (!c.ports.editor.hasMarked()) c.ports.editor.markAll();
  c.ports.editor.replaceMarked(Text());
  updateStatus(c);
  c.notify();
}

void paste(GradesContext& c) {
  const RichText pasted = c.ports.clipboard.text();
  if (c.locked || pasted.text.empty()) return;
  const RichText before = c.ports.editor.richText();
  const std::size_t at = before.offsetOf(c.ports.editor.markStart());
  c.ports.editor.replaceMarked(pasted.text);
  // The pasted text keeps the formats it was copied with.
  std::size_t offset = at;
  const RichText now = c.ports.editor.richText();
  for (const FormatRun& run : pasted.runs) {
    c.ports.editor.applyFormat(now.posOf(offset), now.posOf(offset + run.length), run.format);
    offset += run.length;
  }
  c.ports.editor.setCaret(now.posOf(at + pasted.text.size()));
  updateStatus(c);
  c.notify();
}

void toggleLock(GradesContext& c) {
  setLocked(c, !c.locked);
  c.ports.dialogs.message(c.locked ? U"Editor gesperrt !" : U"Editor entsperrt !");
  c.notify();
}

bool searchCommand(GradesContext& c) {
  TextEditor& editor = c.ports.editor;
  const Text answer = c.ports.dialogs
                          .input(U"Suchen im Text",
                                 U"Suchtext eingeben und weitersuchen mit <F3>.\r"
                                 U"\"TAB\" entspricht dabei dem Tabulatorzeichen.\r ",
                                 Text())
                          .value_or(Text());
  Text& text = c.search.text;
  text = trim(upperAscii(answer)) == U"TAB" ? Text(1, kTab) : answer;
  const std::optional<TextPos> at = findIgnoringCase(readLines(editor), text, editor.markStart());
  if (at)
    markMatch(editor, *at, text);
  else
    text.clear();
  updateStatus(c);
  return at.has_value();
}

bool searchAgain(GradesContext& c) {
  TextEditor& editor = c.ports.editor;
  const Text& text = c.search.text;
  if (text.empty()) return false;
  const std::vector<Text> lines = readLines(editor);
  const TextPos from = advance(lines, editor.markStart(), static_cast<int>(text.size()));
  const std::optional<TextPos> at = findIgnoringCase(lines, text, from);
  if (!at) return false;
  markMatch(editor, *at, text);
  return true;
}

std::optional<std::vector<Text>> sortCommand(GradesContext& c) {
  TextEditor& editor = c.ports.editor;
  Dialogs& dialogs = c.ports.dialogs;
  if (editor.isEmpty()) return std::nullopt;
  const bool headerOnTop =
      dialogs.question(U"Frage", U"Sortierung OHNE Kopfzeile ?   ", Icon::Question);
  c.stats.headerAndMargin = !headerOnTop;

  std::vector<Text> lines = readLines(editor);
  const char32_t separator = detectSeparator(lines.front());
  c.db.list.detectedSeparator = separator;
  const auto highest =
      static_cast<int>(std::count(lines.front().begin(), lines.front().end(), separator));
  const Text defaultAnswer = intToText(c.currentField);
  const Text answer =
      dialogs
          .input(U"Sortierung nach einer Spalte",
                 U"Spalten-Nummer von 1 bis " + intToText(highest) + U"  (0 = Abbruch)",
                 defaultAnswer)
          .value_or(defaultAnswer);
  const std::optional<int> column = readWholeNumber(answer);
  if (!column || *column <= 0 || *column > highest) return std::nullopt;

  const bool marker = takeEndMarker(lines);
  std::vector<Text> sorted;
  {
    BusyCursor busy(c.ports.cursor);
    sorted = sortLines(lines, *column, separator, headerOnTop);
  }
  std::vector<Text> shown = sorted;
  restoreEndMarker(shown, marker);
  writeTable(editor, shown, currentFormats(editor));
  c.stats.headerAndMargin = true;
  return sorted;
}

void sort(GradesContext& c) {
  const int field = c.currentField;
  const Text header = c.ports.editor.isEmpty() ? Text() : c.ports.editor.line(0);
  const auto lines = sortCommand(c);
  if (!lines) return;
  // The database takes its line 1 for the header. When the header was sorted in among the
  // records, the sorted table stays in the editor as it is: as a database its first record
  // would be taken for the header and vanish behind it.
  if (c.db.displayed() && !lines->empty() && lines->front() != header) {
    // The header keeps its full names, which the display may have cut to the column widths.
    for (int i = 0; i < c.ports.editor.lineCount(); ++i)
      if (c.ports.editor.line(i) == header) c.ports.editor.setLine(i, c.db.list.loadedHeader);
    c.ports.editor.setCaret({0, 0});
    c.notify();
    return;
  }
  takeAsDatabase(c, *lines, field);
}

std::optional<std::vector<Text>> restoreSelection(GradesContext& c) {
  SelectionState& state = c.selection.state;
  if (!state.selectionMade) {
    c.ports.dialogs.message(U"Abbruch: <Restore> ist nur nach <Select> möglich !");
    return std::nullopt;
  }
  if (!c.ports.dialogs.confirm(U"Datenselektion rückgängig machen ?")) return std::nullopt;
  state.selectionMade = false;
  return state.backup;
}

void restore(GradesContext& c) {
  // As after the display toggle: the restored table from its start, nothing marked.
  if (const auto lines = restoreSelection(c)) {
    c.db.source = *lines;
    reloadDatabase(c);
    toggleDisplay(c);
  }
}

void showSelectionPanel(GradesContext& c) {
  if (c.ports.editor.isEmpty()) return;
  c.selection.request = {intToText(c.currentField), Text(), Text()};
  c.selection.panelShown = true;
  c.window.setFocus("selectionOperator");
  c.notify();
}

void hideSelectionPanel(GradesContext& c) {
  c.selection.panelShown = false;
  c.window.setFocus(std::string());
}

std::optional<std::vector<Text>> runSelection(GradesContext& c, const SelectionRequest& request) {
  TextEditor& editor = c.ports.editor;
  std::vector<Text> lines = readLines(editor);
  SelectionResult result;
  {
    BusyCursor busy(c.ports.cursor);
    result = selectRecords(lines, c.db.list.listSeparator, request);
  }
  if (result.outcome != SelectionOutcome::Selected) {
    if (result.outcome == SelectionOutcome::TermNotNumeric ||
        result.outcome == SelectionOutcome::NoHits)
      boldHeaderLine(editor);
    c.ports.dialogs.message(selectionMessage(result.outcome));
    return std::nullopt;
  }
  // The backup is taken only when the table is replaced, so that a failed or empty selection
  // cannot make Restore bring back the already selected table instead of the one before.
  takeEndMarker(lines);
  c.selection.state.backup = std::move(lines);
  TableFormats formats = currentFormats(editor);
  formats.header.bold = true;
  writeTable(editor, result.lines, formats);
  c.selection.state.selectionMade = true;
  return result.lines;
}

void runSelectionPanel(GradesContext& c) {
  const int field = c.currentField;
  const auto lines = runSelection(c, c.selection.request);
  hideSelectionPanel(c);
  if (lines) takeAsDatabase(c, *lines, field);
  c.notify();
}

void takeAsDatabase(GradesContext& c, const std::vector<Text>& lines, int field) {
  c.db.source = lines;
  reloadDatabase(c);
  toggleDisplay(c);
  if (caretToField(c.ports.editor, field, c.db.list.detectedSeparator)) updateStatus(c);
  c.notify();
}

void openFieldDocument(GradesContext& c) {
  if (c.locked && !c.ports.editor.hasMarked()) markCharacterAtCaret(c);
  updateStatus(c);
  const TextPos at = c.ports.editor.markStart();
  const Text name = fieldUnderCaret(c.ports.editor.line(at.line), at.column);
  const Path& folder = c.ports.workingFolder;
  // Missing files and a desktop that cannot open them are passed over in silence.
  if (isDocumentIn(folder, name)) c.ports.shell.openDocument(folder.join(Path::fromText(name)));
  c.notify();
}

}  // namespace korvale
