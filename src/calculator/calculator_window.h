// The Calculator's window: the input line on top, the three groups of help labels or the
// variable display in their place, and the three buttons; its keys act from every control.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "base/path.h"
#include "calculator/calculator.h"
#include "window/registry.h"
#include "window/scaling.h"
#include "window/window.h"

namespace korvale {

// Sizes that follow the screen: the window's font, the input line's and the variable display's
// text, and the window's size in pixels.
struct CalculatorFit {
  int windowFontSize = 8;
  int inputFontSize = 12;
  int displayFontSize = 10;
  int width = 0;
  int height = 0;
};

CalculatorFit calculatorFit(const Screen& screen);

// The desktop calculators F10 tries, in this order, by their program names.
const std::vector<std::string>& desktopCalculators();
// The first of them found as an executable file in one of the folders of `searchPath` (a PATH
// value, folders separated by ':'); empty when none is.
Path findDesktopCalculator(const std::string& searchPath);

class CalculatorWindow : public Window {
 public:
  CalculatorWindow(CalculatorPorts ports, Screen screen);

  WindowId id() const override { return WindowId::Calculator; }
  std::string objectName() const override { return "TForm13"; }
  Text caption() const override { return U"RECHNIX, Calculator"; }
  std::uint32_t background() const override { return 0xDCDCF0; }
  int fontSize() const override { return fit_.windowFontSize; }
  Rect size() const override { return {0, 0, fit_.width, fit_.height}; }
  std::vector<Control> controls() const override;
  std::vector<std::pair<std::string, Text>> tooltips() const override {
    return {{"clear", U"Eingabe und Ergebnis löschen"},
            {"toggle", U"Variablen oder Hilfe zeigen"},
            {"close", U"Calculator schließen"}};
  }
  std::vector<Panel> panels() const override;
  TextEditor* mainText() override { return &input_; }
  void opened() override { core_.opened(); }
  void closed() override { core_.closed(); }

  Calculator& core() { return core_; }

 private:
  void buildKeys();
  // Runs a button's or key's action and lets the view show the result.
  void act(void (Calculator::*action)());

  TextEditor& input_;
  CalculatorFit fit_;
  Calculator core_;
};

std::unique_ptr<Window> makeCalculator(WindowServices& services);

}  // namespace korvale
