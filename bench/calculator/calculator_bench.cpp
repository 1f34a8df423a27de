// The Calculator's slowest commands, typed into its input line and run by Enter through the
// window's key table, as a teacher would.
#include <benchmark/benchmark.h>

#include "calculator/calculator_window.h"
#include "support/memory_text_editor.h"
#include "support/test_ports.h"

namespace korvale {
namespace {

struct Bench {
  MemoryTextEditor input;
  TestDialogs dialogs;
  TestKeyState keys;
  TestCursor cursor;
  VariableTable variables;
  CalculatorWindow window{
      CalculatorPorts{input, dialogs, keys, cursor, variables, [] { return false; }, [] {}, [] {}},
      Screen{}};
  Bench() { window.core().opened(); }
};

void Enter(benchmark::State& state, const char* formula, const char* expected) {
  Bench b;
  const Text input = fromUtf8(formula);
  for (auto _ : state) {
    b.input.setPlainText(input);
    b.window.keyPressed(KeyPress{"Enter"});
  }
  // A wrong answer would make the figure meaningless.
  if (toUtf8(b.input.plainText()) != expected)
    state.SkipWithError(("answer " + toUtf8(b.input.plainText())).c_str());
}

BENCHMARK_CAPTURE(Enter, PrimeFactorsOfALargePrime, "pfz(2147483647)", "z = 2147483647*1")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Enter, ZeroOfACubic, "nul(x^3-2,0,0,2)", "z = 1.26")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Enter, IntegralOfSine, "int(sin(x),0,180)", "z = 114.59")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Enter, GaussIntegral, "gau(3)", "w = 0.50")->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace korvale

BENCHMARK_MAIN();
