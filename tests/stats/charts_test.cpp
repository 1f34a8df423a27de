#include "stats/charts.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/recording_canvas.h"

namespace korvale {
namespace {

using Kind = CanvasOp::Kind;
using Args = std::vector<int>;

Distribution grades(std::vector<int> counts) {
  Distribution d;
  d.entry = {static_cast<int>(counts.size()), 0.5, 1.0};
  for (int c : counts) d.used += c;
  d.counts = std::move(counts);
  return d;
}

std::vector<Args> argsOf(const std::vector<CanvasOp>& ops) {
  std::vector<Args> out;
  for (const CanvasOp& op : ops) out.push_back(op.args);
  return out;
}

TEST(Charts, BarChartGeometry) {
  RecordingCanvas canvas;
  drawBarChart(canvas, grades({0, 1, 1, 1, 1}), U"          M2 (X)", 2);
  ASSERT_FALSE(canvas.ops.empty());
  EXPECT_EQ(canvas.ops.front().kind, Kind::Clear);
  EXPECT_EQ(canvas.ops.front().color, kTooltipBackground);

  std::vector<Args> bars;
  for (const CanvasOp& op : canvas.all(Kind::Rectangle)) {
    if (op.brushStyle == BrushStyle::Solid) {
      EXPECT_EQ(op.brushColor, rgb(240, 200, 200));
      EXPECT_EQ(op.penWidth, 2);
      bars.push_back(op.args);
    }
  }
  // Bars 64 pixels wide from x = 53, full height 214 above the axis at y = 321.
  EXPECT_EQ(bars, (std::vector<Args>{{53, 321, 117, 321},
                                     {117, 107, 181, 321},
                                     {181, 107, 245, 321},
                                     {245, 107, 309, 321},
                                     {309, 107, 373, 321}}));
  const CanvasOp frame = canvas.all(Kind::Rectangle).front();
  EXPECT_EQ(frame.args, (Args{0, 0, 428, 428}));
  EXPECT_EQ(frame.penWidth, 3);
  EXPECT_EQ(frame.brushStyle, BrushStyle::Clear);
  // The axes, drawn before and after the bars.
  const std::vector<Args> axes = {{26, 321, 401, 321}, {53, 53, 53, 374}};
  EXPECT_EQ(argsOf(canvas.all(Kind::Line)),
            (std::vector<Args>{axes[0], axes[1], axes[0], axes[1]}));

  struct Label {
    Text text;
    Args at;
  } labels[] = {{U" 0.0%", {}},  // never drawn: the percentage is trimmed
                {U"0.0%", {69, 295}},  {U"25.0%", {133, 81}},
                {U"0.50", {53, 327}},  {U"4.50", {309, 327}},
                {U"5.50", {373, 327}}, {U"Merkmal           M2 (X)", {20, 20}}};
  for (const Label& l : labels) {
    const CanvasOp* op = canvas.findText(l.text);
    if (l.at.empty()) {
      EXPECT_EQ(op, nullptr) << toUtf8(l.text);
    } else {
      ASSERT_NE(op, nullptr) << toUtf8(l.text);
      EXPECT_EQ(op->args, l.at) << toUtf8(l.text);
    }
  }
}

TEST(Charts, EmptyClassesGiveFlatBarsAndPoints) {
  RecordingCanvas bars;
  drawBarChart(bars, grades({0, 0, 0}), U"x", 2);
  for (const CanvasOp& op : bars.all(Kind::Rectangle))
    if (op.brushStyle == BrushStyle::Solid) {
      EXPECT_EQ(op.args[1], op.args[3]);
    }
  RecordingCanvas lines;
  drawLineChart(lines, grades({0, 0, 0}), U"x");
  for (const CanvasOp& op : lines.all(Kind::Text))
    if (op.text == U"0") {
      EXPECT_EQ(op.args[1], 321 - 26);
    }
}

TEST(Charts, LineChartGeometry) {
  RecordingCanvas canvas;
  drawLineChart(canvas, grades({1, 2, 0, 4}), U"x");
  // p = round(322 / 4) = 80 (80.5 rounds to even); points at x = 40 + 53 + i * 80; heights
  // round(214 / 4 * count), 53.5 rounding to 54.
  const std::vector<Args> expectedLines = {{26, 321, 401, 321},  {53, 53, 53, 374},  // axes
                                           {173, 214, 93, 267},  // class 2 back to class 1
                                           {253, 321, 173, 214}, {333, 107, 253, 321},
                                           {26, 321, 401, 321},  {53, 53, 53, 374}};
  EXPECT_EQ(argsOf(canvas.all(Kind::Line)), expectedLines);
  for (const CanvasOp& op : canvas.all(Kind::Line))
    if (op.args[0] != 26 && op.args[0] != 53) {
      EXPECT_EQ(op.penWidth, 3);
    }
  std::vector<Args> squares;
  for (const CanvasOp& op : canvas.all(Kind::Rectangle))
    if (op.brushColor == kRed && op.args[2] - op.args[0] == 10) squares.push_back(op.args);
  EXPECT_EQ(
      squares,
      (std::vector<Args>{
          {88, 262, 98, 272}, {168, 209, 178, 219}, {248, 316, 258, 326}, {328, 102, 338, 112}}));
  ASSERT_NE(canvas.findText(U"Kl.3"), nullptr);
  EXPECT_EQ(canvas.findText(U"Kl.3")->args, (Args{253, 327}));
  ASSERT_NE(canvas.findText(U"4"), nullptr);
  EXPECT_EQ(canvas.findText(U"4")->args, (Args{333, 81}));
}

TEST(Charts, PieSectorsFillsAndLabels) {
  RecordingCanvas canvas;
  drawPieChart(canvas, grades({2, 0, 0, 1, 1}), U"x");
  EXPECT_EQ(argsOf(canvas.all(Kind::Ellipse)), (std::vector<Args>{{72, 72, 356, 356}}));
  // Each sector twice, white and wide first; the empty classes have none.
  const std::vector<CanvasOp> pies = canvas.all(Kind::Pie);
  const Args box = {72, 72, 356, 356};
  auto sector = [&](Args from, Args to) {
    Args a = box;
    a.insert(a.end(), from.begin(), from.end());
    a.insert(a.end(), to.begin(), to.end());
    return a;
  };
  const std::vector<Args> expected = {
      sector({356, 214}, {72, 214}),  sector({356, 214}, {72, 214}),    // 0 to 180 degrees
      sector({72, 214}, {214, 356}),  sector({72, 214}, {214, 356}),    // to 270
      sector({214, 356}, {356, 214}), sector({214, 356}, {356, 214})};  // to 360
  EXPECT_EQ(argsOf(pies), expected);
  for (std::size_t i = 0; i < pies.size(); ++i) {
    EXPECT_EQ(pies[i].penColor, i % 2 == 0 ? kWhite : kBlack);
    EXPECT_EQ(pies[i].penWidth, i % 2 == 0 ? 6 : 2);
  }
  const std::vector<CanvasOp> fills = canvas.all(Kind::FloodFill);
  EXPECT_EQ(argsOf(fills), (std::vector<Args>{{214, 108}, {139, 289}, {289, 289}}));
  ASSERT_EQ(fills.size(), 3u);
  EXPECT_EQ(fills[0].color, rgb(255, 191, 191));
  EXPECT_EQ(fills[1].color, rgb(255, 159, 159));
  EXPECT_EQ(fills[2].color, rgb(255, 127, 127));
  // Labels centred on the fill points (7 x 13 pixels per character in the test canvas).
  ASSERT_NE(canvas.findText(U"1.KL: 50.0%"), nullptr);
  EXPECT_EQ(canvas.findText(U"1.KL: 50.0%")->args, (Args{214 - 38, 108 - 6}));
  EXPECT_TRUE(canvas.findText(U"1.KL: 50.0%")->bold);
  EXPECT_EQ(canvas.findText(U"2.KL: 0.0%"), nullptr);

  // One class holding every value: one sector around the whole circle.
  RecordingCanvas whole;
  drawPieChart(whole, grades({0, 0, 3}), U"x");
  EXPECT_EQ(argsOf(whole.all(Kind::Pie)).back(), sector({356, 214}, {356, 214}));
  EXPECT_EQ(argsOf(whole.all(Kind::FloodFill)), (std::vector<Args>{{108, 214}}));
}

TEST(Charts, ScatterPixelsAndRegressionDots) {
  PairSummary pair;
  pair.x = {4, 1, 4, 3, 2.5, 1.118};
  pair.y = {4, 3, 9, 6, 6, 2.236};
  pair.correlation = 1;
  pair.slope = 2;
  pair.intercept = 1;
  RecordingCanvas canvas;
  drawScatterChart(canvas, pair, {1, 2, 99.11, 3, 4}, {3, 5, 0, 7, 9}, 2);

  std::vector<Args> points;
  for (const CanvasOp& op : canvas.all(Kind::Rectangle))
    if (op.brushColor == kRed && op.brushStyle == BrushStyle::Solid) points.push_back(op.args);
  // x: (x - 1) * 376 / 3 + 26; y: -(y - 3) * 358 / 6 + 393; the row with 99.11 is left out.
  EXPECT_EQ(
      points,
      (std::vector<Args>{
          {23, 390, 29, 396}, {148, 271, 154, 277}, {274, 151, 280, 157}, {399, 32, 405, 38}}));
  std::vector<Args> lines;
  for (const CanvasOp& op : canvas.all(Kind::Line)) {
    EXPECT_EQ(op.penStyle, PenStyle::Dot);
    lines.push_back(op.args);
  }
  EXPECT_EQ(lines, (std::vector<Args>{{26, 214, 402, 214}, {214, 35, 214, 393}}));

  const std::vector<CanvasOp> dots = canvas.all(Kind::Pixel);
  EXPECT_GT(dots.size(), 360u);
  EXPECT_LE(dots.size(), 377u);
  for (const CanvasOp& dot : dots) {
    const double onLine = 393 - (dot.args[0] - 26) * 358.0 / 376.0;
    EXPECT_LE(std::abs(dot.args[1] - onLine), 1.0) << dot.args[0] << "," << dot.args[1];
  }

  struct Label {
    Text text;
    Args at;
  } labels[] = {{U"Regression: Y = 2.00 * X  +  (1.00)", {214 - 122, 17}},
                {U"2.50/6.00", {219, 219}},
                {U"MX", {214, 401}},
                {U"MY", {7, 214}},
                {U"1.00/3.00", {26, 401}},
                {U"4.00/3.00", {339, 401}},
                {U"4.00/9.00", {339, 17}},
                {U"1.00/9.00", {26, 17}}};
  for (const Label& l : labels) {
    const CanvasOp* op = canvas.findText(l.text);
    ASSERT_NE(op, nullptr) << toUtf8(l.text);
    EXPECT_EQ(op->args, l.at) << toUtf8(l.text);
  }
}

TEST(Charts, ScatterOfConstantAndHugeColumnsEnds) {
  PairSummary constant;
  constant.x = {3, 5, 5, 0, 5, 0};
  constant.y = {3, 1, 1, 0, 1, 0};
  constant.correlation = constant.slope = 1;
  constant.intercept = -4;
  RecordingCanvas flat;
  drawScatterChart(flat, constant, {5, 5, 5}, {1, 1, 1}, 2);
  EXPECT_TRUE(flat.all(Kind::Pixel).empty());

  // A step far below the spacing of doubles near x cannot move x; the dots still end.
  PairSummary huge;
  huge.x = {2, 1e17, 1e17 + 16, 16, 1e17 + 8, 8};
  huge.y = {2, 0, 2, 2, 1, 1};
  huge.slope = 0;
  huge.intercept = 1;
  RecordingCanvas canvas;
  drawScatterChart(canvas, huge, {1e17, 1e17 + 16}, {0, 2}, 2);
  EXPECT_LE(canvas.all(Kind::Pixel).size(), 378u);
}

}  // namespace
}  // namespace korvale
