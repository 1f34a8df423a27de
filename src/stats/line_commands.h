// The Grades editor's commands on the caret's line and on the chart: line mathematics (F1), the
// statistics of marked numbers (F4), the character table (F11), the function table and graph,
// printing the chart and the coordinates of a click on it.
#pragma once

#include "formula/variable_table.h"
#include "stats/marked_numbers.h"
#include "stats/stats_state.h"
#include "ui/ports/canvas.h"
#include "ui/ports/dialogs.h"
#include "ui/ports/key_state.h"
#include "ui/ports/printer.h"
#include "ui/ports/text_editor.h"

namespace korvale {

struct LineCommandContext {
  TextEditor& editor;
  Dialogs& dialogs;
  KeyState& keys;
  Printer& printer;
  Canvas& chart;
  // The evaluator's one variable table, shared with the Calculator.
  VariableTable& variables;
  // The decimals setting and the chart state.
  StatsState& stats;
};

// F1: the caret's line rewritten with its result, or "Auswertungsfehler !" with the line kept.
void lineMathCommand(LineCommandContext& c);

// F4: the figures below the marked range; without one "Kein Zahlenbereich markiert ! ".
void markedNumbersCommand(LineCommandContext& c, const MarkedTextReading& reading);

// F11: the character table appended to the text.
void characterTableCommand(LineCommandContext& c);

// "Funktion - Tabelle", Shift+F2: the table below the caret's line between two lines " ", or
// "Fehlerhafte Eingabe !" with the text unchanged.
void functionTableCommand(LineCommandContext& c);

// "Funktion - Grafik", F2: the graph of the caret's line; "Fehlerhafte Eingabe !" for an empty
// line.
void functionGraphCommand(LineCommandContext& c);

// "Grafik drucken", F6: after the print dialog the chart on one page.
void printChartCommand(LineCommandContext& c);

// A click on the chart: the coordinates of that pixel in a message.
void chartPressedCommand(LineCommandContext& c, Point pressed);

}  // namespace korvale
