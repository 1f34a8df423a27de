#include "calculator/calculator_math.h"

#include <algorithm>
#include <cmath>

#include "formula/evaluator.h"

namespace korvale {

namespace {

constexpr double kProbeOffset = 0.000001;
constexpr double kStep = 0.001;
// Every finite interval has shrunk below the resolution of a double after this many halvings.
constexpr int kMaxHalvings = 1100;
// Reading the Escape key lets the desktop's events through, which costs far more than one
// division; a few thousand divisions between two readings still answer at once.
constexpr long long kDivisorsPerEscapePoll = 512;

}  // namespace

ClampedFunctionOfX::ClampedFunctionOfX(const Text& formula, VariableTable& variables)
    // "?" is no character of a formula: a character outside ASCII keeps the formula malformed.
    : formula_(asciiBytes(formula, '?')), variables_(variables) {}

double ClampedFunctionOfX::operator()(double x) {
  variables_.set('X', x);
  int code = 0;
  const double value = EvaluateFormula(formula_, code, variables_);
  if (code < 1 || code > 3) {
    failed_ = true;
    return 0;
  }
  return std::clamp(value, -kValueClamp, kValueClamp);
}

double derivative(ClampedFunctionOfX& f, int order, double x) {
  if (order <= 0) return f(x);
  f(x - kProbeOffset);
  f(x);
  f(x + kProbeOffset);
  if (f.failed()) return kFailedDerivative;
  const double sum =
      derivative(f, order - 1, x - 2 * kStep) - 8 * derivative(f, order - 1, x - kStep) +
      8 * derivative(f, order - 1, x + kStep) - derivative(f, order - 1, x + 2 * kStep);
  return sum / (12 * kStep);
}

std::optional<double> simpson(ClampedFunctionOfX& f, double a, double b) {
  f.resetStatus();
  const double h = (b - a) / kSimpsonIntervals;
  const double first = f(a);
  double sum = first + f(b);
  double previous = first;
  for (int i = 1; i < kSimpsonIntervals; ++i) {
    const double value = f(a + i * h);
    if (f.failed() || previous * value < 0) return std::nullopt;
    sum += (i % 2 == 1 ? 4 : 2) * value;
    previous = value;
  }
  if (f.failed()) return std::nullopt;
  return sum * h / 3;
}

std::optional<double> bisection(ClampedFunctionOfX& f, int order, double a, double b,
                                KeyState& keys) {
  double moving = a;
  double other = b;
  for (int halvings = 0; halvings < kMaxHalvings; ++halvings) {
    if (keys.escapeDown()) return std::nullopt;
    f.resetStatus();
    const double d = derivative(f, order, moving);
    if (!f.failed() && std::fabs(d) < kZeroTolerance) return moving;
    const double middle = 0.5 * moving + 0.5 * other;
    if (middle == moving || middle == other) return std::nullopt;
    f.resetStatus();
    const double v = derivative(f, order, middle);
    const bool failed = f.failed();
    if (d * v > 0 || failed)
      moving = middle;
    else
      other = middle;
    if (!failed && std::fabs(v) < kZeroTolerance) return middle;
  }
  return std::nullopt;
}

std::optional<std::vector<long long>> primeFactors(long long n, KeyState& keys) {
  std::vector<long long> factors;
  long long rest = n;
  while (rest > 1 && rest % 2 == 0) {
    factors.push_back(2);
    rest /= 2;
  }
  for (long long d = 3; d * d <= rest; d += 2) {
    if ((d - 3) / 2 % kDivisorsPerEscapePoll == 0 && keys.escapeDown()) return std::nullopt;
    while (rest > 1 && rest % d == 0) {
      factors.push_back(d);
      rest /= d;
    }
  }
  if (rest > 1) factors.push_back(rest);
  return factors;
}

}  // namespace korvale
