// The Calculator's behaviour without a toolkit: the input line where formulas, assignments and
// commands are typed and results appear, 26 variables of its own swapped in and out of the
// evaluator's one table, running sums, the decimals setting and the keys and buttons.
#pragma once

#include <array>
#include <functional>
#include <vector>

#include "base/text.h"
#include "formula/variable_table.h"
#include "ui/ports/dialogs.h"
#include "ui/ports/key_state.h"
#include "ui/ports/text_editor.h"

namespace korvale {

// " Fehler" without the trailing blank: the answer to an assignment that cannot be made.
inline const Text kAssignmentError = U" Fehler";

struct CalculatorPorts {
  TextEditor& input;  // the input line
  Dialogs& dialogs;
  KeyState& keys;
  Cursor& cursor;
  // The program's one table of formula variables; the Calculator's own set lives in it while
  // the Calculator is open.
  VariableTable& variables;
  // F10: starts the desktop's calculator program; false when none could be started.
  std::function<bool()> startDesktopCalculator;
  std::function<void()> close;       // F2 and "Schließen"
  std::function<void()> focusInput;  // gives the input line the focus
};

class Calculator {
 public:
  explicit Calculator(CalculatorPorts ports);

  // Each opening: the evaluator's variables put aside, the Calculator's own loaded, the input
  // line emptied. Closing saves its set and puts the others back, and forgets a decimals change.
  void opened();
  void closed();

  void evaluate();                // Enter, F1
  void close();                   // F2
  void storeMemory();             // F3
  void insertMemory();            // F4
  void askDecimals();             // F7
  void addToSums();               // F8
  void showCount();               // F9
  void showSum();                 // Shift+F9
  void showSumOfSquares();        // Ctrl+F9
  void startDesktopCalculator();  // F10
  void insertSquareRoot();        // F11
  void insertSquare();            // F12

  void clearAll();         // "Löschen"
  void toggleVariables();  // "Variable/Hilfe"

  int decimals() const { return decimals_; }
  bool variablesShown() const { return variablesShown_; }
  // " a = 2.50" ... " z = 0.00", from the evaluator's table while the Calculator is open.
  const std::vector<Text>& variableLines() const { return variableLines_; }
  // The line of the variable display that its caret is on (the last variable assigned).
  int variableLine() const { return variableLine_; }
  // Whether the Calculator has been opened at least once (the help changes then).
  bool everOpened() const { return everOpened_; }
  const Text& memory() const { return memory_; }

 private:
  // The input line trimmed, with "^^" read as "^".
  Text preparedInput() const;
  Text evaluateText(const Text& prepared);
  Text assign(const Text& prepared);
  void show(const Text& text);
  void focusAndMark();
  void rebuildVariables();
  Text display(double value) const;

  CalculatorPorts p_;
  int decimals_ = 2;
  int decimalsAtOpening_ = 2;
  Text memory_;
  long long count_ = 0;
  double sum_ = 0;
  double sumOfSquares_ = 0;
  bool variablesShown_ = false;
  bool everOpened_ = false;
  std::array<double, VariableTable::kCount> own_{};
  std::array<double, VariableTable::kCount> others_{};
  std::vector<Text> variableLines_;
  int variableLine_ = 0;
};

}  // namespace korvale
