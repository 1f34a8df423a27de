// Formulas and the seven commands as the input line shows them after Enter.
#include <string>
#include <vector>

#include "calculator/calculator_text.h"
#include "calculator_fixture.h"

namespace korvale {
namespace {

struct Case {
  const char* input;
  const char* shown;
  int decimals = 2;
  const char* message = nullptr;  // the message shown on the way, as the transcript writes it
};

const Case kCases[] = {
    // Plain formulas: the result without trailing zeros; failures with a blank on both sides.
    {"2+3", "5"},
    {"10/4", "2.5"},
    {"1/3", "0.33"},
    {"1/3", "0.3333", 4},
    {"2^^3", "8"},
    {"  -0.001 ", "0"},
    {"1/0", " Fehler "},
    {"2*", " Fehler "},
    {"1e200*1e200", " Fehler "},
    {"sin(30)", "0.5", 14},
    // pfz: ascending factors and "*1"; a prime or 1 stands for itself with its sign.
    {"pfz(360)", "z = 2*2*2*3*3*5*1"},
    {"pfz(12)", "z = 2*2*3*1"},
    {"pfz(-12)", "z = 2*2*3*1"},
    {"pfz(7)", "z = 7*1"},
    {"pfz(-7)", "z = -7*1"},
    {"pfz(-2)", "z = 2*1"},
    {"pfz(1)", "z = 1*1"},
    {"pfz(101)", "z = 101*1"},
    {"pfz(202)", "z = 2*101*1"},
    {"pfz(2147483647)", "z = 2147483647*1"},
    {"pfz(-2147483648)", "z = 2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*1"},
    {"pfz(2147483646)", "z = 2*3*3*7*11*31*151*331*1"},
    {"pfz(0)", " Fehler "},
    {"pfz(1.5)", " Fehler "},
    {"pfz 12", " Fehler "},
    // qua: the four shapes of the answer.
    {"qua(1,-3,2)", " x = 2.00, y = 1.00"},
    {"qua(1,2,1)", "x = -1.00, y = -1.00"},
    {"qua(1,2,5)", "z = -1.00 +/- i*2.00"},
    {"qua(0,2,-4)", "x = 2.00, y = 2.00"},
    {"qua(0,0,1)", " Fehler "},
    {"qua(1,2)", " Fehler "},
    // dif: orders 0 to 2 with the probes around a.
    {"dif(x^2,1,3)", "z = 6.00"},
    {"dif(x^2,2,3)", "z = 2.00"},
    {"dif(x^3,0,2)", "z = 8.00"},
    {"dif(sqrt(x),1,0)", " Fehler "},
    {"dif(1/x,1,0)", " Fehler "},
    {"dif(sqrt(x),1,0.0015)", " Fehler "},
    {"dif(sqrt(x),2,0.003)", " Fehler "},
    {"dif(x^2,3,3)", " Fehler "},
    {"dif(x^2,1,3,4)", " Fehler "},
    {"dif(x^2,1)", " Fehler "},
    // int: Simpson's rule; a sign change or a wrong range is refused.
    {"int(x^2,0,3)", "z = 9.00"},
    {"3*int(x,0,1)", "z = 0.50"},
    {"int(sin(x),0,180)", "z = 114.59"},
    {"int(x,-1,2)", " Fehler "},
    {"int(sqrt(x),-1,2)", " Fehler "},
    {"int(x,1,1)", " Fehler ", 2, "1,1...2"},
    {"int(x,1,0)", " Fehler ", 2, "1,0...2"},
    {"int(x,1)", " Fehler ", 2, "1...1"},
    {"int(x,0,1,)", " Fehler ", 2, "0,1,...3"},
    {"int(x,0,1", " Fehler "},
    // nul: bisection; without a sign change it gives up.
    {"nul(x^2-2,0,0,2)", "z = 1.41"},
    {"nul(x^3-2,0,0,2)", "z = 1.2599", 4},
    {"nul(x^2-2,1,-1,2)", "z = 0.00"},
    {"nul(x^2+1,0,0,2)", " Fehler "},
    {"nul(1/(x-1),0,0,3)", " Fehler "},
    {"nul(x^2-2,3,0,2)", " Fehler "},
    // kom: combinations from the factorials.
    {"kom(5,2)", "z = 10.00"},
    {"kom(5,2,9)", "z = 10.00"},
    {"kom(2,5)", " Fehler "},
    {"kom(5,0)", " Fehler "},
    {"kom(151,1)", " Fehler "},
    {"kom(150,148)", "z = 11175.00"},
    // gau: the standard normal probability from 0 to z.
    {"gau(1)", "w = 0.3413", 4},
    {"gau(-1)", "w = 0.3413", 4},
    {"gau(0)", "w = 0.00"},
    {"gau(x)", "w = 0.00"},
    {"gau()", " Fehler "},
};

class CommandCase : public CalculatorTest, public ::testing::WithParamInterface<Case> {};

TEST_P(CommandCase, ShowsItsResult) {
  const Case& c = GetParam();
  if (c.decimals != 2) setDecimals(c.decimals);
  EXPECT_EQ(toUtf8(enter(fromUtf8(c.input))), c.shown);
  EXPECT_EQ(input.markedText(), input.plainText()) << "the result is marked";
  const std::vector<std::string> messages =
      c.message ? std::vector<std::string>{std::string("[message] ") + c.message}
                : std::vector<std::string>{};
  EXPECT_EQ(std::vector<std::string>(dialogs.shown.begin() + (c.decimals != 2 ? 1 : 0),
                                     dialogs.shown.end()),
            messages);
}

INSTANTIATE_TEST_SUITE_P(Calculator, CommandCase, ::testing::ValuesIn(kCases));

TEST_F(CalculatorTest, CommandsReadTheVariablesIntoTheirNumbers) {
  enter(U"a = 1.5");
  enter(U"b = -2");
  EXPECT_EQ(enter(U"qua(1,b,1)"), U"x = 1.00, y = 1.00");
  EXPECT_EQ(enter(U"kom(a*4,B)"), U" Fehler ") << "2*a stays a formula, not a number";
  EXPECT_EQ(enter(U"nul(x^2-2,0,0,A)"), U"z = 1.41");
  EXPECT_EQ(enter(U"int(x,0,2e0)"), U"z = 20000.00") << "the e of an exponent is a variable: 200";
  enter(U"c = 1e200");
  EXPECT_EQ(enter(U"qua(c,c,1)"), U" Fehler ") << "no infinite discriminant";
  // The formula of a command reads the variables itself; x ends at the last x evaluated.
  EXPECT_EQ(enter(U"int(x+a,0,1)"), U"z = 2.00");
  EXPECT_NEAR(variables.get('x'), 0.999, 1E-12);
  enter(U"nul(x^2-2,0,0,2)");
  EXPECT_NEAR(variables.get('x'), 1.41421356, 1E-8);
}

TEST_F(CalculatorTest, MoreThanAHundredArgumentsAreRefused) {
  Text hundred = U"1";
  for (int i = 1; i < 100; ++i) hundred += U",1";
  EXPECT_EQ(readNumberList(hundred).numbers.size(), 100u);
  EXPECT_FALSE(readNumberList(hundred + U",1").valid);
  EXPECT_EQ(enter(U"qua(" + hundred + U",1)"), U" Fehler ");
}

TEST_F(CalculatorTest, EscapeStopsLongCommands) {
  keys = TestKeyState(1);
  EXPECT_EQ(enter(U"pfz(2147483647)"), U" Fehler ");
  keys = TestKeyState(3);
  EXPECT_EQ(enter(U"nul(x^2+1,0,0,2)"), U" Fehler ");
  EXPECT_EQ(keys.polls(), 3);
  EXPECT_EQ(cursor.shapes, (std::vector<CursorShape>{CursorShape::Busy, CursorShape::Normal}));
}

TEST(CalculatorNumbers, DisplayResultAndSubstitutionTexts) {
  struct Row {
    double value;
    int decimals;
    const char* display;
    const char* result;
  };
  for (const Row& r :
       std::vector<Row>{{3.14159, 2, "3.14", "3.14"},
                        {3.14159, 0, "3", "3"},
                        {2.5, 2, "2.50", "2.5"},
                        {3, 2, "3.00", "3"},
                        {-0.001, 2, "0.00", "0"},
                        {-2.5, 1, "-2.5", "-2.5"},
                        {1E20, 2, "100000000000000000000.00", "100000000000000000000"}}) {
    EXPECT_EQ(toUtf8(displayNumber(r.value, r.decimals)), r.display) << r.value;
    EXPECT_EQ(toUtf8(resultText(r.value, r.decimals)), r.result) << r.value;
  }
  EXPECT_EQ(substitutionText(1.5), U"1.5");
  EXPECT_EQ(substitutionText(0), U"0");
  EXPECT_EQ(substitutionText(-2), U"-2");
  EXPECT_EQ(substitutionText(1.0 / 3), U"0.3333333333333333");
}

}  // namespace
}  // namespace korvale
