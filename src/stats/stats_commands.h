// The evaluation commands of the Grades editor's "Mathematik" menu: "Kommastellen",
// "Statistik - 1", "Statistik - 2" and "Statistik - N".
#pragma once

#include "csvlist/list_state.h"
#include "stats/stats_state.h"
#include "ui/ports/canvas.h"
#include "ui/ports/dialogs.h"
#include "ui/ports/text_editor.h"

namespace korvale {

// What the commands need to know about the editor window.
struct StatsContext {
  bool listLoaded = false;         // the last open read a list
  bool databaseDisplayed = false;  // the editor shows the database, closed by "#"
  int caretField = 0;              // the current field number, 1-based
  int tableFontSize = 10;          // the size tables are shown in
};

// Clears the chart image to white, hides the chart panel and resets the function graph.
void resetChart(StatsState& state, Canvas& canvas);

// "Kommastellen": asks for 0 to 8 decimals; anything else gives 2.
void decimalsCommand(Dialogs& dialogs, StatsState& state);

// "Statistik - 1": statistics of one column below the table, then on request the frequency
// distribution as class lines and a bar, line or pie chart.
void statistics1Command(TextEditor& editor, ListState& list, StatsState& state, Dialogs& dialogs,
                        Canvas& canvas, const StatsContext& context);

// "Statistik - 2": two columns side by side with correlation and regression, then on request
// the scatter chart.
void statistics2Command(TextEditor& editor, ListState& list, StatsState& state, Dialogs& dialogs,
                        Canvas& canvas, const StatsContext& context);

// "Statistik - N": every row's and column's statistics and the correlation matrix, appended
// to the text in three pages.
void statisticsNCommand(TextEditor& editor, ListState& list, StatsState& state, Dialogs& dialogs,
                        Canvas& canvas, const StatsContext& context);

}  // namespace korvale
