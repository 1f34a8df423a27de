#include "stats/stats_table.h"

#include <gtest/gtest.h>

#include <cmath>

#include "stats/number_output.h"

namespace korvale {
namespace {

using Lines = std::vector<Text>;

TEST(StatsTable, ExtractsRowsLabelsAndMissingValues) {
  struct Case {
    const char* name;
    Lines lines;
    ExtractionOptions options;
    std::vector<int> counts;
    std::vector<Text> labels;
    std::vector<std::vector<double>> values;  // what value(row, index) gives
  } cases[] = {
      {"header and margin",
       {U"NAME;A;B;", U"  Anna ;1; a;", U"Ben;2.5;3;"},
       {';', true, false},
       {2, 2},
       {U"Anna", U"Ben"},
       {{1, kMissingValue}, {2.5, 3}}},
      {"all data, missing final separator",
       {U"1,2", U"3,x", U""},
       {',', false, false},
       {2, 2, 1},
       {U"Zeile [  1]", U"Zeile [  2]", U"Zeile [  3]"},
       {{1, 2}, {3, kMissingValue}, {kMissingValue, kMissingValue}}},
      {"supplementary column left out",
       {U"NAMEN;M1;M2;ZUSATZ;", U"Abc;1;2;Bemerkung;", U"Def;a;5;7;"},
       {';', true, true},
       {2, 2},
       {U"Abc", U"Def"},
       {{1, 2, kMissingValue}, {kMissingValue, 5, kMissingValue}}},
      {"tab separated",
       {U"x\ty\t", U"1\t2\t"},
       {'\t', false, false},
       {2, 2},
       {U"Zeile [  1]", U"Zeile [  2]"},
       {{kMissingValue, kMissingValue}, {1, 2}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const StatsTable table = extractTable(c.lines, c.options);
    EXPECT_EQ(table.counts, c.counts);
    EXPECT_EQ(table.rowLabels, c.labels);
    int sum = 0;
    for (int n : c.counts) sum += n;
    EXPECT_EQ(table.countSum, sum);
    for (std::size_t r = 0; r < c.values.size(); ++r)
      for (std::size_t i = 0; i < c.values[r].size(); ++i)
        EXPECT_EQ(table.value(static_cast<int>(r + 1), static_cast<int>(i + 1)), c.values[r][i])
            << "row " << r + 1 << " index " << i + 1;
  }
}

TEST(StatsTable, ColumnLabels) {
  const StatsTable withHeader = extractTable({U"N;Gewicht;Größe", U"a;1;2"}, {';', true, false});
  EXPECT_EQ(withHeader.columnLabel(2), U"Gewicht");
  EXPECT_EQ(withHeader.columnLabel(3), U"Größe");
  EXPECT_EQ(withHeader.columnLabel(4), U"Spalte [ 4]");
  const StatsTable plain = extractTable({U"1;2"}, {';', false, false});
  EXPECT_EQ(plain.columnLabel(2), U"Spalte [ 2]");
  EXPECT_EQ(plain.columnLabel(12), U"Spalte [12]");
}

TEST(StatsTable, ConsistencyAndCapacity) {
  const StatsTable even = extractTable({U"1;2;", U"3;4;"}, {';', false, false});
  EXPECT_TRUE(isConsistent(even, 1));
  EXPECT_TRUE(isConsistent(even, 2));
  EXPECT_FALSE(isConsistent(even, 0));
  EXPECT_FALSE(isConsistent(even, 3));
  const StatsTable longer = extractTable({U"1;2;", U"3;4;5;"}, {';', false, false});
  EXPECT_FALSE(isConsistent(longer, 1));
  EXPECT_FALSE(isConsistent(extractTable({U"H;A;"}, {';', true, false}), 1));

  Lines rows(2001, U"1;2;");
  EXPECT_EQ(capacityProblem(extractTable(rows, {';', false, false})),
            Text(U"Abbruch: Die Tabelle hat mehr als 2000 Datenzeilen !"));
  rows.resize(2000);
  EXPECT_FALSE(capacityProblem(extractTable(rows, {';', false, false})));
  Text wide;
  for (int i = 0; i < 51; ++i) wide += U"1;";
  EXPECT_EQ(capacityProblem(extractTable({wide}, {';', false, false})),
            Text(U"Abbruch: Die Tabelle hat mehr als 50 Wertespalten !"));
  // The margin field is no value column: 51 fields hold 50 values.
  const Text fifty = wide.substr(2);
  EXPECT_FALSE(capacityProblem(extractTable({U"H;" + fifty, U"x;" + fifty}, {';', true, false})));
}

TEST(ColumnStatistics, SkipsMissingValuesAndDividesByN) {
  const auto s = columnStatistics({2, 4, kMissingValue, 4, 4, 5, 5, 7, 9});
  ASSERT_TRUE(s);
  EXPECT_EQ(s->count, 8);
  EXPECT_EQ(s->minimum, 2);
  EXPECT_EQ(s->maximum, 9);
  EXPECT_EQ(s->range, 7);
  EXPECT_DOUBLE_EQ(s->mean, 5);
  EXPECT_DOUBLE_EQ(s->deviation, 2);
  EXPECT_FALSE(columnStatistics({kMissingValue, kMissingValue}));
  EXPECT_FALSE(columnStatistics({}));
  // Large equal values: the deviation is exactly 0, never the root of a rounding error.
  const auto constant = columnStatistics({1e9 + 0.1, 1e9 + 0.1, 1e9 + 0.1});
  ASSERT_TRUE(constant);
  EXPECT_EQ(constant->deviation, 0);
}

TEST(PairStatistics, CorrelationSlopeAndIntercept) {
  struct Case {
    const char* name;
    std::vector<double> x, y;
    int pairs;
    double correlation, slope, intercept;
  } cases[] = {
      {"y = 2x + 1", {1, 2, 3, 4}, {3, 5, 7, 9}, 4, 1, 2, 1},
      {"falling", {1, 2, 3}, {3, 2, 1}, 3, -1, -1, 4},
      {"constant y", {1, 2, 3}, {5, 5, 5}, 3, 0, 0, 5},
      {"constant x", {2, 2, 2}, {1, 2, 3}, 3, 0, 0, 2},
      {"both constant", {2, 2}, {7, 7}, 2, 1, 1, 5},
      {"missing values drop the whole pair",
       {1, kMissingValue, 2, 3},
       {3, 100, 5, kMissingValue},
       2,
       1,
       2,
       1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto p = pairStatistics(c.x, c.y);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->x.count, c.pairs);
    EXPECT_EQ(p->y.count, c.pairs);
    EXPECT_NEAR(p->correlation, c.correlation, 1e-12);
    EXPECT_NEAR(p->slope, c.slope, 1e-12);
    EXPECT_NEAR(p->intercept, c.intercept, 1e-12);
  }
  EXPECT_FALSE(pairStatistics({1, kMissingValue}, {kMissingValue, 2}));
}

TEST(FrequencyDistribution, ClassEntryParsing) {
  struct Case {
    Text entry;
    bool valid;
    int count;
    double lower, width;
  } cases[] = {
      {U"5 , 0.50 , 1.00", true, 5, 0.5, 1},
      {U"12,-3,0.25", true, 12, -3, 0.25},
      {U"2, 1 ,2", true, 2, 1, 2},
      {U"13,0,1", false, 0, 0, 0},
      {U"1,0,1", false, 0, 0, 0},
      {U"5,0.5", false, 0, 0, 0},
      {U"5;0.5;1", false, 0, 0, 0},
      {U"5,0.5,1,2", false, 0, 0, 0},
      {U"5,a,1", false, 0, 0, 0},
      {U"", false, 0, 0, 0},
  };
  for (const Case& c : cases) {
    const auto e = parseClassEntry(c.entry);
    ASSERT_EQ(e.has_value(), c.valid) << toUtf8(c.entry);
    if (!e) continue;
    EXPECT_EQ(e->classCount, c.count) << toUtf8(c.entry);
    EXPECT_EQ(e->lowerBound, c.lower) << toUtf8(c.entry);
    EXPECT_EQ(e->width, c.width) << toUtf8(c.entry);
  }
}

TEST(FrequencyDistribution, DefaultEntryAndCounts) {
  ColumnSummary s;
  s.minimum = 10;
  s.maximum = 30;
  EXPECT_EQ(classEntryText(defaultClassEntry(s, false), 2), U"5 , 7.50 , 5.00");
  EXPECT_EQ(classEntryText(defaultClassEntry(s, true), 2), U"5 , 0.50 , 1.00");
  EXPECT_EQ(classEntryText(defaultClassEntry(s, true), 0), U"5 , 0 , 1");
  s.maximum = 10;
  EXPECT_EQ(classEntryText(defaultClassEntry(s, false), 1), U"5 , 10.0 , 0.0");

  // Lower bounds belong to a class, upper bounds to the next; outside values count nowhere.
  const Distribution d = distribute({0.5, 1, 1.49, 1.5, 3, 5.5, kMissingValue, -2}, {5, 0.5, 1.0});
  EXPECT_EQ(d.used, 7);
  EXPECT_EQ(d.counts, (std::vector<int>{3, 1, 1, 0, 0}));
  EXPECT_EQ(d.largestCount(), 3);
  EXPECT_NEAR(d.percentage(0), 300.0 / 7, 1e-12);
  const Distribution none = distribute({1, 2}, {3, 0, 0});
  EXPECT_EQ(none.counts, (std::vector<int>{0, 0, 0}));
  EXPECT_EQ(none.largestCount(), 0);
}

TEST(NumberOutput, AlignmentAndDecimals) {
  EXPECT_EQ(numberText(2.345, 2), U"2.35");
  EXPECT_EQ(numberText(2.5, 0), U"2");
  EXPECT_EQ(numberText(-1, 3), U"-1.000");
  EXPECT_EQ(alignLeft(U"Auswertung:", 12), U"Auswertung: ");
  EXPECT_EQ(alignLeft(U"abcdef", 3), U"abc");
  EXPECT_EQ(alignRight(U"abc", 5), U"  abc");
  EXPECT_EQ(alignRight(U"abcdef", 3), U"abc");
  EXPECT_EQ(alignNumber(U"12", 4), U"  12");
  // A number is never cut: 2000 in a field of 3 would read as 200.
  EXPECT_EQ(alignNumber(U"2000", 3), U"2000");
}

}  // namespace
}  // namespace korvale
