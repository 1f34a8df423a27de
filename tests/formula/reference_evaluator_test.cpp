// Random well-formed formulas, evaluated once by EvaluateFormula and once by a recursive-descent
// evaluator written here from the precedence rules. The two share only the arithmetic of powers
// and named functions, which the table tests pin down on their own.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <optional>
#include <random>
#include <sstream>
#include <string>

#include "formula/evaluator.h"
#include "formula/formula_math.h"

namespace korvale {
namespace {

struct Result {
  int code;
  double value;
};

// Signs: a "-" at the start of the formula or right after "(" multiplies the first factor of
// its product by -1 ("(-2^2*3)" is (-1)*(2^2)*3), a "+" right after "(" by +1; a "-" after a
// binary operator belongs to the operand that follows and binds tighter than "^".
class ReferenceEvaluator {
 public:
  explicit ReferenceEvaluator(const VariableTable& variables) : variables_(variables) {}

  Result evaluate(const std::string& formula) {
    text_.clear();
    for (char c : formula)
      if (c != ' ') text_ += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    position_ = 0;
    malformed_ = mathError_ = variableUsed_ = false;
    if (text_.empty()) return {0, 0};
    double value = 0;
    if (text_[0] == '+') {
      ++position_;
      value = sum(false);
    } else {
      value = sum(true);
    }
    if (position_ != text_.size()) malformed_ = true;
    if (malformed_) return {0, 0};
    const int code = variableUsed_ ? 2 : 1;
    if (mathError_) return {code + 4, 0};
    return {code, std::fabs(value) < 1E-12 ? 0 : value};
  }

 private:
  char peek() const { return position_ < text_.size() ? text_[position_] : '\0'; }
  bool take(char c) {
    if (peek() != c) return false;
    ++position_;
    return true;
  }
  double checked(double value) {
    if (!std::isfinite(value)) mathError_ = true;
    return value;
  }
  double checked(std::optional<double> value) {
    if (!value) {
      mathError_ = true;
      return 0;
    }
    return checked(*value);
  }

  double sum(bool atStart) {
    double value = product(atStart);
    for (;;) {
      if (take('+'))
        value = checked(value + product(false));
      else if (take('-'))
        value = checked(value - product(false));
      else
        return value;
    }
  }

  double product(bool atStart) {
    double value;
    if (atStart && take('-'))
      value = checked(-1.0 * power());
    else if (atStart && position_ > 0 && take('+'))
      value = checked(1.0 * power());
    else
      value = power();
    for (;;) {
      if (take('*')) {
        value = checked(value * power());
      } else if (take('/')) {
        const double divisor = power();
        if (divisor == 0)
          mathError_ = true;
        else
          value = checked(value / divisor);
      } else {
        return value;
      }
    }
  }

  double power() {
    const double base = signedOperand();
    if (!take('^')) return base;
    const double exponent = power();  // right-associative
    return checked(formulaPower(base, exponent));
  }

  double signedOperand() {
    if (take('-')) return -operand();
    return operand();
  }

  double operand() {
    const char c = peek();
    if ((c >= '0' && c <= '9') || c == '.') return number();
    if (c >= 'A' && c <= 'Z') return named();
    if (take('(')) {
      const double value = sum(true);
      if (!take(')')) malformed_ = true;
      return value;
    }
    malformed_ = true;
    position_ = text_.size();
    return 0;
  }

  double number() {
    const std::size_t start = position_;
    while (std::isdigit(static_cast<unsigned char>(peek())) || peek() == '.') ++position_;
    if (take('E')) {
      if (!take('+')) take('-');
      while (std::isdigit(static_cast<unsigned char>(peek()))) ++position_;
    }
    return std::strtod(text_.substr(start, position_ - start).c_str(), nullptr);
  }

  double named() {
    const std::size_t start = position_;
    while (peek() >= 'A' && peek() <= 'Z') ++position_;
    const std::string name = text_.substr(start, position_ - start);
    if (name == "PI") return 3.14159265358979;
    if (name.size() == 1) {
      variableUsed_ = true;
      return checked(variables_.get(name[0]));
    }
    for (std::size_t i = 0; i < kFormulaFunctionNames.size(); ++i) {
      if (name != kFormulaFunctionNames[i]) continue;
      if (!take('(')) break;
      const double argument = sum(true);
      if (!take(')')) break;
      return checked(applyFormulaFunction(static_cast<FormulaFunction>(i), argument));
    }
    malformed_ = true;
    position_ = text_.size();
    return 0;
  }

  const VariableTable& variables_;
  std::string text_;
  std::size_t position_ = 0;
  bool malformed_ = false;
  bool mathError_ = false;
  bool variableUsed_ = false;
};

// Writes formulas that the grammar accepts, in mixed case and with stray blanks.
class FormulaGenerator {
 public:
  explicit FormulaGenerator(std::mt19937& random) : random_(random) {}

  std::string next() {
    text_.clear();
    const int depth = 1 + pick(3);
    if (pick(10) == 0) {
      text_ += '+';
      sum(depth, false);
    } else {
      sum(depth, true);
    }
    return text_;
  }

 private:
  int pick(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }
  void blank() {
    if (pick(5) == 0) text_ += ' ';
  }
  void word(const std::string& upper) {
    for (char c : upper) text_ += pick(2) ? static_cast<char>(c - 'A' + 'a') : c;
  }
  void symbol(char c) {
    blank();
    text_ += c;
    blank();
  }

  void sum(int depth, bool atStart) {
    if (atStart && pick(6) == 0) symbol(pick(3) == 0 && !text_.empty() ? '+' : '-');
    const int terms = 1 + pick(3);
    for (int i = 0; i < terms; ++i) {
      if (i > 0) symbol(pick(2) ? '+' : '-');
      product(depth);
    }
  }
  void product(int depth) {
    const int factors = 1 + pick(3);
    for (int i = 0; i < factors; ++i) {
      if (i > 0) symbol(pick(2) ? '*' : '/');
      power(depth, 2);
    }
  }
  void power(int depth, int chain) {
    if (pick(4) == 0) symbol('-');
    operand(depth);
    if (chain > 0 && pick(4) == 0) {
      symbol('^');
      power(depth, chain - 1);
    }
  }
  void operand(int depth) {
    static const char* const numbers[] = {"0",   "1",   "2",   "3",   "7",     "10",
                                          "0.5", ".25", "4.",  "2.5", "1.5e2", "3E-2",
                                          "1e1", "12",  "0.1", "100", "1E-13"};
    const int kind = pick(depth > 0 ? 10 : 6);
    if (kind <= 3) {
      text_ += numbers[pick(std::size(numbers))];
    } else if (kind == 4) {
      word(std::string(1, static_cast<char>('A' + pick(26))));
    } else if (kind == 5) {
      word("PI");
    } else if (kind <= 7) {
      symbol('(');
      sum(depth - 1, true);
      symbol(')');
    } else {
      word(std::string(kFormulaFunctionNames[pick(kFormulaFunctionNames.size())]));
      symbol('(');
      sum(depth - 1, true);
      symbol(')');
    }
  }

  std::mt19937& random_;
  std::string text_;
};

// Upper bound of the prepared length; longer formulas would be cut by the evaluator.
std::size_t preparedLengthBound(const std::string& formula) {
  std::size_t length = 5;
  for (std::size_t i = 0; i < formula.size(); ++i) {
    if (formula[i] == ' ') continue;
    length += 1;
    const char c = formula[i];
    if (c == 'P' || c == 'p') length += 14;
    if (c == '(') length += 5;
  }
  return length;
}

TEST(EvaluateFormula, AgreesWithReferenceOnRandomFormulas) {
  std::mt19937 random(19700101);
  const double samples[] = {0, 1, -1, 2, 0.5, -3, 10, 1E-13, 100, -0.25};
  int byCode[7] = {};
  int compared = 0;
  for (int round = 0; round < 1000; ++round) {
    VariableTable variables;
    for (int number = 1; number <= 26; ++number)
      variables.setAt(number, samples[random() % std::size(samples)]);
    ReferenceEvaluator reference(variables);
    FormulaGenerator generator(random);
    for (int i = 0; i < 20; ++i) {
      const std::string formula = generator.next();
      if (preparedLengthBound(formula) > 159) continue;
      const Result expected = reference.evaluate(formula);
      int code = -1;
      std::ostringstream messages;
      const double value = EvaluateFormula(formula, code, variables, messages);
      ASSERT_EQ(code, expected.code) << formula;
      ASSERT_EQ(value, expected.value) << formula;
      ASSERT_EQ(messages.str(), "") << formula;
      ++byCode[code];
      ++compared;
    }
  }
  // The generator has to reach every outcome of a well-formed formula, mostly real values.
  EXPECT_GT(compared, 8000);
  EXPECT_GT(byCode[1] + byCode[2], compared / 2);
  for (int code : {1, 2, 5, 6}) EXPECT_GT(byCode[code], 300) << code;
  EXPECT_EQ(byCode[0], 0);
}

}  // namespace
}  // namespace korvale
