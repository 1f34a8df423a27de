// Table operations on a list at the limits of the data model: 2000 records of 50 fields.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include "base/numbers.h"
#include "base/text_routines.h"
#include "csvlist/layout.h"
#include "csvlist/selection.h"
#include "csvlist/sorting.h"
#include "grades/table_in_editor.h"
#include "ui/ports/key_state.h"

namespace korvale {
namespace {

constexpr int kRecords = 2000;
constexpr int kFields = 50;

// Names, marks, whole numbers and decimals in turn, with blanks around some fields.
std::vector<Text> makeList() {
  std::vector<Text> lines;
  Text header;
  for (int f = 1; f <= kFields; ++f) header += U"Feld" + intToText(f) + U";";
  lines.push_back(header);
  unsigned seed = 12345;
  auto next = [&seed] {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 8) % 10000;
  };
  for (int r = 0; r < kRecords; ++r) {
    Text line;
    for (int f = 0; f < kFields; ++f) {
      const unsigned v = next();
      switch (f % 4) {
        case 0:
          line += U"Name" + intToText(v % 700) + Text(v % 3, ' ');
          break;
        case 1:
          line += intToText(1 + v % 6);
          break;
        case 2:
          line += U" " + intToText(v) + U" ";
          break;
        default:
          line += formatFixed(v / 7.0, 2);
          break;
      }
      line += ';';
    }
    lines.push_back(line);
  }
  lines.push_back(U"#");
  return lines;
}

ListState loadedState(const std::vector<Text>& lines) {
  ListState state;
  state.loadedHeader = lines[0];
  state.table = buildFieldTable(lines[0], &lines[1], ';', kRecords + 1);
  return state;
}

// An editor that keeps its lines in a vector, so that only the table code is measured.
class VectorEditor : public TextEditor {
 public:
  RichText richText() const override { return content_; }
  void setRichText(const RichText& content) override {
    content_ = content;
    lines_ = content_.lines();
  }
  int lineCount() const override { return static_cast<int>(lines_.size()); }
  Text line(int index) const override { return lines_[static_cast<std::size_t>(index)]; }
  void replaceRange(TextPos, TextPos, const Text&) override {}
  void applyFormat(TextPos, TextPos, const CharFormat&) override {}
  CharFormat formatAt(TextPos) const override { return content_.formatAt(0); }
  CharFormat typingFormat() const override { return CharFormat(); }
  void setTypingFormat(const CharFormat&) override {}
  TextPos caret() const override { return caret_; }
  TextPos anchor() const override { return caret_; }
  void setSelection(TextPos, TextPos caret) override { caret_ = caret; }
  bool readOnly() const override { return false; }
  void setReadOnly(bool) override {}
  bool canUndo() const override { return false; }
  void undo() override {}

 private:
  RichText content_;
  std::vector<Text> lines_;
  TextPos caret_;
};

class NoCursor : public Cursor {
 public:
  void set(CursorShape) override {}
};

void BM_CompressAndExpandLines(benchmark::State& run) {
  const std::vector<Text> list = makeList();
  for (auto _ : run) {
    std::vector<Text> lines = list;
    ListState state = loadedState(list);
    formatDisplayLines(lines, state, true);
    benchmark::DoNotOptimize(lines.data());
  }
}
BENCHMARK(BM_CompressAndExpandLines)->Unit(benchmark::kMillisecond);

void BM_DisplayFormattingInAnEditor(benchmark::State& run) {
  const std::vector<Text> list = makeList();
  VectorEditor editor;
  NoCursor cursor;
  for (auto _ : run) {
    editor.setLines(list);
    ListState state = loadedState(list);
    applyDisplayFormatting(editor, state, cursor, 10, true);
    benchmark::DoNotOptimize(editor.lineCount());
  }
}
BENCHMARK(BM_DisplayFormattingInAnEditor)->Unit(benchmark::kMillisecond);

void BM_SortTextColumn(benchmark::State& run) {
  std::vector<Text> list = makeList();
  list.pop_back();
  for (auto _ : run) benchmark::DoNotOptimize(sortLines(list, 1, ';', true));
}
BENCHMARK(BM_SortTextColumn)->Unit(benchmark::kMillisecond);

void BM_SortNumberColumn(benchmark::State& run) {
  std::vector<Text> list = makeList();
  list.pop_back();
  for (auto _ : run) benchmark::DoNotOptimize(sortLines(list, 4, ';', true));
}
BENCHMARK(BM_SortNumberColumn)->Unit(benchmark::kMillisecond);

void BM_SortFewDistinctValues(benchmark::State& run) {
  std::vector<Text> list = makeList();
  list.pop_back();
  for (auto _ : run) benchmark::DoNotOptimize(sortLines(list, 2, ';', true));
}
BENCHMARK(BM_SortFewDistinctValues)->Unit(benchmark::kMillisecond);

void BM_SelectTextColumn(benchmark::State& run) {
  std::vector<Text> list = makeList();
  ListState state = loadedState(list);
  formatDisplayLines(list, state, true);
  for (auto _ : run) benchmark::DoNotOptimize(selectRecords(list, ';', {U"49", U"-", U"name1"}));
}
BENCHMARK(BM_SelectTextColumn)->Unit(benchmark::kMillisecond);

void BM_SelectNumberColumn(benchmark::State& run) {
  std::vector<Text> list = makeList();
  ListState state = loadedState(list);
  formatDisplayLines(list, state, true);
  for (auto _ : run) benchmark::DoNotOptimize(selectRecords(list, ';', {U"50", U">", U"700"}));
}
BENCHMARK(BM_SelectNumberColumn)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace korvale

BENCHMARK_MAIN();
