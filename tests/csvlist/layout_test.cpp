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
      {"Nr ;Name  ;", ';', ';', "Nr;Name;"},
      {"a;b", ';', ';', "a;b;"},
      {"a ; b", ';', ';', "a;b;"},
      {"  1;  x y ; 3 ", ';', ';', "1;x y;3;"},
      {"a;;b;", ';', ';', "a;;b;"},
      {"", ';', ';', ""},
      {"a\t b \t", '\t', ';', "a;b;"},  // the list separator is written
      {"  ;x", ';', ';', ";x;"},
  };
  for (const auto& r : rows) EXPECT_EQ(compressLine(r.line, r.split, r.list), r.expected) << r.line;
}

TEST(Layout, CompressLinesKeepsTheEndMarkerLast) {
  ListState state;
  state.listSeparator = ';';
  Lines lines = {"Nr ;Name ", " 1; abc ", "", " # "};
  compressLines(lines, state);
  EXPECT_EQ(lines, (Lines{"Nr;Name;", "1;abc;", "", "#"}));
  EXPECT_EQ(state.detectedSeparator, ';');

  Lines tabbed = {"A\tB", "1\t2"};
  compressLines(tabbed, state);
  EXPECT_EQ(tabbed, (Lines{"A;B;", "1;2;"}));
  EXPECT_EQ(state.detectedSeparator, '\t');
}

TEST(Layout, ColumnWidthsMeasureRecordsOnly) {
  struct Row {
    Lines lines;
    std::vector<int> expected;
  } rows[] = {
      {{"Nr;Text;", "1;abcd;", "12;xy;"}, {2, 4}},
      {{"Gewicht;", "5;", "7;"}, {1}},                       // the header is not measured
      {{"A;B;C;", "1;2;", "333;x;yy;zzzz;"}, {3, 1, 2, 4}},  // more fields than line 2
      {{"A;B;C;", "1;22;333;", "4444;"}, {4, 2, 3}},         // fewer fields count as empty
      {{"A;B;", "1;  x  "}, {1, 1}},                         // blanks around a remainder too
      {{"A;B;"}, {}},
  };
  for (const auto& r : rows) EXPECT_EQ(columnWidths(r.lines, ';'), r.expected) << r.lines[0];
}

TEST(Layout, AlignLine) {
  const std::vector<int> widths = {3, 5};
  struct Row {
    Text line, extra, expected;
  } rows[] = {
      {"1;ab;", "", "  1;ab   ;"},
      {"1;ab;", " ", "   1;ab    ;"},
      {"-2.5e1;7;", "", "-2.;    7;"},  // a number longer than its column is cut
      {"Gewicht;Name;", "", "Gew;Name ;"},
      {"x;y;extra  ;", "", "x  ;y    ;extra;"},  // beyond the known columns: unpadded, kept
      {"", "", ""},
  };
  for (const auto& r : rows)
    EXPECT_EQ(alignLine(r.line, ';', ';', widths, r.extra), r.expected) << r.line;
}

TEST(Layout, ExpandLinesKeepsEveryFieldOfLongerRecords) {
  ListState state = loadedState("A;B;C;", "1;2;", 3);
  Lines lines = {"A;B;C;", "1;2;", "333;x;yy;zzzz;", "#"};
  expandLines(lines, state);
  EXPECT_EQ(lines, (Lines{"A  ;B;C ;", "  1;2;", "333;x;yy;zzzz;", "#"}));
  EXPECT_EQ(state.table.field(1).width, 3);
  EXPECT_EQ(state.table.field(3).width, 2);
}

TEST(Layout, ExpandCommandWithAndWithoutTheExtraBlank) {
  struct Row {
    bool withoutBlank;
    Lines expected;
  } rows[] = {
      {true, {"Nr;Text;", " 1;abcd;", "12;xy  ;", "#"}},
      {false, {" Nr;Text ;", "  1;abcd ;", " 12;xy   ;", "#"}},
  };
  for (const auto& r : rows) {
    MemoryTextEditor editor;
    editor.setLines({"Nr;Text;", "1;abcd;", "12;xy;", "#"});
    ListState state = loadedState("Nr;Text;", "1;abcd;", 3);
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
  editor.setLines({"Nr;Text;", "1;abcd;", "10;x;"});
  ListState state;
  TestDialogs dialogs;
  dialogs.yes();
  TestCursor cursor;
  expandCommand(editor, state, dialogs, cursor, false);
  EXPECT_EQ(editor.lines(), (Lines{"Nr;Text;", " 1;abcd;", "10;x   ;"}));
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
  ListState state = loadedState("Name;Gewicht;", "Anna;5;", 3);
  Lines lines = {"Name;Gewicht;", "Anna ; 5", "Bernd;7", "#"};
  formatDisplayLines(lines, state, true);
  EXPECT_EQ(lines, (Lines{"Name ;G;", "Anna ;5;", "Bernd;7;", "#"}));
  EXPECT_EQ(state.displayedHeader, "Name ;G;");

  Lines markerOnly = {"#"};
  formatDisplayLines(markerOnly, state, true);
  EXPECT_EQ(markerOnly, (Lines{"#"}));
}

TEST(Layout, DisplayFormattingInTheEditor) {
  MemoryTextEditor editor;
  editor.setLines({" Nr ; Text", "1;abcd", "12 ; xy", "#"});
  ListState state = loadedState("Nr;Text", "1;abcd", 3);
  TestCursor cursor;
  applyDisplayFormatting(editor, state, cursor, 12, true);
  EXPECT_EQ(editor.lines(), (Lines{"Nr;Text;", " 1;abcd;", "12;xy  ;", "#"}));
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
  editor.setLines({"Nr ;Name  ;", " 1 ; Anna ;", "#"});
  CharFormat body = tableFormat(10);
  CharFormat header = body;
  header.bold = true;
  editor.applyFormat({0, 0}, editor.endPos(), body);
  editor.applyFormat({0, 0}, {0, 11}, header);
  editor.setCaret({1, 9});
  ListState state;
  TestCursor cursor;
  compressCommand(editor, state, cursor);
  EXPECT_EQ(editor.lines(), (Lines{"Nr;Name;", "1;Anna;", "#"}));
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
      {"tab", '\t'},       {" TaB ", '\t'},    {",", ','},
      {";", ';'},          {"<cancel>", ';'},  {"|", std::nullopt},
      {"0", std::nullopt}, {"", std::nullopt}, {"t ab", std::nullopt},
  };
  for (const auto& r : rows) {
    MemoryTextEditor editor;
    editor.setLines({"Nr;Ort;", "1;Graz;", "#"});
    ListState state = loadedState("Nr;Ort;", "1;Graz;", 2);
    state.displayedHeader = "Nr;Ort;";
    TestDialogs dialogs;
    if (r.answer == "<cancel>")
      dialogs.cancel();
    else
      dialogs.text(r.answer);
    int formatted = 0;
    separatorCommand(editor, state, dialogs, [&] { ++formatted; });
    const char s = r.chosen.value_or(';');
    const Text sep(1, s);
    EXPECT_EQ(editor.lines(), (Lines{"Nr" + sep + "Ort" + sep, "1" + sep + "Graz" + sep, "#"}))
        << r.answer;
    EXPECT_EQ(state.listSeparator, s) << r.answer;
    EXPECT_EQ(state.loadedHeader, "Nr" + sep + "Ort" + sep);
    EXPECT_EQ(state.displayedHeader, "Nr" + sep + "Ort" + sep);
    EXPECT_EQ(formatted, r.chosen ? 1 : 0) << r.answer;
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
  editor.setLines({"Nr\tOrt\t", "1\tGraz\t"});
  ListState state;
  state.loadedHeader = "Nr\tOrt\t";
  state.listSeparator = '\t';
  TestDialogs dialogs;
  dialogs.text(";");
  separatorCommand(editor, state, dialogs, nullptr);
  EXPECT_EQ(dialogs.shown,
            (std::vector<std::string>{
                "[input] Ersetzen des Separators |  \\rAktueller Datenfeld-Separator =  \"TAB\"  "
                "\\r \\rSeparatoren: \";\" oder \"TAB\" oder \",\"\\r \\rAbbrechen der Routine mit "
                "\"0\"\\r  | ; -> ;"}));
  EXPECT_EQ(editor.lines(), (Lines{"Nr;Ort;", "1;Graz;"}));
}

TEST(Layout, QuotesRoundTrip) {
  const Lines tables[] = {
      {"A;B;", "1;x;", "2;;", "3;y", "", "#"},
      {"A,B", "1,x y", "22,"},
      {"A\tB", "1\tx", "\t"},
      {"Nr;", "x#;"},  // a "#" inside a record is data
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
      {{"A;B;", "1;x;", "2;;", "3;y", "#"},
       true,
       {"A;B;", "\"1\";\"x\";", "\"2\";\"\";", "\"3\";\"y\"", "#"}},
      {{"A;B;", "\"1\";\"x\";"}, true, {"A;B;", "\"1\";\"x\";"}},  // already quoted
      {{"A;B;", "1;x;"}, false, {"A;B;", "1;x;"}},                 // not quoted
      {{"A;B;"}, true, {"A;B;"}},
      {{"A;", "x#;"}, true, {"A;", "\"x#\";"}},
      {{"A;", "\"x\";"}, true, {"A;", "\"x\";"}},  // one field, already quoted
      {{"A;", "\"x\";", "\"y\""}, false, {"A;", "x;", "y"}},
  };
  for (const auto& r : rows) {
    Lines lines = r.in;
    if (r.insert)
      insertQuotes(lines);
    else
      removeQuotes(lines);
    EXPECT_EQ(lines, r.expected) << r.in.back();
  }
}

TEST(Layout, FinalSeparators) {
  struct Row {
    Lines in;
    bool add;
    Lines expected;
  } rows[] = {
      {{"A;B", "1;2;", "", "#"}, true, {"A;B;", "1;2;", "", "#"}},
      {{"A,B", "1,2"}, true, {"A,B,", "1,2,"}},
      {{"A\tB", "1\t2"}, true, {"A\tB\t", "1\t2\t"}},
      {{"A;B;"}, true, {"A;B;"}},  // needs two lines
      {{"A;B;", "1;2", ";", "#"}, false, {"A;B", "1;2", "", "#"}},
  };
  for (const auto& r : rows) {
    Lines lines = r.in;
    if (r.add)
      addLastSeparator(lines);
    else
      deleteLastSeparator(lines);
    EXPECT_EQ(lines, r.expected) << r.in.front();
  }
}

TEST(Layout, LineCommandsRewriteOnlyOnChange) {
  MemoryTextEditor editor;
  editor.setLines({"A;B", "1;2", "#"});
  addLastSeparatorCommand(editor);
  EXPECT_EQ(editor.lines(), (Lines{"A;B;", "1;2;", "#"}));
  insertQuotesCommand(editor);
  EXPECT_EQ(editor.lines(), (Lines{"A;B;", "\"1\";\"2\";", "#"}));
  removeQuotesCommand(editor);
  deleteLastSeparatorCommand(editor);
  EXPECT_EQ(editor.lines(), (Lines{"A;B", "1;2", "#"}));

  MemoryTextEditor single;
  single.setLines({"A;B"});
  addLastSeparatorCommand(single);
  EXPECT_EQ(single.lines(), (Lines{"A;B"}));
  single.undo();  // no undo step of its own
  EXPECT_TRUE(single.isEmpty());
}

}  // namespace
}  // namespace korvale
