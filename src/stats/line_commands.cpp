#include "stats/line_commands.h"

#include <vector>

#include "base/text_routines.h"
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

void lineMathCommand(LineCommandContext& c) {
  const TextPos caret = c.editor.caret();
  const auto result = calculateLine(caretLineText(c.editor), c.variables, c.stats.decimals);
  if (!result) {
    c.dialogs.message(U"Auswertungsfehler !");
    return;
  }
  c.editor.setLine(caret.line, *result);
  c.editor.setCaret({caret.line, static_cast<int>(result->size())});
}

void markedNumbersCommand(LineCommandContext& c, const MarkedTextReading& reading) {
  if (!c.editor.hasMarked()) {
    c.dialogs.message(kNothingMarked);
    return;
  }
  // A header line alone holds no numbers to count.
  const auto numbers = summariseMarkedNumbers(splitLines(c.editor.markedText()), reading);
  if (!numbers) {
    c.dialogs.message(kNothingMarked);
    return;
  }
  const TextPos end = c.editor.markEnd();
  c.editor.appendLine(U" ");
  insertLinesBelow(c.editor, end.line, markedNumbersLines(*numbers));
  c.editor.setCaret(end);
}

void characterTableCommand(LineCommandContext& c) {
  insertLinesBelow(c.editor, c.editor.lineCount() - 1, characterTableLines());
  c.editor.setCaret(c.editor.endPos());
}

void functionTableCommand(LineCommandContext& c) {
  const TextPos caret = c.editor.caret();
  const auto request = readFunctionTableLine(caretLineText(c.editor), c.variables);
  if (!request) {
    c.dialogs.message(kBadInput);
    return;
  }
  std::vector<Text> lines = {U" "};
  for (Text& row : functionTableRows(*request, c.variables, c.stats.decimals, c.keys))
    lines.push_back(std::move(row));
  lines.push_back(U" ");
  insertLinesBelow(c.editor, caret.line, lines);
  c.editor.setCaret(caret);
}

void functionGraphCommand(LineCommandContext& c) {
  if (!drawFunctionGraph(c.chart, c.stats.chart, caretLineText(c.editor), c.variables))
    c.dialogs.message(kBadInput);
}

void printChartCommand(LineCommandContext& c) {
  if (!c.dialogs.print()) return;
  PrintJob job;
  job.title = U"Grafik";
  job.picture = &c.chart;
  c.printer.print(job);
}

void chartPressedCommand(LineCommandContext& c, Point pressed) {
  c.dialogs.message(coordinatesMessage(pressed, c.stats.chart, c.chart));
}

}  // namespace korvale
