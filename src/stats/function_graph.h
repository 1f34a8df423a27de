// The function graph (F2, "Funktion - Grafik"): the line "F(x),b" draws F in a square coordinate
// system from -b to b on the chart panel. Graphs with the same b are drawn over each other;
// another b starts a fresh image.
#pragma once

#include "base/text.h"
#include "formula/variable_table.h"
#include "stats/stats_state.h"
#include "ui/ports/canvas.h"

namespace korvale {

// The coordinate system -h..h on both axes spread over the whole image.
struct GraphFrame {
  int halfWidth = 10;
  int width = 0;
  int height = 0;

  // Rounded to the nearest pixel, ties to even.
  Point pixel(double x, double y) const;
  // The point a pixel stands for.
  double xAt(int px) const;
  double yAt(int py) const;
};

// The half-width a line asks for: |b| rounded, 10 when b is missing, unreadable or rounds to 0.
int graphHalfWidth(const Text& line, const VariableTable& variables);

// Draws the line's graph; false (nothing drawn) for an empty line. Another half-width than the
// chart's clears the image first.
bool drawFunctionGraph(Canvas& canvas, ChartState& chart, const Text& line,
                       VariableTable& variables);

// What a click on the chart shows: " X = x \r Y = y " for the pressed pixel.
Text coordinatesMessage(Point pressed, const ChartState& chart, const Canvas& canvas);

// Clears the chart image to white, hides the chart panel and resets the function graph.
void resetChart(StatsState& state, Canvas& canvas);

}  // namespace korvale
