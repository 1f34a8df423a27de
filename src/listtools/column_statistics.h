// "Statistik": count, extremes, mean, spread and the distribution of one numeric column, or of
// two with their correlation and regression, as lines in the info window.
#pragma once

#include <optional>
#include <vector>

#include "base/text.h"
#include "listtools/list_tools_context.h"

namespace korvale {

struct StatisticsColumn {
  Text name;
  std::vector<double> values;  // of the records that count, in list order
};

struct StatisticsRequest {
  StatisticsColumn x;
  std::optional<StatisticsColumn> y;  // a second column, over the same records as x
  int classes = 5;                    // 2 to 10
  bool gradesMode = false;            // marks 1 to 5 in five classes
};

// The lines the info window shows.
std::vector<Text> statisticsLines(const StatisticsRequest& request);

// The button: the column prompts and questions, then the lines in the info window.
void columnStatistics(ListToolsContext& c);

}  // namespace korvale
