#include "grades/screen_fit.h"

#include <gtest/gtest.h>

namespace korvale {
namespace {

TEST(GradesScreenFit, FactorsFontsAndFieldsViewWidth) {
  struct Row {
    Screen screen;
    double fx, fy;
    int font, panelFont, fieldsWidth;
  } rows[] = {
      // 4:3 screens scale as a whole; the panels keep the window's font.
      {{1024, 768, 96}, 1.0, 1.0, 10, 10, 300},
      {{1600, 1200, 96}, 1.5625, 1.5625, 16, 16, 469},
      // Wide screens: 0.85 across, 1.02 down, the fields view narrower once more.
      {{1920, 1080, 96}, 1.59375, 1.434375, 16, 14, 406},
      {{1366, 768, 96}, 1.1338, 1.02, 11, 9, 289},
      // A finer screen gets everything smaller by 96 / dpi.
      {{1920, 1080, 120}, 1.275, 1.1475, 13, 11, 325},
  };
  for (const Row& r : rows) {
    const GradesScreenFit fit = gradesScreenFit(r.screen);
    EXPECT_NEAR(fit.fx, r.fx, 0.001) << r.screen.width;
    EXPECT_NEAR(fit.fy, r.fy, 0.001) << r.screen.width;
    EXPECT_EQ(fit.windowFontSize, r.font) << r.screen.width;
    EXPECT_EQ(fit.panelFontSize, r.panelFont) << r.screen.width;
    EXPECT_EQ(fit.fieldsViewWidth, r.fieldsWidth) << r.screen.width;
  }
}

}  // namespace
}  // namespace korvale
