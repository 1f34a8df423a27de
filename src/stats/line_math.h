// Line mathematics: a line of the editor's text that reads "a = 3", "b = a*2+1", "b =" or
// "sqrt(b) =" is rewritten with its result. The variables are the evaluator's one table.
#pragma once

#include <optional>

#include "base/text.h"
#include "formula/variable_table.h"

namespace korvale {

// The line with its result, in lower case; nothing when the line is no calculation or its
// formula fails. "a = formula" stores the value into a even then (0 for a failed formula).
std::optional<Text> calculateLine(const Text& line, VariableTable& variables, int decimals);

}  // namespace korvale
