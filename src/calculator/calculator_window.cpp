#include "calculator/calculator_window.h"

#include <unistd.h>
#include <cmath>
#include <cstdlib>
#include <tuple>

#include "calculator/calculator_help.h"

namespace korvale {

namespace {

// The window's size on a screen 1280 pixels wide, before it follows the screen.
constexpr int kDesignWidth = 560;
constexpr int kDesignHeight = 600;
constexpr Color kLightYellow = 0xFFFFE1;

std::string labelName(std::size_t group, std::size_t line) {
  return "help" + std::to_string(group + 1) + "_" + std::to_string(line + 1);
}

}  // namespace

CalculatorFit calculatorFit(const Screen& screen) {
  CalculatorFit fit;
  const bool wide = screen.width >= 1280;
  fit.windowFontSize = wide ? 10 : 8;
  fit.inputFontSize = fit.windowFontSize + (wide ? 2 : 4);
  fit.displayFontSize = fit.windowFontSize + (wide ? 0 : 2);
  const double q = screen.width > 0 ? static_cast<double>(screen.height) / screen.width : 0.75;
  double factor = 1.0;
  if (q > 0.625)
    factor = screen.width / 1280.0;
  else if (screen.dpi == 96)
    factor = 120.0 / 96.0;
  fit.width = static_cast<int>(std::lround(kDesignWidth * factor));
  fit.height = static_cast<int>(std::lround(kDesignHeight * factor));
  return fit;
}

const std::vector<std::string>& desktopCalculators() {
  static const std::vector<std::string> names = {
      "gnome-calculator", "kcalc",     "qalculate-qt", "qalculate-gtk",
      "galculator",       "mate-calc", "xcalc"};
  return names;
}

Path findDesktopCalculator(const std::string& searchPath) {
  for (const std::string& name : desktopCalculators()) {
    std::size_t start = 0;
    while (start <= searchPath.size()) {
      std::size_t end = searchPath.find(':', start);
      if (end == std::string::npos) end = searchPath.size();
      const std::string folder = searchPath.substr(start, end - start);
      // An empty entry would mean the current folder: never a place to start programs from.
      if (!folder.empty() && folder[0] == '/') {
        const Path candidate = Path(folder).join(Path(name));
        if (::access(candidate.c_str(), X_OK) == 0) return candidate;
      }
      start = end + 1;
    }
  }
  return Path();
}

CalculatorWindow::CalculatorWindow(CalculatorPorts ports, Screen screen)
    : input_(ports.input), fit_(calculatorFit(screen)), core_([this, ports]() mutable {
        const auto outer = ports.focusInput;
        ports.focusInput = [this, outer] {
          setFocus(std::string());
          if (outer) outer();
        };
        return ports;
      }()) {
  input_.setTypingFormat(CharFormat{U"Arial", fit_.inputFontSize, true});
  buildKeys();
}

void CalculatorWindow::act(void (Calculator::*action)()) {
  (core_.*action)();
  notify();
}

void CalculatorWindow::buildKeys() {
  using M = Modifiers;
  using C = Calculator;
  const std::vector<std::tuple<const char*, M, void (C::*)()>> table = {
      {"Enter", M::Any, &C::evaluate},
      {"F1", M::Any, &C::evaluate},
      {"F2", M::Any, &C::close},
      {"F3", M::Any, &C::storeMemory},
      {"F4", M::Any, &C::insertMemory},
      {"F7", M::NotCtrlAlone, &C::askDecimals},
      {"F8", M::Any, &C::addToSums},
      {"F9", M::NeitherShiftNorCtrl, &C::showCount},
      {"F9", M::Shift, &C::showSum},
      {"F9", M::Ctrl, &C::showSumOfSquares},
      {"F10", M::Any, &C::startDesktopCalculator},
      {"F11", M::Any, &C::insertSquareRoot},
      {"F12", M::Any, &C::insertSquare},
  };
  // The window sees the keys before its controls: the same table serves a focused button,
  // except Enter, which presses it.
  for (const char* control : {"", "clear", "toggle", "close"}) {
    for (const auto& [key, modifiers, action] : table) {
      if (*control != '\0' && std::string(key) == "Enter") continue;
      keys_.push_back({key, modifiers, nullptr, [this, a = action] { act(a); }, control});
    }
  }
}

std::vector<Control> CalculatorWindow::controls() const {
  using K = Control::Kind;
  auto* self = const_cast<CalculatorWindow*>(this);
  const bool helpShown = !core_.variablesShown();
  std::vector<Control> out;
  const auto help = calculatorHelp(core_.everOpened());
  for (std::size_t g = 0; g < help.size(); ++g) {
    for (std::size_t i = 0; i < help[g].size(); ++i) {
      Control label{K::Label, labelName(g, i), help[g][i], helpShown, true, nullptr};
      if (g == 2 && i == 0 && core_.everOpened()) label.foreground = kBlue;
      out.push_back(label);
    }
  }
  out.push_back(
      {K::Button, "clear", U"Löschen", true, true, [self] { self->act(&Calculator::clearAll); }});
  out.push_back({K::Button, "toggle", U"Variable/Hilfe", true, true,
                 [self] { self->act(&Calculator::toggleVariables); }});
  out.push_back(
      {K::Button, "close", U"Schließen", true, true, [self] { self->act(&Calculator::close); }});
  return out;
}

std::vector<Panel> CalculatorWindow::panels() const {
  using K = Panel::Kind;
  const bool helpShown = !core_.variablesShown();
  std::vector<Panel> out;
  const auto help = calculatorHelp(core_.everOpened());
  for (std::size_t g = 0; g < help.size(); ++g) {
    Panel group{K::Edits, "helpGroup" + std::to_string(g + 1), Text(), helpShown};
    group.background = background();
    for (std::size_t i = 0; i < help[g].size(); ++i)
      group.rowsOfControls.push_back({labelName(g, i)});
    out.push_back(group);
  }
  Panel display{K::Lines,    "variableDisplay",
                U"Variable", !helpShown,
                false,       {U"Courier New", fit_.displayFontSize, true}};
  display.background = kLightYellow;
  display.lines = core_.variableLines();
  display.caretLine = core_.variableLine();
  out.push_back(display);
  return out;
}

std::unique_ptr<Window> makeCalculator(WindowServices& s) {
  Platform& p = s.platform();
  WindowHost& host = s.host();
  Shell& shell = p.shell();
  CalculatorPorts ports{s.newEditor(),
                        p.dialogs(),
                        p.keys(),
                        p.cursor(),
                        s.variables(),
                        [&shell] {
                          const char* path = std::getenv("PATH");
                          const Path program = findDesktopCalculator(path ? path : "");
                          return !program.empty() && shell.startProgram(program);
                        },
                        [&host] { host.close(WindowId::Calculator); },
                        {}};
  return std::make_unique<CalculatorWindow>(std::move(ports), p.screen());
}

}  // namespace korvale
