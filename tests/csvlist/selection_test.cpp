#include "csvlist/selection.h"

#include <gtest/gtest.h>

#include "base/text_routines.h"
#include "csvlist/layout.h"
#include "csvlist/table_cases.h"
#include "csvlist/table_text.h"
#include "support/memory_text_editor.h"
#include "support/test_ports.h"

namespace korvale {
namespace {

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

}  // namespace
}  // namespace korvale
