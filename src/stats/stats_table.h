// The statistics table read from a table in the editor, and the statistics computed over it.
#pragma once

#include <optional>
#include <vector>

#include "base/text.h"

namespace korvale {

inline constexpr int kMaxStatsRows = 2000;
inline constexpr int kMaxValueColumns = 50;

// How the lines of a table are read.
struct ExtractionOptions {
  char32_t separator = ';';
  // Line 1 holds the field names and the first field of every line labels its row.
  bool headerAndMargin = false;
  // The last field is a supplementary column that is not evaluated (grades mode).
  bool dropLastField = false;
};

struct StatsTable {
  bool headerAndMargin = false;
  std::vector<Text> fieldNames;  // the fields of the header line, field 1 first
  Text cornerLabel;              // the header's margin field
  std::vector<Text> rowLabels;   // rowLabels[i - 1] labels row i
  // values[i - 1] holds all fields of row i; its count may be smaller.
  std::vector<std::vector<double>> values;
  std::vector<int> counts;
  int countSum = 0;

  int rowCount() const { return static_cast<int>(values.size()); }
  int firstRowCount() const { return counts.empty() ? 0 : counts.front(); }
  // 1-based row and value index; values the row does not hold count as missing.
  double value(int row, int index) const;
  // The name of field `fieldNumber` in the header line, else "Spalte [" + number + "]".
  Text columnLabel(int fieldNumber) const;
  // All rows' values at one index, in row order.
  std::vector<double> column(int index) const;
};

Text defaultRowLabel(int row);
Text defaultColumnLabel(int column);

// Lines are trimmed; empty lines are rows of one missing value.
StatsTable extractTable(const std::vector<Text>& lines, const ExtractionOptions& options);

// Why a table is too big for the evaluations; nothing when it fits.
std::optional<Text> capacityProblem(const StatsTable& table);

// Every row holds as many values as row 1, the index lies within them, and there is a value.
bool isConsistent(const StatsTable& table, int valueIndex);

// Statistics of one column, over its values that are not missing.
struct ColumnSummary {
  int count = 0;
  double minimum = 0;
  double maximum = 0;
  double range = 0;
  double mean = 0;
  double deviation = 0;  // population standard deviation (divided by n)

  bool operator==(const ColumnSummary&) const = default;
};

// Two columns over the rows where both hold a value.
struct PairSummary {
  ColumnSummary x;
  ColumnSummary y;
  double correlation = 0;
  double slope = 0;
  double intercept = 0;
};

// Statistics of values that are all present (at least one): no mark is read as missing.
ColumnSummary summariseValues(const std::vector<double>& values);
std::optional<ColumnSummary> columnStatistics(const std::vector<double>& values);
// Both columns must be of equal length; nothing without a complete pair.
std::optional<PairSummary> pairStatistics(const std::vector<double>& x,
                                          const std::vector<double>& y);
// The same over values that are all present: no mark is read as missing.
std::optional<PairSummary> pairOfValues(const std::vector<double>& x, const std::vector<double>& y);

// The class entry "count , lower bound , width".
struct ClassEntry {
  int classCount = 5;
  double lowerBound = 0;
  double width = 0;
};

inline constexpr int kMinClasses = 2;
inline constexpr int kMaxClasses = 12;

// Five classes over minimum to maximum (1 to 5 for school marks), the first centred on it.
ClassEntry defaultClassEntry(const ColumnSummary& summary, bool schoolMarks);
Text classEntryText(const ClassEntry& entry, int decimals);
// Blanks removed, split at the first two commas; nothing when it does not read or the class
// count is outside 2 to 12.
std::optional<ClassEntry> parseClassEntry(const Text& entry);

struct Distribution {
  ClassEntry entry;
  std::vector<int> counts;  // one per class
  int used = 0;             // values that are not missing

  double lower(int classIndex) const;  // 0-based class
  double upper(int classIndex) const;
  double percentage(int classIndex) const;
  int largestCount() const;
};

Distribution distribute(const std::vector<double>& values, const ClassEntry& entry);

// The separator of a table's first line: ";", "," or TAB, whichever it holds first in that
// order; nothing when it holds none, so the text is no table.
std::optional<char32_t> tableSeparator(const Text& line);

}  // namespace korvale
