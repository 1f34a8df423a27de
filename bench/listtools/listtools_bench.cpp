// The List tools on a list at the limits of the data model, 2000 records of 50 fields: Load with
// its structure analysis and expansion, and Write of one record through the mask.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <string>

#include "base/files.h"
#include "base/numbers.h"
#include "listtools/list_files.h"
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
  ListToolsContext c{state, listView, dialogs, cursor, folder, {folder, folder}, random, variables};
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

}  // namespace
}  // namespace korvale

BENCHMARK_MAIN();
