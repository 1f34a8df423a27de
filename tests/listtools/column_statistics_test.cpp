// What the scenario cannot show at a glance: the spread of large values keeps its digits, and a
// column without a single number gives zeros and no classes, never "nan".
#include <gtest/gtest.h>

#include <algorithm>

#include "listtools/column_statistics.h"

namespace korvale {
namespace {

Text lineStarting(const std::vector<Text>& lines, const Text& start) {
  const auto it = std::find_if(lines.begin(), lines.end(), [&](const Text& line) {
    return line.compare(0, start.size(), start) == 0;
  });
  return it == lines.end() ? Text() : *it;
}

TEST(ColumnStatistics, SpreadOfLargeValuesAndEmptyColumns) {
  struct Row {
    std::vector<double> x;
    Text mean, deviation;
    std::size_t lineCount;
  } rows[] = {
      // Σx² − n·mean² loses every digit here and may turn negative.
      {{1e9 + 1, 1e9 + 2, 1e9 + 3},
       U" Mittelwert: 1000000002.00",
       U" Streuung:         0.82",
       5 + 6 + 2 + 5 + 6},
      {{1e15 + 0.5, 1e15 + 1.5},
       U" Mittelwert: 1000000000000001.00",
       U" Streuung:         0.50",
       5 + 6 + 2 + 5 + 6},
      {{}, U" Mittelwert:       0.00", U" Streuung:         0.00", 5 + 6 + 2 + 6},
  };
  for (const auto& r : rows) {
    StatisticsRequest request;
    request.x = {U"WERT", r.x};
    request.classes = 5;
    const std::vector<Text> lines = statisticsLines(request);
    EXPECT_EQ(lineStarting(lines, U" Mittelwert:"), r.mean);
    EXPECT_EQ(lineStarting(lines, U" Streuung:"), r.deviation);
    EXPECT_EQ(lines.size(), r.lineCount);
    for (const Text& line : lines) EXPECT_EQ(line.find(U"nan"), Text::npos) << toUtf8(line);
  }
}

TEST(ColumnStatistics, NoPairWithoutNumbersGivesZeros) {
  StatisticsRequest request;
  request.x = {U"X", {}};
  request.y = StatisticsColumn{U"Y", {}};
  const std::vector<Text> lines = statisticsLines(request);
  EXPECT_EQ(lineStarting(lines, U" Korrelation:"), U" Korrelation:      0.00");
  EXPECT_EQ(lineStarting(lines, U" y^="), U" y^=0.00*x+0.00");
  EXPECT_EQ(lineStarting(lines, U" Anzahl:"), U" Anzahl:           0.00");
}

}  // namespace
}  // namespace korvale
