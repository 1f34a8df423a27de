#include "calculator/calculator_commands.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <string_view>

#include "base/numbers.h"
#include "base/text_routines.h"
#include "calculator/calculator_math.h"
#include "calculator/calculator_text.h"
#include "formula/evaluator.h"

namespace korvale {

namespace {

constexpr std::array<std::u32string_view, 7> kCommandNames = {U"pfz", U"qua", U"dif", U"int",
                                                              U"nul", U"kom", U"gau"};

// A whole number from a rounded argument, when it is small enough to be one.
std::optional<long long> roundedWhole(double value) {
  if (!(std::fabs(value) < 1E15)) return std::nullopt;
  return static_cast<long long>(std::nearbyint(value));
}

bool allFinite(std::initializer_list<double> values) {
  for (const double v : values)
    if (!std::isfinite(v)) return false;
  return true;
}

// The arguments of "pfz", "qua", "kom", "gau": the text inside the first parentheses, lower case.
std::optional<NumberList> shortNumbers(const Text& input, const VariableTable& variables) {
  const std::optional<Text> argument = shortArgument(lowerAscii(input));
  if (!argument) return std::nullopt;
  return readNumberList(substituteVariables(*argument, variables));
}

// The arguments of "dif", "int", "nul": a formula, then the numbers.
struct FormulaArguments {
  Text formula;
  Text joined;  // the numeric arguments with the variables' values, joined by ","
  NumberList numbers;
};

std::optional<FormulaArguments> formulaArguments(const Text& input,
                                                 const VariableTable& variables) {
  std::optional<std::vector<Text>> parts = longArguments(input);
  if (!parts) return std::nullopt;
  FormulaArguments arguments;
  arguments.formula = parts->front();
  parts->erase(parts->begin());
  arguments.joined = joinArguments(*parts, variables);
  arguments.numbers = readNumberList(arguments.joined);
  return arguments;
}

// The order n of "dif" and "nul": 0, 1 or 2 after rounding.
std::optional<int> derivativeOrder(double n) {
  const std::optional<long long> order = roundedWhole(n);
  if (!order || *order < 0 || *order > 2) return std::nullopt;
  return static_cast<int>(*order);
}

Text primeFactorsCommand(const Text& input, CommandContext& c) {
  const std::optional<Text> argument = shortArgument(lowerAscii(input));
  if (!argument) return kCalculatorError;
  const std::optional<int> a = readWholeNumber(trim(substituteVariables(*argument, c.variables)));
  // 0 has no factorisation; every other whole number has one.
  if (!a || *a == 0) return kCalculatorError;
  const std::optional<std::vector<long long>> factors = primeFactors(std::llabs(*a), c.keys);
  if (!factors) return kCalculatorError;
  Text result = U"z = ";
  // An odd prime and 1 have no divisor below them and stand for themselves, with their sign;
  // 2 is divided out like every even number's twos.
  if (factors->empty() || (factors->size() == 1 && factors->front() != 2)) {
    result += intToText(*a);
  } else {
    for (std::size_t i = 0; i < factors->size(); ++i)
      result += (i > 0 ? U"*" : U"") + intToText((*factors)[i]);
  }
  return result + U"*1";
}

Text quadraticCommand(const Text& input, CommandContext& c) {
  const std::optional<NumberList> list = shortNumbers(input, c.variables);
  if (!list || !list->valid || list->numbers.size() != 3) return kCalculatorError;
  const double a = list->numbers[0];
  const double b = list->numbers[1];
  const double cc = list->numbers[2];
  const auto show = [&](double v) { return displayNumber(v, c.decimals); };
  const auto twice = [&](double x) -> Text {
    if (!std::isfinite(x)) return kCalculatorError;
    return U"x = " + show(x) + U", y = " + show(x);
  };
  if (a == 0) return twice(-cc / b);
  const double discriminant = b * b - 4 * a * cc;
  if (!std::isfinite(discriminant)) return kCalculatorError;
  if (discriminant == 0) return twice(b * -0.5 / a);
  const double root = std::sqrt(std::fabs(discriminant));
  if (discriminant > 0) {
    const double x1 = (root - b) / 2 / a;
    const double x2 = (-b - root) / 2 / a;
    if (!allFinite({x1, x2})) return kCalculatorError;
    return U" x = " + show(x1) + U", y = " + show(x2);
  }
  const double real = b * -0.5 / a;
  const double imaginary = root / 2 / a;
  if (!allFinite({real, imaginary})) return kCalculatorError;
  return U"z = " + show(real) + U" +/- i*" + show(imaginary);
}

Text derivativeCommand(const Text& input, CommandContext& c) {
  const std::optional<FormulaArguments> arguments = formulaArguments(input, c.variables);
  if (!arguments || !arguments->numbers.valid || arguments->numbers.numbers.size() != 2)
    return kCalculatorError;
  const std::optional<int> order = derivativeOrder(arguments->numbers.numbers[0]);
  if (!order) return kCalculatorError;
  ClampedFunctionOfX f(arguments->formula, c.variables);
  const double value = derivative(f, *order, arguments->numbers.numbers[1]);
  if (f.failed() || !std::isfinite(value)) return kCalculatorError;
  return U"z = " + displayNumber(value, c.decimals);
}

Text integralCommand(const Text& input, CommandContext& c) {
  const std::optional<FormulaArguments> arguments = formulaArguments(input, c.variables);
  if (!arguments) return kCalculatorError;
  const NumberList& list = arguments->numbers;
  if (!list.valid || list.numbers.size() != 2 || !(list.numbers[1] > list.numbers[0])) {
    c.dialogs.message(arguments->joined + U"..." + intToText(list.parts));
    return kCalculatorError;
  }
  ClampedFunctionOfX f(arguments->formula, c.variables);
  const std::optional<double> integral = simpson(f, list.numbers[0], list.numbers[1]);
  if (!integral || !std::isfinite(*integral)) return kCalculatorError;
  return U"z = " + displayNumber(*integral, c.decimals);
}

Text zeroCommand(const Text& input, CommandContext& c) {
  const std::optional<FormulaArguments> arguments = formulaArguments(input, c.variables);
  if (!arguments || !arguments->numbers.valid || arguments->numbers.numbers.size() != 3)
    return kCalculatorError;
  const std::vector<double>& n = arguments->numbers.numbers;
  const std::optional<int> order = derivativeOrder(n[0]);
  if (!order) return kCalculatorError;
  ClampedFunctionOfX f(arguments->formula, c.variables);
  std::optional<double> zero;
  {
    BusyCursor busy(c.cursor);
    zero = bisection(f, *order, n[1], n[2], c.keys);
  }
  if (!zero) return kCalculatorError;
  return U"z = " + displayNumber(*zero, c.decimals);
}

// fak(k) by the evaluator; nothing when it cannot be evaluated.
std::optional<double> factorial(long long k, const VariableTable& variables) {
  int code = 0;
  const double value = EvaluateFormula(U"fak(" + intToText(k) + U")", code, variables);
  if (code < 1 || code > 3) return std::nullopt;
  return value;
}

Text combinationsCommand(const Text& input, CommandContext& c) {
  const std::optional<Text> argument = shortArgument(lowerAscii(input));
  if (!argument) return kCalculatorError;
  // Only the first two arguments count.
  const std::vector<Text> parts = trimmedSplit(*argument + U",", U',');
  Text firstTwo = parts.empty() ? Text() : parts[0];
  if (parts.size() > 1) firstTwo += U"," + parts[1];
  const NumberList list = readNumberList(substituteVariables(firstTwo, c.variables));
  if (!list.valid || list.numbers.size() != 2) return kCalculatorError;
  const std::optional<long long> n = roundedWhole(list.numbers[0]);
  const std::optional<long long> k = roundedWhole(list.numbers[1]);
  if (!n || !k || *n == 0 || *k == 0 || *k > *n) return kCalculatorError;
  const std::optional<double> a = factorial(*n, c.variables);
  const std::optional<double> b = factorial(*k, c.variables);
  const std::optional<double> d = factorial(*n - *k, c.variables);
  if (!a || !b || !d) return kCalculatorError;
  const double value = *a / (*b * *d);
  if (!std::isfinite(value)) return kCalculatorError;
  return U"z = " + displayNumber(value, c.decimals);
}

Text normalCommand(const Text& input, CommandContext& c) {
  const std::optional<Text> argument = shortArgument(lowerAscii(input));
  if (!argument) return kCalculatorError;
  const std::optional<double> z = readNumber(trim(substituteVariables(*argument, c.variables)));
  if (!z) return kCalculatorError;
  ClampedFunctionOfX density(U"EXP(-X*X/2) / SQRT(2*PI)", c.variables);
  const std::optional<double> w = simpson(density, 0, *z);
  if (!w || !std::isfinite(*w)) return kCalculatorError;
  return U"w = " + displayNumber(std::fabs(*w), c.decimals);
}

}  // namespace

std::optional<CalculatorCommand> findCommand(const Text& text) {
  const Text lower = lowerAscii(text);
  for (std::size_t i = 0; i < kCommandNames.size(); ++i)
    if (lower.find(kCommandNames[i]) != Text::npos) return static_cast<CalculatorCommand>(i);
  return std::nullopt;
}

Text runCommand(CalculatorCommand command, const Text& input, CommandContext& c) {
  switch (command) {
    case CalculatorCommand::PrimeFactors:
      return primeFactorsCommand(input, c);
    case CalculatorCommand::Quadratic:
      return quadraticCommand(input, c);
    case CalculatorCommand::Derivative:
      return derivativeCommand(input, c);
    case CalculatorCommand::Integral:
      return integralCommand(input, c);
    case CalculatorCommand::Zero:
      return zeroCommand(input, c);
    case CalculatorCommand::Combinations:
      return combinationsCommand(input, c);
    case CalculatorCommand::Normal:
      return normalCommand(input, c);
  }
  return kCalculatorError;
}

}  // namespace korvale
