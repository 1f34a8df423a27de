#include "stats/function_line.h"

#include <cmath>

#include "base/numbers.h"
#include "base/text_routines.h"
#include "formula/evaluator.h"

namespace korvale {

std::vector<Text> functionLineFields(const Text& line) {
  const Text l = removeBlanks(line);
  std::vector<Text> fields;
  if (l.empty()) return fields;
  std::size_t start = 0;
  for (;;) {
    const std::size_t comma = l.find(U',', start);
    fields.push_back(l.substr(start, comma == Text::npos ? Text::npos : comma - start));
    if (comma == Text::npos) return fields;
    start = comma + 1;
  }
}

std::optional<double> readParameter(const Text& field, const VariableTable& variables) {
  Text text;
  for (const char32_t c : field) {
    if ((c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z'))
      text += formatFixed(variables.get(static_cast<char>(c)), 20, 16);
    else
      text += c;
  }
  return readNumber(trim(text));
}

FunctionPoint FunctionOfX::point(double x) {
  variables_.set('X', x);
  int code = 0;
  const double y = EvaluateFormula(formula_, code, variables_);
  const bool evaluated = code == kFormulaEvaluated || code == kFormulaEvaluatedWithVariable;
  return {y, evaluated && std::fabs(y) <= 1E36};
}

}  // namespace korvale
