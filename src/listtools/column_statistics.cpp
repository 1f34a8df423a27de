#include "listtools/column_statistics.h"

#include <algorithm>
#include <cmath>

#include "base/numbers.h"
#include "base/text_routines.h"
#include "listtools/column_fields.h"
#include "listtools/structure.h"
#include "stats/stats_table.h"

namespace korvale {

namespace {

const Text kRule = U" -----------------------";

// Every value counts, a 99.11 too; grades mode fixes the scale to the marks 1 to 5.
ColumnSummary summarise(const std::vector<double>& values, bool gradesMode) {
  if (values.empty()) return ColumnSummary();
  ColumnSummary s = summariseValues(values);
  if (gradesMode) {
    s.minimum = 1;
    s.maximum = 5;
    s.range = 4;
  }
  return s;
}

Text number(double value) {
  return trim(formatFixed(value, 2));
}

// A value right-aligned in its width; a longer one is written whole.
Text aligned(const Text& text, int width) {
  return static_cast<int>(text.size()) < width ? padLeft(text, width) : text;
}

Text valueLine(const Text& label, double value) {
  return U" " + padRight(label, 12) + aligned(number(value), 10);
}

void appendHeader(std::vector<Text>& out, const Text& name) {
  out.insert(out.end(), {U" ", kRule, U" " + name, kRule, U" "});
}

void appendColumn(std::vector<Text>& out, const ColumnSummary& s, const std::vector<double>& values,
                  int classes) {
  const char32_t* labels[] = {U"Anzahl:",     U"Minimum:",    U"Maximum:",
                              U"Schwankung:", U"Mittelwert:", U"Streuung:"};
  const double items[] = {
      static_cast<double>(s.count), s.minimum, s.maximum, s.range, s.mean, s.deviation};
  for (int i = 0; i < 6; ++i) out.push_back(valueLine(labels[i], items[i]));
  out.insert(out.end(), {U" Verteilung:", U" "});
  if (values.empty()) return;
  const double width = std::abs(s.maximum - s.minimum) / (classes - 1);
  const double start = s.minimum - width / 2;
  for (int i = 0; i < classes; ++i) {
    const double lower = start + i * width;
    const double upper = start + (i + 1) * width;
    const auto count = std::count_if(values.begin(), values.end(),
                                     [&](double v) { return lower <= v && v < upper; });
    const double percentage = static_cast<double>(count) / s.count * 100;
    out.push_back(U" " + aligned(intToText(count), 3) + U"(" +
                  aligned(trim(formatFixed(percentage, 0)), 2) + U"%) in [" + number(lower) + U"," +
                  number(upper) + U")");
  }
}

// The numbers of a numeric column, or nothing after a refusal.
std::optional<int> numericColumn(ListToolsContext& c, std::optional<int> column) {
  if (!column) return std::nullopt;
  const char type = c.state.structure.field(*column).type;
  if (type != 'N' && type != 'I') {
    c.dialogs.message(U"Abbruch: KEINE numerische Spalte !");
    return std::nullopt;
  }
  return column;
}

}  // namespace

std::vector<Text> statisticsLines(const StatisticsRequest& request) {
  const int classes = request.gradesMode ? 5 : request.classes;
  std::vector<Text> out;
  const ColumnSummary sx = summarise(request.x.values, request.gradesMode);
  appendHeader(out, request.x.name + U"(x)");
  appendColumn(out, sx, request.x.values, classes);
  if (request.y) {
    const ColumnSummary sy = summarise(request.y->values, request.gradesMode);
    appendHeader(out, request.y->name + U"(y)");
    appendColumn(out, sy, request.y->values, classes);
    const PairSummary r = pairOfValues(request.x.values, request.y->values).value_or(PairSummary());
    out.insert(out.end(), {U" ", kRule, U" "});
    out.push_back(valueLine(U"Korrelation:", r.correlation));
    out.push_back(valueLine(U"Regression: ", r.slope));
    out.push_back(valueLine(U"My-Reg*Mx:  ", r.intercept));
    out.insert(out.end(),
               {U" Y-Schätzung:", U" ", U" y^=" + number(r.slope) + U"*x+" + number(r.intercept)});
  }
  out.insert(out.end(), {U" ", kRule, U" <F1>  = Close Window ", U" <F2>  = Print Window ",
                         U" <F11> = small/large  ", kRule});
  return out;
}

void columnStatistics(ListToolsContext& c) {
  if (!columnOperationReady(c)) return;
  const ListStructure& structure = c.state.structure;
  const auto x =
      numericColumn(c, askColumn(c, U"Statistik einer CSV-Spalte", structure.fieldCount()));
  if (!x) return;
  const auto classes = askNumber(c, U"Klassenanzahl (2 .. 10)", U"der Häufigkeitsverteilung", U"5",
                                 2, 10, U"Abbruch: Falsche Spaltennummer !");
  if (!classes) return;
  std::optional<int> y;
  if (c.dialogs.confirm(U"Statistik einer zweiten Spalte ?")) {
    const Text current = intToText(c.state.view.currentColumn);
    const auto answer = c.dialogs.input(
        U"Statistik der zweiten CSV-Spalte",
        U"Nummer der Spalte 1 <= Y <= " + intToText(structure.fieldCount()), current);
    if (!answer) return;
    const std::optional<int> number = readWholeNumber(*answer);
    if (!number || *number < 1 || *number > structure.fieldCount()) {
      c.dialogs.message(U"Abbruch: Falsche Spaltennummer !");
      return;
    }
    y = numericColumn(c, number);
    if (!y) return;
  }

  const CaretMemory caret(c);
  StatisticsRequest request;
  request.classes = *classes;
  request.gradesMode = structure.gradesMode;
  request.x.name = structure.field(*x).name;
  if (y) request.y = StatisticsColumn{structure.field(*y).name, {}};
  const char32_t separator = c.state.settings.separator;
  for (const Text& line : recordLines(c)) {
    const auto vx = readNumber(trim(fieldText(line, separator, *x)));
    const auto vy = y ? readNumber(trim(fieldText(line, separator, *y))) : std::optional<double>();
    // A record counts when each chosen field holds a number.
    if (!vx || (y && !vy)) continue;
    request.x.values.push_back(*vx);
    if (y) request.y->values.push_back(*vy);
  }
  c.state.view.infoLines = statisticsLines(request);
  c.state.view.infoShown = true;
  caret.restore(c);
}

}  // namespace korvale
