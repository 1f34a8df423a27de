// A Calculator on in-memory ports, opened, with the program's variable table beside it.
#pragma once

#include <gtest/gtest.h>

#include "base/numbers.h"
#include "calculator/calculator.h"
#include "support/memory_text_editor.h"
#include "support/test_ports.h"

namespace korvale {

class CalculatorTest : public ::testing::Test {
 protected:
  CalculatorTest() { calculator.opened(); }

  // Types the text into the emptied input line and presses Enter; returns what it shows then.
  Text enter(const Text& text) {
    input.setPlainText(text);
    calculator.pressKey("Enter", {});
    return input.plainText();
  }
  void setDecimals(int decimals) {
    dialogs.text(intToText(decimals));
    calculator.pressKey("F7", {});
  }

  MemoryTextEditor input;
  TestDialogs dialogs;
  TestKeyState keys;
  TestCursor cursor;
  VariableTable variables;
  int closes = 0;
  int focused = 0;
  bool desktopCalculatorStarts = true;
  Calculator calculator{CalculatorPorts{input, dialogs, keys, cursor, variables,
                                        [this] { return desktopCalculatorStarts; },
                                        [this] { ++closes; }, [this] { ++focused; }}};
};

}  // namespace korvale
