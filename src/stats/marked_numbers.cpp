#include "stats/marked_numbers.h"

#include <algorithm>
#include <cmath>

#include "base/numbers.h"
#include "base/text_routines.h"
#include "stats/stats_table.h"

namespace korvale {

namespace {

Text number(double value) {
  return trim(formatFixed(value, 10, 2));
}

}  // namespace

std::optional<MarkedNumbers> summariseMarkedNumbers(const std::vector<Text>& lines,
                                                    const MarkedTextReading& reading) {
  ExtractionOptions options;
  // Lines never hold a line break, so with it as the separator each line is one field.
  options.separator = reading.separator.value_or(U'\n');
  options.headerAndMargin = reading.headerAndMargin;
  const StatsTable table = extractTable(lines, options);

  std::vector<double> values;
  values.reserve(static_cast<std::size_t>(table.countSum));
  for (int row = 1; row <= table.rowCount(); ++row)
    for (int i = 1; i <= table.counts[static_cast<std::size_t>(row - 1)]; ++i)
      values.push_back(table.value(row, i));
  if (values.empty()) return std::nullopt;

  MarkedNumbers n;
  n.count = static_cast<int>(values.size());
  n.minimum = n.maximum = values.front();
  for (const double v : values) {
    n.minimum = std::min(n.minimum, v);
    n.maximum = std::max(n.maximum, v);
    n.sum += v;
  }
  n.mean = n.sum / n.count;
  // Squares summed around the mean: equal values give exactly 0, never a negative root.
  double squares = 0;
  for (const double v : values) squares += (v - n.mean) * (v - n.mean);
  n.spread = std::sqrt(squares / n.count);
  return n;
}

std::vector<Text> markedNumbersLines(const MarkedNumbers& n) {
  const Text rule = U"--------------------";
  return {rule,
          U"Anzahl = " + intToText(n.count),
          U"Minimum = " + number(n.minimum),
          U"Maximum = " + number(n.maximum),
          U"Schwankung = " + number(n.maximum - n.minimum),
          U"Summe = " + number(n.sum),
          U"Mittelwert = " + number(n.mean),
          U"Streuung = " + number(n.spread),
          rule};
}

}  // namespace korvale
