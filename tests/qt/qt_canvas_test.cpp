#include "ui/qt/qt_canvas.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "stats/charts.h"

namespace korvale {
namespace {

Color at(const QtCanvas& canvas, int x, int y) {
  return canvas.image().pixel(x, y) & 0xFFFFFFu;
}

Distribution marks(std::vector<int> counts) {
  Distribution d;
  d.entry = {static_cast<int>(counts.size()), 0.5, 1.0};
  for (int c : counts) d.used += c;
  d.counts = std::move(counts);
  return d;
}

// Where the charts are written for a look: $KORVALE_CHART_DIR, else the temporary folder.
Path chartFile(const std::string& name) {
  const char* dir = std::getenv("KORVALE_CHART_DIR");
  const std::filesystem::path folder =
      dir ? std::filesystem::path(dir) : std::filesystem::temp_directory_path();
  return Path((folder / ("korvale-" + name + ".png")).string());
}

TEST(QtCanvas, FloodFillStopsAtTheBorderOnly) {
  QtCanvas canvas(60, 40);
  canvas.clear(kWhite);
  canvas.setPen(kBlack, 1, PenStyle::Solid);
  canvas.setBrush(kWhite, BrushStyle::Clear);
  canvas.rectangle(10, 10, 30, 30);
  canvas.setPen(kRed, 1, PenStyle::Solid);
  canvas.line({12, 20}, {27, 20});  // a line of another colour inside does not stop the fill
  canvas.floodFill({15, 15}, rgb(0, 200, 0), kBlack);
  EXPECT_EQ(at(canvas, 15, 15), rgb(0, 200, 0));
  EXPECT_EQ(at(canvas, 28, 28), rgb(0, 200, 0));
  EXPECT_EQ(at(canvas, 20, 20), rgb(0, 200, 0));
  EXPECT_EQ(at(canvas, 10, 10), kBlack);
  EXPECT_EQ(at(canvas, 29, 29), kBlack);
  EXPECT_EQ(at(canvas, 5, 5), kWhite);
  EXPECT_EQ(at(canvas, 40, 20), kWhite);
  // Filling again with the colour the area already has ends too.
  canvas.floodFill({15, 15}, rgb(0, 200, 0), kBlack);
  canvas.floodFill({10, 10}, kBlue, kBlack);  // on the border: nothing
  EXPECT_EQ(at(canvas, 10, 10), kBlack);
}

TEST(QtCanvas, ShapesPixelsAndText) {
  QtCanvas canvas(100, 100);
  canvas.clear(kTooltipBackground);
  EXPECT_EQ(at(canvas, 0, 0), kTooltipBackground);
  canvas.setPen(kBlack, 1, PenStyle::Solid);
  canvas.setBrush(kRed, BrushStyle::Solid);
  canvas.rectangle(10, 10, 20, 20);
  EXPECT_EQ(at(canvas, 15, 15), kRed);
  EXPECT_EQ(at(canvas, 10, 10), kBlack);
  EXPECT_EQ(at(canvas, 19, 19), kBlack);
  EXPECT_EQ(at(canvas, 20, 20), kTooltipBackground);
  canvas.setPixel({50, 50}, kBlue);
  canvas.setPixel({-1, 500}, kBlue);
  EXPECT_EQ(at(canvas, 50, 50), kBlue);
  EXPECT_GT(canvas.textWidth(U"Merkmal"), canvas.textWidth(U"M"));
  EXPECT_GT(canvas.textHeight(U"M"), 5);
  canvas.text({60, 60}, U"Größe");
  bool inked = false;
  for (int x = 60; x < 100; ++x)
    for (int y = 60; y < 80; ++y) inked = inked || at(canvas, x, y) == kBlack;
  EXPECT_TRUE(inked);
}

TEST(QtCanvas, PieSectorsRunCounterClockwise) {
  QtCanvas canvas(200, 200);
  canvas.clear(kWhite);
  canvas.setPen(kBlack, 2, PenStyle::Solid);
  canvas.setBrush(kWhite, BrushStyle::Clear);
  // From 0 to 90 degrees: the upper right quarter.
  canvas.pie(20, 20, 180, 180, {180, 100}, {100, 20});
  canvas.floodFill({130, 70}, kRed, kBlack);
  EXPECT_EQ(at(canvas, 130, 70), kRed);
  EXPECT_EQ(at(canvas, 70, 70), kWhite);
  EXPECT_EQ(at(canvas, 130, 130), kWhite);
}

TEST(QtCanvas, ChartsAsImages) {
  {
    QtCanvas canvas;
    drawBarChart(canvas, marks({3, 6, 8, 5, 2}), U"          M2 (X)", 2);
    EXPECT_EQ(at(canvas, 5, 5), kTooltipBackground);
    EXPECT_EQ(at(canvas, 90, 300), rgb(240, 200, 200));  // inside the first bar
    EXPECT_TRUE(canvas.savePng(chartFile("bar")));
  }
  {
    QtCanvas canvas;
    drawLineChart(canvas, marks({3, 6, 8, 5, 2}), U"          M2 (X)");
    EXPECT_TRUE(canvas.savePng(chartFile("line")));
  }
  {
    QtCanvas canvas;
    const Distribution d = marks({2, 0, 0, 1, 1});
    drawPieChart(canvas, d, U"          M2 (X)");
    // The fill points of the three sectors carry their shades (labels sit on them, so look
    // just beside them).
    EXPECT_EQ(at(canvas, 214, 140), rgb(255, 191, 191));
    EXPECT_EQ(at(canvas, 120, 300), rgb(255, 159, 159));
    EXPECT_EQ(at(canvas, 305, 300), rgb(255, 127, 127));
    EXPECT_EQ(at(canvas, 20, 214), kTooltipBackground);  // outside the circle
    EXPECT_TRUE(canvas.savePng(chartFile("pie")));
  }
  {
    QtCanvas canvas;
    PairSummary pair;
    pair.x = {6, 1, 6, 5, 3.5, 1.71};
    pair.y = {6, 2.8, 13.4, 10.6, 8.03, 3.61};
    pair.correlation = 0.99;
    pair.slope = 2.09;
    pair.intercept = 0.72;
    drawScatterChart(canvas, pair, {1, 2, 3, 4, 5, 6}, {2.8, 5.3, 7.1, 9.0, 10.6, 13.4}, 2);
    EXPECT_EQ(at(canvas, 300, 392), kBlack);  // the plot box
    EXPECT_TRUE(canvas.savePng(chartFile("scatter")));
  }
}

}  // namespace
}  // namespace korvale

namespace korvale {
namespace {

// On a screen of twice the density the chart keeps its size in window pixels and draws each of
// them as two by two of the screen's, so fills still find their borders.
TEST(QtCanvasTest, ADenserScreenGetsMorePixelsForTheSameChart) {
  QtCanvas canvas(100, 50, 2.0);
  EXPECT_EQ(canvas.width(), 100);
  EXPECT_EQ(canvas.height(), 50);
  EXPECT_EQ(canvas.image().size(), QSize(200, 100));
  EXPECT_EQ(canvas.image().deviceIndependentSize(), QSizeF(100, 50));
  canvas.setPen(kBlack, 1, PenStyle::Solid);
  canvas.setBrush(kWhite, BrushStyle::Clear);
  canvas.rectangle(10, 10, 41, 31);
  canvas.floodFill({20, 20}, 0xFF0000, kBlack);
  canvas.setPixel({99, 49}, 0x00FF00);
  const auto pixel = [&](int x, int y) { return canvas.image().pixel(x, y) & 0xFFFFFFu; };
  EXPECT_EQ(pixel(19, 30), kBlack);  // the frame's left side, two screen pixels wide
  EXPECT_EQ(pixel(20, 30), kBlack);
  EXPECT_EQ(pixel(21, 30), 0xFF0000u);  // filled up to it
  EXPECT_EQ(pixel(21, 21), 0xFF0000u);
  EXPECT_EQ(pixel(78, 58), 0xFF0000u);
  EXPECT_EQ(pixel(90, 40), kWhite);  // outside it
  for (const QPoint p : {QPoint(198, 98), QPoint(199, 99)})
    EXPECT_EQ(pixel(p.x(), p.y()), 0x00FF00u);
  EXPECT_EQ(pixel(197, 97), kWhite);
}

}  // namespace
}  // namespace korvale
