// The real editor control, offscreen: a list of 2000 records x 50 fields loaded and shown as an
// aligned table, 2000 one-page letters set in at once, a long function table and a graph.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>

#include "app/application.h"
#include "app/script_runner.h"
#include "base/files.h"
#include "base/numbers.h"
#include "base/plain_text.h"
#include "base/text_routines.h"
#include "csvlist/field_table.h"
#include "csvlist/layout.h"
#include "grades/table_in_editor.h"
#include "ui/ports/printer.h"
#include "ui/qt/qt_platform.h"
#include "ui/qt/qt_text_editor.h"

namespace korvale {
namespace {

class NoCursor : public Cursor {
 public:
  void set(CursorShape) override {}
};

std::vector<Text> bigList() {
  std::vector<Text> lines;
  Text header;
  for (int f = 1; f <= 50; ++f) header += U"Feld" + intToText(f) + U";";
  lines.push_back(header);
  for (int r = 1; r <= 2000; ++r) {
    Text line;
    for (int f = 1; f <= 50; ++f)
      line += (f % 3 == 0 ? U"Name" + intToText(r * f % 97) : intToText(r * f % 1000)) + U";";
    lines.push_back(line);
  }
  lines.push_back(U"#");
  return lines;
}

void OpenAndDisplayList(benchmark::State& state) {
  const std::vector<Text> raw = bigList();
  NoCursor cursor;
  for (auto _ : state) {
    QtTextEditor editor;
    editor.setLines(raw);  // the file as loaded
    ListState list;
    list.loadedHeader = raw[0];
    list.table = buildFieldTable(raw[0], &raw[1], ';', static_cast<int>(raw.size()) - 1);
    applyDisplayFormatting(editor, list, cursor, 10, true);
    benchmark::DoNotOptimize(editor.lineCount());
  }
}
BENCHMARK(OpenAndDisplayList)->Unit(benchmark::kMillisecond)->Iterations(5);

// The whole road through the Grades editor: the open dialog answered with the file, the list read,
// its database built and the aligned table shown with its fields view.
void OpenListInGradesEditor(benchmark::State& state) {
  char pattern[] = "/tmp/korvale-bench-XXXXXX";
  const Path folder(mkdtemp(pattern));
  const Path list = folder.join("gross.csv");
  std::vector<Text> lines = bigList();
  lines.pop_back();  // a stored list has no end marker
  writeFileAtomic(list, writePlainText(joinLines(lines, U"\n")));
  ScriptedDialogs dialogs([](const std::string&) {});
  ScriptKeyState keys;
  QtPlatform platform(&dialogs, &keys, true);
  Application app(platform);
  platform.attach(app);
  app.start({folder, folder, "bench"});
  app.openModal(WindowId::GradesEditor);
  Window& grades = app.current();
  const auto open = [&] {
    for (const MenuItem& item : grades.menu())
      if (item.menu == U"Datei" && item.entry == U"Öffnen (CSV)") item.action();
  };
  for (auto _ : state) {
    dialogs.queue(ScriptAnswer::file(list));
    open();
    QCoreApplication::processEvents();
    benchmark::DoNotOptimize(grades.mainText()->lineCount());
  }
  std::system(("rm -rf '" + folder.bytes() + "'").c_str());
}
BENCHMARK(OpenListInGradesEditor)->Unit(benchmark::kMillisecond)->Iterations(5);

// The mail-merge preview of a one-page letter for 2000 records, switched on in the Grades editor.
void MailMergePreviewInGradesEditor(benchmark::State& state) {
  char pattern[] = "/tmp/korvale-bench-XXXXXX";
  const Path folder(mkdtemp(pattern));
  std::vector<Text> lines{U"Nummer;Zuname;Vorname;Ort;Note;"};
  for (int r = 1; r <= 2000; ++r)
    lines.push_back(intToText(r) + U";Name" + intToText(r) + U";Kind;Graz;" + intToText(r % 5 + 1) +
                    U";");
  writeFileAtomic(folder.join("klasse.csv"), writePlainText(joinLines(lines, U"\n")));
  std::string letter = "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Times New Roman;}}\\f0\\fs24 ";
  letter += "\\b Sehr geehrte Familie <F2>,\\b0\\par ";
  for (int i = 0; i < 35; ++i)
    letter += "<F3> aus <F4> hat im Fach Deutsch die Note <F5> erhalten.\\par ";
  letter += "Summe: {<F1>+<F5>}\\par }";
  writeFileAtomic(folder.join("brief.rtf"), letter);

  ScriptedDialogs dialogs([](const std::string&) {});
  ScriptKeyState keys;
  RecordingPrinter printer(nullptr);
  QtPlatform platform(&dialogs, &keys, true, &printer);
  Application app(platform);
  platform.attach(app);
  app.start({folder, folder, "bench"});
  app.openModal(WindowId::GradesEditor);
  Window& grades = app.current();
  const auto menu = [&](const Text& name, const Text& entry) {
    for (const MenuItem& item : grades.menu())
      if (item.menu == name && item.entry == entry) item.action();
  };
  using K = ScriptAnswer::Kind;
  dialogs.queue(ScriptAnswer::file(folder.join("klasse.csv")));
  menu(U"Datei", U"Öffnen (CSV)");
  menu(U"Datenbank", U"Datenbank anzeigen (E/A)");
  dialogs.queue(ScriptAnswer::file(folder.join("brief.rtf")));
  menu(U"Datenbank", U"Einen Serienbrief laden");
  for (auto _ : state) {
    dialogs.queue(ScriptAnswer::of(K::No));   // with page breaks
    dialogs.queue(ScriptAnswer::of(K::Yes));  // compressed values
    menu(U"Datenbank", U"Serienbrief Vorschau (E/A)");
    QCoreApplication::processEvents();
    state.counters["lines"] = grades.mainText()->lineCount();
    if (state.range(0) == 1) {
      // The letters printed, one page each, into a printer that only keeps them.
      dialogs.queue(ScriptAnswer::of(K::Yes));
      dialogs.queue(ScriptAnswer::of(K::Ok));
      menu(U"Datenbank", U"Serienbrief ausdrucken");
      state.counters["pages"] = static_cast<double>(printer.jobs.size());
      printer.jobs.clear();
    }
    state.PauseTiming();
    menu(U"Datenbank", U"Serienbrief Vorschau (E/A)");  // back to the letter
    state.ResumeTiming();
  }
  std::system(("rm -rf '" + folder.bytes() + "'").c_str());
}
// Argument 0: the preview alone; 1: the preview and printing every letter.
BENCHMARK(MailMergePreviewInGradesEditor)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// A key pressed in the Grades editor's text, with the caret on the first line.
void pressOnFirstLine(Window& grades, const Text& line, const KeyPress& key) {
  TextEditor& text = *grades.mainText();
  text.setLines({line});
  text.setCaret({0, 0});
  grades.keyPressed(key);
  QCoreApplication::processEvents();
}

struct GradesEditorOnQt {
  ScriptedDialogs dialogs{[](const std::string&) {}};
  ScriptKeyState keys;
  QtPlatform platform{&dialogs, &keys, true};
  Application app{platform};
  Path folder;

  GradesEditorOnQt() {
    char pattern[] = "/tmp/korvale-bench-XXXXXX";
    folder = Path(mkdtemp(pattern));
    platform.attach(app);
    app.start({folder, folder, "bench"});
    app.openModal(WindowId::GradesEditor);
  }
  ~GradesEditorOnQt() { std::system(("rm -rf '" + folder.bytes() + "'").c_str()); }
};

// Shift+F2 on "x^2,1,10000,1": 10 000 rows written below the line in the real editor.
void FunctionTableInGradesEditor(benchmark::State& state) {
  GradesEditorOnQt on;
  Window& grades = on.app.current();
  for (auto _ : state) {
    pressOnFirstLine(grades, U"x^2,1,10000,1", {"F2", true});
    state.counters["lines"] = grades.mainText()->lineCount();
  }
}
BENCHMARK(FunctionTableInGradesEditor)->Unit(benchmark::kMillisecond)->Iterations(5);

// F2 on a formula of 150 characters: one graph drawn on the real chart image, on a fresh image
// each time (F7 clears it).
void FunctionGraphInGradesEditor(benchmark::State& state) {
  const Text formula =
      U"sqrt(abs(x))*sin(x*20)+cos(x*10)*x/3-x^3/(x^2+50)+ln(abs(x)+1)*2-exp(-x^2/40)*3+"
      U"tan(x*2)/9+sqr(x)/25-abs(x-2)/4+round(x/3)/2+trunc(x/4)/3+atan(x)/45-x";
  if (formula.size() != 150) state.SkipWithError("the formula must have 150 characters");
  GradesEditorOnQt on;
  Window& grades = on.app.current();
  for (auto _ : state) {
    state.PauseTiming();
    grades.keyPressed({"F7"});
    state.ResumeTiming();
    pressOnFirstLine(grades, formula + U",10", {"F2"});
  }
}
BENCHMARK(FunctionGraphInGradesEditor)->Unit(benchmark::kMillisecond)->Iterations(20);

void SetLongPreview(benchmark::State& state) {
  Text letter;
  for (int i = 0; i < 40; ++i)
    letter += U"Sehr geehrte Frau M\xFCller, Ihr Kind hat im Fach Deutsch die Note 2 erhalten.\n";
  RichText preview;
  CharFormat body;
  body.font = U"Times New Roman";
  body.size = 12;
  CharFormat bold = body;
  bold.bold = true;
  for (int r = 0; r < 2000; ++r) {
    preview.text += letter + U"\xB6\n";
    preview.runs.push_back({20, bold});
    preview.runs.push_back({letter.size() - 20 + 2, body});
  }
  preview.normalize();
  for (auto _ : state) {
    QtTextEditor editor;
    editor.setRichText(preview);
    benchmark::DoNotOptimize(editor.lineCount());
  }
}
BENCHMARK(SetLongPreview)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace korvale

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
