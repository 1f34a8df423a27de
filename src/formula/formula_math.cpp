#include "formula/formula_math.h"

#include <cmath>

namespace korvale {

namespace {

using Extended = long double;

constexpr Extended kPi = 3.141592653589793238462643383279502884L;
constexpr double kNearZero = 1E-12;

Extended radiansOfDegrees(double degrees) {
  return kPi * degrees / 180;
}
Extended degreesOfRadians(Extended radians) {
  return radians * 180 / kPi;
}

double factorial(double x) {
  double product = 1;
  const double last = std::trunc(x);
  for (double factor = 2; factor <= last; ++factor) product *= factor;
  return product;
}

// The inverse sine and cosine go through the arc tangent; their end points are set exactly.
double arcSineDegrees(double x) {
  if (x == 0) return 0;
  if (x == 1) return 90;
  if (x == -1) return -90;
  return static_cast<double>(degreesOfRadians(std::atan(x / std::sqrt(Extended{1 - x * x}))));
}

double arcCosineDegrees(double x) {
  if (x == 0) return 90;
  if (x == 1) return 0;
  if (x == -1) return 180;
  Extended angle = degreesOfRadians(std::atan(std::sqrt(Extended{1 - x * x}) / x));
  if (angle < 0) angle += 180;
  return static_cast<double>(angle);
}

}  // namespace

std::optional<double> applyFormulaFunction(FormulaFunction function, double x) {
  if (std::fabs(x) < kNearZero) x = 0;
  switch (function) {
    case FormulaFunction::Deg:
      // The product stays a double operation; only the division meets pi.
      return static_cast<double>(Extended{x * 180} / kPi);
    case FormulaFunction::Rad:
      return static_cast<double>(radiansOfDegrees(x));
    case FormulaFunction::Tan: {
      const Extended r = radiansOfDegrees(x);
      const Extended cosine = std::cos(r);
      if (std::fabs(cosine) < kNearZero) return std::nullopt;
      return static_cast<double>(std::sin(r) / cosine);
    }
    case FormulaFunction::Asin:
      if (std::fabs(x) > 1) return std::nullopt;
      return arcSineDegrees(x);
    case FormulaFunction::Acos:
      if (std::fabs(x) > 1) return std::nullopt;
      return arcCosineDegrees(x);
    case FormulaFunction::Log:
      if (x <= 0) return std::nullopt;
      return static_cast<double>(std::log(Extended{x}) / std::log(Extended{10}));
    case FormulaFunction::Fak:
      if (x < 0 || x > 150) return std::nullopt;
      return factorial(x);
    case FormulaFunction::Abs:
      return std::fabs(x);
    case FormulaFunction::Atan: {
      Extended angle = degreesOfRadians(std::atan(Extended{x}));
      if (angle < 0) angle += 180;
      return static_cast<double>(angle);
    }
    case FormulaFunction::Swi:
      return x;
    case FormulaFunction::Cos: {
      const double cosine = static_cast<double>(std::cos(radiansOfDegrees(x)));
      return std::fabs(cosine) < kNearZero ? 0.0 : cosine;
    }
    case FormulaFunction::Exp:
      if (x < -450 || x > 450) return std::nullopt;
      return static_cast<double>(std::exp(Extended{x}));
    case FormulaFunction::Ln:
      if (x <= 0) return std::nullopt;
      return static_cast<double>(std::log(Extended{x}));
    case FormulaFunction::Round:
      if (x < -1E18 || x > 1E18) return std::nullopt;
      return std::nearbyint(x);  // the default rounding mode sends ties to the even neighbour
    case FormulaFunction::Sin:
      return static_cast<double>(std::sin(radiansOfDegrees(x)));
    case FormulaFunction::Sqrt:
      if (x < 0) return std::nullopt;
      return static_cast<double>(std::sqrt(Extended{x}));
    case FormulaFunction::Sqr:
      if (x < -1E150 || x > 1E150) return std::nullopt;
      return x * x;
    case FormulaFunction::Trunc:
      if (x < -1E18 || x > 1E18) return std::nullopt;
      return std::trunc(x);
  }
  return std::nullopt;
}

std::optional<double> formulaPower(double base, double exponent) {
  double sign = 1;
  if (base < 0) {
    base = -base;
    if (exponent != std::trunc(exponent)) return std::nullopt;
    sign = std::fmod(exponent, 2.0) == 0 ? 1 : -1;
  }
  if (base == 0) {
    if (exponent < 0) return std::nullopt;
    return exponent == 0 ? 1.0 : 0.0;
  }
  const Extended logarithm = exponent * std::log(Extended{base});
  if (logarithm < -450 || logarithm > 450) return std::nullopt;
  return static_cast<double>(sign * std::exp(logarithm));
}

}  // namespace korvale
