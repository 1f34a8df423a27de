// A line of the editor's text that describes a function of x: "F(x),a,b,c" for a table,
// "F(x),b" for a graph. F is evaluated with the variable X set to x.
#pragma once

#include <optional>
#include <vector>

#include "base/text.h"
#include "formula/variable_table.h"

namespace korvale {

// The line without blanks, cut at every ",": the formula first, then the parameters. Empty
// fields are kept, so "x,0,,1" has an empty third field.
std::vector<Text> functionLineFields(const Text& line);

// A parameter is a number or a variable letter: every letter is replaced by its variable's value
// (fixed point, width 20, 16 decimals) and the result read as a number. Nothing when it does not
// read, as for a number with an exponent letter ("1E3").
std::optional<double> readParameter(const Text& field, const VariableTable& variables);

struct FunctionPoint {
  double y = 0;  // the evaluator's value, 0 when the formula fails
  // False when the formula fails there or the value's magnitude exceeds 1E36.
  bool valid = false;
};

// F at x; X in the variable table holds x afterwards.
class FunctionOfX {
 public:
  FunctionOfX(Text formula, VariableTable& variables)
      : formula_(std::move(formula)), variables_(variables) {}

  FunctionPoint point(double x);

 private:
  Text formula_;
  VariableTable& variables_;
};

}  // namespace korvale
