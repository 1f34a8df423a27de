// The "Datenbank" menu: reload, the table display, the fields view and the mail merge; and the
// evaluations of the "Mathematik" menu.
#include <algorithm>

#include "base/numbers.h"
#include "base/text_routines.h"
#include "csvlist/field_table.h"
#include "csvlist/layout.h"
#include "csvlist/table_text.h"
#include "grades/grades_context.h"
#include "grades/table_in_editor.h"
#include "stats/function_graph.h"

namespace korvale {

namespace {

std::vector<Text> fieldsViewLines(const GradesContext& c) {
  const FieldTable& table = c.db.list.table;
  std::vector<Text> lines{
      U" ",
      U" Datenbank  : " + c.db.name.displayText(),
      U" Datensätze : " + intToText(table.recordLineCount - 1),
      U" Datenfelder: " + intToText(table.fieldCount()),
      U" Separator  : " + separatorName(c.db.list.listSeparator),
      U" ",
      U" Feldname, <Feldvariable>",
      U" ",
  };
  for (int i = 1; i <= table.fieldCount(); ++i) {
    const FieldInfo& f = table.field(i);
    lines.push_back(U" " + padRight(f.name, table.longestNameLength) + U" <F" + intToText(i) +
                    U"> / " + Text(1, f.type) + U" / " + intToText(f.width));
  }
  return lines;
}

}  // namespace

void reloadDatabase(GradesContext& c) {
  setLocked(c, false);
  c.stats.printOrientationMode = PrintOrientationMode::None;
  c.ports.editor.clear();
  c.db.fieldsViewShown = false;
  c.document.showName();
  c.db.mode = DatabasePart::Mode::None;
  c.mailMerge.templateInEditor = false;
  resetChart(c.stats, c.ports.chart);

  c.db.copy = c.db.source;
  c.db.list.table = FieldTable();
  // Header and records; a list without a record gives no database.
  const int recordLineCount = static_cast<int>(c.db.copy.size());
  if (recordLineCount <= 1) {
    c.notify();
    return;
  }
  c.db.list.table = buildFieldTable(c.db.list.loadedHeader, &c.db.copy[1], c.db.list.listSeparator,
                                    recordLineCount);
  c.db.mode = DatabasePart::Mode::Hidden;
  setLocked(c, true);
  c.notify();
}

void toggleDisplay(GradesContext& c) {
  if (!c.db.loaded()) {
    c.ports.dialogs.message(U"Noch keine Datenbank geladen !");
    return;
  }
  if (c.db.lettersShown()) {
    c.ports.dialogs.message(U"Bitte zuerst <Serienbrief-Vorschau> ausschalten !");
    return;
  }
  setLocked(c, false);
  if (c.db.displayed()) {
    c.ports.editor.setRichText(c.db.savedEditorText);
    c.db.mode = DatabasePart::Mode::Hidden;
    removeTrailingEmptyLines(c);
    caretTo(c, 1, 1);
  } else {
    c.db.savedEditorText = c.ports.editor.richText();
    std::vector<Text> lines = c.db.copy;
    lines.push_back(kEndMarker);
    writeTable(c.ports.editor, lines, {tableFormat(c.tableFontSize), tableFormat(c.tableFontSize)});
    c.db.mode = DatabasePart::Mode::Shown;
    removeTrailingEmptyLines(c);
    setClipboardEntriesEnabled(c, false);
    displayFormatting(c);
    caretTo(c, 1, 1);
    if (c.db.showHint) {
      c.ports.dialogs.message(
          U"Weiter mit <Mathematik - Statistik>\roder zurück zu <Datenbank>  . . .  ");
      c.db.showHint = false;
    }
  }
  setLocked(c, true);
  c.notify();
}

void displayFormatting(GradesContext& c) {
  if (c.ports.editor.isEmpty()) return;
  const bool lock = c.locked;
  applyDisplayFormatting(c.ports.editor, c.db.list, c.ports.cursor, c.tableFontSize, c.db.loaded());
  setLocked(c, lock);
  c.db.fieldsViewText = fieldsViewLines(c);
  c.db.fieldsViewShown = true;
  c.notify();
}

void toggleFieldsView(GradesContext& c) {
  if (!c.db.loaded()) {
    c.ports.dialogs.message(U"Noch keine Datenbank geladen !");
    return;
  }
  c.db.fieldsViewShown = !c.db.fieldsViewShown;
  if (c.db.fieldsViewShown) c.db.fieldsViewText = fieldsViewLines(c);
  c.notify();
}

void runMailMerge(GradesContext& c, void (*command)(GradesContext&)) {
  command(c);
  updateStatus(c);
  c.notify();
}

void evaluate(GradesContext& c, void (*command)(GradesContext&)) {
  command(c);
  // The evaluations leave the caret below the table: the status line follows it.
  updateStatus(c);
  c.notify();
}

}  // namespace korvale
