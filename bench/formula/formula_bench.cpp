// Evaluations per second, the measure that function tables and graphs depend on.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "formula/evaluator.h"
#include "formula/variable_table.h"

namespace {

using korvale::EvaluateFormula;
using korvale::VariableTable;

void evaluateRepeatedly(benchmark::State& state, const std::string& formula) {
  VariableTable variables;
  variables.set('X', 0.7);
  variables.set('Y', 3);
  int code = 0;
  EvaluateFormula(formula, code, variables);
  if (code != 1 && code != 2) std::abort();  // measuring a failing formula would be pointless
  for (auto _ : state) {
    benchmark::DoNotOptimize(EvaluateFormula(formula, code, variables));
    benchmark::DoNotOptimize(code);
  }
  state.SetItemsProcessed(state.iterations());
  state.SetLabel(std::to_string(formula.size()) + " characters");
}

void ShortFormula(benchmark::State& state) {
  evaluateRepeatedly(state, "sin(x)^2+cos(x)^2-1");
}
BENCHMARK(ShortFormula);

void LongFormula(benchmark::State& state) {
  evaluateRepeatedly(state,
                     "(1.5*x+2)^2/(x+3)-sqrt(abs(x))+ln(x+10)*exp(x/10)-atan(x)/deg(1)+round(x*2.5)"
                     "-trunc(x/3)+fak(5)/120-log(1000)+sqr(x-1)+tan(x)*cos(x)-sin(x)+2^3^2/y+12");
}
BENCHMARK(LongFormula);

// The parser and tokenizer alone, without the long double library functions.
void ArithmeticOnly(benchmark::State& state) {
  evaluateRepeatedly(state, "(1+2*x-4/5+(6-7)*8)/y");
}
BENCHMARK(ArithmeticOnly);

}  // namespace
