#include "csvlist/field_table.h"

#include <gtest/gtest.h>

namespace korvale {
namespace {

TEST(FieldTable, TypesComeFromTheFirstRecord) {
  const Text record = "x;1;a;2.5;A;$1F;0x10;;1 ; -3;";
  const FieldTable t = buildFieldTable("A;B;C;D;E;F;G;H;I;J;", &record, ';', 2);
  ASSERT_EQ(t.fieldCount(), 10);
  const char* expected = "TNNTNNNTNN";  // the split trims "1 " before typing
  for (int i = 1; i <= 10; ++i) EXPECT_EQ(t.field(i).type, expected[i - 1]) << "field " << i;
  EXPECT_EQ(t.field(2).width, 1);
  EXPECT_EQ(t.field(9).width, 1);  // the trimmed split removed the blank
  EXPECT_EQ(t.field(11).name, "");
}

TEST(FieldTable, SchoolMarkRecognition) {
  struct Row {
    Text header, first;
    bool schoolMarks, supplementary;
  } rows[] = {
      {"NAMEN;M1;M2;ZUSATZ;", "Abc;1;2;Bemerkung;", true, true},
      {"NAMEN;M1;M2;ZUSATZ;", "Abc;12;2;x;", false, false},
      {"NAMEN;M1;M2;M3;", "Abc;1;a;3;", true, false},
      {"NAMEN;M1;M2;M3;", "Abc;1;22;3;", false, false},
      {"NAMEN;NOTE;", "Abc;irgendwas;", true, false},  // no fields 2 .. n-1 to examine
      {"NAMEN;", "Abc;", true, false},
      {"NR;M1;M2;", "1;2;3;", false, false},  // the first field must be a text
      {"NAMEN;M1;Zusatz;", "Abc;1;x;", true, false},
      {"NR;M1;ZUSATZ;", "7;1;x;", false, true},  // the supplementary flag is not taken back
  };
  for (const auto& r : rows) {
    const FieldTable t = buildFieldTable(r.header, &r.first, ';', 3);
    EXPECT_EQ(t.schoolMarks, r.schoolMarks) << r.header << " / " << r.first;
    EXPECT_EQ(t.supplementaryColumn, r.supplementary) << r.header << " / " << r.first;
  }
}

TEST(FieldTable, NamesAndCounts) {
  const Text first = "1;2;";
  const FieldTable t = buildFieldTable(" Nummer ; Zuname ;Ort", &first, ';', 26);
  EXPECT_EQ(t.fieldCount(), 3);
  EXPECT_EQ(t.field(1).name, "Nummer");
  EXPECT_EQ(t.field(3).name, "Ort");
  EXPECT_EQ(t.longestNameLength, 6);
  EXPECT_EQ(t.recordCount(), 25);
  EXPECT_EQ(t.field(3).width, 0);  // missing in the first record
  const FieldTable noRecord = buildFieldTable("A;", nullptr, ';', 1);
  EXPECT_EQ(noRecord.field(1).type, 'T');
  EXPECT_EQ(buildFieldTable(";", nullptr, ';', 1).longestNameLength, 1);
}

TEST(FieldTable, AbsentMarkConversion) {
  struct Row {
    Text line, from, to, expected;
  } rows[] = {
      {"MAYER Anna;1;0;10; 0 ;0", "0", "a", "MAYER Anna;1;a;10; a ;0"},  // last has no separator
      {"Abc;a;A;a ;", "a", "0", "Abc;0;A;0 ;"},
      {"Lena;2;", "0", "a", "Lena;2;"},
      {"", "0", "a", ""},
      {"0;0;", "0", "a", "a;a;"},
  };
  for (const auto& r : rows) EXPECT_EQ(convertMarks(r.line, ';', r.from, r.to), r.expected);
  std::vector<Text> lines{"x\t0\t", "y\t5\t"};
  convertMarks(lines, '\t', "0", "a");
  EXPECT_EQ(lines, (std::vector<Text>{"x\ta\t", "y\t5\t"}));
}

TEST(FieldTable, FieldAtTheCaret) {
  struct Row {
    Text line;
    int column, number;
    Text field;
  } rows[] = {
      {"ab;cd;ef;", 0, 1, ""},
      {"ab;cd;ef;", 3, 2, "cd"},
      {"ab;cd;ef;", 4, 2, "cd"},
      {"ab;cd;ef;", 9, 4, ""},
      {"a,b;c", 2, 2, ""},
      {"a,b,c;", 2, 2, "b"},
      // the separator is detected in the text left of the caret: none there means TAB
      {" foto1.jpg ;x;", 5, 1, ""},
      {"x; foto1.jpg ;", 5, 2, "foto1.jpg"},
      {"", 0, 1, ""},
      {"a\tb\t", 2, 2, "b"},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(currentFieldNumber(r.line, r.column), r.number) << r.line << " @" << r.column;
    EXPECT_EQ(fieldUnderCaret(r.line, r.column), r.field) << r.line << " @" << r.column;
  }
}

}  // namespace
}  // namespace korvale
