// How the Grades editor, laid out for a 1024 x 768 screen at 96 pixels per inch, fits the real
// one: the factors for positions and sizes, the window's font size, the font size of the panels
// beside the editor and the width of the fields view.
#pragma once

#include "window/scaling.h"

namespace korvale {

struct GradesScreenFit {
  double fx = 1.0;  // lefts and widths
  double fy = 1.0;  // tops and heights
  int windowFontSize = 0;
  // The fields view, the help text, the selection panel and the chart panel.
  int panelFontSize = 0;
  int fieldsViewWidth = 0;
};

// The design values: the window's font size and the fields view's width in pixels.
inline constexpr int kGradesDesignFontSize = 10;
inline constexpr int kGradesDesignFieldsViewWidth = 300;

GradesScreenFit gradesScreenFit(const Screen& screen);

}  // namespace korvale
