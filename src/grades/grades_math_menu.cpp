// The line mathematics and the function table and graph of the "Mathematik" menu and the text's
// keys, and the chart keys F5 to F7: the commands of src/stats on the Grades editor's parts.
#include "grades/grades_context.h"
#include "stats/line_commands.h"
#include "stats/stats_commands.h"

namespace korvale {

namespace {

LineCommandContext lineContext(GradesContext& c) {
  return {c.ports.editor, c.ports.dialogs,   c.ports.keys, c.ports.printer,
          c.ports.chart,  c.ports.variables, c.stats};
}

}  // namespace

void runLineCommand(GradesContext& c, void (*command)(LineCommandContext&)) {
  LineCommandContext context = lineContext(c);
  command(context);
  updateStatus(c);
  c.notify();
}

void markedNumbers(GradesContext& c) {
  LineCommandContext context = lineContext(c);
  markedNumbersCommand(context, c.stats.lastReading);
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
  LineCommandContext context = lineContext(c);
  chartPressedCommand(context, {x, y});
}

}  // namespace korvale
