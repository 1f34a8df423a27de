// EvaluateFormula runs in fixed storage: no heap allocation however long or odd the formula.
// A program of its own, because it replaces the global operator new to count.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <ostream>
#include <string>
#include <vector>

#include "formula/evaluator.h"

namespace {
long allocations = 0;
bool counting = false;
}  // namespace

// GCC takes the replacement pair for a mismatch of the library's new and free.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif

void* operator new(std::size_t size) {
  if (counting) ++allocations;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}

namespace korvale {
namespace {

TEST(EvaluateFormula, AllocatesNothing) {
  std::string longSum = "1";
  for (int i = 0; i < 500; ++i) longSum += " + pi";
  const std::vector<std::string> formulas = {
      "sin(x)^2+cos(x)^2-1",
      "-2^2*(-(3))/fak(5)+round(2.5)-trunc(-2.7)",
      "1E400+1/0",
      "1,5",
      std::string(10'000, ' ') + "7",
      longSum,
      std::string(28, '(') + "5" + std::string(28, ')'),  // overflows the parse stack
  };
  VariableTable variables;
  variables.set('X', 0.3);
  std::ostream discard(nullptr);
  int code = 0;
  counting = true;
  for (const std::string& formula : formulas) EvaluateFormula(formula, code, variables, discard);
  counting = false;
  EXPECT_EQ(allocations, 0);
}

}  // namespace
}  // namespace korvale
