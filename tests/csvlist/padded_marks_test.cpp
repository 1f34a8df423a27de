#include "csvlist/padded_marks.h"

#include <gtest/gtest.h>

namespace korvale {
namespace {

TEST(PaddedMarks, ConvertsEveryMarkAfterTheName) {
  struct Row {
    Text line, from, to, expected;
    int count;
  } rows[] = {
      {U"Abc;1;0;2;", U"0", U"a", U"Abc;1;a;2;", 1},
      {U"Abc;0;0;0;", U"0", U"a", U"Abc;a;a;a;", 3},        // neighbours all change
      {U"Abc; 0;0 ;10;", U"0", U"a", U"Abc; a;a ;10;", 2},  // blanks stay; 10 is no mark
      {U"0;1;", U"0", U"a", U"0;1;", 0},                    // the name is never a mark
      {U"Abc;1;0", U"0", U"a", U"Abc;1;0", 0},              // no ";" after the last field
      {U"Abc;a;A; a ;ab;", U"a", U"0", U"Abc;0;0; 0 ;ab;", 3},
      {U"x\t0\t", U"0", U"a", U"x\t0\t", 0},
  };
  for (const auto& r : rows) {
    std::vector<Text> lines = {r.line};
    EXPECT_EQ(convertPaddedMarks(lines, r.from, r.to), r.count) << toUtf8(r.line);
    EXPECT_EQ(lines[0], r.expected);
  }
}

}  // namespace
}  // namespace korvale
