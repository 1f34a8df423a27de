#include <gtest/gtest.h>

#include <algorithm>

#include "grades_line_fixture.h"
#include "stats/function_graph.h"

namespace korvale {
namespace {

class FunctionTableTest : public LineCommandsTest {
 protected:
  // The lines written below the function line.
  Lines table(const Text& line) {
    editor.setLines({line, U"danach"});
    functionTableCommand(context);
    const Lines all = editor.lines();
    return Lines(all.begin() + 1, all.end() - 1);
  }
};

TEST_F(FunctionTableTest, RowsFromAToTheFirstXThatReachesB) {
  variables.set('d', 3);
  struct Row {
    Text line;
    Lines rows;
  };
  const Row rows[] = {
      {U"x^2,-2,2,1",
       {U"-2.00  /  4.00", U"-1.00  /  1.00", U"0.00  /  0.00", U"1.00  /  1.00",
        U"2.00  /  4.00"}},
      {U"1/x, -1, 1, 0.5",
       {U"-1.00  /  -1.00", U"-0.50  /  -2.00", U"0.00  /  *****", U"0.50  /  2.00",
        U"1.00  /  1.00"}},
      {U"x,0,d,1", {U"0.00  /  0.00", U"1.00  /  1.00", U"2.00  /  2.00", U"3.00  /  3.00"}},
      {U"2*x,0,1,0.4", {U"0.00  /  0.00", U"0.40  /  0.80", U"0.80  /  1.60", U"1.20  /  2.40"}},
      // Steps of 0.1 that add up to 0.9999999999999999 must not get a row 1.10.
      {U"x,0.7,1,0.1", {U"0.70  /  0.70", U"0.80  /  0.80", U"0.90  /  0.90", U"1.00  /  1.00"}},
      // 1E37 is beyond what a point may be; the evaluator's value of 10^37 is not shown.
      {U"10^(37*x),0,1,1", {U"0.00  /  1.00", U"1.00  /  *****"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(toUtf8(row.line));
    Lines expected = {U" "};
    expected.insert(expected.end(), row.rows.begin(), row.rows.end());
    expected.push_back(U" ");
    EXPECT_EQ(table(row.line), expected);
    EXPECT_EQ(editor.caret(), (TextPos{0, 0}));
  }
  EXPECT_EQ(variables.get('x'), 1);  // the last x
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(FunctionTableTest, RefusedLinesLeaveTheTextAlone) {
  const Text refused[] = {
      U"x,0,1,-1",         U"x,1,1,1", U"x,0,1", U"x,0,1,1,1", U"x,0,,1", U"",
      U"x,0,1E3,1",         // the exponent letter is taken for a variable
      U"x,0,abc,1",         // no number at all
      U"x,0,1E9,0.000001",  // far too many rows to be read
      U"x,0,100000,1",      // one row too many
  };
  for (const Text& line : refused) {
    SCOPED_TRACE(toUtf8(line));
    dialogs.shown.clear();
    editor.setLines({line, U"danach"});
    functionTableCommand(context);
    EXPECT_EQ(editor.lines(), (Lines{line, U"danach"}));
    EXPECT_EQ(dialogs.shown, std::vector<std::string>{"[message] Fehlerhafte Eingabe !"});
  }
  EXPECT_EQ(table(U"x,0,99999,1").size(), 100002u);  // the largest table: 100 000 rows
}

TEST_F(FunctionTableTest, EscapeStopsTheRows) {
  keys = TestKeyState(4);
  EXPECT_EQ(table(U"x,1,100,1"),
            (Lines{U" ", U"1.00  /  1.00", U"2.00  /  2.00", U"3.00  /  3.00", U" "}));
}

// A formula far longer than the evaluator's buffer, or full of characters it does not know,
// never reads or writes past the buffer: the evaluator keeps the part that fits, and a formula
// that is malformed there or holds a strange character fails point by point.
TEST_F(FunctionTableTest, LongAndOddFormulas) {
  Text nested(400, U'(');
  nested += U"x" + Text(400, U')');
  const Text odd[] = {nested, U"x²", U"ıx", U"x\u00A0+1", U"\U0001F600"};
  for (const Text& formula : odd) {
    SCOPED_TRACE(toUtf8(formula.substr(0, 20)));
    const Lines rows = table(formula + U",0,2,1");
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[1], U"0.00  /  *****");
  }
  // Each "(-x)" grows to "((0-1)*X)" in the buffer, so 16 terms of a long sum fit.
  Text longSum;
  for (int i = 0; i < 5000; ++i) longSum += U"(-x)+";
  longSum += U"1";
  EXPECT_EQ(table(longSum + U",0,2,1")[2], U"1.00  /  -16.00");
  EXPECT_EQ(table(U"(-x)+(-x)+1,0,1,1")[2], U"1.00  /  -1.00");
}

// --- the graph ---

constexpr int kSize = 428;

class FunctionGraphTest : public LineCommandsTest {
 protected:
  bool draw(const Text& line) { return drawFunctionGraph(canvas, chart, line, variables); }
  // The red lines drawn so far.
  std::vector<CanvasOp> curve() const {
    std::vector<CanvasOp> out;
    for (const CanvasOp& op : canvas.all(CanvasOp::Kind::Line))
      if (op.penColor == kRed) out.push_back(op);
    return out;
  }
  int clears() const { return static_cast<int>(canvas.all(CanvasOp::Kind::Clear).size()); }

  ChartState& chart = stats.chart;
};

TEST_F(FunctionGraphTest, AxesLabelsCurveAndFrame) {
  ASSERT_TRUE(draw(U"sin(x),5"));
  EXPECT_TRUE(chart.panelVisible);
  EXPECT_FALSE(chart.drawAxes);
  EXPECT_EQ(chart.halfWidth, 5);
  for (const Text label : {U"0", U" 5 ", U" -5 ", U" 1 "})
    EXPECT_NE(canvas.findText(label), nullptr);
  // The unit tick one unit right of the centre, 3 pixels above and below the axis.
  const auto lines = canvas.all(CanvasOp::Kind::Line);
  EXPECT_NE(
      std::find_if(lines.begin(), lines.end(),
                   [](const CanvasOp& op) {
                     return op.args == std::vector<int>{256, 211, 256, 217} && op.penColor == kBlue;
                   }),
      lines.end());
  // sin in degrees is nearly flat: one red line per pixel column, all near the x axis.
  const auto red = curve();
  ASSERT_EQ(red.size(), 428u);
  EXPECT_EQ(red.front().args, (std::vector<int>{0, 218, 1, 218}));  // sin(-5) = -0.087
  EXPECT_EQ(red.back().args, (std::vector<int>{427, 210, 428, 210}));
  // The last shape is the frame, three pixels wide and not filled.
  const CanvasOp& last = canvas.ops.back();
  EXPECT_EQ(last.kind, CanvasOp::Kind::Rectangle);
  EXPECT_EQ(last.args, (std::vector<int>{0, 0, kSize, kSize}));
  EXPECT_EQ(last.penWidth, 3);
  EXPECT_EQ(last.brushStyle, BrushStyle::Clear);
}

TEST_F(FunctionGraphTest, APoleStaysOpen) {
  ASSERT_TRUE(draw(U"1/x,5"));
  for (const CanvasOp& op : curve()) {
    const int left = std::min(op.args[0], op.args[2]);
    const int right = std::max(op.args[0], op.args[2]);
    // No red line reaches from one side of the pole to the other.
    EXPECT_FALSE(left < 214 && right > 214) << left << ".." << right;
    EXPECT_FALSE(left <= 214 && right >= 214 && std::abs(op.args[1] - op.args[3]) > 200);
  }
  EXPECT_GT(curve().size(), 400u);
}

TEST_F(FunctionGraphTest, SameHalfWidthAccumulatesAnotherClears) {
  ASSERT_TRUE(draw(U"x^2,3"));
  const int first = static_cast<int>(curve().size());
  const int cleared = clears();
  ASSERT_TRUE(draw(U"x,3"));
  EXPECT_EQ(clears(), cleared);  // drawn over the first graph
  EXPECT_GT(static_cast<int>(curve().size()), first);
  EXPECT_EQ(canvas.all(CanvasOp::Kind::Text).size(), 6u);  // the axes were labelled once
  canvas.ops.clear();
  ASSERT_TRUE(draw(U"x,4"));
  EXPECT_EQ(canvas.ops.front().kind, CanvasOp::Kind::Clear);
  EXPECT_EQ(canvas.ops.front().color, kWhite);
  EXPECT_NE(canvas.findText(U" 4 "), nullptr);
}

TEST_F(FunctionGraphTest, EmptyLineAndFailingFormula) {
  editor.setLines({U"", U"x"});
  chart.halfWidth = 4;
  functionGraphCommand(context);
  EXPECT_EQ(dialogs.shown, std::vector<std::string>{"[message] Fehlerhafte Eingabe !"});
  EXPECT_FALSE(chart.panelVisible);
  EXPECT_EQ(chart.halfWidth, 10);  // the empty line asked for the default half-width
  EXPECT_TRUE(chart.drawAxes);
  // A formula that fails everywhere draws the axes and no curve.
  ASSERT_TRUE(draw(U"sqrt(-1-x^2)"));
  EXPECT_TRUE(curve().empty());
  Text longFormula(20000, U'x');
  ASSERT_TRUE(draw(longFormula + U"+1"));
  EXPECT_TRUE(curve().empty());
}

TEST_F(FunctionGraphTest, CoordinatesAndPrinting) {
  chart.halfWidth = 5;
  chartPressedCommand(context, {214, 214});
  chartPressedCommand(context, {0, 428});
  chartPressedCommand(context, {300, 100});
  EXPECT_EQ(dialogs.shown, (std::vector<std::string>{"[message]  X = 0.00 \\r Y = 0.00 ",
                                                     "[message]  X = -5.00 \\r Y = -5.00 ",
                                                     "[message]  X = 2.01 \\r Y = 2.66 "}));
  dialogs.cancel();
  printChartCommand(context);
  dialogs.ok();
  printChartCommand(context);
  ASSERT_EQ(printer.jobs.size(), 1u);
  EXPECT_EQ(printer.jobs[0].picture, &canvas);
}

}  // namespace
}  // namespace korvale
