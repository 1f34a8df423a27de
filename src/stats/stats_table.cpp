#include "stats/stats_table.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "base/numbers.h"
#include "base/text_routines.h"
#include "csvlist/table_text.h"
#include "stats/number_output.h"

namespace korvale {

double StatsTable::value(int row, int index) const {
  if (row < 1 || row > rowCount() || index < 1) return kMissingValue;
  const auto r = static_cast<std::size_t>(row - 1);
  if (index > counts[r]) return kMissingValue;
  return values[r][static_cast<std::size_t>(index - 1)];
}

Text StatsTable::columnLabel(int fieldNumber) const {
  if (headerAndMargin && fieldNumber >= 1 && fieldNumber <= static_cast<int>(fieldNames.size()))
    return fieldNames[static_cast<std::size_t>(fieldNumber - 1)];
  return defaultColumnLabel(fieldNumber);
}

std::vector<double> StatsTable::column(int index) const {
  std::vector<double> out;
  out.reserve(values.size());
  for (int row = 1; row <= rowCount(); ++row) out.push_back(value(row, index));
  return out;
}

Text defaultRowLabel(int row) {
  return U"Zeile [" + alignRight(intToText(row), 3) + U"]";
}

Text defaultColumnLabel(int column) {
  return U"Spalte [" + alignRight(intToText(column), 2) + U"]";
}

StatsTable extractTable(const std::vector<Text>& lines, const ExtractionOptions& options) {
  StatsTable table;
  table.headerAndMargin = options.headerAndMargin;
  const char32_t sep = options.separator;
  std::size_t first = 0;
  if (options.headerAndMargin && !lines.empty()) {
    table.fieldNames = trimmedSplit(trim(lines.front()), sep);
    if (!table.fieldNames.empty()) table.cornerLabel = table.fieldNames.front();
    first = 1;
  }
  const std::size_t rows = lines.size() > first ? lines.size() - first : 0;
  table.values.reserve(rows);
  table.counts.reserve(rows);
  table.rowLabels.reserve(rows);
  Text numberField;
  for (std::size_t i = first; i < lines.size(); ++i) {
    const Text trimmed = trim(lines[i]);
    TextView rest = trimmed;
    Text label = defaultRowLabel(table.rowCount() + 1);
    if (options.headerAndMargin) {
      const std::size_t p = rest.find(sep);
      // A line without a separator has no margin field to take.
      label = p == TextView::npos ? Text() : trim(Text(rest.substr(0, p)));
      if (p != TextView::npos) rest.remove_prefix(p + 1);
    }
    // A missing final separator closes one more field, so an empty line is one field.
    Text fields(rest);
    if (fields.empty() || fields.back() != sep) fields += sep;
    std::vector<double> row;
    forEachTrimmedField(fields, sep, [&](TextView field) {
      numberField.assign(field);
      row.push_back(readNumber(numberField).value_or(kMissingValue));
    });
    int count = static_cast<int>(row.size());
    if (options.dropLastField && count > 0) --count;
    table.countSum += count;
    table.counts.push_back(count);
    table.values.push_back(std::move(row));
    table.rowLabels.push_back(std::move(label));
  }
  return table;
}

std::optional<Text> capacityProblem(const StatsTable& table) {
  if (table.rowCount() > kMaxStatsRows)
    return Text(U"Abbruch: Die Tabelle hat mehr als 2000 Datenzeilen !");
  if (table.firstRowCount() > kMaxValueColumns)
    return Text(U"Abbruch: Die Tabelle hat mehr als 50 Wertespalten !");
  return std::nullopt;
}

bool isConsistent(const StatsTable& table, int valueIndex) {
  const int first = table.firstRowCount();
  if (table.countSum == 0 || valueIndex < 1 || valueIndex > first) return false;
  return std::all_of(table.counts.begin(), table.counts.end(),
                     [first](int count) { return count == first; });
}

// Two passes over the values: the squares are summed around the mean, so the deviation of a
// constant column is exactly 0 and large values do not cancel each other out.
ColumnSummary summariseValues(const std::vector<double>& used) {
  ColumnSummary s;
  s.count = static_cast<int>(used.size());
  s.minimum = s.maximum = used.front();
  double sum = 0;
  for (const double v : used) {
    s.minimum = std::min(s.minimum, v);
    s.maximum = std::max(s.maximum, v);
    sum += v;
  }
  s.range = s.maximum - s.minimum;
  s.mean = sum / s.count;
  double squares = 0;
  for (const double v : used) squares += (v - s.mean) * (v - s.mean);
  s.deviation = std::sqrt(std::max(squares / s.count, 0.0));
  return s;
}

std::optional<ColumnSummary> columnStatistics(const std::vector<double>& values) {
  std::vector<double> used;
  used.reserve(values.size());
  for (const double v : values)
    if (!isMissing(v)) used.push_back(v);
  if (used.empty()) return std::nullopt;
  return summariseValues(used);
}

namespace {

// Runs for every pair of columns of the correlation matrix, so it allocates nothing.
template <class Counts>
std::optional<PairSummary> pairOf(const std::vector<double>& x, const std::vector<double>& y,
                                  Counts counts) {
  const std::size_t n = std::min(x.size(), y.size());
  PairSummary p;
  int used = 0;
  double sumX = 0;
  double sumY = 0;
  for (std::size_t i = 0; i < n; ++i) {
    if (!counts(i)) continue;
    if (used == 0) {
      p.x.minimum = p.x.maximum = x[i];
      p.y.minimum = p.y.maximum = y[i];
    }
    ++used;
    p.x.minimum = std::min(p.x.minimum, x[i]);
    p.x.maximum = std::max(p.x.maximum, x[i]);
    p.y.minimum = std::min(p.y.minimum, y[i]);
    p.y.maximum = std::max(p.y.maximum, y[i]);
    sumX += x[i];
    sumY += y[i];
  }
  if (used == 0) return std::nullopt;
  p.x.count = p.y.count = used;
  p.x.range = p.x.maximum - p.x.minimum;
  p.y.range = p.y.maximum - p.y.minimum;
  p.x.mean = sumX / used;
  p.y.mean = sumY / used;
  double xx = 0;
  double yy = 0;
  double xy = 0;
  for (std::size_t i = 0; i < n; ++i) {
    if (!counts(i)) continue;
    const double dx = x[i] - p.x.mean;
    const double dy = y[i] - p.y.mean;
    xx += dx * dx;
    yy += dy * dy;
    xy += dx * dy;
  }
  p.x.deviation = std::sqrt(std::max(xx / used, 0.0));
  p.y.deviation = std::sqrt(std::max(yy / used, 0.0));
  const double covariance = xy / used;
  const double sx = p.x.deviation;
  const double sy = p.y.deviation;
  if (sx * sy != 0) {
    p.correlation = covariance / (sx * sy);
    p.slope = covariance / (sx * sx);
  } else {
    // Two constant columns move together; one constant column says nothing about the other.
    p.correlation = p.slope = sx == sy ? 1.0 : 0.0;
  }
  p.intercept = p.y.mean - p.slope * p.x.mean;
  return p;
}

}  // namespace

std::optional<PairSummary> pairStatistics(const std::vector<double>& x,
                                          const std::vector<double>& y) {
  return pairOf(x, y, [&](std::size_t i) { return !isMissing(x[i]) && !isMissing(y[i]); });
}

std::optional<PairSummary> pairOfValues(const std::vector<double>& x,
                                        const std::vector<double>& y) {
  return pairOf(x, y, [](std::size_t) { return true; });
}

ClassEntry defaultClassEntry(const ColumnSummary& summary, bool schoolMarks) {
  const double u = schoolMarks ? 1.0 : summary.minimum;
  const double v = schoolMarks ? 5.0 : summary.maximum;
  ClassEntry entry;
  entry.classCount = 5;
  entry.width = std::abs(v - u) / (entry.classCount - 1);
  entry.lowerBound = u - entry.width / 2;
  return entry;
}

Text classEntryText(const ClassEntry& entry, int decimals) {
  return intToText(entry.classCount) + U" , " + numberText(entry.lowerBound, decimals) + U" , " +
         numberText(entry.width, decimals);
}

std::optional<ClassEntry> parseClassEntry(const Text& entry) {
  const Text s = removeBlanks(entry);
  const std::size_t c1 = s.find(',');
  if (c1 == Text::npos) return std::nullopt;
  const std::size_t c2 = s.find(',', c1 + 1);
  if (c2 == Text::npos) return std::nullopt;
  const auto count = readWholeNumber(s.substr(0, c1));
  const auto lower = readNumber(s.substr(c1 + 1, c2 - c1 - 1));
  const auto width = readNumber(s.substr(c2 + 1));
  if (!count || !lower || !width) return std::nullopt;
  if (*count < kMinClasses || *count > kMaxClasses) return std::nullopt;
  return ClassEntry{*count, *lower, *width};
}

double Distribution::lower(int classIndex) const {
  return entry.lowerBound + classIndex * entry.width;
}

double Distribution::upper(int classIndex) const {
  return entry.lowerBound + (classIndex + 1) * entry.width;
}

double Distribution::percentage(int classIndex) const {
  if (used == 0) return 0;
  return counts[static_cast<std::size_t>(classIndex)] / static_cast<double>(used) * 100.0;
}

int Distribution::largestCount() const {
  return counts.empty() ? 0 : *std::max_element(counts.begin(), counts.end());
}

Distribution distribute(const std::vector<double>& values, const ClassEntry& entry) {
  Distribution d;
  d.entry = entry;
  d.counts.assign(static_cast<std::size_t>(std::max(entry.classCount, 0)), 0);
  for (const double v : values) {
    if (isMissing(v)) continue;
    ++d.used;
    for (int i = 0; i < entry.classCount; ++i)
      if (d.lower(i) <= v && v < d.upper(i)) ++d.counts[static_cast<std::size_t>(i)];
  }
  return d;
}

std::optional<char32_t> tableSeparator(const Text& line) {
  if (line.find(';') != Text::npos) return ';';
  if (line.find(',') != Text::npos) return ',';
  if (line.find(kTab) != Text::npos) return kTab;
  return std::nullopt;
}

}  // namespace korvale
