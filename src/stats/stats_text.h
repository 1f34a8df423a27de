// The text lines the evaluations write below a table.
#pragma once

#include <vector>

#include "base/text.h"
#include "csvlist/field_table.h"
#include "stats/stats_table.h"

namespace korvale {

// "Auswertung:", the column's name and the six statistics, then " ", "" and " ".
std::vector<Text> oneDimensionalLines(const Text& xName, const ColumnSummary& summary,
                                      int decimals);
// One line per class of the frequency distribution.
std::vector<Text> classLines(const Distribution& distribution, bool schoolMarks, int decimals);

// The header line, both columns' statistics side by side, correlation and regression.
std::vector<Text> twoDimensionalLines(const Text& headerLine, const PairSummary& pair,
                                      bool schoolMarks, int decimals);

struct NDimensionalOptions {
  bool databaseMode = false;  // names come from the field table
  bool schoolMarks = false;
  int decimals = 2;
};

struct NDimensionalReport {
  std::vector<Text> lines;
  int matrixFirst = 0;  // 0-based lines of the correlation matrix block
  int matrixLast = 0;
  // A row or a column without any value.
  bool dataError = false;
};

// Row and column statistics, the correlation matrix and the summary lines.
NDimensionalReport nDimensionalReport(const StatsTable& table, const FieldTable& fields,
                                      const NDimensionalOptions& options);

}  // namespace korvale
