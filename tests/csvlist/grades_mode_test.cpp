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

TEST(GradesMode, SwitchOffAndOnAgain) {
  MemoryTextEditor editor;
  editor.setLines({U"NAMEN;M1;M2;M3;", U"Abc;1;a;2;", U"#"});
  ListState state;
  state.table.schoolMarks = true;
  TestDialogs dialogs;
  dialogs.yes().yes();
  switchGradesMode(editor, state, dialogs);
  EXPECT_EQ(editor.lines(), (Lines{U"NAMEN;M1;M2;M3;", U"Abc;1;0;2;", U"#"}));
  EXPECT_FALSE(state.table.schoolMarks);
  switchGradesMode(editor, state, dialogs);
  EXPECT_EQ(editor.lines(), (Lines{U"NAMEN;M1;M2;M3;", U"Abc;1;a;2;", U"#"}));
  EXPECT_TRUE(state.table.schoolMarks);
  EXPECT_EQ(dialogs.shown, (std::vector<std::string>{
                               "[confirm] Schulnoten EIN. Einstellung ändern ? -> yes",
                               "[message] Schulnoten AUS. 1 Ersetzungen (a zu 0).",
                               "[confirm] Schulnoten AUS. Einstellung ändern ? -> yes",
                               "[message] Schulnoten EIN. 1 Ersetzungen (0 zu a).",
                           }));
  EXPECT_TRUE(editor.formatAt({0, 0}).bold);
  EXPECT_FALSE(editor.formatAt({1, 0}).bold);
}

TEST(GradesMode, NothingToConvertKeepsTheMode) {
  struct Row {
    bool on;
    std::string report;
  } rows[] = {
      {true, "[message] Schulnoten EIN. 0 Ersetzungen (a zu 0)."},
      {false, "[message] Schulnoten AUS. 0 Ersetzungen (0 zu a)."},
  };
  for (const auto& r : rows) {
    MemoryTextEditor editor;
    editor.setLines({U"NAMEN;M1;", U"Anna;1;", U"#"});
    ListState state;
    state.table.schoolMarks = r.on;
    TestDialogs dialogs;
    dialogs.yes();
    switchGradesMode(editor, state, dialogs);
    EXPECT_EQ(state.table.schoolMarks, r.on);
    EXPECT_EQ(editor.lines(), (Lines{U"NAMEN;M1;", U"Anna;1;", U"#"}));
    EXPECT_EQ(dialogs.shown.back(), r.report);
    EXPECT_TRUE(editor.formatAt({0, 0}).bold);
  }
}

TEST(GradesMode, AnsweringNoChangesNothing) {
  MemoryTextEditor editor;
  editor.setLines({U"Abc;1;a;2;"});
  ListState state;
  state.table.schoolMarks = true;
  TestDialogs dialogs;
  dialogs.no();
  switchGradesMode(editor, state, dialogs);
  EXPECT_EQ(editor.lines(), (Lines{U"Abc;1;a;2;"}));
  EXPECT_TRUE(state.table.schoolMarks);
  EXPECT_EQ(dialogs.shown.size(), 1u);
}

}  // namespace
}  // namespace korvale
