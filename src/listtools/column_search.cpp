// "Search FX" with F3, and "Sort FX".
#include <algorithm>

#include "base/numbers.h"
#include "base/text_routines.h"
#include "csvlist/sorting.h"
#include "listtools/column_fields.h"
#include "listtools/column_operations.h"
#include "listtools/structure.h"

namespace korvale {

void searchColumn(ListToolsContext& c) {
  if (!columnOperationReady(c)) return;
  const auto column = askColumn(c, U"Suchen in einem Datenfeld", c.state.structure.fieldCount());
  if (!column) return;
  const auto answer = c.dialogs.input(U"Suchen im Feld " + intToText(*column),
                                      U"Suchbegriff eingeben und dann suchen mit <F3>", Text());
  if (!answer) return;
  const Text term = trim(toLower(*answer));
  if (term.empty()) return;

  ColumnSearch& search = c.state.search;
  search.reset();
  search.active = true;
  search.term = term;
  const char32_t separator = c.state.settings.separator;
  const std::vector<Text> lines = recordLines(c);
  {
    BusyCursor busy(c.cursor);
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const auto span = fieldSpan(lines[i], separator, *column);
      if (!span) continue;
      // Lower case keeps every character in its place, so the place found is the line's.
      const std::size_t at =
          toLower(lines[i].substr(span->start, span->end - span->start)).find(term);
      if (at != Text::npos)
        search.hits.push_back({static_cast<int>(i), static_cast<int>(span->start + at)});
    }
  }
  c.dialogs.message(U"\"" + term + U"\"  wurde  " +
                    intToText(static_cast<long long>(search.hits.size())) +
                    U"-mal gefunden. \rWeitersuchen mit <F3>. ");
}

void searchColumnAgain(ListToolsContext& c) {
  ColumnSearch& search = c.state.search;
  if (!c.state.list.present || !search.active) return;
  ++search.visited;
  if (search.visited > static_cast<int>(search.hits.size())) {
    c.listView.setCaret(c.listView.caret());
    search.visited = 0;
    c.dialogs.message(U"Suche beendet !");
    return;
  }
  const TextPos hit = search.hits[static_cast<std::size_t>(search.visited - 1)];
  goTo(c, hit.column + 1, hit.line + 1);
  // The term is marked; the caret stays in front of it, so the label names its field.
  const TextPos at = c.listView.caret();
  const int end = std::min(at.column + static_cast<int>(search.term.size()),
                           static_cast<int>(c.listView.line(at.line).size()));
  c.listView.setSelection({at.line, end}, at);
}

void sortByColumn(ListToolsContext& c) {
  if (!columnOperationReady(c)) return;
  const char32_t separator = c.state.settings.separator;
  std::vector<Text> lines = recordLines(c);
  const auto highest =
      static_cast<int>(std::count(lines.front().begin(), lines.front().end(), separator));
  const Text current = intToText(c.state.view.currentColumn);
  const auto answer = c.dialogs.input(
      U"Sortierung nach einer Spalte",
      U"Spalten-Nummer von 1 bis " + intToText(highest) + U"  (0 = Abbruch)", current);
  if (!answer) return;
  const std::optional<int> column = readWholeNumber(*answer);
  if (!column || *column < 1 || *column > highest) return;
  const CaretMemory caret(c);
  {
    BusyCursor busy(c.cursor);
    lines = sortLines(lines, *column, separator, false);
  }
  setRecordLines(c, lines);
  caret.restore(c);
}

}  // namespace korvale
