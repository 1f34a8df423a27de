#include "stats/function_table.h"

#include <cmath>

#include "stats/function_line.h"
#include "stats/number_output.h"

namespace korvale {

namespace {

// How far short of b an x may fall by rounding and still end the table.
constexpr double kReachTolerance = 1E-9;

bool reaches(const FunctionTableRequest& r, int row) {
  return r.x(row) >= r.to - kReachTolerance * r.step;
}

}  // namespace

std::optional<FunctionTableRequest> readFunctionTableLine(const Text& line,
                                                          const VariableTable& variables) {
  const std::vector<Text> fields = functionLineFields(line);
  if (fields.size() != 4) return std::nullopt;
  const auto a = readParameter(fields[1], variables);
  const auto b = readParameter(fields[2], variables);
  const auto c = readParameter(fields[3], variables);
  if (!a || !b || !c || !(*a < *b) || !(*c > 0)) return std::nullopt;
  if (!std::isfinite(*b - *a) || !std::isfinite(*c)) return std::nullopt;
  FunctionTableRequest r{fields[0], *a, *b, *c, 0};
  const double steps = std::ceil((r.to - r.from) / r.step);
  if (!(steps < kMaxFunctionTableRows)) return std::nullopt;
  // The estimate may be one off either way by rounding; the rows end at the first x that
  // reaches b.
  int last = static_cast<int>(steps);
  while (last > 0 && reaches(r, last - 1)) --last;
  while (!reaches(r, last) && last < kMaxFunctionTableRows) ++last;
  r.rows = last + 1;
  if (r.rows > kMaxFunctionTableRows) return std::nullopt;
  return r;
}

std::vector<Text> functionTableRows(const FunctionTableRequest& request, VariableTable& variables,
                                    int decimals, KeyState& keys) {
  FunctionOfX f(request.formula, variables);
  std::vector<Text> rows;
  rows.reserve(static_cast<std::size_t>(request.rows));
  for (int i = 0; i < request.rows; ++i) {
    if (keys.escapeDown()) break;
    const double x = request.x(i);
    const FunctionPoint y = f.point(x);
    rows.push_back(numberText(x, decimals) + U"  /  " +
                   (y.valid ? numberText(y.y, decimals) : Text(U"*****")));
  }
  return rows;
}

}  // namespace korvale
