#include "csvlist/field_table.h"

#include <gtest/gtest.h>

namespace korvale {
namespace {

TEST(FieldTable, TypesComeFromTheFirstRecord) {
  const Text record = U"x;1;a;2.5;A;$1F;0x10;;1 ; -3;";
  const FieldTable t = buildFieldTable(U"A;B;C;D;E;F;G;H;I;J;", &record, ';', 2);
  ASSERT_EQ(t.fieldCount(), 10);
  const char* expected = "TNNTNNNTNN";  // the split trims "1 " before typing
  for (int i = 1; i <= 10; ++i) EXPECT_EQ(t.field(i).type, expected[i - 1]) << "field " << i;
  EXPECT_EQ(t.field(2).width, 1);
  EXPECT_EQ(t.field(9).width, 1);  // the trimmed split removed the blank
  EXPECT_EQ(t.field(11).name, U"");
}

TEST(FieldTable, ListSeparatorFromHeaderAndFirstRecord) {
  const struct {
    Text header, record;
    char32_t separator;
  } rows[] = {
      {U"NAMEN;DEU;", U"Anna;1;", ';'},
      {U"NAMEN,DEU", U"Anna,1", ','},
      {U"NAMEN\tDEU\tMAT", U"Anna\t1\t2", '\t'},
      // A comma in a name does not make a TAB list a comma list.
      {U"NAMEN\tDEU\tMAT", U"M\u00fcller, Hans\t2\t3", '\t'},
      {U"NAMEN,DEU,MAT,", U"M\u00fcller; Hans,2,3,", ','},
      // The rule keeps its order where the header holds its choice or nothing splits alike.
      {U"Name, Vorname\tNote", U"M\u00fcller, Hans\t2", ','},
      {U"NAMEN\tDEU", U"M\u00fcller, Hans\t2\t3", ','},
      {U"NAMEN", U"Anna, Ben", ','},
  };
  for (const auto& row : rows)
    EXPECT_EQ(detectListSeparator(row.header, row.record), row.separator) << toUtf8(row.record);
}

TEST(FieldTable, SchoolMarkRecognition) {
  struct Row {
    Text header, first;
    bool schoolMarks, supplementary;
  } rows[] = {
      {U"NAMEN;M1;M2;ZUSATZ;", U"Abc;1;2;Bemerkung;", true, true},
      {U"NAMEN;M1;M2;ZUSATZ;", U"Abc;12;2;x;", false, false},
      {U"NAMEN;M1;M2;M3;", U"Abc;1;a;3;", true, false},
      {U"NAMEN;M1;M2;M3;", U"Abc;1;22;3;", false, false},
      {U"NAMEN;NOTE;", U"Abc;irgendwas;", true, false},  // no fields 2 .. n-1 to examine
      {U"NAMEN;", U"Abc;", true, false},
      {U"NR;M1;M2;", U"1;2;3;", false, false},  // the first field must be a text
      {U"NAMEN;M1;Zusatz;", U"Abc;1;x;", true, false},
      {U"NR;M1;ZUSATZ;", U"7;1;x;", false, true},  // the supplementary flag is not taken back
  };
  for (const auto& r : rows) {
    const FieldTable t = buildFieldTable(r.header, &r.first, ';', 3);
    EXPECT_EQ(t.schoolMarks, r.schoolMarks) << toUtf8(r.header) << " / " << toUtf8(r.first);
    EXPECT_EQ(t.supplementaryColumn, r.supplementary)
        << toUtf8(r.header) << " / " << toUtf8(r.first);
  }
}

TEST(FieldTable, NamesAndCounts) {
  const Text first = U"1;2;";
  const FieldTable t = buildFieldTable(U" Nummer ; Zuname ;Ort", &first, ';', 26);
  EXPECT_EQ(t.fieldCount(), 3);
  EXPECT_EQ(t.field(1).name, U"Nummer");
  EXPECT_EQ(t.field(3).name, U"Ort");
  EXPECT_EQ(t.longestNameLength, 6);
  EXPECT_EQ(t.recordCount(), 25);
  EXPECT_EQ(t.field(3).width, 0);  // missing in the first record
  const FieldTable noRecord = buildFieldTable(U"A;", nullptr, ';', 1);
  EXPECT_EQ(noRecord.field(1).type, 'T');
  EXPECT_EQ(buildFieldTable(U";", nullptr, ';', 1).longestNameLength, 1);
}

TEST(FieldTable, AbsentMarkConversion) {
  struct Row {
    Text line, from, to, expected;
  } rows[] = {
      {U"MAYER Anna;1;0;10; 0 ;0", U"0", U"a",
       U"MAYER Anna;1;a;10; a ;0"},  // last has no separator
      {U"Abc;a;A;a ;", U"a", U"0", U"Abc;0;A;0 ;"},
      {U"Lena;2;", U"0", U"a", U"Lena;2;"},
      {U"", U"0", U"a", U""},
      {U"0;0;", U"0", U"a", U"a;a;"},
  };
  for (const auto& r : rows) EXPECT_EQ(convertMarks(r.line, ';', r.from, r.to), r.expected);
  std::vector<Text> lines{U"x\t0\t", U"y\t5\t"};
  convertMarks(lines, '\t', U"0", U"a");
  EXPECT_EQ(lines, (std::vector<Text>{U"x\ta\t", U"y\t5\t"}));
}

TEST(FieldTable, FieldAtTheCaret) {
  struct Row {
    Text line;
    int column, number;
    Text field;
  } rows[] = {
      {U"ab;cd;ef;", 0, 1, U""},
      {U"ab;cd;ef;", 3, 2, U"cd"},
      {U"ab;cd;ef;", 4, 2, U"cd"},
      {U"ab;cd;ef;", 9, 4, U""},
      {U"a,b;c", 2, 2, U""},
      {U"a,b,c;", 2, 2, U"b"},
      // the separator is detected in the text left of the caret: none there means TAB
      {U" foto1.jpg ;x;", 5, 1, U""},
      {U"x; foto1.jpg ;", 5, 2, U"foto1.jpg"},
      {U"", 0, 1, U""},
      {U"a\tb\t", 2, 2, U"b"},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(currentFieldNumber(r.line, r.column), r.number) << toUtf8(r.line) << " @" << r.column;
    EXPECT_EQ(fieldUnderCaret(r.line, r.column), r.field) << toUtf8(r.line) << " @" << r.column;
  }
}

}  // namespace
}  // namespace korvale
