// A Calculator on in-memory ports, opened, with the program's variable table beside it.
#pragma once

#include <gtest/gtest.h>

#include "base/numbers.h"
#include "calculator/calculator_window.h"
#include "support/memory_text_editor.h"
#include "support/test_ports.h"

namespace korvale {

// The modifiers held with a key.
struct Held {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
};

class CalculatorTest : public ::testing::Test {
 protected:
  CalculatorTest() { calculator.opened(); }

  // Types the text into the emptied input line and presses Enter; returns what it shows then.
  Text enter(const Text& text) {
    input.setPlainText(text);
    press("Enter");
    return input.plainText();
  }
  // A key in the input line, through the window's key table; true when a row took it.
  bool press(const char* key, Held held = Held()) {
    return window.keyPressed(KeyPress{key, held.shift, held.ctrl, held.alt});
  }
  void setDecimals(int decimals) {
    dialogs.text(intToText(decimals));
    press("F7");
  }

  MemoryTextEditor input;
  TestDialogs dialogs;
  TestKeyState keys;
  TestCursor cursor;
  VariableTable variables;
  int closes = 0;
  int focused = 0;
  bool desktopCalculatorStarts = true;
  CalculatorWindow window{CalculatorPorts{input, dialogs, keys, cursor, variables,
                                          [this] { return desktopCalculatorStarts; },
                                          [this] { ++closes; }, [this] { ++focused; }},
                          Screen{}};
  Calculator& calculator = window.core();
};

}  // namespace korvale
