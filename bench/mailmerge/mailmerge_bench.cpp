// The mail-merge preview of a full list: 2000 records, a one-page letter with formats,
// placeholders and a computed field.
#include <benchmark/benchmark.h>

#include <vector>

#include "../grades_on_memory.h"
#include "base/numbers.h"
#include "csvlist/field_table.h"
#include "mailmerge/merge.h"

namespace korvale {
namespace {

constexpr int kRecords = 2000;

std::vector<Text> makeList() {
  std::vector<Text> lines = {U"Nummer;Zuname;Vorname;Sex;Ort;Geburt;Gewicht;Groesse;Wert;"};
  for (int r = 1; r <= kRecords; ++r) {
    lines.push_back(intToText(r) + U";Zuname" + intToText(r % 97) + U";Vorname" +
                    intToText(r % 31) + U";" + (r % 2 ? U"w" : U"m") + U";Ort" + intToText(r % 53) +
                    U";" + intToText(1 + r % 28) + U".0" + intToText(1 + r % 9) + U".19" +
                    intToText(70 + r % 25) + U";" + intToText(50 + r % 40) + U";" +
                    intToText(150 + r % 45) + U";" + formatFixed(r / 7.0, 1) + U";");
  }
  return lines;
}

// About 3000 characters in 40 lines: a heading, paragraphs with placeholders, a bold and an
// italic stretch around placeholders, a centred line and one computed field.
RichText makeTemplate() {
  CharFormat body;
  body.font = U"Times New Roman";
  body.size = 12;
  CharFormat heading = body;
  heading.font = U"Arial";
  heading.size = 16;
  heading.bold = true;
  CharFormat italic = body;
  italic.italic = true;

  RichText doc = RichText::plain(U"<F3> <F2>\n<F5>\n\n\n", body);
  doc.append(RichText::plain(U"Einladung zur Gesundheitswoche\n\n", heading));
  doc.setAlignment(4, Alignment::Center);
  doc.append(RichText::plain(U"Liebe(r) <F3> <F2>,\n\n", body));
  for (int paragraph = 0; paragraph < 8; ++paragraph) {
    doc.append(RichText::plain(
        U"in unserer Kartei sind Sie mit dem Geburtsdatum <F6> und dem Wohnort <F5> eingetragen. "
        "Bei der letzten Messung wogen Sie ",
        body));
    doc.append(
        RichText::plain(U"<F7> kg bei einer Gr\xF6\xDF"
                        "e von <F8> cm",
                        italic));
    doc.append(RichText::plain(
        U". Vom 4. bis 8. M\xE4rz laden wir Sie herzlich ein, Ihre Werte erneut messen zu "
        "lassen. Die Messung dauert nur wenige Minuten und ist kostenlos.\n\n",
        body));
  }
  doc.append(RichText::plain(U"Ihr Index: {<F8>-100-<F7>} (<N7>, <N8>)\n\n", body));
  doc.append(
      RichText::plain(U"Mit freundlichen Gr\xFC\xDF"
                      "en\n\nIhr Team der Gesundheitswoche\n",
                      body));
  return doc;
}

struct Fixture {
  std::vector<Text> lines = makeList();
  FieldTable table = buildFieldTable(lines[0], &lines[1], ';', static_cast<int>(lines.size()));
  RichText letter = makeTemplate();
  VariableTable variables;
};

void mergeAll(benchmark::State& state, bool pageBreaks) {
  Fixture f;
  NoEscape keys;
  const MergeSource source{f.lines, ';', f.table};
  std::size_t size = 0;
  for (auto _ : state) {
    MergeResult result = mergeLetters(f.letter, source, {pageBreaks, true}, f.variables, keys);
    size = result.letters.text.size();
    benchmark::DoNotOptimize(result);
  }
  state.counters["letter_chars"] = static_cast<double>(f.letter.text.size());
  state.counters["preview_chars"] = static_cast<double>(size);
}

void BM_MergeWithPageBreaks(benchmark::State& state) {
  mergeAll(state, true);
}
BENCHMARK(BM_MergeWithPageBreaks)->Unit(benchmark::kMillisecond);

void BM_MergeCollapsingBreaks(benchmark::State& state) {
  mergeAll(state, false);
}
BENCHMARK(BM_MergeCollapsingBreaks)->Unit(benchmark::kMillisecond);

// The menu entry on the in-memory editor: questions, the template saved, the letters set once,
// and the template put back.
void BM_PreviewCommandOnAndOff(benchmark::State& state) {
  Fixture f;
  GradesOnMemory g;
  GradesContext& w = g.ctx;
  w.db.list.table = f.table;
  w.db.list.listSeparator = ';';
  w.db.copy = f.lines;
  w.db.mode = DatabasePart::Mode::Hidden;
  w.mailMerge.templateInEditor = true;
  MemoryTextEditor& editor = g.editor;
  ScriptedDialogs& dialogs = g.dialogs;
  std::size_t size = 0;
  for (auto _ : state) {
    editor.setRichText(f.letter);
    dialogs.queue(ScriptAnswer::of(ScriptAnswer::Kind::No));
    dialogs.queue(ScriptAnswer::of(ScriptAnswer::Kind::Yes));
    previewCommand(w);
    size = editor.richText().text.size();
    previewCommand(w);
  }
  state.counters["preview_chars"] = static_cast<double>(size);
}
BENCHMARK(BM_PreviewCommandOnAndOff)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace korvale

BENCHMARK_MAIN();
