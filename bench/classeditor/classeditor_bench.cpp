// The Class editor's window offscreen, on the real list control and the real font measure: 64
// names marked in the list and clicked into the cells of a full 8 x 8 plan, and word wrap switched
// on over a plan full of long names.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>

#include "base/numbers.h"
#include "classeditor/class_window.h"
#include "support/test_host.h"
#include "ui/ports/clipboard.h"
#include "ui/ports/scripted_dialogs.h"
#include "ui/ports/shell.h"
#include "ui/qt/qt_canvas.h"
#include "ui/qt/qt_text_editor.h"

namespace korvale {
namespace {

struct Desk {
  QtTextEditor list;
  ScriptedDialogs dialogs{[](const std::string&) {}};
  RecordingPrinter printer;
  MemoryClipboard clipboard;
  RecordingShell shell;
  QtCanvas surface;
  TestHost host;
  ClassEditorWindow window{ClassWindowPorts{list, dialogs, printer, clipboard, shell, surface, host,
                                            Screen{}, Path("/tmp")}};
};

std::vector<Text> classOf64() {
  std::vector<Text> names;
  for (int i = 1; i <= 64; ++i)
    names.push_back(U"Schönberger-Übelhör" + intToText(i) +
                    U" Maximilian Konstantin Leopold Ferdinand Alexander");
  return names;
}

void TransferIntoFullPlan(benchmark::State& state) {
  Desk desk;
  const std::vector<Text> names = classOf64();
  desk.list.setLines(names);
  for (auto _ : state) {
    for (int i = 0; i < 64; ++i) {
      desk.list.setSelection({i, 0}, {i, static_cast<int>(names[i].size())});
      desk.window.textClicked();
      desk.window.cellPressed("plan", i % 8, i / 8);
    }
    benchmark::DoNotOptimize(desk.window.panels());
  }
}
BENCHMARK(TransferIntoFullPlan)->Unit(benchmark::kMillisecond);

void WordWrapOnFullPlan(benchmark::State& state) {
  Desk desk;
  const std::vector<Text> names = classOf64();
  desk.list.setLines(names);
  for (int i = 0; i < 64; ++i) {
    desk.list.setSelection({i, 0}, {i, static_cast<int>(names[i].size())});
    desk.window.textClicked();
    desk.window.cellPressed("plan", i % 8, i / 8);
  }
  const MenuItem* wordWrap = nullptr;
  for (const MenuItem& item : desk.window.menu())
    if (item.entry == U"WordWrap") wordWrap = &item;
  for (auto _ : state) {
    wordWrap->action();  // on: every row grows to its names
    state.PauseTiming();
    wordWrap->action();  // off again
    state.ResumeTiming();
  }
  // The rows the wrapped names need, against the 79 pixels of the design.
  state.counters["rowHeight"] = desk.window.panels()[0].rowHeights[0];
}
BENCHMARK(WordWrapOnFullPlan)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace korvale

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication qt(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
