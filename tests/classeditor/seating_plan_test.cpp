// The plan and the mouse on it: names carried over from the list, counts, widths and heights.
#include "class_fixture.h"

namespace korvale {
namespace {

TEST(TransferredName, SurnameInAsciiCapitalsWithALeadingBlank) {
  struct Case {
    Text marked;
    Text surnameFirst;
    Text firstNameFirst;
  };
  const Case cases[] = {
      {U"Huber Anna", U" HUBER Anna", U" Anna HUBER"},
      {U"Abc Def Ghi", U" ABC Def Ghi", U" Def Ghi ABC"},
      {U"Tür Bett", U" TüR Bett", U" Bett TüR"},
      {U"Kılıç Ayşe", U" KıLıç Ayşe", U" Ayşe KıLıç"},
      {U"Łukasiewicz Ćwiek", U" ŁUKASIEWICZ Ćwiek", U" Ćwiek ŁUKASIEWICZ"},
      {U" Anna", U"  Anna", U" Anna "},
      {U"Huber\tAnna", U"Huber\tAnna", U"Huber\tAnna"},
      {U"Huber,Anna", U"Huber,Anna", U"Huber,Anna"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(toUtf8(c.marked));
    EXPECT_EQ(transferredName(c.marked, NameOrder::SurnameFirst), c.surnameFirst);
    EXPECT_EQ(transferredName(c.marked, NameOrder::FirstNameFirst), c.firstNameFirst);
  }
}

TEST_F(ClassEditorTest, AMarkingFillsOneCellAndIsUsedUp) {
  setList({U"Huber Anna", U"Tür Bett"});
  cellPressed(cx, 0, 0);  // nothing marked yet
  EXPECT_EQ(cx.plan.cell(0, 0), U"");

  markLine(0);
  list.setCaret({1, 3});
  cellPressed(cx, 2, 1);
  EXPECT_EQ(cx.plan.cell(2, 1), U" HUBER Anna");
  EXPECT_EQ(list.caret(), (TextPos{0, 0}));  // the list has the focus again
  cellPressed(cx, 3, 1);
  EXPECT_EQ(cx.plan.cell(3, 1), U"");

  swapNameOrder(cx);
  markLine(1);
  cellPressed(cx, 3, 1);
  EXPECT_EQ(cx.plan.cell(3, 1), U" Bett TüR");
  swapNameOrder(cx);
  EXPECT_EQ(dialogs.shown,
            (std::vector<std::string>{"[message] Bei Übertragung: Vorname VOR Zuname",
                                      "[message] Bei Übertragung: Zuname VOR Vorname"}));

  cellDoubleClicked(cx, 2, 1);
  EXPECT_EQ(cx.plan.cell(2, 1), U"");
  EXPECT_EQ(cx.plan.cell(3, 1), U" Bett TüR");
}

TEST_F(ClassEditorTest, CellsOutsideTheShownPlanTakeNothing) {
  setList({U"Huber Anna"});
  dialogs.text(U"3");
  askColumns(cx);
  markLine(0);
  cellPressed(cx, 3, 0);
  cellDoubleClicked(cx, 3, 0);
  EXPECT_EQ(cx.marked, U"Huber Anna");
  cellPressed(cx, 2, 7);
  EXPECT_EQ(cx.plan.cell(2, 7), U" HUBER Anna");
}

TEST_F(ClassEditorTest, ColumnAndRowAnswersOutsideOneToEightGiveEight) {
  struct Case {
    std::optional<Text> answer;
    int count;
  };
  const Case cases[] = {{U"3", 3},   {U"1", 1},  {U"8", 8},  {U"0", 8},
                        {U"9", 8},   {U"x", 8},  {U"", 8},   {U"-2", 8},
                        {U"3.5", 8}, {U" 4", 4}, {U"4x", 8}, {std::nullopt, 8}};
  for (const Case& c : cases) {
    SCOPED_TRACE(toUtf8(c.answer.value_or(U"<cancel>")));
    EXPECT_EQ(planCountFromAnswer(c.answer), c.count);
  }
}

TEST_F(ClassEditorTest, NarrowingThePlanHidesCellsWideningShowsThemAgain) {
  cx.plan.setCell(7, 7, U" ZOLLER Udo");
  dialogs.text(U"3").text(U"2");
  askColumns(cx);
  askRows(cx);
  EXPECT_EQ(dialogs.shown,
            (std::vector<std::string>{"[input] Anzahl der Spalten (n) | (1 <= n <= 8) | 8 -> 3",
                                      "[input] Anzahl der Zeilen (n) | (1 <= n <= 8) | 8 -> 2"}));
  EXPECT_EQ(cx.plan.columns(), 3);
  EXPECT_EQ(cx.plan.rows(), 2);
  EXPECT_EQ(cx.plan.columnWidth(), (kPlanWidth - 24) / 3);
  EXPECT_EQ(cx.plan.shownCells(), TextGrid(3, 2));

  dialogs.cancel();
  askColumns(cx);
  dialogs.text(U"9");
  askRows(cx);
  EXPECT_EQ(cx.plan.columnWidth(), (kPlanWidth - 24) / 8);
  EXPECT_EQ(cx.plan.shownCells().cell(7, 7), U" ZOLLER Udo");
}

TEST_F(ClassEditorTest, WordWrapGrowsRowsToTheWrappedTextAndNeverShrinksThem) {
  // 95 pixels per column leave 91 for the text: 13 characters of 7 pixels.
  const int defaultHeight = (kPlanHeight - 24) / 8;
  ASSERT_EQ(cx.plan.rowHeight(0), defaultHeight);
  cx.plan.setCell(0, 0, U" HUBER Anna");
  cx.plan.setCell(1, 2, U" BERGER-HOFMANN Anna Maria Theresa Josefine Ute Eva Lotte Marie");
  cx.plan.setCell(2, 2, U" EDER Li");
  toggleWordWrap(cx);
  EXPECT_TRUE(cx.plan.wordWrap());
  EXPECT_EQ(cx.plan.cellLines(1, 2, measure),
            (std::vector<Text>{U" BERGER-HOFMANN", U"Anna Maria", U"Theresa", U"Josefine Ute",
                               U"Eva Lotte", U"Marie"}));
  EXPECT_EQ(cx.plan.rowHeight(0), defaultHeight);
  EXPECT_EQ(cx.plan.rowHeight(2), 6 * 13 + 4);

  cx.plan.setCell(1, 2, U"");
  toggleWordWrap(cx);
  EXPECT_FALSE(cx.plan.wordWrap());
  EXPECT_EQ(cx.plan.rowHeight(2), 6 * 13 + 4);
  EXPECT_EQ(cx.plan.cellLines(2, 2, measure), (std::vector<Text>{U" EDER Li"}));

  dialogs.text(U"8");
  askRows(cx);
  EXPECT_EQ(cx.plan.rowHeight(2), defaultHeight);
}

TEST_F(ClassEditorTest, ClearingThePlanForgetsTheMarkingAndEveryCell) {
  setList({U"Huber Anna"});
  cx.plan.setCell(7, 7, U"hidden");
  dialogs.text(U"2");
  askColumns(cx);
  markLine(0);
  clearPlan(cx);
  cellPressed(cx, 0, 0);
  dialogs.text(U"8");
  askColumns(cx);
  EXPECT_EQ(cx.plan.shownCells(), TextGrid(8, 8));
}

}  // namespace
}  // namespace korvale
