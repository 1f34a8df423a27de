#include "stats/line_math.h"

#include "base/numbers.h"
#include "base/text_routines.h"
#include "formula/evaluator.h"
#include "stats/number_output.h"

namespace korvale {

namespace {

bool isVariableLetter(char32_t c) {
  return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z');
}

// False when the formula is not well-formed or a math error occurred; the value is then 0.
bool evaluate(const Text& formula, const VariableTable& variables, double& value) {
  int code = 0;
  value = EvaluateFormula(formula, code, variables);
  return code == kFormulaEvaluated || code == kFormulaEvaluatedWithVariable;
}

}  // namespace

std::optional<Text> calculateLine(const Text& line, VariableTable& variables, int decimals) {
  const Text l = trim(removeBlanks(line));
  const std::size_t equals = l.find(U'=');
  if (l.empty() || equals == Text::npos) return std::nullopt;
  const Text a = trim(l.substr(0, equals));
  const Text b = trim(l.substr(equals + 1));
  if (a.empty()) return std::nullopt;
  const bool letter = a.size() == 1 && isVariableLetter(a.front());
  const auto store = [&](double value) {
    if (letter) variables.set(static_cast<char>(a.front()), value);
  };

  Text result;
  double value = 0;
  if (b.empty() || a.size() > 1) {
    if (a.size() == 1) {
      // "a =" shows the variable; another single character gets nothing after the "=".
      result = a + U" = ";
      if (letter) result += numberText(variables.get(static_cast<char>(a.front())), decimals);
    } else {
      // "formula =": whatever stood after the "=" is replaced by the value.
      if (!evaluate(a, variables, value)) return std::nullopt;
      result = a + U" = " + numberText(value, decimals);
    }
  } else if (const auto number = readNumber(b)) {
    store(*number);
    result = a + U" = " + numberText(*number, decimals);
  } else {
    // "a = formula", also a result line "a = formula = value" evaluated again.
    const std::size_t second = b.find(U'=');
    const Text formula = second == Text::npos ? b : trim(b.substr(0, second));
    const auto ok = evaluate(formula, variables, value);
    store(value);
    if (!ok) return std::nullopt;
    result = a + U" = " + formula + U" = " + numberText(value, decimals);
  }
  return lowerAscii(result);
}

}  // namespace korvale
