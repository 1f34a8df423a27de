#include "csvlist/grades_mode.h"

#include <gtest/gtest.h>

#include "support/memory_text_editor.h"
#include "support/test_ports.h"

namespace korvale {
namespace {

using Lines = std::vector<Text>;

TEST(GradesMode, AbsentMarksToZero) {
  struct Row {
    Text line, expected;
    int count;
  } rows[] = {
      {U"Abc;1;a;2;", U"Abc;1;0;2;", 1},
      {U"Abc; a ;A;a;", U"Abc; 0 ;0;0;", 3},  // blanks stay, any case
      {U"a;1;", U"0;1;", 1},
      {U"Anna;Maria;ab;a", U"Anna;Maria;ab;a", 0},  // no ";" after the last field
      {U"x\ta\t", U"x\ta\t", 0},                    // only ";" separates here
  };
  for (const auto& r : rows) {
    Lines lines = {r.line};
    EXPECT_EQ(absentMarksToZero(lines), r.count) << toUtf8(r.line);
    EXPECT_EQ(lines[0], r.expected);
  }
}

TEST(GradesMode, ZerosToAbsentMarks) {
  struct Row {
    Text line, expected;
    int count;
  } rows[] = {
      {U"Abc;1;0;2;", U"Abc;1;a;2;", 1},
      {U"Abc;0;0;0;", U"Abc;a;a;a;", 3},  // neighbouring absent marks all change
      {U"0;1;", U"0;1;", 0},              // the first field has no ";" before it
      {U"x;10;0 ; 0;", U"x;10;0 ; 0;", 0},
      {U"x,0,1,", U"x,0,1,", 0},
  };
  for (const auto& r : rows) {
    Lines lines = {r.line};
    EXPECT_EQ(zerosToAbsentMarks(lines), r.count) << toUtf8(r.line);
    EXPECT_EQ(lines[0], r.expected);
  }
}

}  // namespace
}  // namespace korvale
