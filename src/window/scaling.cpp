#include "window/scaling.h"

#include <cmath>

namespace korvale {

double startWindowScale(const Screen& screen) {
  const double ratio = static_cast<double>(screen.height) / screen.width;
  double factor = ratio >= 0.75 ? screen.width / 1024.0 : screen.height / 768.0;
  if (screen.dpi != 96 && screen.dpi > 0) factor *= 96.0 / screen.dpi;
  return factor;
}

StartPanels startPanelLayout(int screenWidth, int screenHeight, int panelWidth, int panelHeight) {
  StartPanels p;
  p.classEditor = {screenWidth / 2 - panelWidth / 2, screenHeight / 3 - panelHeight, panelWidth,
                   panelHeight};
  p.gradesEditor = {p.classEditor.left, p.classEditor.top + panelHeight + panelHeight / 4,
                    panelWidth, panelHeight};
  p.programEnd = {p.gradesEditor.left, p.gradesEditor.top + panelHeight + panelHeight / 4,
                  panelWidth, panelHeight};
  return p;
}

int scaled(int designValue, double factor) {
  return static_cast<int>(std::lround(designValue * factor));
}

}  // namespace korvale
