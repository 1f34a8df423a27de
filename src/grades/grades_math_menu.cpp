// The line mathematics, the marked numbers, the character table and the function table and graph
// of the "Mathematik" menu and the text's keys, and the chart keys F5 to F7. The calculations
// are src/stats's; here they act on the caret's line and the chart.
#include <vector>

#include "base/text_routines.h"
#include "grades/grades_context.h"
#include "stats/character_table.h"
#include "stats/function_graph.h"
#include "stats/function_table.h"
#include "stats/line_math.h"

namespace korvale {

namespace {

const Text kBadInput = U"Fehlerhafte Eingabe !";
const Text kNothingMarked = U"Kein Zahlenbereich markiert ! ";

Text caretLineText(const TextEditor& editor) {
  const int at = editor.caret().line;
  return at < editor.lineCount() ? editor.line(at) : Text();
}

// One edit for all lines, so that a long table costs one change of the text control rather than
// one per line. The lines take the typing format.
void insertLinesBelow(TextEditor& editor, int below, const std::vector<Text>& lines) {
  if (lines.empty()) return;
  if (editor.isEmpty()) {
    editor.setLines(lines);
    return;
  }
  const TextPos end{below, static_cast<int>(editor.line(below).size())};
  editor.replaceRange(end, end, U"\n" + joinLines(lines, U"\n"));
}

}  // namespace

void lineMathCommand(GradesContext& c) {
  const TextPos caret = c.ports.editor.caret();
  const auto result =
      calculateLine(caretLineText(c.ports.editor), c.ports.variables, c.stats.decimals);
  if (!result) {
    c.ports.dialogs.message(U"Auswertungsfehler !");
    return;
  }
  c.ports.editor.setLine(caret.line, *result);
  c.ports.editor.setCaret({caret.line, static_cast<int>(result->size())});
}

void markedNumbersCommand(GradesContext& c, const MarkedTextReading& reading) {
  if (!c.ports.editor.hasMarked()) {
    c.ports.dialogs.message(kNothingMarked);
    return;
  }
  // A header line alone holds no numbers to count.
  const auto numbers = summariseMarkedNumbers(splitLines(c.ports.editor.markedText()), reading);
  if (!numbers) {
    c.ports.dialogs.message(kNothingMarked);
    return;
  }
  const TextPos end = c.ports.editor.markEnd();
  c.ports.editor.appendLine(U" ");
  insertLinesBelow(c.ports.editor, end.line, markedNumbersLines(*numbers));
  c.ports.editor.setCaret(end);
}

void characterTableCommand(GradesContext& c) {
  insertLinesBelow(c.ports.editor, c.ports.editor.lineCount() - 1, characterTableLines());
  c.ports.editor.setCaret(c.ports.editor.endPos());
}

void functionTableCommand(GradesContext& c) {
  const TextPos caret = c.ports.editor.caret();
  const auto request = readFunctionTableLine(caretLineText(c.ports.editor), c.ports.variables);
  if (!request) {
    c.ports.dialogs.message(kBadInput);
    return;
  }
  std::vector<Text> lines = {U" "};
  for (Text& row : functionTableRows(*request, c.ports.variables, c.stats.decimals, c.ports.keys))
    lines.push_back(std::move(row));
  lines.push_back(U" ");
  insertLinesBelow(c.ports.editor, caret.line, lines);
  c.ports.editor.setCaret(caret);
}

void functionGraphCommand(GradesContext& c) {
  if (!drawFunctionGraph(c.ports.chart, c.stats.chart, caretLineText(c.ports.editor),
                         c.ports.variables))
    c.ports.dialogs.message(kBadInput);
}

void printChartCommand(GradesContext& c) {
  if (!c.ports.dialogs.print()) return;
  PrintJob job;
  job.title = U"Grafik";
  job.picture = &c.ports.chart;
  c.ports.printer.print(job);
}

void chartPressedCommand(GradesContext& c, Point pressed) {
  c.ports.dialogs.message(coordinatesMessage(pressed, c.stats.chart, c.ports.chart));
}

void runLineCommand(GradesContext& c, void (*command)(GradesContext&)) {
  command(c);
  updateStatus(c);
  c.notify();
}

void markedNumbers(GradesContext& c) {
  markedNumbersCommand(c, c.stats.lastReading);
  updateStatus(c);
  c.notify();
}

void rememberSeparator(GradesContext& c) {
  // An empty text has none to give.
  if (!c.ports.editor.isEmpty()) c.stats.lastReading.separator = c.db.list.detectedSeparator;
}

void toggleChart(GradesContext& c) {
  c.stats.chart.panelVisible = !c.stats.chart.panelVisible;
  c.notify();
}

void clearChart(GradesContext& c) {
  resetChart(c.stats, c.ports.chart);
  c.notify();
}

void chartPressed(GradesContext& c, int x, int y) {
  chartPressedCommand(c, {x, y});
}

}  // namespace korvale
