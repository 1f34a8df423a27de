// The Calculator's window: its size on different screens, the keys from a focused button, the
// help or the variable display, and the search for the desktop's calculator.
#include <sys/stat.h>

#include <fstream>

#include "calculator_fixture.h"
#include "support/temp_folder.h"

namespace korvale {
namespace {

TEST(CalculatorFit, FollowsTheScreen) {
  struct Row {
    Screen screen;
    CalculatorFit fit;
  };
  for (const Row& r : std::vector<Row>{
           {{1024, 768, 96}, {8, 12, 10, 448, 480}},
           {{1280, 1024, 96}, {10, 12, 10, 560, 600}},
           {{1920, 1080, 96}, {10, 12, 10, 700, 750}},  // wide: scaled by 120/96
           {{1920, 1080, 120}, {10, 12, 10, 560, 600}},
       }) {
    const CalculatorFit fit = calculatorFit(r.screen);
    EXPECT_EQ(fit.windowFontSize, r.fit.windowFontSize) << r.screen.width;
    EXPECT_EQ(fit.inputFontSize, r.fit.inputFontSize) << r.screen.width;
    EXPECT_EQ(fit.displayFontSize, r.fit.displayFontSize) << r.screen.width;
    EXPECT_EQ(fit.width, r.fit.width) << r.screen.width;
    EXPECT_EQ(fit.height, r.fit.height) << r.screen.width;
  }
}

TEST_F(CalculatorTest, TheWindowSeesTheKeysBeforeAFocusedButton) {
  input.setPlainText(U"6");
  press("F8");
  window.setFocus("clear");
  window.keyInControl("clear", KeyPress{"F9"});
  EXPECT_EQ(input.plainText(), U"n = 1");
  EXPECT_EQ(window.focus(), "") << "the input line has the focus again";
  // Enter on a button presses it instead of evaluating.
  window.setFocus("toggle");
  window.keyInControl("toggle", KeyPress{"Enter"});
  EXPECT_TRUE(calculator.variablesShown());
  for (const Panel& panel : window.panels())
    EXPECT_EQ(panel.visible, panel.name == "variableDisplay") << panel.name;
  for (const Control& control : window.controls())
    EXPECT_EQ(control.visible, control.kind == Control::Kind::Button) << control.name;
}

TEST(DesktopCalculator, TheFirstExecutableOfTheListOnThePath) {
  TempFolder first, second;
  const auto make = [](const Path& file, mode_t mode) {
    std::ofstream(file.bytes()) << "#!/bin/sh\n";
    ::chmod(file.c_str(), mode);
  };
  const std::string path = first.path().bytes() + "::relative:" + second.path().bytes();
  EXPECT_EQ(findDesktopCalculator(path), Path());
  make(first / "xcalc", 0644);  // not executable
  EXPECT_EQ(findDesktopCalculator(path), Path());
  make(second / "xcalc", 0755);
  EXPECT_EQ(findDesktopCalculator(path), second / "xcalc");
  make(second / "kcalc", 0755);
  EXPECT_EQ(findDesktopCalculator(path), second / "kcalc") << "earlier in the list";
  make(first / "galculator", 0755);
  EXPECT_EQ(findDesktopCalculator(path), second / "kcalc");
  EXPECT_EQ(findDesktopCalculator(""), Path());
}

}  // namespace
}  // namespace korvale
