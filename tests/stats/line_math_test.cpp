#include "stats/line_math.h"

#include <gtest/gtest.h>

#include "stats/character_table.h"

namespace korvale {
namespace {

// Lines typed one after the other, as a teacher works down a page: each row sees the variables
// the rows above left behind.
TEST(LineMath, TheFourFormsInARow) {
  struct Row {
    Text line;
    std::optional<Text> result;  // nothing: "Auswertungsfehler !"
    char variable;
    double value;  // of `variable` afterwards
  };
  const Row rows[] = {
      {U"a = 3", U"a = 3.00", 'a', 3},
      {U"a =", U"a = 3.00", 'a', 3},
      {U"b=a*2+1", U"b = a*2+1 = 7.00", 'b', 7},
      {U"b =", U"b = 7.00", 'b', 7},
      {U"SQRT(b) =", U"sqrt(b) = 2.65", 'b', 7},
      {U"2+3 = 9", U"2+3 = 5.00", 'a', 3},
      {U"5 = 3", U"5 = 3.00", 'a', 3},  // nothing to store into
      {U"? =", U"? = ", 'a', 3},
      {U"A = 2", U"a = 2.00", 'a', 2},
      {U"b = a*2+1 = 7.00", U"b = a*2+1 = 5.00", 'b', 5},  // again, with the new a
      {U"  c  =  1E1 ", U"c = 10.00", 'c', 10},
      {U"c = c/4 = old", U"c = c/4 = 2.50", 'c', 2.5},
      {U"x = 5", U"x = 5.00", 'x', 5},
      {U"x = 1/0", std::nullopt, 'x', 0},  // the failed formula stores 0
      {U"y = 2*", std::nullopt, 'y', 0},
      {U"", std::nullopt, 'a', 2},
      {U"= 3", std::nullopt, 'a', 2},
      {U"no equals sign", std::nullopt, 'a', 2},
      {U"1/0 =", std::nullopt, 'a', 2},
      {U"ä = 1", U"ä = 1.00", 'a', 2},
  };
  VariableTable variables;
  for (const Row& row : rows) {
    SCOPED_TRACE(toUtf8(row.line));
    EXPECT_EQ(calculateLine(row.line, variables, 2), row.result);
    EXPECT_EQ(variables.get(row.variable), row.value);
  }
}

TEST(LineMath, DecimalsSetting) {
  VariableTable variables;
  EXPECT_EQ(calculateLine(U"a = 2.5", variables, 0), Text(U"a = 2"));
  EXPECT_EQ(calculateLine(U"1/3 =", variables, 8), Text(U"1/3 = 0.33333333"));
  EXPECT_EQ(calculateLine(U"a = 1234567890123", variables, 2), Text(U"a = 1234567890123.00"));
}

}  // namespace
}  // namespace korvale
