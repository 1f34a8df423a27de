#include "formula/evaluator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>

namespace korvale {
namespace {

struct Expected {
  const char* formula;
  int code;
  double value;
};

struct Outcome {
  int code = -1;
  double value = 0;
  std::string messages;
};

Outcome evaluate(const std::string& formula, const VariableTable& variables = {}) {
  Outcome outcome;
  std::ostringstream messages;
  outcome.value = EvaluateFormula(formula, outcome.code, variables, messages);
  outcome.messages = messages.str();
  return outcome;
}

void expectExact(const Expected& expected, const VariableTable& variables = {}) {
  const Outcome outcome = evaluate(expected.formula, variables);
  EXPECT_EQ(outcome.code, expected.code) << expected.formula;
  // Compares bits, so 0 and -0 differ and "about" does not pass.
  EXPECT_EQ(std::signbit(outcome.value), std::signbit(expected.value)) << expected.formula;
  EXPECT_EQ(outcome.value, expected.value) << expected.formula;
  EXPECT_EQ(outcome.messages, "") << expected.formula;
}

TEST(EvaluateFormula, PrecedenceAssociativityAndSigns) {
  const Expected cases[] = {
      {"2+3*4", 1, 14},     {"(2+3)*4", 1, 20},    {"2^3^2", 1, 512},
      {"7/2", 1, 3.5},      {"8/4/2", 1, 1},       {"10-4-3", 1, 3},
      {"2*3^2", 1, 18},     {"-2^2", 1, -4},       {"2*-2^2", 1, 8},
      {"(-2)^2", 1, 4},     {"2--3", 1, 5},        {"--3", 1, 3},
      {"-3^2", 1, -9},      {"(-3^2)", 1, -9},     {"2*-3^2", 1, 18},
      {"2^-1", 1, 0.5},     {"2^-2^2", 1, 16},     {"(--3)", 1, 3},
      {"+5", 1, 5},         {"(+5)*2", 1, 10},     {"+-3^2", 1, 9},
      {"-(2+3)*2", 1, -10}, {"(-2+3)*2", 1, 2},    {"2---3", 0, 0},
      {"2*+3", 0, 0},       {"-+3", 0, 0},         {"2+", 0, 0},
      {"*2", 0, 0},         {"((2)", 0, 0},        {"(2))", 0, 0},
      {"2(3)", 0, 0},       {"()", 0, 0},          {"+", 0, 0},
      {"", 0, 0},           {"    ", 0, 0},        {"1 \t+2", 0, 0},
      {" 1 2 ", 1, 12},     {"0.1+0.2-0.3", 1, 0}, {"1/3", 1, 1.0 / 3},
      {"0-0", 1, 0},        {"-0", 1, 0},          {"0/-5", 1, 0},
  };
  for (const Expected& c : cases) expectExact(c);
}

TEST(EvaluateFormula, NumberTexts) {
  const Expected cases[] = {
      {"1.5E3", 1, 1500},
      {"1e3", 1, 1000},
      {"1E+3", 1, 1000},
      {"1E-3", 1, 0.001},
      {"1.E2", 1, 100},
      {".5+1", 1, 1.5},
      {"5.+1", 1, 6},
      {"007", 1, 7},
      {"2E", 5, 0},
      {"2E+", 5, 0},
      {"2E-+", 0, 0},  // the syntax error outranks the math error before it
      {".", 0, 0},
      {".+1", 0, 0},
      {"1.2.3", 0, 0},
      {"1,5", 0, 0},
      {"1E1234", 0, 0},  // 1E123 followed by 4
      {"1E999", 5, 0},
      {"1E400", 5, 0},
      {"1E-400", 1, 0},  // below the smallest double: reads as 0
      {"0.00000000001E-300", 1, 0},
      {"100000000000E298", 5, 0},
      {"0E999", 1, 0},
      {"2pi", 1, 23.14159265358979},
      {"pi", 1, 3.14159265358979},
      {"pipi", 0, 0},
      {"pin", 0, 0},
  };
  for (const Expected& c : cases) expectExact(c);
}

TEST(EvaluateFormula, MathErrorsAndRange) {
  const Expected cases[] = {
      {"1/0", 5, 0},           {"1/(1-1)", 5, 0},
      {"0/0", 5, 0},           {"1/0.0", 5, 0},
      {"(-8)^(1/3)", 5, 0},    {"(-2)^2.5", 5, 0},
      {"(-2)^3", 1, -8},       {"(-2)^-2", 1, 0.25},
      {"(-2)^-3", 1, -0.125},  {"0^0", 1, 1},
      {"0^2", 1, 0},           {"0^-1", 5, 0},
      {"10^500", 5, 0},        {"0.001^100", 5, 0},
      {"10^3", 1, 1000},       {"2^649", 1, std::ldexp(1.0, 649)},
      {"2^650", 5, 0},         {"1E200*1E200", 5, 0},
      {"1E308+1E308", 5, 0},   {"-1E308-1E308", 5, 0},
      {"1E-200*1E-200", 1, 0}, {"1/0+", 0, 0},
      {"1/0*(2", 0, 0},        {"1E-13", 1, 0},
      {"1E-12", 1, 1E-12},
  };
  for (const Expected& c : cases) expectExact(c);
}

double factorialUpwards(int n) {
  double product = 1;
  for (int factor = 2; factor <= n; ++factor) product *= factor;
  return product;
}

TEST(EvaluateFormula, Functions) {
  const Expected cases[] = {
      {"cos(90)", 1, 0},
      {"cos(0)", 1, 1},
      {"cos(60)", 1, 0.5},
      {"tan(90)", 5, 0},
      {"tan(-270)", 5, 0},
      {"tan(45)", 1, 1},
      {"asin(1)", 1, 90},
      {"asin(-1)", 1, -90},
      {"asin(0)", 1, 0},
      {"asin(1.5)", 5, 0},
      {"acos(-1)", 1, 180},
      {"acos(1)", 1, 0},
      {"acos(0)", 1, 90},
      {"acos(-1.01)", 5, 0},
      {"atan(-1)", 1, 135},
      {"atan(1)", 1, 45},
      {"atan(0)", 1, 0},
      {"deg(pi)", 1, 179.99999999999983},
      {"ln(0)", 5, 0},
      {"ln(-1)", 5, 0},
      {"ln(1)", 1, 0},
      {"log(0)", 5, 0},
      {"log(100)", 1, 2},
      {"fak(5)", 1, 120},
      {"fak(0)", 1, 1},
      {"fak(0.5)", 1, 1},
      {"fak(5.9)", 1, 120},
      {"fak(151)", 5, 0},
      {"fak(-1)", 5, 0},
      {"fak(-1E-13)", 1, 1},  // arguments nearer to 0 than 1E-12 count as 0
      {"fak(150)", 1, factorialUpwards(150)},
      {"round(2.5)", 1, 2},
      {"round(3.5)", 1, 4},
      {"round(-2.5)", 1, -2},
      {"round(2.6)", 1, 3},
      {"round(1E19)", 5, 0},
      {"round(-1E19)", 5, 0},
      {"round(1E18)", 1, 1E18},
      {"trunc(-2.7)", 1, -2},
      {"trunc(2.7)", 1, 2},
      {"trunc(1E19)", 5, 0},
      {"abs(-2)", 1, 2},
      {"abs(3-5)", 1, 2},
      {"sqr(3)", 1, 9},
      {"sqr(-3)", 1, 9},
      {"sqr(1E150)", 1, 1E150 * 1E150},
      {"sqr(2E150)", 5, 0},
      {"sqrt(9)", 1, 3},
      {"sqrt(-1)", 5, 0},
      {"sqrt(0)", 1, 0},
      {"exp(0)", 1, 1},
      {"exp(451)", 5, 0},
      {"exp(-451)", 5, 0},
      {"swi(7)", 1, 7},
      {"rad(180)", 1, 3.141592653589793},
      {"deg(1E308)", 5, 0},
      {"sin(0)", 1, 0},
      {"sin(180)", 1, 0},
      {"sin 30", 0, 0},
      {"sin30", 0, 0},
      {"sin", 0, 0},
      {"sin()", 0, 0},
      {"sinus(30)", 0, 0},
      {"SQRT(16)+Sqr(2)", 1, 8},
      {"exp(ln(2))", 1, 2},
      {"sin(-30)", 1, -0.5},
      {"abs(-(-2))", 1, 2},
  };
  for (const Expected& c : cases) expectExact(c);
}

TEST(EvaluateFormula, ResultsWithinOneUnitInTheLastPlace) {
  const Expected cases[] = {
      {"sin(30)", 1, 0.5},
      {"log(1000)", 1, 3},
      {"sqrt(2)", 1, std::sqrt(2.0)},
      {" sqrt ( 2 ) ", 1, std::sqrt(2.0)},
      {"exp(1)", 1, 2.718281828459045},
      {"2^0.5", 1, std::sqrt(2.0)},
      {"asin(0.5)", 1, 30},
      {"acos(0.5)", 1, 60},
      {"acos(-0.5)", 1, 120},
      {"tan(30)", 1, 0.57735026918962576},
      {"ln(10)", 1, 2.302585092994046},
  };
  for (const Expected& c : cases) {
    const Outcome outcome = evaluate(c.formula);
    EXPECT_EQ(outcome.code, c.code) << c.formula;
    EXPECT_GE(outcome.value, std::nextafter(c.value, -INFINITY)) << c.formula;
    EXPECT_LE(outcome.value, std::nextafter(c.value, INFINITY)) << c.formula;
  }
}

TEST(EvaluateFormula, VariablesAreReadFromTheGivenTable) {
  VariableTable variables;
  expectExact({"x+1", 2, 1}, variables);
  expectExact({"x/0", 6, 0}, variables);
  expectExact({"x/0*(", 0, 0}, variables);
  expectExact({"x+", 0, 0}, variables);
  variables.set('X', 2);
  variables.set('E', 3);
  variables.set('A', -4);
  const Expected cases[] = {
      {"x^2", 2, 4},    {"X*x", 2, 4},     {"-x", 2, -2},     {"e", 2, 3},   {"e*e", 2, 9},
      {"a*x+e", 2, -5}, {"-a^2", 2, -16},  {"2*-a^2", 2, 32}, {"xe", 0, 0},  {"2x", 0, 0},
      {"x+1/0", 6, 0},  {"sqrt(a)", 6, 0}, {"a^0.5", 6, 0},   {"1+2", 1, 3},
  };
  for (const Expected& c : cases) expectExact(c, variables);
}

TEST(EvaluateFormula, VariableHoldingNoNumberIsAMathError) {
  VariableTable variables;
  variables.set('Y', INFINITY);
  variables.set('Z', NAN);
  expectExact({"y", 6, 0}, variables);
  expectExact({"z*0", 6, 0}, variables);
}

TEST(EvaluateFormula, RangeOfVariablesIsNeverAFormula) {
  const char* formulas[] = {"a:b", "a:b+1", "(a:b)", "a:b2", "1:2", ":", "a:"};
  for (const char* formula : formulas) expectExact({formula, 0, 0});
}

std::string nested(int depth, const std::string& inner) {
  return std::string(depth, '(') + inner + std::string(depth, ')');
}

TEST(EvaluateFormula, StackOverflowWritesWarningAndFails) {
  const std::string warning = "\n STACK-ÜBERLAUF BEI DER FORMELAUSWERTUNG ! \n\n";
  expectExact({nested(27, "5").c_str(), 1, 5});
  Outcome deep = evaluate(nested(28, "5"));
  EXPECT_EQ(deep.code, 0);
  EXPECT_EQ(deep.value, 0);
  EXPECT_EQ(deep.messages, warning);

  // Each "(-" becomes "((0-1)*": three entries per level, and a few more for the innermost.
  const auto negations = [](int depth) {
    std::string text;
    for (int i = 0; i < depth; ++i) text += "(-";
    return text + "5" + std::string(depth, ')');
  };
  expectExact({negations(9).c_str(), 1, -5});
  EXPECT_EQ(evaluate(negations(10)).messages, warning);

  // A right-associative chain keeps every operand and operator on the stack.
  std::string chain = "1";
  for (int i = 0; i < 14; ++i) chain += "^1";
  expectExact({chain.c_str(), 1, 1});
  EXPECT_EQ(evaluate(chain + "^1").messages, warning);

  // Overflow outranks a math error seen earlier.
  deep = evaluate("1/0+" + nested(28, "5"));
  EXPECT_EQ(deep.code, 0);
  EXPECT_EQ(deep.messages, warning);
}

TEST(EvaluateFormula, OnlyTheFirst159PreparedCharactersCount) {
  std::string sum = "1";
  for (int i = 0; i < 79; ++i) sum += "+1";
  ASSERT_EQ(sum.size(), 159u);
  expectExact({sum.c_str(), 1, 80});
  expectExact({(sum + "+1").c_str(), 1, 80});
  expectExact({(sum + "*2").c_str(), 1, 80});
  expectExact({(sum + "/0").c_str(), 1, 80});
  expectExact({(sum.substr(0, 158) + "(1)").c_str(), 0, 0});  // cut right after the "("

  // Blanks go before the cut, expansions count towards it.
  std::string spaced;
  for (char c : sum + "+1") spaced += std::string(" ") + c;
  expectExact({spaced.c_str(), 1, 80});
  std::string pis = "pi";
  for (int i = 0; i < 9; ++i) pis += "+pi";  // 10 * 16 + 9 = 169 characters once spelled out
  double expected = 3.14159265358979;
  for (int i = 0; i < 8; ++i) expected += 3.14159265358979;
  expected += 3.1415;  // the tenth number is cut short
  expectExact({pis.c_str(), 1, expected});
}

TEST(EvaluateFormula, UsesTheDefaultOutputWithoutStream) {
  int code = -1;
  const VariableTable variables;
  EXPECT_EQ(EvaluateFormula("6*7", code, variables), 42);
  EXPECT_EQ(code, 1);
}

// A character beyond ASCII never reads as the ASCII character its low byte names ("ı" is
// U+0131, "Ł" U+0141, "ℯ" U+212F): such a formula is malformed wherever it stands.
TEST(EvaluateFormula, TextBeyondAsciiIsMalformed) {
  VariableTable variables;
  variables.set('A', 5);
  for (const char32_t* formula : {U"1ı", U"ı+1", U"٣*2", U"３", U"ℯ", U"2*ℯ", U"½", U"Ł+1", U"1٫5",
                                  U"SQRT(4)ı", U"(1+2)\U0001D7D9"}) {
    int code = -1;
    EXPECT_EQ(EvaluateFormula(Text(formula), code, variables), 0) << toUtf8(formula);
    EXPECT_EQ(code, kFormulaMalformed) << toUtf8(formula);
  }
  int code = -1;
  EXPECT_EQ(EvaluateFormula(Text(U" a * 2 + 1"), code, variables), 11);
  EXPECT_EQ(code, kFormulaEvaluatedWithVariable);
}

}  // namespace
}  // namespace korvale
