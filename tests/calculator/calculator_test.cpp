// The Calculator's input line, variables, keys and buttons, and its openings and closings.
#include <string>
#include <vector>

#include "calculator/calculator_help.h"
#include "calculator_fixture.h"

namespace korvale {
namespace {

TEST_F(CalculatorTest, AssignmentsGoEitherWay) {
  struct Row {
    const char32_t* input;
    const char32_t* shown;
    char letter;  // the variable set, 0 for none
    double value;
  };
  for (const Row& r : std::vector<Row>{
           {U"a = 5", U"5", 'a', 5},
           {U"a*2", U"10", 0, 0},
           {U"5 = b", U"5", 'b', 5},
           {U"3*4 = C", U"12", 'c', 12},
           {U"d=1/3", U"0.33", 'd', 1.0 / 3},
           {U"= e", U"0", 'e', 0},
           {U"f =", U"0", 'f', 0},
           {U"g = a+b", U"10", 'g', 10},
           {U"ab = 3", U" Fehler", 0, 0},
           {U"a = 1/0", U" Fehler", 0, 0},
           {U"a = b = 3", U" Fehler", 0, 0},
       }) {
    const VariableTable before = variables;
    EXPECT_EQ(enter(r.input), r.shown) << toUtf8(r.input);
    VariableTable after = before;
    if (r.letter) after.set(r.letter, r.value);
    EXPECT_EQ(variables, after) << toUtf8(r.input);
  }
  // The display shows the stored value in the current decimals, its caret on the last one set.
  EXPECT_EQ(calculator.variableLines()[3], U" d = 0.33");
  EXPECT_EQ(calculator.variableLine(), 6);
  EXPECT_EQ(calculator.variableLines().size(), 26u);
}

TEST_F(CalculatorTest, EachOpeningSwapsTheVariableSets) {
  enter(U"a = 5");
  calculator.closed();
  // The Grades editor's line mathematics stores into the table, and its opening clears it.
  EXPECT_EQ(variables, VariableTable{});
  variables.set('a', 7);
  variables.set('z', 1);
  const VariableTable gradesSet = variables;

  calculator.opened();
  EXPECT_EQ(variables.get('a'), 5);
  EXPECT_EQ(variables.get('z'), 0);
  EXPECT_EQ(input.plainText(), U"");
  EXPECT_EQ(enter(U"a*2"), U"10");
  calculator.closed();
  EXPECT_EQ(variables, gradesSet);

  variables.clear();
  calculator.opened();
  EXPECT_EQ(variables.get('a'), 5) << "the Grades editor's reset never reaches the saved set";
}

TEST_F(CalculatorTest, DecimalsHoldForOneOpening) {
  struct Row {
    const char32_t* answer;  // nullptr: cancelled
    int decimals;
  };
  EXPECT_EQ(enter(U"1/3"), U"0.33");
  for (const Row& r : std::vector<Row>{
           {U"4", 4}, {nullptr, 4}, {U"20", 2}, {U"x", 2}, {U" 14 ", 14}, {U"-1", 2}, {U"0", 0}}) {
    if (r.answer)
      dialogs.text(r.answer);
    else
      dialogs.cancel();
    press("F7");
    EXPECT_EQ(calculator.decimals(), r.decimals);
  }
  setDecimals(4);
  EXPECT_EQ(dialogs.shown.back(),
            "[input]  Dezimalstellen (0...14)  | gültig nur für den aktuellen Aufruf des Rechners "
            "| 0 -> 4");
  // The number in the input line is shown again with the new decimals, and marked.
  EXPECT_EQ(input.plainText(), U"0.0000");
  EXPECT_EQ(input.markedText(), U"0.0000");
  EXPECT_EQ(enter(U"1/3"), U"0.3333");
  EXPECT_EQ(calculator.variableLines()[0], U" a = 0.0000");
  calculator.closed();
  calculator.opened();
  EXPECT_EQ(calculator.decimals(), 2);
}

TEST_F(CalculatorTest, KeysFollowTheirModifierRules) {
  struct Row {
    const char* key;
    Held held;
    const char32_t* shown;  // nullptr: the key does nothing
  };
  for (const char32_t* number : {U"3", U" 4 "}) {
    input.setPlainText(number);
    press("F8");
    EXPECT_EQ(input.markedText(), number) << "the number stays, marked";
  }
  for (const Row& r : std::vector<Row>{
           {"F9", {}, U"n = 2"},
           {"F9", {.alt = true}, U"n = 2"},
           {"F9", {.shift = true}, U"x = 7.00"},
           {"F9", {.ctrl = true}, U"y = 25.00"},
           {"F9", {.shift = true, .ctrl = true}, nullptr},
           {"F9", {.shift = true, .alt = true}, nullptr},
           {"F7", {.ctrl = true}, nullptr},
           {"F5", {}, nullptr},
       }) {
    input.setPlainText(U"keep");
    EXPECT_EQ(press(r.key, r.held), r.shown != nullptr) << r.key;
    EXPECT_EQ(input.plainText(), r.shown ? r.shown : U"keep") << r.key;
  }
  input.setPlainText(U"zwei");
  press("F8");
  EXPECT_EQ(input.plainText(), U" Fehler ");
  press("F9");
  EXPECT_EQ(input.plainText(), U"n = 2");

  // Sums beyond the range of a double are no number to show.
  input.setPlainText(U"1e308");
  press("F8");
  press("F8");
  press("F9", {.shift = true});
  EXPECT_EQ(input.plainText(), U" Fehler ");

  dialogs.text(U"3");
  press("F7", {.shift = true, .ctrl = true});
  EXPECT_EQ(calculator.decimals(), 3);
}

TEST_F(CalculatorTest, EditingKeysWorkAtTheCaret) {
  input.setPlainText(U"  1+2^^2 ");
  press("F3");
  EXPECT_EQ(calculator.memory(), U"1+2^2");
  input.setPlainText(U"   ");
  press("F3");
  EXPECT_EQ(calculator.memory(), U"1+2^2") << "an empty line is not stored";

  input.setPlainText(U"2*()");
  input.mark({0, 2}, {0, 4});
  press("F4");
  EXPECT_EQ(input.plainText(), U"2*1+2^2");
  press("F12");
  EXPECT_EQ(input.plainText(), U"2*1+2^2^2");
  input.setPlainText(U"3+");
  input.setCaret({0, 2});
  press("F11");
  EXPECT_EQ(input.plainText(), U"3+sqrt()");
  EXPECT_EQ(input.caret(), (TextPos{0, 7}));
  press("F12");
  EXPECT_EQ(input.plainText(), U"3+sqrt(^2)");
}

TEST_F(CalculatorTest, ButtonsAndWindowKeys) {
  enter(U"a = 5");
  input.setPlainText(U"7");
  press("F8");
  calculator.clearAll();
  EXPECT_EQ(variables, VariableTable{});
  EXPECT_EQ(input.markedText(), U"0");
  press("F9");
  EXPECT_EQ(input.plainText(), U"n = 0");
  EXPECT_EQ(calculator.variableLines()[0], U" a = 0.00");

  EXPECT_FALSE(calculator.variablesShown());
  calculator.toggleVariables();
  EXPECT_TRUE(calculator.variablesShown());

  press("F2");
  EXPECT_EQ(closes, 1);

  input.setPlainText(U"x");
  press("F10");
  EXPECT_TRUE(dialogs.shown.empty());
  desktopCalculatorStarts = false;
  press("F10");
  EXPECT_EQ(dialogs.shown, std::vector<std::string>{"[message] Calculator nicht gefunden"});
  EXPECT_EQ(input.markedText(), U"x");

  const int before = focused;
  input.setPlainText(U"   ");
  press("F1");
  EXPECT_EQ(input.plainText(), U"   ") << "an empty line is not evaluated";
  EXPECT_EQ(focused, before);
}

TEST(CalculatorHelp, TheVariablesLabelChangesAtTheFirstOpening) {
  EXPECT_EQ(calculatorHelp(false)[2][0], U"Veränderbare Variablenspeicher: ");
  EXPECT_EQ(calculatorHelp(true)[2][0], U"Speicher mit 26 Variable: < a bis z >");
  EXPECT_EQ(calculatorHelp(true)[1].size(), 9u);
}

}  // namespace
}  // namespace korvale
