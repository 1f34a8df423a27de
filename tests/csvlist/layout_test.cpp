#include "csvlist/layout.h"

#include <gtest/gtest.h>

#include "base/text_routines.h"
#include "csvlist/table_text.h"
#include "support/memory_text_editor.h"
#include "support/test_ports.h"

namespace korvale {
namespace {

using Lines = std::vector<Text>;

ListState loadedState(const Text& header, const Text& firstRecord, int lineCount) {
  ListState state;
  state.loadedHeader = header;
  state.listSeparator = detectSeparator(firstRecord);
  state.detectedSeparator = state.listSeparator;
  state.table = buildFieldTable(header, &firstRecord, state.listSeparator, lineCount);
  return state;
}

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

TEST(Layout, ExpandCommandWithAndWithoutTheExtraBlank) {
  struct Row {
    bool withoutBlank;
    Lines expected;
  } rows[] = {
      {true, {U"Nr;Text;", U" 1;abcd;", U"12;xy  ;", U"#"}},
      {false, {U" Nr;Text ;", U"  1;abcd ;", U" 12;xy   ;", U"#"}},
  };
  for (const auto& r : rows) {
    MemoryTextEditor editor;
    editor.setLines({U"Nr;Text;", U"1;abcd;", U"12;xy;", U"#"});
    ListState state = loadedState(U"Nr;Text;", U"1;abcd;", 3);
    TestDialogs dialogs;
    if (r.withoutBlank)
      dialogs.yes();
    else
      dialogs.no();
    TestCursor cursor;
    expandCommand(editor, state, dialogs, cursor, true);
    EXPECT_EQ(editor.lines(), r.expected);
    EXPECT_EQ(dialogs.shown,
              (std::vector<std::string>{std::string("[confirm] Expand OHNE Zusatz-Blank ? -> ") +
                                        (r.withoutBlank ? "yes" : "no")}));
    EXPECT_EQ(state.table.field(1).width, 2);
    EXPECT_EQ(state.table.field(2).width, 4);
    EXPECT_EQ(state.displayedHeader, r.expected[0]);
    EXPECT_TRUE(state.extraBlank.empty());
    EXPECT_TRUE(editor.formatAt({0, 1}).bold);
    EXPECT_FALSE(editor.formatAt({1, 1}).bold);
    EXPECT_EQ(cursor.shapes, (std::vector<CursorShape>{CursorShape::Busy, CursorShape::Normal}));
  }
}

TEST(Layout, ExpandWithoutALoadedListKeepsLineOne) {
  MemoryTextEditor editor;
  editor.setLines({U"Nr;Text;", U"1;abcd;", U"10;x;"});
  ListState state;
  TestDialogs dialogs;
  dialogs.yes();
  TestCursor cursor;
  expandCommand(editor, state, dialogs, cursor, false);
  EXPECT_EQ(editor.lines(), (Lines{U"Nr;Text;", U" 1;abcd;", U"10;x   ;"}));
}

TEST(Layout, EmptyEditorIsLeftAloneWithoutQuestions) {
  MemoryTextEditor editor;
  ListState state;
  TestDialogs dialogs;  // fails on any dialog
  TestCursor cursor;
  compressCommand(editor, state, cursor);
  expandCommand(editor, state, dialogs, cursor, true);
  separatorCommand(editor, state, dialogs, [] { FAIL(); });
  applyDisplayFormatting(editor, state, cursor, 10, true);
  EXPECT_TRUE(editor.isEmpty());
  EXPECT_TRUE(cursor.shapes.empty());
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

TEST(Layout, DisplayFormattingInTheEditor) {
  MemoryTextEditor editor;
  editor.setLines({U" Nr ; Text", U"1;abcd", U"12 ; xy", U"#"});
  ListState state = loadedState(U"Nr;Text", U"1;abcd", 3);
  TestCursor cursor;
  applyDisplayFormatting(editor, state, cursor, 12, true);
  EXPECT_EQ(editor.lines(), (Lines{U"Nr;Text;", U" 1;abcd;", U"12;xy  ;", U"#"}));
  CharFormat body = tableFormat(12);
  CharFormat header = body;
  header.bold = true;
  EXPECT_EQ(editor.formatAt({0, 0}), header);
  EXPECT_EQ(editor.formatAt({0, 7}), header);
  EXPECT_EQ(editor.formatAt({1, 0}), body);
  EXPECT_EQ(editor.formatAt({3, 0}), body);
}

TEST(Layout, CompressCommandKeepsFormatsAndCaret) {
  MemoryTextEditor editor;
  editor.setLines({U"Nr ;Name  ;", U" 1 ; Anna ;", U"#"});
  CharFormat body = tableFormat(10);
  CharFormat header = body;
  header.bold = true;
  editor.applyFormat({0, 0}, editor.endPos(), body);
  editor.applyFormat({0, 0}, {0, 11}, header);
  editor.setCaret({1, 9});
  ListState state;
  TestCursor cursor;
  compressCommand(editor, state, cursor);
  EXPECT_EQ(editor.lines(), (Lines{U"Nr;Name;", U"1;Anna;", U"#"}));
  EXPECT_EQ(editor.formatAt({0, 2}), header);
  EXPECT_EQ(editor.formatAt({1, 2}), body);
  EXPECT_EQ(editor.caret(), (TextPos{1, 7}));  // held inside the shorter line
  EXPECT_EQ(cursor.shapes, (std::vector<CursorShape>{CursorShape::Busy, CursorShape::Normal}));
}

TEST(Layout, SeparatorAnswers) {
  struct Row {
    Text answer;  // "<cancel>" cancels the dialog
    std::optional<char> chosen;
  } rows[] = {
      {U"tab", '\t'},       {U" TaB ", '\t'},    {U",", ','},
      {U";", ';'},          {U"<cancel>", ';'},  {U"|", std::nullopt},
      {U"0", std::nullopt}, {U"", std::nullopt}, {U"t ab", std::nullopt},
  };
  for (const auto& r : rows) {
    MemoryTextEditor editor;
    editor.setLines({U"Nr;Ort;", U"1;Graz;", U"#"});
    ListState state = loadedState(U"Nr;Ort;", U"1;Graz;", 2);
    state.displayedHeader = U"Nr;Ort;";
    TestDialogs dialogs;
    if (r.answer == U"<cancel>")
      dialogs.cancel();
    else
      dialogs.text(r.answer);
    int formatted = 0;
    separatorCommand(editor, state, dialogs, [&] { ++formatted; });
    const char32_t s = r.chosen.value_or(';');
    const Text sep(1, s);
    EXPECT_EQ(editor.lines(), (Lines{U"Nr" + sep + U"Ort" + sep, U"1" + sep + U"Graz" + sep, U"#"}))
        << toUtf8(r.answer);
    EXPECT_EQ(state.listSeparator, s) << toUtf8(r.answer);
    EXPECT_EQ(state.loadedHeader, U"Nr" + sep + U"Ort" + sep);
    EXPECT_EQ(state.displayedHeader, U"Nr" + sep + U"Ort" + sep);
    EXPECT_EQ(formatted, r.chosen ? 1 : 0) << toUtf8(r.answer);
    if (!r.chosen) {
      ASSERT_EQ(dialogs.shown.size(), 2u);
      EXPECT_EQ(dialogs.shown[1], "[message] Falsche Separator-Eingabe !");
    } else {
      EXPECT_TRUE(editor.formatAt({0, 0}).bold);
      EXPECT_FALSE(editor.formatAt({1, 0}).bold);
      EXPECT_EQ(editor.caret(), (TextPos{0, 0}));
    }
  }
}

TEST(Layout, SeparatorPromptShowsTheCurrentSeparator) {
  MemoryTextEditor editor;
  editor.setLines({U"Nr\tOrt\t", U"1\tGraz\t"});
  ListState state;
  state.loadedHeader = U"Nr\tOrt\t";
  state.listSeparator = '\t';
  TestDialogs dialogs;
  dialogs.text(U";");
  separatorCommand(editor, state, dialogs, nullptr);
  EXPECT_EQ(dialogs.shown,
            (std::vector<std::string>{
                "[input] Ersetzen des Separators |  \\rAktueller Datenfeld-Separator =  \"TAB\"  "
                "\\r \\rSeparatoren: \";\" oder \"TAB\" oder \",\"\\r \\rAbbrechen der Routine mit "
                "\"0\"\\r  | ; -> ;"}));
  EXPECT_EQ(editor.lines(), (Lines{U"Nr;Ort;", U"1;Graz;"}));
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

TEST(Layout, LineCommandsRewriteOnlyOnChange) {
  MemoryTextEditor editor;
  editor.setLines({U"A;B", U"1;2", U"#"});
  addLastSeparatorCommand(editor);
  EXPECT_EQ(editor.lines(), (Lines{U"A;B;", U"1;2;", U"#"}));
  insertQuotesCommand(editor);
  EXPECT_EQ(editor.lines(), (Lines{U"A;B;", U"\"1\";\"2\";", U"#"}));
  removeQuotesCommand(editor);
  deleteLastSeparatorCommand(editor);
  EXPECT_EQ(editor.lines(), (Lines{U"A;B", U"1;2", U"#"}));

  MemoryTextEditor single;
  single.setLines({U"A;B"});
  addLastSeparatorCommand(single);
  EXPECT_EQ(single.lines(), (Lines{U"A;B"}));
  single.undo();  // no undo step of its own
  EXPECT_TRUE(single.isEmpty());
}

}  // namespace
}  // namespace korvale
