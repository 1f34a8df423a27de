#include "listtools/list_commands.h"

#include <algorithm>

#include "base/files.h"
#include "base/numbers.h"
#include "base/text_routines.h"
#include "csvlist/layout.h"
#include "csvlist/selection.h"
#include "listtools/list_files.h"
#include "listtools/list_keys.h"
#include "listtools/list_text.h"
#include "listtools/structure.h"
#include "window/folders.h"

namespace korvale {

namespace {

// The list operations need a list on the screen and rest while the mask or a projection is up.
bool listReady(ListToolsContext& c) {
  return listCommandsFree(c.state) && !c.listView.isEmpty();
}

Text replaced(const Text& text, char32_t from, char32_t to) {
  Text out = text;
  std::replace(out.begin(), out.end(), from, to);
  return out;
}

void replaceSeparator(ListToolsContext& c, char32_t from, char32_t to) {
  ListDocument& list = c.state.list;
  std::vector<Text> lines = recordLines(c);
  for (Text& line : lines) line = replaced(line, from, to);
  c.listView.setLines(lines);
  list.headerString = replaced(list.headerString, from, to);
  list.headerEditor = replaced(list.headerEditor, from, to);
  list.headerStrip = replaced(list.headerStrip, from, to);
  c.state.settings.separator = to;
}

}  // namespace

void toggleHeaderEditor(ListToolsContext& c) {
  ListToolsState& s = c.state;
  if (!listReady(c)) return;
  if (!s.view.headerEditorShown) {
    s.list.headerEditor = s.list.headerString;
    s.view.headerEditorShown = true;
    s.view.focus = listfocus::kHeaderEditor;
    return;
  }
  s.view.headerEditorShown = false;
  s.view.focus.clear();
  if (c.dialogs.confirm(U"Header (Kopfzeile) übernehmen ?")) analyseStructure(c);
}

void stripNavigate(ListToolsContext& c, MaskStep step) {
  if (c.state.mask.shown || c.listView.isEmpty()) return;
  const TextPos at = c.listView.caret();
  const int last = c.listView.lineCount() - 1;
  int line = at.line;
  switch (step) {
    case MaskStep::First:
      line = 0;
      break;
    case MaskStep::Previous:
      line = std::max(at.line - 1, 0);
      break;
    case MaskStep::Next:
      line = std::min(at.line + 1, last);
      break;
    case MaskStep::Last:
      line = last;
      break;
  }
  c.state.mask.current = line;
  goTo(c, at.column + 1, line + 1);
}

void appendRecord(ListToolsContext& c) {
  if (!listReady(c)) return;
  if (!c.dialogs.confirm(U"Einen neuen Datensatz anfügen ?")) return;
  if (c.listView.lineCount() >= kMaxAppendLines) return;
  startNewRecord(c);
}

void deleteRecord(ListToolsContext& c) {
  if (!listReady(c)) return;
  if (!c.dialogs.confirm(U"Einen Datensatz löschen ?")) return;
  const int count = c.listView.lineCount();
  // Cancel deletes nothing: taking the default here would delete the caret's line.
  const auto answer = c.dialogs.input(U"Datenzeile löschen (0 = Abbrechen)",
                                      U"Zeile 1, 2, 3, ... " + intToText(count),
                                      intToText(c.listView.caret().line + 1));
  if (!answer) return;
  const int line = leadingDigits(trim(*answer));
  if (line < 1 || line > count) {
    c.dialogs.message(U"Falsche Zeileneingabe !");
    return;
  }
  c.listView.deleteLine(line - 1);
  analyseStructure(c);
  goTo(c, 1, 1);
  takeBackup(c);
}

void showStructure(ListToolsContext& c) {
  if (!listReady(c)) return;
  analyseStructure(c);
  toggleInfoWindow(c);
}

void toggleHelp(ListToolsContext& c) {
  if (!listCommandsFree(c.state)) return;
  c.state.view.helpShown = !c.state.view.helpShown;
}

void switchFolder(ListToolsContext& c) {
  if (!listCommandsFree(c.state)) return;
  korvale::switchFolder(c.dialogs, c.folders.demoFolder, c.folders.startFolder, c.workingFolder);
}

void printerSetup(ListToolsContext& c) {
  c.state.view.helpShown = false;
  c.dialogs.printerSetup();
}

void showSelection(ListToolsContext& c) {
  if (!listReady(c)) return;
  SelectionPanel& p = c.state.selection;
  p.shown = true;
  p.fieldNumber = intToText(c.state.view.currentColumn);
  p.op.clear();
  p.term.clear();
  p.savedCaret = c.listView.caret();
  c.state.view.focus = listfocus::kSelectOperator;
}

void runSelection(ListToolsContext& c) {
  ListToolsState& s = c.state;
  SelectionPanel& p = s.selection;
  if (!p.shown) return;
  std::vector<Text> lines = recordLines(c);
  lines.insert(lines.begin(), s.list.headerEditor);
  SelectionResult result;
  {
    BusyCursor busy(c.cursor);
    result = selectRecords(lines, s.settings.separator, {p.fieldNumber, p.op, p.term});
  }
  p.shown = false;
  s.view.focus.clear();
  if (result.outcome != SelectionOutcome::Selected) {
    c.dialogs.message(selectionMessage(result.outcome));
    return;
  }
  result.lines.erase(result.lines.begin());
  c.listView.setLines(result.lines);
  analyseStructure(c);
  const int field = readWholeNumber(trim(p.fieldNumber)).value_or(1);
  const std::vector<Text> names = splitFields(s.list.headerEditor, s.settings.separator);
  const Text name =
      field <= static_cast<int>(names.size()) ? names[static_cast<std::size_t>(field - 1)] : Text();
  s.view.currentColumn = field;
  s.view.positionLabel = U"Zeile: 1 / Spalte: " + intToText(field) + U" / " + name;
  const int last = c.listView.lineCount() - 1;
  const int line = std::min(p.savedCaret.line, last);
  c.listView.setCaret(
      {line, std::min(p.savedCaret.column, static_cast<int>(c.listView.line(line).size()))});
}

void cancelSelection(ListToolsContext& c) {
  c.state.selection.shown = false;
  c.state.view.focus.clear();
}

void selectionEnter(ListToolsContext& c, const std::string& edit) {
  std::string& focus = c.state.view.focus;
  if (edit == listfocus::kSelectField) focus = listfocus::kSelectOperator;
  if (edit == listfocus::kSelectOperator) focus = listfocus::kSelectTerm;
  if (edit == listfocus::kSelectTerm) focus = listfocus::kSelectRun;
}

void restoreList(ListToolsContext& c) {
  ListToolsState& s = c.state;
  if (!listReady(c)) return;
  const char32_t old = s.settings.separator;
  s.list.headerEditor = replaced(s.list.headerEditor, old, U';');
  s.list.headerStrip = replaced(s.list.headerStrip, old, U';');
  s.settings.separator = U';';
  if (!s.list.present) return;
  // The records come back in the separator of their header.
  std::vector<Text> lines = s.list.backup;
  if (s.list.backupSeparator != U';')
    for (Text& line : lines) line = replaced(line, s.list.backupSeparator, U';');
  c.listView.setLines(lines);
  analyseStructure(c);
  goTo(c, 1, 1);
}

void exchangeSeparator(ListToolsContext& c) {
  ListToolsState& s = c.state;
  if (!listReady(c)) return;
  const char32_t current = s.settings.separator;
  const Text answer =
      c.dialogs.input(U"Ersetzen des Separators", separatorPrompt(current), U";").value_or(U";");
  const auto wanted = parseSeparatorAnswer(answer);
  if (!wanted) {
    c.dialogs.message(U"Falsche Separator-Eingabe !");
    return;
  }
  replaceSeparator(c, current, *wanted);
  analyseStructure(c);
  goTo(c, 1, 1);
}

void compressList(ListToolsContext& c) {
  ListToolsState& s = c.state;
  if (!listReady(c)) return;
  {
    BusyCursor busy(c.cursor);
    std::vector<Text> lines = recordLines(c);
    compressRecords(lines, s.settings.separator);
    setRecordLines(c, lines);
  }
  s.list.compressed = true;
  s.list.expanded = false;
  analyseStructure(c);
  s.list.headerStrip = removeBlanks(s.list.headerStrip);
}

void expandList(ListToolsContext& c) {
  ListToolsState& s = c.state;
  if (!listReady(c) || s.list.expanded || !s.list.compressed) return;
  const Text extraBlank = c.dialogs.confirm(U"Expand OHNE Zusatz-Blank ?") ? Text() : Text(U" ");
  {
    BusyCursor busy(c.cursor);
    std::vector<Text> lines = recordLines(c);
    expandRecords(lines, s.settings.separator, extraBlank);
    setRecordLines(c, lines);
  }
  s.list.expanded = true;
  s.list.compressed = false;
  analyseStructure(c);
}

}  // namespace korvale
