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
  state.loadedHeader = "Nr;Ort;Gewicht;";
  const Lines records = {
      "1;Graz;99.5;", "2;Berlin;100;", "3;grünau;100.5;"_cp, "4;Bonn;a;", "5;Gr;250;",
  };
  state.table = buildFieldTable(state.loadedHeader, &records[0], ';', 6);
  Lines lines = {state.loadedHeader};
  lines.insert(lines.end(), records.begin(), records.end());
  lines.push_back("#");
  formatDisplayLines(lines, state, true);
  return lines;
}

// The record numbers (field 1) of a selection result, header left out.
std::vector<int> numbersOf(const Lines& lines) {
  std::vector<int> numbers;
  for (std::size_t i = 1; i < lines.size(); ++i)
    numbers.push_back(std::stoi(trim(trimmedSplit(lines[i], ';')[0])));
  return numbers;
}

TEST(Selection, OperatorsOnTextAndNumberColumns) {
  ListState state;
  const Lines table = displayedTable(state);
  struct Row {
    Text field, op, term;
    std::vector<int> hits;  // empty: no hits
  } rows[] = {
      {"2", "=", "graz", {1}},
      {"2", "=", " GRAZ ", {1}},
      {"2", "!", "graz", {2, 3, 4, 5}},
      {"2", "<", "c", {2, 4}},
      {"2", ">", "gr", {1, 3}},  // "gr" itself does not sort after "gr"
      {"2", "-", "gr", {1, 3, 5}},
      {"2", "-", "GR", {1, 3, 5}},
      {"2", "+", "on", {4}},
      {"2", "+", "ün"_cp, {3}},
      {"2", "=", "GRÜNAU"_cp, {}},  // only ASCII letters lose their case
      {"3", "=", "100", {2}},
      {"3", "!", "100", {1, 3, 4, 5}},  // "a" is no number: it only differs
      {"3", "<", "100", {1}},
      {"3", ">", "100", {3, 5}},  // 99.5 is not kept, 100.5 is: numbers, not texts
      {"3", "-", "100", {1, 2}},
      {"3", "+", "100", {2, 3, 5}},
      {"3", ">", "1e2", {3, 5}},
      {" 1 ", "=", "3", {3}},
      {"2", ",", "graz", {}},  // accepted, selects nothing
      {"2", "=,", "graz", {}},
      {"7", "!", "x", {1, 2, 3, 4, 5}},  // a field beyond the line is empty
  };
  for (const auto& r : rows) {
    const SelectionResult result = selectRecords(table, ';', {r.field, r.op, r.term});
    const std::string label = r.field + " " + r.op + " " + r.term;
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
      {"0", "=", "x", SelectionOutcome::BadFieldNumber, "Abbruch: Falsche Spaltennummer !"},
      {"51", "=", "x", SelectionOutcome::BadFieldNumber, "Abbruch: Falsche Spaltennummer !"},
      {"x", "=", "x", SelectionOutcome::BadFieldNumber, "Abbruch: Falsche Spaltennummer !"},
      {"", "=", "x", SelectionOutcome::BadFieldNumber, "Abbruch: Falsche Spaltennummer !"},
      {"2.0", "=", "x", SelectionOutcome::BadFieldNumber, "Abbruch: Falsche Spaltennummer !"},
      {"2", "", "x", SelectionOutcome::BadOperator, "Abbruch: Falscher Suchoperator !"},
      {"2", "?", "x", SelectionOutcome::BadOperator, "Abbruch: Falscher Suchoperator !"},
      {"2", "==", "x", SelectionOutcome::BadOperator, "Abbruch: Falscher Suchoperator !"},
      {"2", "=", "   ", SelectionOutcome::EmptyTerm, "Abbruch: Leerer Suchbegriff !"},
      {"3", ">", "abc", SelectionOutcome::TermNotNumeric, "Abbruch: Kein numerischer Suchbegriff!"},
      {"2", "=", "wien", SelectionOutcome::NoHits, "KEINE gesuchten Datensätze gefunden !"_cp},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(selectRecords(table, ';', {r.field, r.op, r.term}).outcome, r.outcome) << r.field;
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
    if (!isEndMarker(shown.back())) shown.push_back("#");
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
  const auto result = runSelection(editor, list, state, dialogs, cursor, {"2", "-", "b"});
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
  ASSERT_TRUE(select("2", "-", "b"));
  const Lines afterFirst = editor.lines();
  EXPECT_FALSE(select("2", "=", "wien"));
  EXPECT_FALSE(select("99", "=", "x"));
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
  ASSERT_TRUE(select("2", "-", "b"));
  Lines afterFirst = editor.lines();
  afterFirst.pop_back();  // the end marker
  const auto second = select("2", "=", "bonn");
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
  ASSERT_TRUE(select("3", ">", "100"));
  dialogs.no();
  EXPECT_FALSE(restoreSelection(state, dialogs));
  EXPECT_TRUE(state.selectionMade);
}

TEST_F(SelectionCommand, CaretGoesToTheFieldName) {
  ASSERT_TRUE(select("2", "!", "x"));
  // Line 3 is the second record; field 3 starts after its second separator.
  const int column = nthSeparatorPosition(editor.line(2), ';', 2);
  ASSERT_GT(column, 0);
  EXPECT_TRUE(caretToField(editor, 3, ';'));
  EXPECT_EQ(editor.markStart(), (TextPos{0, column}));
  EXPECT_EQ(editor.markedText().size(), 1u);
  EXPECT_EQ(editor.markedText(), "G");  // "Gewicht", aligned over its column
  EXPECT_TRUE(caretToField(editor, 1, ';'));
  EXPECT_EQ(editor.markStart(), (TextPos{0, 0}));

  MemoryTextEditor small;
  small.setLines({"A;B;", "1;2;"});
  EXPECT_FALSE(caretToField(small, 2, ';'));
}

}  // namespace
}  // namespace korvale
