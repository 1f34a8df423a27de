#include "listtools/list_text.h"

#include <gtest/gtest.h>

#include "csvlist/layout.h"

namespace korvale {
namespace {

using Lines = std::vector<Text>;

TEST(ListText, SplitAndJoin) {
  struct Row {
    Text line;
    Lines fields;
  } rows[] = {
      {U"a;b;c;", {U"a", U"b", U"c"}},
      {U"a;b;c", {U"a", U"b", U"c"}},  // a missing final separator counts as there
      {U"a;;b;", {U"a", U"", U"b"}},
      {U" x ; y ;", {U" x ", U" y "}},  // nothing trimmed: lengths count the blanks
      {U";", {U""}},
      {U"", {}},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(splitFields(r.line, U';'), r.fields);
    if (!r.line.empty() && r.line.back() == U';') {
      EXPECT_EQ(joinFields(r.fields, U';'), r.line);
    }
  }
  EXPECT_EQ(splitFields(U"a\tb", U'\t'), (Lines{U"a", U"b"}));
}

TEST(ListText, LeadingNumbers) {
  struct Row {
    Text text;
    double number;
    int digits;
  } rows[] = {
      {U"12abc", 12, 12},   {U"2.5.1", 2.5, 2},
      {U"-3.75", -3.75, 0}, {U"1e3x", 1000, 1},
      {U"1e", 1, 1},        {U"abc", 0, 0},
      {U"", 0, 0},          {U"+7", 7, 0},
      {U"007", 7, 7},       {U"99999999999", 99999999999.0, 999999999},
  };
  for (const auto& r : rows) {
    EXPECT_DOUBLE_EQ(leadingNumber(r.text), r.number) << toUtf8(r.text);
    EXPECT_EQ(leadingDigits(r.text), r.digits) << toUtf8(r.text);
  }
}

TEST(ListText, CharacterRoutines) {
  EXPECT_EQ(removeCharacter(U"a;b;;c", U';'), U"abc");
  EXPECT_EQ(squeeze(U"a  b   c ", U' '), U"a b c ");
  EXPECT_EQ(squeeze(U"", U' '), U"");
}

TEST(ListText, CompressAndExpandRecordsWithoutTheHeader) {
  Lines records = {U" 1 ; abcd ;", U"12;xy", U""};
  compressRecords(records, U';');
  EXPECT_EQ(records, (Lines{U"1;abcd;", U"12;xy;", U""}));
  expandRecords(records, U';', Text());
  EXPECT_EQ(records, (Lines{U" 1;abcd;", U"12;xy  ;", U""}));
  expandRecords(records, U';', U" ");
  EXPECT_EQ(records, (Lines{U"  1;abcd ;", U" 12;xy   ;", U""}));
}

TEST(ListText, WidenField) {
  Lines lines = {U"ab;1;", U"abcd;12;", U"x", U""};
  widenField(lines, 1, 5, false, U';');
  widenField(lines, 2, 3, true, U';');
  EXPECT_EQ(lines, (Lines{U"ab   ;  1;", U"abcd ; 12;", U"x    ", U""}));
}

TEST(ListText, SharedOperationsOnRecordsWithTheHeaderLent) {
  Lines records = {U"1;Anna;", U"2;Bert;"};
  withHeaderLent(records, U"NR;NAME;", insertQuotes);
  EXPECT_EQ(records, (Lines{U"\"1\";\"Anna\";", U"\"2\";\"Bert\";"}));
  withHeaderLent(records, U"NR;NAME;", removeQuotes);
  withHeaderLent(records, U"NR;NAME;", deleteLastSeparator);
  EXPECT_EQ(records, (Lines{U"1;Anna", U"2;Bert"}));
}

}  // namespace
}  // namespace korvale
