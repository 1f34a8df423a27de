// Arbitrary bytes as a formula. Besides the sanitizers, checks what must hold for any text: a
// known code, a finite value that is 0 unless evaluated, and the same outcome for the text with
// blanks between all characters and its letters in lower case.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <ostream>
#include <string>
#include <string_view>

#include "formula/evaluator.h"
#include "formula/variable_table.h"

namespace {

using korvale::EvaluateFormula;
using korvale::VariableTable;

VariableTable makeVariables() {
  VariableTable variables;
  const double samples[] = {0, 1, -1, 2.5, -1E-13, 1E150, -1E300, 3, 0.5, 1E-300};
  for (int number = 1; number <= VariableTable::kCount; ++number)
    variables.setAt(number, samples[number % 10]);
  return variables;
}

void require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const VariableTable variables = makeVariables();
  std::ostream discard(nullptr);  // stack-overflow warnings go nowhere

  const std::string_view formula(reinterpret_cast<const char*>(data), size);
  int code = -1;
  const double value = EvaluateFormula(formula, code, variables, discard);
  require(code == 0 || code == 1 || code == 2 || code == 5 || code == 6);
  require(std::isfinite(value));
  require(value == 0 || std::fabs(value) >= 1E-12);
  if (code != 1 && code != 2) require(value == 0 && !std::signbit(value));

  std::string respelled;
  respelled.reserve(2 * size);
  for (char c : formula) {
    respelled += ' ';
    respelled += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  }
  int respelledCode = -1;
  const double respelledValue = EvaluateFormula(respelled, respelledCode, variables, discard);
  require(respelledCode == code);
  require(respelledValue == value && std::signbit(respelledValue) == std::signbit(value));
  return 0;
}
