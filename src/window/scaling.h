// Fitting the windows laid out for a 1024 x 768 screen at 96 pixels per inch to the real one.
#pragma once

namespace korvale {

struct Screen {
  int width = 1024;
  int height = 768;
  int dpi = 96;
};

// The smaller of width / 1024 and height / 768 (equality takes the width), then 96 / dpi.
double startWindowScale(const Screen& screen);

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  bool operator==(const Rect&) const = default;
};

// The design size of the Start window's three panels.
inline constexpr int kStartPanelWidth = 250;
inline constexpr int kStartPanelHeight = 80;

struct StartPanels {
  Rect classEditor, gradesEditor, programEnd;
};

// The three panels in one centred column; sizes are the scaled panel sizes.
StartPanels startPanelLayout(int screenWidth, int screenHeight, int panelWidth, int panelHeight);

// Integer scaling of a design size, as the toolkit scales positions, sizes and font heights.
int scaled(int designValue, double factor);

}  // namespace korvale
