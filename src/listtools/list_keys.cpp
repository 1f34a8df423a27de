#include "listtools/list_keys.h"

#include <algorithm>

#include "base/numbers.h"
#include "csvlist/layout.h"
#include "csvlist/padded_marks.h"
#include "listtools/column_operations.h"
#include "listtools/list_printing.h"
#include "listtools/list_text.h"
#include "listtools/structure.h"

namespace korvale {

namespace {

constexpr int kSmallestFont = 6;
constexpr int kLargestFont = 48;

void changeFontSize(ListToolsContext& c, int step) {
  int& size = c.state.settings.fontSize;
  size = std::clamp(size + step, kSmallestFont, kLargestFont);
  c.listView.formatAll(listFormat(c.state.settings));
  c.listView.setReadOnly(true);
}

// A layout operation of the shared table code on the records, the header lent for it.
void layoutRecords(ListToolsContext& c, void (*operation)(std::vector<Text>&)) {
  std::vector<Text> lines = recordLines(c);
  withHeaderLent(lines, c.state.list.headerEditor, operation);
  setRecordLines(c, lines);
  analyseStructure(c);
}

}  // namespace

void toggleInfoWindow(ListToolsContext& c) {
  ListWindowView& v = c.state.view;
  v.infoLines = structureText(c.state, c.listView.lineCount());
  v.infoShown = !v.infoShown;
  v.infoWide = false;
}

void toggleGradesMode(ListToolsContext& c) {
  bool& on = c.state.structure.gradesMode;
  std::vector<Text> lines = recordLines(c);
  const int n = on ? convertPaddedMarks(lines, U"a", U"0") : convertPaddedMarks(lines, U"0", U"a");
  const Text direction = on ? U" Ersetzungen (a zu 0)." : U" Ersetzungen (0 zu a).";
  if (n > 0) {
    setRecordLines(c, lines);
    on = !on;
  }
  c.dialogs.message((on ? U"Schulnoten EIN," : U"Schulnoten AUS,") + Text(U"\rweil ") +
                    intToText(n) + direction);
}

void functionKey(ListToolsContext& c, int number) {
  ListToolsState& s = c.state;
  const bool present = s.list.present;
  switch (number) {
    case 1:
      if (present) toggleInfoWindow(c);
      break;
    case 2:
      if (s.view.infoShown) printInfoWindow(c);
      break;
    case 3:
      if (present) searchColumnAgain(c);
      break;
    case 4:
    case 5:
      if (present) changeFontSize(c, number == 4 ? -1 : 1);
      break;
    case 6:
      if (present) layoutRecords(c, removeQuotes);
      break;
    case 7:
      if (present) layoutRecords(c, insertQuotes);
      break;
    case 8:
      if (present) layoutRecords(c, deleteLastSeparator);
      break;
    case 9:
      if (present) layoutRecords(c, addLastSeparator);
      break;
    case 10:
      s.view.locked = !s.view.locked;
      c.listView.setReadOnly(s.view.locked);
      c.dialogs.message(s.view.locked ? U"Listen-Editor GESPERRT !" : U"Listen-Editor GEÖFFNET !");
      break;
    case 11:
      s.view.infoWide = !s.view.infoWide;
      break;
    case 12:
      toggleGradesMode(c);
      break;
    default:
      break;
  }
}

}  // namespace korvale
