// The function table (Shift+F2, "Funktion - Tabelle"): the line "F(x),a,b,c" gets the values of
// F from a to b in steps of c written below it.
#pragma once

#include <optional>
#include <vector>

#include "base/text.h"
#include "formula/variable_table.h"
#include "ui/ports/key_state.h"

namespace korvale {

// More rows than a teacher could read would fill the text for minutes before Escape is noticed.
inline constexpr int kMaxFunctionTableRows = 100000;

struct FunctionTableRequest {
  Text formula;
  double from = 0;
  double to = 0;
  double step = 0;
  // From `from` to the first x that reaches `to`.
  int rows = 0;

  // The x of row i (0-based): a multiple of the step, so that rounding does not add up over the
  // rows and a table from 0 to 1 in steps of 0.1 ends at 1.
  double x(int row) const { return from + row * step; }
};

// Nothing unless the line holds a formula and three parameters a < b, c > 0, and the table has
// at most kMaxFunctionTableRows rows.
std::optional<FunctionTableRequest> readFunctionTableLine(const Text& line,
                                                          const VariableTable& variables);

// "x  /  y" per row, "*****" for y where F fails. Escape held down stops before the next row.
// X holds the last x afterwards.
std::vector<Text> functionTableRows(const FunctionTableRequest& request, VariableTable& variables,
                                    int decimals, KeyState& keys);

}  // namespace korvale
