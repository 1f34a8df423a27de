// "Statistik - N" on a list at the limits of the data model: 2000 records of a name and 50
// value columns, shown as the database, with the 50 x 50 correlation matrix.
#include <benchmark/benchmark.h>

#include <vector>

#include "../grades_on_memory.h"
#include "base/numbers.h"
#include "csvlist/field_table.h"

namespace korvale {
namespace {

constexpr int kRecords = 2000;
constexpr int kColumns = 50;

// Decimals, whole numbers and now and then a field that is no number.
std::vector<Text> makeList() {
  std::vector<Text> lines;
  Text header = U"Name;";
  for (int c = 1; c <= kColumns; ++c) header += U"W" + intToText(c) + U";";
  lines.push_back(header);
  unsigned seed = 4711;
  auto next = [&seed] {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 8) % 100000;
  };
  for (int r = 1; r <= kRecords; ++r) {
    Text line = U"Person " + intToText(r) + U";";
    for (int c = 0; c < kColumns; ++c) {
      const unsigned v = next();
      if (v % 97 == 0)
        line += U"x;";
      else if (c % 2 == 0)
        line += formatFixed(v / 100.0 + c, 2) + U";";
      else
        line += intToText(v % 1000) + U";";
    }
    lines.push_back(line);
  }
  lines.push_back(U"#");
  return lines;
}

void BM_StatisticsN(benchmark::State& state) {
  const std::vector<Text> lines = makeList();
  // No dialog appears while a database is shown and every value is readable.
  GradesOnMemory g;
  MemoryTextEditor& editor = g.editor;
  editor.setLines(lines);
  g.ctx.db.list.table = buildFieldTable(lines[0], &lines[1], ';', kRecords + 1);
  g.ctx.db.listLoaded = true;
  g.ctx.db.mode = DatabasePart::Mode::Shown;
  for (auto _ : state) {
    // Each run deletes the last run's output after the end marker first.
    statisticsNCommand(g.ctx);
    benchmark::DoNotOptimize(editor.lineCount());
  }
  state.counters["lines"] = editor.lineCount();
  state.counters["messages"] = g.messages;
}
BENCHMARK(BM_StatisticsN)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace korvale

BENCHMARK_MAIN();
