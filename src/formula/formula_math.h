// The arithmetic behind the evaluator's reductions: the power rule and the named functions.
// Logarithms, exponentials, roots, trigonometry and pi are worked in long double (80-bit on
// x86-64) and rounded to double once, so results such as 10^3 or 2^9 come out exact.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace korvale {

enum class FormulaFunction : unsigned char {
  Deg,
  Rad,
  Tan,
  Asin,
  Acos,
  Log,
  Fak,
  Abs,
  Atan,
  Swi,
  Cos,
  Exp,
  Ln,
  Round,
  Sin,
  Sqrt,
  Sqr,
  Trunc,
};

// In the order the tokenizer tries them: a name that begins another (SQR, SQRT) comes after it.
inline constexpr std::array<std::string_view, 18> kFormulaFunctionNames = {
    "DEG", "RAD", "TAN", "ASIN", "ACOS",  "LOG", "FAK",  "ABS", "ATAN",
    "SWI", "COS", "EXP", "LN",   "ROUND", "SIN", "SQRT", "SQR", "TRUNC"};

// Empty on a math error. Angles are in degrees.
std::optional<double> applyFormulaFunction(FormulaFunction function, double argument);

// base ^ exponent with the evaluator's sign and range rules; empty on a math error.
std::optional<double> formulaPower(double base, double exponent);

}  // namespace korvale
