// EvaluateFormula: one line of arithmetic text to a double and a result code. Numbers with "."
// as the decimal point, + - * / ^, parentheses, the functions of formula_math.h, PI and the
// variables A-Z; blanks anywhere, letters in either case.
#pragma once

#include <iosfwd>
#include <string_view>

#include "base/text.h"
#include "formula/variable_table.h"

namespace korvale {

// The result codes. A math error adds 4 to the code the formula would otherwise get.
inline constexpr int kFormulaMalformed = 0;
inline constexpr int kFormulaEvaluated = 1;
inline constexpr int kFormulaEvaluatedWithVariable = 2;
inline constexpr int kFormulaMathError = 5;
inline constexpr int kFormulaMathErrorWithVariable = 6;

// Sets code on every call; returns 0 unless code is 1 or 2. Results nearer to 0 than 1E-12 are
// returned as exactly 0. Variables are only read. A formula nested too deeply for the parse
// stack writes a warning to `messages` (standard output by default) and gets code 0.
// No heap allocation happens unless that warning is written.
double EvaluateFormula(std::string_view formula, int& code, const VariableTable& variables);
double EvaluateFormula(std::string_view formula, int& code, const VariableTable& variables,
                       std::ostream& messages);
// A formula in a text (this copies it once): a character outside ASCII ("ı", "٣", a fullwidth
// digit, "½", "ℯ") makes it malformed, wherever it stands in the part that is read.
double EvaluateFormula(const Text& formula, int& code, const VariableTable& variables);
double EvaluateFormula(const Text& formula, int& code, const VariableTable& variables,
                       std::ostream& messages);

}  // namespace korvale
