#include "grades/screen_fit.h"

namespace korvale {

GradesScreenFit gradesScreenFit(const Screen& screen) {
  GradesScreenFit fit;
  const int width = screen.width > 0 ? screen.width : 1024;
  const int height = screen.height > 0 ? screen.height : 768;
  if (height * 4 != width * 3) {
    // A wide screen: the window keeps some room at the sides and fills the height.
    fit.fx = width / 1024.0 * 0.85;
    fit.fy = height / 768.0 * 1.02;
    fit.windowFontSize = scaled(kGradesDesignFontSize, fit.fx);
    fit.panelFontSize = fit.windowFontSize - 2;
    fit.fieldsViewWidth = scaled(kGradesDesignFieldsViewWidth, fit.fx * 0.85);
  } else {
    fit.fx = fit.fy = width / 1024.0;
    fit.windowFontSize = scaled(kGradesDesignFontSize, fit.fx);
    fit.panelFontSize = fit.windowFontSize;
    fit.fieldsViewWidth = scaled(kGradesDesignFieldsViewWidth, fit.fx);
  }
  // Fonts and sizes are given in pixels at 96 per inch; a finer screen shows them as large.
  if (screen.dpi > 0 && screen.dpi != 96) {
    const double dpiFactor = 96.0 / screen.dpi;
    fit.fx *= dpiFactor;
    fit.fy *= dpiFactor;
    fit.windowFontSize = scaled(fit.windowFontSize, dpiFactor);
    fit.panelFontSize = scaled(fit.panelFontSize, dpiFactor);
    fit.fieldsViewWidth = scaled(fit.fieldsViewWidth, dpiFactor);
  }
  return fit;
}

}  // namespace korvale
