#include "csvlist/layout.h"

#include <gtest/gtest.h>

#include "base/text_routines.h"
#include "csvlist/table_cases.h"
#include "csvlist/table_text.h"
#include "support/memory_text_editor.h"
#include "support/test_ports.h"

namespace korvale {
namespace {

TEST(Layout, CompressLine) {
  struct Row {
    Text line;
    char split, list;
    Text expected;
  } rows[] = {
      {U"Nr ;Name  ;", ';', ';', U"Nr;Name;"},
      {U"a;b", ';', ';', U"a;b;"},
      {U"a ; b", ';', ';', U"a;b;"},
      {U"  1;  x y ; 3 ", ';', ';', U"1;x y;3;"},
      {U"a;;b;", ';', ';', U"a;;b;"},
      {U"", ';', ';', U""},
      {U"a\t b \t", '\t', ';', U"a;b;"},  // the list separator is written
      {U"  ;x", ';', ';', U";x;"},
  };
  for (const auto& r : rows)
    EXPECT_EQ(compressLine(r.line, r.split, r.list), r.expected) << toUtf8(r.line);
}

TEST(Layout, CompressLinesKeepsTheEndMarkerLast) {
  ListState state;
  state.listSeparator = ';';
  Lines lines = {U"Nr ;Name ", U" 1; abc ", U"", U" # "};
  compressLines(lines, state);
  EXPECT_EQ(lines, (Lines{U"Nr;Name;", U"1;abc;", U"", U"#"}));
  EXPECT_EQ(state.detectedSeparator, ';');

  Lines tabbed = {U"A\tB", U"1\t2"};
  compressLines(tabbed, state);
  EXPECT_EQ(tabbed, (Lines{U"A;B;", U"1;2;"}));
  EXPECT_EQ(state.detectedSeparator, '\t');
}

TEST(Layout, ColumnWidthsMeasureRecordsOnly) {
  struct Row {
    Lines lines;
    std::vector<int> expected;
  } rows[] = {
      {{U"Nr;Text;", U"1;abcd;", U"12;xy;"}, {2, 4}},
      {{U"Gewicht;", U"5;", U"7;"}, {1}},                       // the header is not measured
      {{U"A;B;C;", U"1;2;", U"333;x;yy;zzzz;"}, {3, 1, 2, 4}},  // more fields than line 2
      {{U"A;B;C;", U"1;22;333;", U"4444;"}, {4, 2, 3}},         // fewer fields count as empty
      {{U"A;B;", U"1;  x  "}, {1, 1}},                          // blanks around a remainder too
      {{U"A;B;"}, {}},
  };
  for (const auto& r : rows)
    EXPECT_EQ(columnWidths(r.lines, ';'), r.expected) << toUtf8(r.lines[0]);
}

TEST(Layout, AlignLine) {
  const std::vector<int> widths = {3, 5};
  struct Row {
    Text line, extra, expected;
  } rows[] = {
      {U"1;ab;", U"", U"  1;ab   ;"},
      {U"1;ab;", U" ", U"   1;ab    ;"},
      {U"-2.5e1;7;", U"", U"-2.;    7;"},  // a number longer than its column is cut
      {U"Gewicht;Name;", U"", U"Gew;Name ;"},
      {U"x;y;extra  ;", U"", U"x  ;y    ;extra;"},  // beyond the known columns: unpadded, kept
      {U"", U"", U""},
  };
  for (const auto& r : rows)
    EXPECT_EQ(alignLine(r.line, ';', ';', widths, r.extra), r.expected) << toUtf8(r.line);
}

TEST(Layout, ExpandLinesKeepsEveryFieldOfLongerRecords) {
  ListState state = loadedState(U"A;B;C;", U"1;2;", 3);
  Lines lines = {U"A;B;C;", U"1;2;", U"333;x;yy;zzzz;", U"#"};
  expandLines(lines, state);
  EXPECT_EQ(lines, (Lines{U"A  ;B;C ;", U"  1;2;", U"333;x;yy;zzzz;", U"#"}));
  EXPECT_EQ(state.table.field(1).width, 3);
  EXPECT_EQ(state.table.field(3).width, 2);
}

TEST(Layout, DisplayFormattingCutsALongNameToItsColumn) {
  ListState state = loadedState(U"Name;Gewicht;", U"Anna;5;", 3);
  Lines lines = {U"Name;Gewicht;", U"Anna ; 5", U"Bernd;7", U"#"};
  formatDisplayLines(lines, state, true);
  EXPECT_EQ(lines, (Lines{U"Name ;G;", U"Anna ;5;", U"Bernd;7;", U"#"}));
  EXPECT_EQ(state.displayedHeader, U"Name ;G;");

  Lines markerOnly = {U"#"};
  formatDisplayLines(markerOnly, state, true);
  EXPECT_EQ(markerOnly, (Lines{U"#"}));
}

TEST(Layout, QuotesRoundTrip) {
  const Lines tables[] = {
      {U"A;B;", U"1;x;", U"2;;", U"3;y", U"", U"#"},
      {U"A,B", U"1,x y", U"22,"},
      {U"A\tB", U"1\tx", U"\t"},
      {U"Nr;", U"x#;"},  // a "#" inside a record is data
  };
  for (const Lines& table : tables) {
    Lines lines = table;
    insertQuotes(lines);
    EXPECT_NE(lines, table);
    EXPECT_EQ(lines[0], table[0]);  // the header stays unquoted
    removeQuotes(lines);
    EXPECT_EQ(lines, table);
  }
}

TEST(Layout, QuoteResults) {
  struct Row {
    Lines in;
    bool insert;
    Lines expected;
  } rows[] = {
      {{U"A;B;", U"1;x;", U"2;;", U"3;y", U"#"},
       true,
       {U"A;B;", U"\"1\";\"x\";", U"\"2\";\"\";", U"\"3\";\"y\"", U"#"}},
      {{U"A;B;", U"\"1\";\"x\";"}, true, {U"A;B;", U"\"1\";\"x\";"}},  // already quoted
      {{U"A;B;", U"1;x;"}, false, {U"A;B;", U"1;x;"}},                 // not quoted
      {{U"A;B;"}, true, {U"A;B;"}},
      {{U"A;", U"x#;"}, true, {U"A;", U"\"x#\";"}},
      {{U"A;", U"\"x\";"}, true, {U"A;", U"\"x\";"}},  // one field, already quoted
      {{U"A;", U"\"x\";", U"\"y\""}, false, {U"A;", U"x;", U"y"}},
  };
  for (const auto& r : rows) {
    Lines lines = r.in;
    if (r.insert)
      insertQuotes(lines);
    else
      removeQuotes(lines);
    EXPECT_EQ(lines, r.expected) << toUtf8(r.in.back());
  }
}

TEST(Layout, FinalSeparators) {
  struct Row {
    Lines in;
    bool add;
    Lines expected;
  } rows[] = {
      {{U"A;B", U"1;2;", U"", U"#"}, true, {U"A;B;", U"1;2;", U"", U"#"}},
      {{U"A,B", U"1,2"}, true, {U"A,B,", U"1,2,"}},
      {{U"A\tB", U"1\t2"}, true, {U"A\tB\t", U"1\t2\t"}},
      {{U"A;B;"}, true, {U"A;B;"}},  // needs two lines
      {{U"A;B;", U"1;2", U";", U"#"}, false, {U"A;B", U"1;2", U"", U"#"}},
  };
  for (const auto& r : rows) {
    Lines lines = r.in;
    if (r.add)
      addLastSeparator(lines);
    else
      deleteLastSeparator(lines);
    EXPECT_EQ(lines, r.expected) << toUtf8(r.in.front());
  }
}

}  // namespace
}  // namespace korvale
