// Reads lines "DECIMALS<TAB>INPUT", types each input into the Calculator, presses Enter and
// writes the input line that results, one line each (UTF-8). Messages go to standard error.
#include <iostream>
#include <string>

#include "base/numbers.h"
#include "calculator/calculator.h"
#include "support/memory_text_editor.h"
#include "support/test_ports.h"
#include "ui/ports/scripted_dialogs.h"

using namespace korvale;

int main() {
  MemoryTextEditor input;
  ScriptedDialogs dialogs([](const std::string& line) { std::cerr << line << '\n'; });
  TestKeyState keys;  // never down
  TestCursor cursor;
  VariableTable variables;
  Calculator calculator(CalculatorPorts{input, dialogs, keys, cursor, variables, {}, {}, {}});
  calculator.opened();
  std::string line;
  while (std::getline(std::cin, line)) {
    const std::size_t tab = line.find('\t');
    if (tab == std::string::npos) return 2;
    const Text decimals = fromUtf8(line.substr(0, tab));
    if (decimals != intToText(calculator.decimals())) {
      dialogs.queue(ScriptAnswer::typed(decimals));
      calculator.askDecimals();
    }
    input.setPlainText(fromUtf8(line.substr(tab + 1)));
    calculator.evaluate();
    std::cout << toUtf8(input.plainText()) << '\n';
  }
  return 0;
}
