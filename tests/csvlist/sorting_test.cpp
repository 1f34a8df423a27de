#include "csvlist/sorting.h"

#include <gtest/gtest.h>

#include "support/memory_text_editor.h"
#include "support/test_ports.h"

namespace korvale {
namespace {

using Lines = std::vector<Text>;

TEST(Sorting, Keys) {
  EXPECT_EQ(sortKey("a ; b;c", 2, ';', 10), "b;10");
  EXPECT_EQ(sortKey("a;b;", 3, ';', 3), ";3");
  EXPECT_EQ(sortKey("a; b ", 2, ';', 1), " b ;1");  // the remainder is not trimmed
  EXPECT_EQ(sortKey("a\tb", 1, '\t', 0), "a\t0");
}

TEST(Sorting, Lines) {
  struct Row {
    const char* label;
    Lines in;
    int column;
    bool headerOnTop;
    Lines expected;
  } rows[] = {
      {"capitals, then lower case, then umlauts",
       {"Name;", "bert;", "Anna;", "Zoe;", "ärger;"_cp, "Ärger;"_cp, "zora;", "Otto;"},
       1,
       true,
       {"Name;", "Anna;", "Otto;", "Zoe;", "bert;", "zora;", "Ärger;"_cp, "ärger;"_cp}},
      {"header sorted in", {"Name;", "Zoe;", "Anna;"}, 1, false, {"Anna;", "Name;", "Zoe;"}},
      {"numbers, a value that is no number last",
       {"Wert;", "10;", "9;", "a;", "100;", "9.5;", "-1;"},
       1,
       true,
       {"Wert;", "-1;", "9;", "9.5;", "10;", "100;", "a;"}},
      {"a numeric sort with the header sorted in",
       {"Wert;", "3;", "1;"},
       1,
       false,
       {"1;", "3;", "Wert;"}},
      {"the second key decides the kind of sort",
       {"H;", "a;", "5;", "3;"},
       1,
       true,
       {"H;", "3;", "5;", "a;"}},
      {"by the second column",
       {"Nr;Ort;", "1; Graz;", "2;Bonn;", "3;"},
       2,
       true,
       {"Nr;Ort;", "3;", "2;Bonn;", "1; Graz;"}},
      {"equal numbers in the order of the exchanges",
       {"N;T;", "1;A;", "1;B;", "1;C;"},
       1,
       true,
       {"N;T;", "1;C;", "1;B;", "1;A;"}},
      {"equal numbers among others",
       {"N;T;", "2;A;", "1;B;", "2;C;", "1;D;"},
       1,
       true,
       {"N;T;", "1;D;", "1;B;", "2;A;", "2;C;"}},
      {"one record", {"Name;", "x;"}, 1, true, {"Name;", "x;"}},
      {"one line", {"x;"}, 1, false, {"x;"}},
      {"nothing", {}, 1, false, {}},
  };
  for (const auto& r : rows)
    EXPECT_EQ(sortLines(r.in, r.column, ';', r.headerOnTop), r.expected) << r.label;
}

TEST(Sorting, EqualTextsFollowTheTextOfTheirLineNumber) {
  // Lines 2 and 10 hold the same value: key "a;10" sorts before "a;2".
  Lines lines = {"V;L;"};
  for (int i = 1; i <= 11; ++i)
    lines.push_back(Text(i == 2 || i == 10 ? "a" : "b") + ";" + std::to_string(i) + ";");
  const Lines sorted = sortLines(lines, 1, ';', true);
  std::vector<std::string> order;
  for (std::size_t i = 1; i < sorted.size(); ++i) order.push_back(sorted[i].substr(2));
  EXPECT_EQ(order, (std::vector<std::string>{"10;", "2;", "1;", "11;", "3;", "4;", "5;", "6;", "7;",
                                             "8;", "9;"}));
}

class SortCommand : public ::testing::Test {
 protected:
  void SetUp() override { editor.setLines(table); }

  Lines table = {"Nr;Name;", "2;Bert;", "1;Anna;", "3;Carl;", "#"};
  MemoryTextEditor editor;
  ListState state;
  TestDialogs dialogs;
  TestCursor cursor;
  bool headerChoice = false;
};

TEST_F(SortCommand, SortsByTheChosenColumnAndKeepsTheEndMarker) {
  dialogs.yes().useDefault();
  const auto result = sortCommand(editor, state, dialogs, cursor, 2, headerChoice);
  ASSERT_TRUE(result);
  EXPECT_EQ(*result, (Lines{"Nr;Name;", "1;Anna;", "2;Bert;", "3;Carl;"}));
  EXPECT_EQ(editor.lines(), (Lines{"Nr;Name;", "1;Anna;", "2;Bert;", "3;Carl;", "#"}));
  EXPECT_EQ(editor.caret(), (TextPos{0, 0}));
  EXPECT_EQ(dialogs.shown,
            (std::vector<std::string>{
                "[question] Frage | Sortierung OHNE Kopfzeile ?    -> yes",
                "[input] Sortierung nach einer Spalte | Spalten-Nummer von 1 bis 2  (0 = Abbruch) "
                "| 2 -> 2"}));
  EXPECT_TRUE(headerChoice);
  EXPECT_EQ(cursor.shapes, (std::vector<CursorShape>{CursorShape::Busy, CursorShape::Normal}));
}

TEST_F(SortCommand, CancelTakesTheDefaultColumn) {
  dialogs.no().cancel();
  const auto result = sortCommand(editor, state, dialogs, cursor, 1, headerChoice);
  ASSERT_TRUE(result);
  EXPECT_EQ(*result, (Lines{"1;Anna;", "2;Bert;", "3;Carl;", "Nr;Name;"}));
}

TEST_F(SortCommand, InvalidColumnsEndSilently) {
  for (const Text answer : {"0", "3", "-1", "x", "", " 1 ", "1.0"}) {
    TestDialogs answers;
    answers.yes().text(answer);
    headerChoice = true;
    EXPECT_FALSE(sortCommand(editor, state, answers, cursor, 1, headerChoice)) << answer;
    EXPECT_EQ(answers.shown.size(), 2u) << answer;
    EXPECT_FALSE(headerChoice) << answer;  // the answer Yes stays stored
  }
  EXPECT_EQ(editor.lines(), table);
  EXPECT_TRUE(cursor.shapes.empty());
}

TEST_F(SortCommand, EmptyEditorAsksNothing) {
  MemoryTextEditor empty;
  EXPECT_FALSE(sortCommand(empty, state, dialogs, cursor, 1, headerChoice));
}

}  // namespace
}  // namespace korvale
