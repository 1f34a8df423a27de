// The evaluations of the "Mathematik" menu: "Kommastellen", "Statistik - 1", "Statistik - 2" and
// "Statistik - N". The statistics, report lines and charts are src/stats's; here the Grades
// editor asks, reads its table and writes the output below it.
#include "base/numbers.h"
#include "base/text_routines.h"
#include "grades/grades_context.h"
#include "grades/table_region.h"
#include "stats/charts.h"
#include "stats/function_graph.h"
#include "stats/number_output.h"
#include "stats/stats_table.h"
#include "stats/stats_text.h"

namespace korvale {

namespace {

const Text kOnlyWithDatabase = U"Nur bei <Datenbank anzeigen> möglich !";

// Whether the table is read with a header line and a margin column. Without a database the
// user is asked; "Yes" reads line 1 and the first fields as data.
bool askHeaderChoice(Dialogs& dialogs) {
  return !dialogs.question(U"Frage", U"Auswertung MIT Kopfzeile UND Randspalte ?   ",
                           Icon::Question);
}

bool holdsValue(const std::vector<Text>& fields, int fieldNumber, bool schoolMarks) {
  if (fieldNumber < 1 || fieldNumber > static_cast<int>(fields.size())) return false;
  const Text field = trim(fields[static_cast<std::size_t>(fieldNumber - 1)]);
  return readNumber(field).has_value() || (schoolMarks && field == U"a");
}

// A column number typed by the user: 1 to fieldCount.
std::optional<int> columnNumber(const Text& typed, int fieldCount) {
  const auto number = readWholeNumber(trim(typed));
  if (!number || *number <= 0 || *number > fieldCount) return std::nullopt;
  return *number;
}

int outputFontSize(const GradesContext& c) {
  return c.db.displayed() ? c.tableFontSize : c.ports.editor.typingFormat().size;
}

// What the first line of the table says: its separator and how many fields it holds.
struct FirstLine {
  char32_t separator;
  int fieldCount;
};

// "Spalten-Nummer von 1 bis n  (0 = Abbruch)": the prompt of the column dialogs.
Text columnPrompt(int fieldCount) {
  return U"Spalten-Nummer von 1 bis " + intToText(fieldCount) + U"  (0 = Abbruch)";
}

// The steps every command starts with: the database check, the header choice, the chart reset
// and the separator of line 1, which becomes the list's. Nothing when the command ends here.
std::optional<FirstLine> begin(GradesContext& c, int minimumLines) {
  TextEditor& editor = c.ports.editor;
  StatsState& state = c.stats;
  Dialogs& dialogs = c.ports.dialogs;
  if (c.db.listLoaded && !c.db.displayed()) {
    dialogs.message(kOnlyWithDatabase);
    return std::nullopt;
  }
  if (c.db.displayed()) {
    state.headerAndMargin = true;
  } else {
    if (editor.lineCount() < minimumLines) return std::nullopt;
    state.headerAndMargin = askHeaderChoice(dialogs);
  }
  resetChart(state, c.ports.chart);
  const auto separator = tableSeparator(editor.line(0));
  if (!separator) return std::nullopt;
  state.lastReading = {*separator, state.headerAndMargin};
  c.db.list.detectedSeparator = *separator;
  return FirstLine{*separator, static_cast<int>(trimmedSplit(editor.line(0), *separator).size())};
}

ExtractionOptions extractionOptions(const ListState& list, char32_t separator,
                                    bool headerAndMargin);

struct ReadTable {
  TableRegion region;
  StatsTable table;
  int fontSize;  // of the output lines
};

// Clears the old output below the table and reads the table above it. Nothing, after its
// message, when the table is larger than the evaluations hold.
std::optional<ReadTable> readTableRegion(GradesContext& c, char32_t separator, bool headerAndMargin,
                                         PrintOrientationMode mode) {
  const int fontSize = outputFontSize(c);
  TableRegion region = prepareTableRegion(c.ports.editor, fontSize);
  c.stats.printOrientationMode = mode;
  StatsTable table =
      extractTable(region.lines, extractionOptions(c.db.list, separator, headerAndMargin));
  if (const auto problem = capacityProblem(table)) {
    c.ports.dialogs.message(*problem);
    return std::nullopt;
  }
  return ReadTable{std::move(region), std::move(table), fontSize};
}

ExtractionOptions extractionOptions(const ListState& list, char32_t separator,
                                    bool headerAndMargin) {
  ExtractionOptions options;
  options.separator = separator;
  options.headerAndMargin = headerAndMargin;
  options.dropLastField = list.table.schoolMarks && list.table.supplementaryColumn;
  return options;
}

}  // namespace

void decimalsCommand(GradesContext& c) {
  const Text typed =
      c.ports.dialogs.input(U"Anzahl der Kommastellen (0..8)", U"", U"2").value_or(U"2");
  const auto decimals = readWholeNumber(trim(typed));
  c.stats.decimals = decimals && *decimals >= 0 && *decimals <= 8 ? *decimals : kDefaultDecimals;
}

void statistics1Command(GradesContext& c) {
  TextEditor& editor = c.ports.editor;
  ListState& list = c.db.list;
  StatsState& state = c.stats;
  Dialogs& dialogs = c.ports.dialogs;
  const auto start = begin(c, 2);
  if (!start) return;
  const auto [sep, fieldCount] = *start;
  const bool margin = state.headerAndMargin;
  const bool schoolMarks = list.table.schoolMarks;

  const auto typed = dialogs.input(U"Auswertung von EINER Spalte X", columnPrompt(fieldCount),
                                   intToText(c.currentField));
  if (!typed) return;
  const auto column = columnNumber(*typed, fieldCount);
  if (!column) return;
  const int valueIndex = margin ? *column - 1 : *column;
  if (valueIndex < 1) return;
  if (!holdsValue(trimmedSplit(editor.line(1), sep), *column, schoolMarks)) {
    dialogs.message(U"Das gewählte Datenfeld ist NICHT numerisch !");
    return;
  }

  auto read = readTableRegion(c, sep, margin, PrintOrientationMode::OneDimensional);
  if (!read) return;
  TableRegion& region = read->region;
  const StatsTable& table = read->table;
  const int fontSize = read->fontSize;
  if (!isConsistent(table, valueIndex)) {
    dialogs.message(U"Auswertungs-Fehler 1!");
    dialogs.message(U"Abbruch - Datenfehler 1");
    return;
  }
  const std::vector<double> xs = table.column(valueIndex);
  const auto summary = columnStatistics(xs);
  if (!summary) {
    dialogs.message(U"Abbruch - Datenfehler 1");
    return;
  }
  const Text xName = c.db.displayed() ? alignRight(list.table.field(*column).name + U" (X)", 16)
                                      : alignRight(table.columnLabel(*column), 15);
  const int first =
      appendOutput(editor, region, oneDimensionalLines(xName, *summary, state.decimals), fontSize);

  const Text form = trim(dialogs
                             .input(U"Eindimensionale Statistik",
                                    U"Form der grafischen Darstellung: \r \r<0> = Abbruch\r<1> = "
                                    U"Balkengrafik\r<2> = Liniengrafik\r<3> = Tortengrafik\r ",
                                    U"1")
                             .value_or(U"1"));
  if (form != U"1" && form != U"2" && form != U"3") return;

  const Text defaultEntry =
      classEntryText(defaultClassEntry(*summary, schoolMarks), state.decimals);
  const auto entry =
      parseClassEntry(dialogs
                          .input(U"Klasseneinteilung (2 bis 12)",
                                 U"Klassenanzahl, Untere Grenze, Klassenbreite", defaultEntry)
                          .value_or(defaultEntry));
  if (!entry) {
    dialogs.message(U"Auswertungs-Fehler !");
    return;
  }
  const Distribution distribution = distribute(xs, *entry);
  std::vector<Text> lines = classLines(distribution, schoolMarks, state.decimals);
  lines.push_back(U" ");
  // After the empty line that follows the six statistics.
  insertOutput(editor, first + 11, lines, fontSize);

  state.chart.panelVisible = true;
  if (form == U"1")
    drawBarChart(c.ports.chart, distribution, xName, state.decimals);
  else if (form == U"2")
    drawLineChart(c.ports.chart, distribution, xName);
  else
    drawPieChart(c.ports.chart, distribution, xName);
}

void statistics2Command(GradesContext& c) {
  TextEditor& editor = c.ports.editor;
  ListState& list = c.db.list;
  StatsState& state = c.stats;
  Dialogs& dialogs = c.ports.dialogs;
  const auto start = begin(c, 1);
  if (!start) return;
  const auto [sep, fieldCount] = *start;
  const bool margin = state.headerAndMargin;
  const bool schoolMarks = list.table.schoolMarks;

  const int p = c.currentField;
  const auto typed = dialogs.input(U"Auswertung von ZWEI Spalten X,Y", columnPrompt(fieldCount),
                                   intToText(p) + U"," + intToText(p + 1));
  if (!typed) return;
  const std::size_t comma = typed->find(',');
  if (comma == Text::npos || comma < 1) {
    dialogs.message(U"Eingabe-Fehler 1");
    return;
  }
  const auto x = columnNumber(typed->substr(0, comma), fieldCount);
  const auto y = columnNumber(typed->substr(comma + 1), fieldCount);
  if (!x || !y) return;
  if (margin && (*x == 1 || *y == 1)) return;
  const int xIndex = margin ? *x - 1 : *x;
  const int yIndex = margin ? *y - 1 : *y;
  // A text of one line has no second line to look at: no field there holds a value.
  const std::vector<Text> secondLine =
      editor.lineCount() > 1 ? trimmedSplit(editor.line(1), sep) : std::vector<Text>();
  if (!holdsValue(secondLine, *x, schoolMarks) || !holdsValue(secondLine, *y, schoolMarks)) {
    dialogs.message(U"Ein gewähltes Datenfeld ist NICHT numerisch !");
    return;
  }

  auto read = readTableRegion(c, sep, margin, PrintOrientationMode::TwoDimensional);
  if (!read) return;
  TableRegion& region = read->region;
  const StatsTable& table = read->table;
  const int fontSize = read->fontSize;
  if (!isConsistent(table, xIndex) || !isConsistent(table, yIndex)) {
    dialogs.message(U"Auswertungs-Fehler !");
    dialogs.message(U"Abbruch - Datenfehler");
    return;
  }
  const std::vector<double> xs = table.column(xIndex);
  const std::vector<double> ys = table.column(yIndex);
  const auto pair = pairStatistics(xs, ys);
  if (!pair) {
    dialogs.message(U"Abbruch - Datenfehler");
    return;
  }

  const Text caption = alignLeft(U"Auswertung:", 12);
  Text header;
  if (schoolMarks) {
    header = caption + alignRight(list.table.field(*x).name + U"(X)", 15) + U" / " +
             list.table.field(*y).name + U"(Y)";
  } else if (c.db.displayed()) {
    header = caption + alignRight(list.table.field(*x).name + U"(X)", 15) + U" / " +
             alignRight(list.table.field(*y).name + U"(Y)", 15);
  } else {
    header = caption + alignRight(table.columnLabel(*x), 15) + U" / " +
             alignRight(removeBlanks(table.columnLabel(*y)), 15);
  }
  appendOutput(editor, region, twoDimensionalLines(header, *pair, schoolMarks, state.decimals),
               fontSize);

  if (!dialogs.question(U"Frage", U"Streuungsdiagramm grafisch darstellen ?   ", Icon::Question))
    return;
  state.chart.panelVisible = true;
  drawScatterChart(c.ports.chart, *pair, xs, ys, state.decimals);
  editor.setCaret({editor.lineCount() - 1, 0});
}

void statisticsNCommand(GradesContext& c) {
  TextEditor& editor = c.ports.editor;
  ListState& list = c.db.list;
  StatsState& state = c.stats;
  Dialogs& dialogs = c.ports.dialogs;
  const auto start = begin(c, 1);
  if (!start) return;
  const char32_t sep = start->separator;

  auto read = readTableRegion(c, sep, state.headerAndMargin, PrintOrientationMode::NDimensional);
  if (!read) return;
  TableRegion& region = read->region;
  const StatsTable& table = read->table;
  const int fontSize = read->fontSize;
  // Every row is read with the count of row 1, so row 1 must hold a value column.
  if (table.countSum == 0 || table.firstRowCount() == 0) {
    dialogs.message(U"Auswertungs-Fehler !");
    return;
  }
  if (region.markerLine >= 0) editor.setCaret({region.markerLine, 0});

  NDimensionalOptions options;
  options.databaseMode = c.db.displayed();
  options.schoolMarks = list.table.schoolMarks;
  options.decimals = state.decimals;
  const NDimensionalReport report = nDimensionalReport(table, list.table, options);
  const int first = appendOutput(editor, region, report.lines, fontSize);
  setFontKeepingStyle(
      editor, {first + report.matrixFirst, 0},
      {first + report.matrixLast,
       static_cast<int>(report.lines[static_cast<std::size_t>(report.matrixLast)].size())},
      U"Courier New", 8);
  if (report.dataError) {
    dialogs.message(U"Abbruch - Datenfehler");
    return;
  }
  editor.setCaret({editor.lineCount() - 1, 0});
}

}  // namespace korvale
