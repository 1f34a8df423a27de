#include "csvlist/selection.h"

#include <gtest/gtest.h>

#include "base/text_routines.h"
#include "csvlist/layout.h"
#include "csvlist/table_text.h"
#include "support/memory_text_editor.h"
#include "support/test_ports.h"

namespace korvale {
namespace {

using Lines = std::vector<Text>;

// A displayed table: aligned, formatted header, end marker.
Lines displayedTable(ListState& state) {
  state.loadedHeader = U"Nr;Ort;Gewicht;";
  const Lines records = {
      U"1;Graz;99.5;", U"2;Berlin;100;", U"3;grünau;100.5;", U"4;Bonn;a;", U"5;Gr;250;",
  };
  state.table = buildFieldTable(state.loadedHeader, &records[0], ';', 6);
  Lines lines = {state.loadedHeader};
  lines.insert(lines.end(), records.begin(), records.end());
  lines.push_back(U"#");
  formatDisplayLines(lines, state, true);
  return lines;
}

// The record numbers (field 1) of a selection result, header left out.
std::vector<int> numbersOf(const Lines& lines) {
  std::vector<int> numbers;
  for (std::size_t i = 1; i < lines.size(); ++i)
    numbers.push_back(std::stoi(toUtf8(trim(trimmedSplit(lines[i], ';')[0]))));
  return numbers;
}

TEST(Selection, OperatorsOnTextAndNumberColumns) {
  ListState state;
  const Lines table = displayedTable(state);
  struct Row {
    Text field, op, term;
    std::vector<int> hits;  // empty: no hits
  } rows[] = {
      {U"2", U"=", U"graz", {1}},
      {U"2", U"=", U" GRAZ ", {1}},
      {U"2", U"!", U"graz", {2, 3, 4, 5}},
      {U"2", U"<", U"c", {2, 4}},
      {U"2", U">", U"gr", {1, 3}},  // "gr" itself does not sort after "gr"
      {U"2", U"-", U"gr", {1, 3, 5}},
      {U"2", U"-", U"GR", {1, 3, 5}},
      {U"2", U"+", U"on", {4}},
      {U"2", U"+", U"ün", {3}},
      {U"2", U"=", U"GRÜNAU", {}},  // only ASCII letters lose their case
      {U"3", U"=", U"100", {2}},
      {U"3", U"!", U"100", {1, 3, 4, 5}},  // "a" is no number: it only differs
      {U"3", U"<", U"100", {1}},
      {U"3", U">", U"100", {3, 5}},  // 99.5 is not kept, 100.5 is: numbers, not texts
      {U"3", U"-", U"100", {1, 2}},
      {U"3", U"+", U"100", {2, 3, 5}},
      {U"3", U">", U"1e2", {3, 5}},
      {U" 1 ", U"=", U"3", {3}},
      {U"2", U",", U"graz", {}},  // accepted, selects nothing
      {U"2", U"=,", U"graz", {}},
      {U"7", U"!", U"x", {1, 2, 3, 4, 5}},  // a field beyond the line is empty
  };
  for (const auto& r : rows) {
    const SelectionResult result = selectRecords(table, ';', {r.field, r.op, r.term});
    const std::string label = toUtf8(r.field + U" " + r.op + U" " + r.term);
    if (r.hits.empty()) {
      EXPECT_EQ(result.outcome, SelectionOutcome::NoHits) << label;
      EXPECT_TRUE(result.lines.empty()) << label;
    } else {
      EXPECT_EQ(result.outcome, SelectionOutcome::Selected) << label;
      ASSERT_FALSE(result.lines.empty()) << label;
      EXPECT_EQ(result.lines[0], table[0]) << label;
      EXPECT_EQ(numbersOf(result.lines), r.hits) << label;
    }
  }
}

TEST(Selection, RefusedRequestsAndTheirMessages) {
  ListState state;
  const Lines table = displayedTable(state);
  struct Row {
    Text field, op, term;
    SelectionOutcome outcome;
    Text message;
  } rows[] = {
      {U"0", U"=", U"x", SelectionOutcome::BadFieldNumber, U"Abbruch: Falsche Spaltennummer !"},
      {U"51", U"=", U"x", SelectionOutcome::BadFieldNumber, U"Abbruch: Falsche Spaltennummer !"},
      {U"x", U"=", U"x", SelectionOutcome::BadFieldNumber, U"Abbruch: Falsche Spaltennummer !"},
      {U"", U"=", U"x", SelectionOutcome::BadFieldNumber, U"Abbruch: Falsche Spaltennummer !"},
      {U"2.0", U"=", U"x", SelectionOutcome::BadFieldNumber, U"Abbruch: Falsche Spaltennummer !"},
      {U"2", U"", U"x", SelectionOutcome::BadOperator, U"Abbruch: Falscher Suchoperator !"},
      {U"2", U"?", U"x", SelectionOutcome::BadOperator, U"Abbruch: Falscher Suchoperator !"},
      {U"2", U"==", U"x", SelectionOutcome::BadOperator, U"Abbruch: Falscher Suchoperator !"},
      {U"2", U"=", U"   ", SelectionOutcome::EmptyTerm, U"Abbruch: Leerer Suchbegriff !"},
      {U"3", U">", U"abc", SelectionOutcome::TermNotNumeric,
       U"Abbruch: Kein numerischer Suchbegriff!"},
      {U"2", U"=", U"wien", SelectionOutcome::NoHits, U"KEINE gesuchten Datensätze gefunden !"},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(selectRecords(table, ';', {r.field, r.op, r.term}).outcome, r.outcome)
        << toUtf8(r.field);
    EXPECT_EQ(selectionMessage(r.outcome), r.message);
  }
}

class SelectionCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    table = displayedTable(list);
    show(table);
  }
  // What the window does with a new database: reload and display it, closed by the marker.
  void show(const Lines& lines) {
    Lines shown = lines;
    formatDisplayLines(shown, list, true);
    if (!isEndMarker(shown.back())) shown.push_back(U"#");
    editor.setLines(shown);
  }
  std::optional<Lines> select(const Text& field, const Text& op, const Text& term) {
    auto result = runSelection(editor, list, state, dialogs, cursor, {field, op, term});
    if (result) show(*result);
    return result;
  }

  ListState list;
  Lines table;
  MemoryTextEditor editor;
  SelectionState state;
  TestDialogs dialogs;
  TestCursor cursor;
};

TEST_F(SelectionCommand, ReplacesTheTableAndKeepsTheOneBefore) {
  const auto result = runSelection(editor, list, state, dialogs, cursor, {U"2", U"-", U"b"});
  ASSERT_TRUE(result);
  EXPECT_EQ(numbersOf(*result), (std::vector<int>{2, 4}));
  EXPECT_EQ(editor.lines(), *result);
  EXPECT_TRUE(editor.formatAt({0, 0}).bold);
  EXPECT_EQ(state.backup, Lines(table.begin(), table.end() - 1));
  EXPECT_TRUE(state.selectionMade);
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(cursor.shapes, (std::vector<CursorShape>{CursorShape::Busy, CursorShape::Normal}));
}

TEST_F(SelectionCommand, AFailedSelectionLeavesTableAndBackup) {
  ASSERT_TRUE(select(U"2", U"-", U"b"));
  const Lines afterFirst = editor.lines();
  EXPECT_FALSE(select(U"2", U"=", U"wien"));
  EXPECT_FALSE(select(U"99", U"=", U"x"));
  EXPECT_EQ(editor.lines(), afterFirst);
  EXPECT_EQ(dialogs.shown,
            (std::vector<std::string>{"[message] KEINE gesuchten Datensätze gefunden !",
                                      "[message] Abbruch: Falsche Spaltennummer !"}));
  // Restore still brings back the table before the successful selection.
  dialogs.yes();
  const auto restored = restoreSelection(state, dialogs);
  ASSERT_TRUE(restored);
  EXPECT_EQ(numbersOf(*restored), (std::vector<int>{1, 2, 3, 4, 5}));
}

TEST_F(SelectionCommand, TwoSelectionsThenRestoreTwice) {
  ASSERT_TRUE(select(U"2", U"-", U"b"));
  Lines afterFirst = editor.lines();
  afterFirst.pop_back();  // the end marker
  const auto second = select(U"2", U"=", U"bonn");
  ASSERT_TRUE(second);
  EXPECT_EQ(numbersOf(*second), (std::vector<int>{4}));

  dialogs.yes();
  const auto restored = restoreSelection(state, dialogs);
  ASSERT_TRUE(restored);
  EXPECT_EQ(*restored, afterFirst);
  EXPECT_FALSE(state.selectionMade);
  EXPECT_FALSE(restoreSelection(state, dialogs));
  EXPECT_EQ(dialogs.shown, (std::vector<std::string>{
                               "[confirm] Datenselektion rückgängig machen ? -> yes",
                               "[message] Abbruch: <Restore> ist nur nach <Select> möglich !"}));
}

TEST_F(SelectionCommand, RestoreAnsweredNoKeepsTheSelection) {
  ASSERT_TRUE(select(U"3", U">", U"100"));
  dialogs.no();
  EXPECT_FALSE(restoreSelection(state, dialogs));
  EXPECT_TRUE(state.selectionMade);
}

TEST_F(SelectionCommand, CaretGoesToTheFieldName) {
  ASSERT_TRUE(select(U"2", U"!", U"x"));
  // Line 3 is the second record; field 3 starts after its second separator.
  const int column = nthSeparatorPosition(editor.line(2), ';', 2);
  ASSERT_GT(column, 0);
  EXPECT_TRUE(caretToField(editor, 3, ';'));
  EXPECT_EQ(editor.markStart(), (TextPos{0, column}));
  EXPECT_EQ(editor.markedText().size(), 1u);
  EXPECT_EQ(editor.markedText(), U"G");  // "Gewicht", aligned over its column
  EXPECT_TRUE(caretToField(editor, 1, ';'));
  EXPECT_EQ(editor.markStart(), (TextPos{0, 0}));

  MemoryTextEditor small;
  small.setLines({U"A;B;", U"1;2;"});
  EXPECT_FALSE(caretToField(small, 2, ';'));
}

}  // namespace
}  // namespace korvale
