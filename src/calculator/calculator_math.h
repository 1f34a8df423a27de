// The numerical methods behind the calculator's commands: a function of x read from a formula,
// its derivatives by finite differences, Simpson's rule, bisection and trial division.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/text.h"
#include "formula/variable_table.h"
#include "ui/ports/key_state.h"

namespace korvale {

// Values of f(x) beyond this are taken as this, so sums and differences of them stay finite.
inline constexpr double kValueClamp = 1E36;
// The value a derivative takes where f cannot be evaluated.
inline constexpr double kFailedDerivative = 1E18;
inline constexpr int kSimpsonIntervals = 1000;
// A zero is found when the function's value is smaller than this.
inline constexpr double kZeroTolerance = 1E-8;

// f(x) from a formula in which x is the variable X of the evaluator's table; each evaluation
// stores x there, so X holds the last x evaluated.
class ClampedFunctionOfX {
 public:
  ClampedFunctionOfX(const Text& formula, VariableTable& variables);

  double operator()(double x);
  // Whether an evaluation since the last resetStatus() could not be carried out.
  bool failed() const { return failed_; }
  void resetStatus() { failed_ = false; }

 private:
  std::string formula_;
  VariableTable& variables_;
  bool failed_ = false;
};

// The derivative of order 0, 1 or 2 at x, by the five-point difference with step 0.001 (nested
// for order 2). Before each differencing, f is probed at x and 0.000001 on either side: where
// it has no value, neither has its derivative (the result is then kFailedDerivative). Any
// evaluation that fails on the way leaves f.failed() set, so the caller never shows a
// derivative built from a missing value.
double derivative(ClampedFunctionOfX& f, int order, double x);

// Simpson's rule over kSimpsonIntervals intervals from a to b (b < a integrates backwards).
// Nothing when f cannot be evaluated at a point or changes its sign between two neighbouring
// points.
std::optional<double> simpson(ClampedFunctionOfX& f, double a, double b);

// A zero of the derivative of the given order between a and b by bisection: the first point
// whose value is below kZeroTolerance. Nothing when Escape stops it or the interval shrinks
// below the resolution of a double without reaching one (no sign change).
std::optional<double> bisection(ClampedFunctionOfX& f, int order, double a, double b,
                                KeyState& keys);

// The prime factors of n >= 1 in ascending order, by trial division up to the square root of
// what is left. Nothing when Escape stops it.
std::optional<std::vector<long long>> primeFactors(long long n, KeyState& keys);

}  // namespace korvale
