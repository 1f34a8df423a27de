// The List tools on a list at the limits of the data model, 2000 records of 50 fields: Load with
// its structure analysis and expansion, Write of one record through the mask, each column
// operation, the statistics of two columns, and a projection.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <string>

#include "base/files.h"
#include "base/numbers.h"
#include "listtools/column_operations.h"
#include "listtools/column_statistics.h"
#include "listtools/list_files.h"
#include "listtools/projection.h"
#include "listtools/record_mask.h"
#include "support/memory_text_editor.h"
#include "ui/ports/scripted_dialogs.h"

namespace korvale {
namespace {

constexpr int kRecords = 2000;
constexpr int kFields = 50;

// Names, marks, whole numbers and decimals in turn, unpadded as a spreadsheet writes them.
std::string makeFile() {
  std::string out;
  for (int f = 1; f <= kFields; ++f) out += "Feld" + std::to_string(f) + ";";
  out += "\r\n";
  unsigned seed = 12345;
  auto next = [&seed] {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 8) % 10000;
  };
  for (int r = 0; r < kRecords; ++r) {
    for (int f = 0; f < kFields; ++f) {
      const unsigned v = next();
      switch (f % 4) {
        case 0:
          out += "Name" + std::to_string(v % 700);
          break;
        case 1:
          out += std::to_string(1 + v % 6);
          break;
        case 2:
          out += std::to_string(v);
          break;
        default:
          out += std::to_string(v / 7) + "." + std::to_string(10 + v % 90);
          break;
      }
      out += ';';
    }
    out += "\r\n";
  }
  return out;
}

class QuietCursor : public Cursor {
 public:
  void set(CursorShape) override {}
};

struct Window {
  Window() {
    char pattern[] = "/tmp/korvale-bench-XXXXXX";
    folder = Path(mkdtemp(pattern));
    file = folder.join(Path("liste.csv"));
    writeFileAtomic(file, makeFile());
    openWindow(c);
  }
  ~Window() {
    ::unlink(file.c_str());
    ::rmdir(folder.c_str());
  }
  void load() {
    dialogs.queue(ScriptAnswer::file(file));
    loadList(c);
  }

  Path folder;
  Path file;
  ListToolsState state;
  MemoryTextEditor listView;
  ScriptedDialogs dialogs{[](const std::string&) {}};
  QuietCursor cursor;
  RandomSource random;
  VariableTable variables;
  RecordingPrinter printer;
  ListToolsContext c{state,  listView,  dialogs, cursor, folder, {folder, folder},
                     random, variables, printer};
};

void BM_LoadList(benchmark::State& st) {
  Window w;
  for (auto _ : st) {
    w.load();
    benchmark::DoNotOptimize(w.state.structure.recordCount);
  }
  if (w.state.structure.recordCount != kRecords) st.SkipWithError("the list did not load");
}
BENCHMARK(BM_LoadList)->Unit(benchmark::kMillisecond);

void BM_WriteRecord(benchmark::State& st) {
  Window w;
  w.load();
  w.listView.setCaret({kRecords / 2, 0});
  editRecord(w.c);
  int n = 0;
  for (auto _ : st) {
    w.state.mask.edits[1] = intToText(1 + n++ % 6);
    maskWrite(w.c);
  }
  if (w.listView.lineCount() != kRecords) st.SkipWithError("a record went missing");
}
BENCHMARK(BM_WriteRecord)->Unit(benchmark::kMillisecond);

using Answers = std::vector<ScriptAnswer>;

ScriptAnswer typed(const char32_t* text) {
  return ScriptAnswer::typed(text);
}
const ScriptAnswer kYes = ScriptAnswer::of(ScriptAnswer::Kind::Yes);

// One column operation with its answers, again and again on the loaded list. `restore` puts
// back, untimed, what the operation took away (a removed or an inserted column).
void runColumnOperation(benchmark::State& st, void (*operation)(ListToolsContext&),
                        const Answers& answers, void (*restore)(Window&) = nullptr) {
  Window w;
  w.load();
  for (auto _ : st) {
    for (const ScriptAnswer& a : answers) w.dialogs.queue(a);
    operation(w.c);
    if (restore != nullptr) {
      st.PauseTiming();
      restore(w);
      st.ResumeTiming();
    }
  }
  if (w.dialogs.pendingAnswers() != 0) st.SkipWithError("an answer was left over");
  if (w.listView.lineCount() != kRecords) st.SkipWithError("a record went missing");
  if (w.state.structure.fieldCount() != kFields) st.SkipWithError("a column went missing");
}

void insertFifthColumn(Window& w) {
  for (const ScriptAnswer& a : {typed(U"5"), typed(U"NEU"), typed(U"I"), typed(U"4")})
    w.dialogs.queue(a);
  insertColumn(w.c);
}

void removeLastColumn(Window& w) {
  w.dialogs.queue(typed(U"51"));
  removeColumn(w.c);
}

void BM_LowerFx(benchmark::State& st) {
  runColumnOperation(st, lowerColumn, {typed(U"1"), kYes});
}
void BM_UpperFx(benchmark::State& st) {
  runColumnOperation(st, upperColumn, {typed(U"1")});
}
void BM_SetLenFx(benchmark::State& st) {
  runColumnOperation(st, setColumnLength, {typed(U"1"), typed(U"12")});
}
void BM_RemoveFx(benchmark::State& st) {
  runColumnOperation(st, removeColumn, {typed(U"5")}, insertFifthColumn);
}
void BM_InsertFx(benchmark::State& st) {
  runColumnOperation(st, insertColumn, {typed(U"51"), typed(U"NEU"), typed(U"N"), typed(U"8")},
                     removeLastColumn);
}
void BM_RandomFx(benchmark::State& st) {
  runColumnOperation(st, randomColumn, {typed(U"5"), typed(U"4"), typed(U"4")});
}
void BM_IndexFx(benchmark::State& st) {
  runColumnOperation(st, indexColumn, {typed(U"3")});
}
void BM_ReplaceFxNumeric(benchmark::State& st) {
  runColumnOperation(st, replaceColumn, {typed(U"4"), kYes, typed(U"(2*<F8> - <F3>)/5"), kYes});
}
void BM_ReplaceFxText(benchmark::State& st) {
  runColumnOperation(st, replaceColumn, {typed(U"1"), kYes, typed(U"<F5>-<F9,1,3>"), kYes});
}
void BM_SearchFx(benchmark::State& st) {
  runColumnOperation(st, searchColumn, {typed(U"1"), typed(U"name1")});
}
void BM_SortFx(benchmark::State& st) {
  runColumnOperation(st, sortByColumn, {typed(U"3")});
}
// Two columns, with their correlation and regression.
void BM_Statistics(benchmark::State& st) {
  runColumnOperation(st, columnStatistics, {typed(U"4"), typed(U"5"), kYes, typed(U"8")});
}
BENCHMARK(BM_Statistics)->Unit(benchmark::kMillisecond);

// A projection onto 10 of the 50 fields, and back with the re-expansion.
void BM_ProjectionAndBack(benchmark::State& st) {
  Window w;
  w.load();
  for (auto _ : st) {
    w.dialogs.queue(typed(U"1,5,10,15,20,25,30,35,40,45"));
    toggleProjection(w.c);
    toggleProjection(w.c);
  }
  if (w.state.projection.active) st.SkipWithError("the projection stayed");
  if (w.listView.lineCount() != kRecords) st.SkipWithError("a record went missing");
  if (w.state.structure.fieldCount() != kFields) st.SkipWithError("a column went missing");
}
BENCHMARK(BM_ProjectionAndBack)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LowerFx)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UpperFx)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SetLenFx)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RemoveFx)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InsertFx)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RandomFx)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IndexFx)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplaceFxNumeric)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplaceFxText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchFx)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortFx)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace korvale

BENCHMARK_MAIN();
