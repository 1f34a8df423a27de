// The database: reload from the database list, the table display and the fields view.
#include <algorithm>

#include "base/numbers.h"
#include "base/text_routines.h"
#include "csvlist/field_table.h"
#include "csvlist/layout.h"
#include "csvlist/table_text.h"
#include "grades/grades_editor.h"
#include "stats/stats_commands.h"

namespace korvale {

void GradesEditor::reloadDatabase() {
  setLocked(false);
  stats_.printOrientationMode = PrintOrientationMode::None;
  s_.editor.clear();
  fieldsViewShown_ = false;
  setFileLabel();
  databaseLoaded_ = databaseDisplayed_ = false;
  mm_.templateInEditor = mm_.previewOn = false;
  resetChart(stats_, s_.chart);

  databaseCopy_ = databaseList_;
  list_.table = FieldTable();
  // Header and records; a list without a record gives no database.
  const int recordLineCount = static_cast<int>(databaseCopy_.size());
  if (recordLineCount <= 1) {
    notify();
    return;
  }
  list_.table =
      buildFieldTable(list_.loadedHeader, &databaseCopy_[1], list_.listSeparator, recordLineCount);
  databaseLoaded_ = true;
  setLocked(true);
  notify();
}

void GradesEditor::toggleDisplay() {
  if (!databaseLoaded_) {
    s_.dialogs.message(U"Noch keine Datenbank geladen !");
    return;
  }
  if (mm_.previewOn) {
    s_.dialogs.message(U"Bitte zuerst <Serienbrief-Vorschau> ausschalten !");
    return;
  }
  setLocked(false);
  if (databaseDisplayed_) {
    s_.editor.setRichText(savedEditorText_);
    databaseDisplayed_ = false;
    removeTrailingEmptyLines();
    caretTo(1, 1);
  } else {
    savedEditorText_ = s_.editor.richText();
    std::vector<Text> lines = databaseCopy_;
    lines.push_back(kEndMarker);
    writeTable(s_.editor, lines, {tableFormat(tableFontSize_), tableFormat(tableFontSize_)});
    databaseDisplayed_ = true;
    removeTrailingEmptyLines();
    setClipboardEntriesEnabled(false);
    displayFormatting();
    caretTo(1, 1);
    if (showHint_) {
      s_.dialogs.message(
          U"Weiter mit <Mathematik - Statistik>\roder zurück zu <Datenbank>  . . .  ");
      showHint_ = false;
    }
  }
  setLocked(true);
  notify();
}

void GradesEditor::displayFormatting() {
  if (s_.editor.isEmpty()) return;
  const bool lock = locked_;
  applyDisplayFormatting(s_.editor, list_, s_.cursor, tableFontSize_, databaseLoaded_);
  setLocked(lock);
  fieldsViewText_ = fieldsViewLines();
  fieldsViewShown_ = true;
  notify();
}

std::vector<Text> GradesEditor::fieldsViewLines() const {
  const FieldTable& table = list_.table;
  std::vector<Text> lines{
      U" ",
      U" Datenbank  : " + databaseName_.displayText(),
      U" Datensätze : " + intToText(table.recordLineCount - 1),
      U" Datenfelder: " + intToText(table.fieldCount()),
      U" Separator  : " + separatorName(list_.listSeparator),
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

void GradesEditor::toggleFieldsView() {
  if (!databaseLoaded_) {
    s_.dialogs.message(U"Noch keine Datenbank geladen !");
    return;
  }
  fieldsViewShown_ = !fieldsViewShown_;
  if (fieldsViewShown_) fieldsViewText_ = fieldsViewLines();
  notify();
}

}  // namespace korvale
