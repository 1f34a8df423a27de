// What the Grades editor keeps for its evaluations between commands.
#pragma once

#include "stats/marked_numbers.h"

namespace korvale {

// The chart panel beside the editor and the function graph's drawing state.
struct ChartState {
  bool panelVisible = false;
  int halfWidth = 10;    // the function graph's axes run from -halfWidth to halfWidth
  bool drawAxes = true;  // the next function graph draws its axes first
};

// Which evaluation wrote the editor's output last; printing turns page 3 of an N-dimensional
// report to landscape.
enum class PrintOrientationMode {
  None = 0,
  OneDimensional = 1,
  TwoDimensional = 2,
  NDimensional = 3
};

struct StatsState {
  int decimals = 2;
  // The last table was read with a header line and a margin column.
  bool headerAndMargin = false;
  PrintOrientationMode printOrientationMode = PrintOrientationMode::None;
  ChartState chart;
  // How the last statistics command read its table; F4 reads marked numbers the same way, and
  // before any such command each line is one field and every line is data.
  MarkedTextReading lastReading;

  // Each opening of the window starts afresh.
  void windowOpened() {
    *this = StatsState();
    headerAndMargin = true;
  }
};

}  // namespace korvale
