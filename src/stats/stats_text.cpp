#include "stats/stats_text.h"

#include "base/numbers.h"
#include "base/text_routines.h"
#include "stats/number_output.h"

namespace korvale {

namespace {

const Text kStatLabels[6] = {U"Anzahl:     ", U"Minimum:    ", U"Maximum:    ",
                             U"Schwankung: ", U"Mittelwert: ", U"Streuung:   "};

std::vector<double> sixValues(const ColumnSummary& s) {
  return {static_cast<double>(s.count), s.minimum, s.maximum, s.range, s.mean, s.deviation};
}

}  // namespace

std::vector<Text> oneDimensionalLines(const Text& xName, const ColumnSummary& summary,
                                      int decimals) {
  std::vector<Text> lines = {U" ", alignLeft(U"Auswertung:", 12) + xName, U" "};
  const std::vector<double> values = sixValues(summary);
  for (int i = 0; i < 6; ++i)
    lines.push_back(kStatLabels[i] + alignNumber(numberText(values[i], decimals), 15));
  lines.insert(lines.end(), {U" ", U"", U" "});
  return lines;
}

std::vector<Text> classLines(const Distribution& d, bool schoolMarks, int decimals) {
  const int boundWidth = schoolMarks ? 4 : 8;
  std::vector<Text> lines;
  for (int i = 0; i < d.entry.classCount; ++i) {
    Text count = alignNumber(intToText(d.counts[static_cast<std::size_t>(i)]), 3);
    if (!schoolMarks) count = alignNumber(count, 5);
    lines.push_back(intToText(i + 1) + U".Klasse (" +
                    alignNumber(numberText(d.lower(i), decimals), boundWidth) + U" <= X < " +
                    alignNumber(numberText(d.upper(i), decimals), boundWidth) + U"): " + count +
                    U" (" + formatFixed(d.percentage(i), 5, 2) + U"%" + U")");
  }
  return lines;
}

std::vector<Text> twoDimensionalLines(const Text& headerLine, const PairSummary& pair,
                                      bool schoolMarks, int decimals) {
  std::vector<Text> lines = {U" ", headerLine, U" "};
  const std::vector<double> xs = sixValues(pair.x);
  const std::vector<double> ys = sixValues(pair.y);
  for (int i = 0; i < 6; ++i)
    lines.push_back(kStatLabels[i] + alignNumber(numberText(xs[i], decimals), 15) + U" / " +
                    alignNumber(numberText(ys[i], decimals), schoolMarks ? 5 : 15));
  lines.push_back(U" ");
  lines.push_back(U"Korrelation:" + Text(U" ") + numberText(pair.correlation, decimals));
  lines.push_back(U"Regression: " + Text(U" Y = ") + numberText(pair.slope, decimals) + U" * X + " +
                  numberText(pair.intercept, decimals));
  lines.insert(lines.end(), {U" ", U""});
  return lines;
}

namespace {

struct Extreme {
  double value;
  int row = 0;
  int column = 0;
};

Text statTriple(const std::optional<ColumnSummary>& s, int width, int decimals) {
  const ColumnSummary shown = s.value_or(ColumnSummary());
  return alignNumber(intToText(shown.count), width) + U", " +
         alignNumber(numberText(shown.mean, decimals), width) + U", " +
         alignNumber(numberText(shown.deviation, decimals), width);
}

Text matrixNumber(int number) {
  return U"---" + intToText(number) + (number >= 10 ? U"-" : U"--");
}

}  // namespace

NDimensionalReport nDimensionalReport(const StatsTable& table, const FieldTable& fields,
                                      const NDimensionalOptions& options) {
  NDimensionalReport report;
  std::vector<Text>& out = report.lines;
  const int rows = table.rowCount();
  const int columns = table.firstRowCount();
  const int margin = table.headerAndMargin ? 1 : 0;
  const int width = options.schoolMarks ? 5 : 10;
  const int decimals = options.decimals;

  out.insert(out.end(), {U"", Text(1, kPageBreak), U""});
  out.push_back(alignLeft(intToText(rows) + U" Zeilen ", 25) + U"(Anzahl,Mittel,Streuung)");
  out.push_back(U"");
  double rowMeans = 0;
  int rowsWithValues = 0;
  std::vector<double> rowValues(static_cast<std::size_t>(columns));
  for (int i = 1; i <= rows; ++i) {
    for (int j = 1; j <= columns; ++j)
      rowValues[static_cast<std::size_t>(j - 1)] = table.value(i, j);
    const auto s = columnStatistics(rowValues);
    if (s) {
      rowMeans += s->mean;
      ++rowsWithValues;
    } else {
      report.dataError = true;
    }
    const Text& label = table.rowLabels[static_cast<std::size_t>(i - 1)];
    const Text shownLabel = options.databaseMode
                                ? alignLeft(U"(" + alignRight(intToText(i), 3) + U")  " + label, 25)
                                : label;
    out.push_back(shownLabel + U" ," + statTriple(s, width, decimals));
  }

  out.push_back(U"");
  out.push_back(alignLeft(intToText(columns) + U" Spalten ", 25) + U"(Anzahl,Mittel,Streuung)");
  out.push_back(U"");
  std::vector<std::vector<double>> columnValues;
  columnValues.reserve(static_cast<std::size_t>(columns));
  double deviations = 0;
  int columnsWithValues = 0;
  for (int j = 1; j <= columns; ++j) {
    columnValues.push_back(table.column(j));
    const auto s = columnStatistics(columnValues.back());
    if (s) {
      deviations += s->deviation;
      ++columnsWithValues;
    } else {
      report.dataError = true;
    }
    const int field = j + margin;
    const Text label = options.databaseMode ? U"(" + alignRight(intToText(field), 3) + U")  " +
                                                  alignLeft(fields.field(field).name, 25)
                                            : table.columnLabel(field);
    out.push_back(label + U" ," + statTriple(s, width, decimals));
  }

  out.insert(out.end(), {Text(1, kPageBreak), U"", U"", U"Interkorrelationen der Spalten", U""});
  // The matrix is symmetric: each pair is computed once.
  std::vector<double> matrix(static_cast<std::size_t>(columns) * static_cast<std::size_t>(columns),
                             kMissingValue);
  auto at = [&](int i, int j) -> double& {
    return matrix[static_cast<std::size_t>(i - 1) * static_cast<std::size_t>(columns) +
                  static_cast<std::size_t>(j - 1)];
  };
  for (int i = 1; i <= columns; ++i) {
    for (int j = i; j <= columns; ++j) {
      const auto pair = pairStatistics(columnValues[static_cast<std::size_t>(i - 1)],
                                       columnValues[static_cast<std::size_t>(j - 1)]);
      if (pair) at(i, j) = at(j, i) = pair->correlation;
    }
  }
  Extreme smallest{1.0};
  Extreme largest{-1.0};
  for (int i = 1; i <= columns; ++i) {
    for (int j = 1; j <= columns; ++j) {
      const double r = at(i, j);
      if (i == j || isMissing(r)) continue;
      // Of equal values the last one in the scan is reported.
      if (r <= smallest.value) smallest = {r, i, j};
      if (r >= largest.value) largest = {r, i, j};
    }
  }

  report.matrixFirst = static_cast<int>(out.size());
  Text header = U"-----";
  for (int j = 1; j <= columns; ++j) header += matrixNumber(j + margin);
  out.push_back(header);
  for (int i = 1; i <= columns; ++i) {
    Text line = matrixNumber(i + margin);
    for (int j = 1; j <= columns; ++j) {
      const double r = at(i, j);
      line += (isMissing(r) ? Text(U" *** ") : formatFixed(r, 5, 2)) + U",";
    }
    if (columns > 0) line.pop_back();
    out.push_back(line);
  }
  report.matrixLast = static_cast<int>(out.size()) - 1;
  out.push_back(U"");

  auto label = [&](int index) -> Text {
    if (index == 0) return Text();
    const int field = index + margin;
    if (options.databaseMode) return fields.field(field).name + U"(" + intToText(field) + U")";
    return table.columnLabel(field);
  };
  auto extremeLine = [&](const Text& caption, const Extreme& e) {
    return caption + alignNumber(numberText(e.value, decimals), 5) + U" [" + label(e.row) + U" / " +
           label(e.column) + U"]";
  };
  out.push_back(extremeLine(U"Kleinste Korrelation = ", smallest));
  out.push_back(extremeLine(U"Größte Korrelation   = ", largest));
  out.push_back(U"");
  const double meanOfMeans = rowsWithValues > 0 ? rowMeans / rowsWithValues : 0.0;
  const double meanDeviation = columnsWithValues > 0 ? deviations / columnsWithValues : 0.0;
  out.push_back(U"Gesamter Mittelwert  = " + alignNumber(numberText(meanOfMeans, decimals), 5));
  out.push_back(U"Mittlere Streuung    = " + alignNumber(numberText(meanDeviation, decimals), 5));
  out.push_back(U"");
  return report;
}

}  // namespace korvale
