// The "Bearbeiten" menu: clipboard, lock, sorting and the selection panel; and opening the file
// named in a field.
#include <algorithm>

#include "base/files.h"
#include "base/numbers.h"
#include "base/text_routines.h"
#include "csvlist/field_table.h"
#include "csvlist/sorting.h"
#include "csvlist/table_text.h"
#include "grades/grades_context.h"

namespace korvale {

namespace {

RichText markedOrWholeText(const GradesContext& c) {
  const RichText all = c.ports.editor.richText();
  if (!c.ports.editor.hasMarked()) return all;
  const std::size_t from = all.offsetOf(c.ports.editor.markStart());
  return all.slice(from, all.offsetOf(c.ports.editor.markEnd()) - from);
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

void sort(GradesContext& c) {
  const int field = c.currentField;
  const Text header = c.ports.editor.isEmpty() ? Text() : c.ports.editor.line(0);
  const auto lines = sortCommand(c.ports.editor, c.db.list, c.ports.dialogs, c.ports.cursor, field,
                                 c.stats.headerAndMargin);
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

void restore(GradesContext& c) {
  // As after the display toggle: the restored table from its start, nothing marked.
  if (const auto lines = restoreSelection(c.selection.state, c.ports.dialogs)) {
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

void runSelectionPanel(GradesContext& c) {
  const int field = c.currentField;
  const auto lines = runSelection(c.ports.editor, c.db.list, c.selection.state, c.ports.dialogs,
                                  c.ports.cursor, c.selection.request);
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
