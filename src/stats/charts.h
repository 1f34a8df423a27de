// The charts of the statistics, drawn on the chart panel's image.
#pragma once

#include <vector>

#include "base/text.h"
#include "stats/stats_table.h"
#include "ui/ports/canvas.h"

namespace korvale {

// The chart panel's image size when the window keeps its design size.
inline constexpr int kChartSize = 428;

// Bars over the classes with their percentages and bounds.
void drawBarChart(Canvas& canvas, const Distribution& distribution, const Text& xName,
                  int decimals);
// The class counts as points joined by lines.
void drawLineChart(Canvas& canvas, const Distribution& distribution, const Text& xName);
// One flood-filled sector per class, darker with each class.
void drawPieChart(Canvas& canvas, const Distribution& distribution, const Text& xName);

// The pairs of two columns (rows with a missing value left out), their mean point and the
// regression line as dots.
void drawScatterChart(Canvas& canvas, const PairSummary& pair, const std::vector<double>& x,
                      const std::vector<double>& y, int decimals);

// Nearest integer, ties to the even neighbour.
int roundEven(double value);

}  // namespace korvale
