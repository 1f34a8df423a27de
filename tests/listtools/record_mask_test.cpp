#include "listtools/record_mask.h"

#include <gtest/gtest.h>

#include "list_tools_fixture.h"
#include "listtools/list_commands.h"
#include "listtools/structure.h"

namespace korvale {
namespace {

const std::string kWriteFirst = "[message] Zuerst neuen Datensatz schreiben !";
const char* kList = "Nr;Name;Gewicht;\r\n1;Anna;52.5;\r\n2;Bert;61.25;\r\n";

class RecordMaskTest : public ListToolsTest {
 protected:
  void fill(const Lines& values) { state.mask.edits = values; }
};

TEST_F(RecordMaskTest, EditShowsTheRecordUnderTheCaretAndTheArrowsWalk) {
  load("l.csv", kList);
  editor.setCaret({1, 3});
  editRecord(c);
  EXPECT_TRUE(state.mask.shown);
  EXPECT_EQ(state.mask.edits, (Lines{U"2", U"Bert", U"61.25"}));
  EXPECT_EQ(maskCaption(state.structure, 3), U"[3] Gewicht");
  EXPECT_EQ(state.view.focus, "mask1");
  maskNavigate(c, MaskStep::Next);  // the last record stays the last
  maskNavigate(c, MaskStep::First);
  EXPECT_EQ(state.mask.edits, (Lines{U"1", U"Anna", U"52.5"}));
  EXPECT_EQ(editor.caret(), (TextPos{0, 0}));
  maskNavigate(c, MaskStep::Previous);
  EXPECT_EQ(state.mask.current, 0);
  maskNavigate(c, MaskStep::Last);
  EXPECT_EQ(state.mask.current, 1);
  maskEnter(c, 1);
  EXPECT_EQ(state.view.focus, "mask2");
  maskEnter(c, 3);
  EXPECT_EQ(state.view.focus, "maskWrite");
}

TEST_F(RecordMaskTest, WriteFormatsEachValueToItsField) {
  struct Row {
    Text edit;
    ListField field;
    Text stored;
  } rows[] = {
      {U" Anna ", {U"N", 'T', 6}, U"Anna  "},
      {U"7", {U"N", 'I', 3}, U"  7"},
      {U"7.6", {U"N", 'I', 3}, U"  8"},
      {U"12abc", {U"N", 'I', 3}, U" 12"},
      {U"abc", {U"N", 'I', 3}, U"  0"},
      {U"3.14159", {U"N", 'N', 6}, U"  3.14"},
      {U"a;b", {U"N", 'T', 4}, U"ab  "},  // a separator would split the record
      // Never cut: a longer value is kept whole and its field grows.
      {U"Schwarzenberger", {U"N", 'T', 6}, U"Schwarzenberger"},
      {U"123456", {U"N", 'I', 3}, U"123456"},
  };
  for (const auto& r : rows)
    EXPECT_EQ(formatMaskValue(r.edit, r.field, U';'), r.stored) << toUtf8(r.edit);
}

TEST_F(RecordMaskTest, NewAndWriteAppendARecordAndALongValueWidensItsColumn) {
  load("l.csv", kList);
  editRecord(c);
  maskNew(c);
  EXPECT_EQ(view().back(), U" ");
  EXPECT_TRUE(state.mask.recordPending);
  for (auto step : {MaskStep::First, MaskStep::Previous, MaskStep::Next, MaskStep::Last})
    maskNavigate(c, step);
  maskExit(c);
  maskNew(c);
  EXPECT_EQ(shownDialogs(), std::vector<std::string>(6, kWriteFirst));
  fill({U"", U"  ", U""});
  maskWrite(c);
  EXPECT_EQ(shownDialogs(),
            (std::vector<std::string>{"[message] Leere Records sind NICHT erlaubt !"}));
  fill({U"3", U"Christiane", U"70"});
  maskWrite(c);
  EXPECT_EQ(view(),
            (Lines{U"1;Anna      ; 52.5;", U"2;Bert      ;61.25;", U"3;Christiane;70.00;"}));
  EXPECT_EQ(state.list.backup, view());
  EXPECT_EQ(state.view.countLabel, U"Sätze = 3 / Felder = 3 / l.csv");
  maskExit(c);
  EXPECT_FALSE(state.mask.shown);
  EXPECT_EQ(editor.caret(), (TextPos{2, 0}));
  EXPECT_TRUE(shownDialogs().empty());
}

TEST_F(RecordMaskTest, ChangingARecordReplacesItsLine) {
  load("l.csv", kList);
  editRecord(c);
  fill({U"1", U"Anne", U"53"});
  maskWrite(c);
  EXPECT_EQ(view(), (Lines{U"1;Anne;53.00;", U"2;Bert;61.25;"}));
}

TEST_F(RecordMaskTest, NoRecordIsAppendedBeyondTwoThousandLines) {
  std::string file = "Nr;\r\n";
  for (int i = 1; i <= 2000; ++i) file += std::to_string(i) + ";\r\n";
  load("voll.csv", file);
  editRecord(c);
  maskNew(c);
  EXPECT_FALSE(state.mask.recordPending);
  maskExit(c);
  dialogs.yes();
  appendRecord(c);
  EXPECT_EQ(editor.lineCount(), 2000);
  EXPECT_FALSE(state.mask.shown);
}

TEST_F(RecordMaskTest, AListWithoutRecordsOpensTheMaskWaitingForNew) {
  load("kopf.csv", "Nr;Name;\r\n");
  editRecord(c);
  EXPECT_TRUE(state.mask.shown && state.mask.entry);
  maskWrite(c);
  maskExit(c);
  EXPECT_EQ(shownDialogs(),
            (std::vector<std::string>{"[message] Zuerst <New> ausführen !", kWriteFirst}));
  maskNew(c);
  fill({U"1", U"Anna"});
  maskWrite(c);
  maskExit(c);
  EXPECT_EQ(view(), (Lines{U"1;Anna;"}));
}

TEST_F(RecordMaskTest, StripAppendsAndDeletesRecords) {
  load("l.csv", kList);
  dialogs.no();
  appendRecord(c);
  dialogs.yes();
  appendRecord(c);
  EXPECT_TRUE(state.mask.shown && state.mask.recordPending);
  fill({U"3", U"Cleo", U"1"});
  maskWrite(c);
  maskExit(c);
  shownDialogs();
  struct Row {
    std::string answer;
    std::vector<std::string> shown;
    int lines;
  } rows[] = {
      {"0", {"[message] Falsche Zeileneingabe !"}, 3},
      {"4", {"[message] Falsche Zeileneingabe !"}, 3},
      {"", {"[message] Falsche Zeileneingabe !"}, 3},
      {"cancel", {}, 3},  // Cancel deletes nothing
      {" 2x", {}, 2},     // the digits in front count
  };
  for (const auto& r : rows) {
    dialogs.yes();
    if (r.answer == "cancel")
      dialogs.cancel();
    else
      dialogs.text(fromUtf8(r.answer));
    deleteRecord(c);
    std::vector<std::string> shown = shownDialogs();
    ASSERT_GE(shown.size(), 2u);
    EXPECT_EQ(shown[0], "[confirm] Einen Datensatz löschen ? -> yes");
    EXPECT_EQ(shown[1],
              "[input] Datenzeile löschen (0 = Abbrechen) | Zeile 1, 2, 3, ... 3 | 3 -> " +
                  (r.answer == "cancel" ? "cancel" : r.answer));
    EXPECT_EQ(std::vector<std::string>(shown.begin() + 2, shown.end()), r.shown) << r.answer;
    EXPECT_EQ(editor.lineCount(), r.lines);
  }
  EXPECT_EQ(view(), (Lines{U"1;Anna; 52.5;", U"3;Cleo; 1.00;"}));
  EXPECT_EQ(state.list.backup, view());
}

TEST_F(RecordMaskTest, StripArrowsMoveTheCaretKeepingItsColumn) {
  load("l.csv", kList);
  editor.setCaret({0, 4});
  stripNavigate(c, MaskStep::Next);
  EXPECT_EQ(editor.caret(), (TextPos{1, 4}));
  EXPECT_EQ(state.view.positionLabel, U"Zeile: 2 / Spalte: 2 / Name");
  stripNavigate(c, MaskStep::First);
  EXPECT_EQ(editor.markStart(), (TextPos{0, 4}));
  EXPECT_EQ(editor.markedText(), U"n");  // locked: the character at the caret is marked
}

}  // namespace
}  // namespace korvale
