#include "base/text_routines.h"
#include "grades_fixture.h"

namespace korvale {
namespace {

std::vector<std::vector<Text>> printedLines(const RecordingPrinter& printer) {
  std::vector<std::vector<Text>> pages;
  for (const PrintJob& job : printer.jobs) pages.push_back(job.content.lines());
  return pages;
}

TEST_F(GradesEditorTest, PagesBreakAtTheMark) {
  using Pages = std::vector<std::vector<Text>>;
  struct Row {
    std::vector<Text> text;
    Pages pages;
  } rows[] = {
      // Without a mark the whole text is one page.
      {{U"Eins", U"Zwei"}, {{U"", U"\t", U"\tEins", U"\tZwei"}}},
      {{U"Eins", U"\xB6", U"Zwei", U"Drei"},
       {{U"", U"\t", U"\tEins"}, {U"", U"\tZwei", U"\tDrei"}}},
      // A final mark ends the last page; nothing after it is printed.
      {{U"A", U"\xB6", U"B", U"\xB6"}, {{U"", U"\t", U"\tA"}, {U"", U"\tB"}}},
      {{U"A", U"\xB6", U"B", U"\xB6", U" "}, {{U"", U"\t", U"\tA"}, {U"", U"\tB"}}},
      {{}, {{U"", U"\t", U"\t"}}},
  };
  for (const Row& r : rows) {
    printer.jobs.clear();
    editor.setLines(r.text);
    dialogs.ok();
    menu(U"Datei > Drucken");
    EXPECT_EQ(printedLines(printer), r.pages) << toUtf8(joinLines(r.text, U"|"));
    EXPECT_EQ(editor.lines(), r.text) << "the text is not changed by printing";
  }
  EXPECT_EQ(printer.jobs.front().title, U"TABULON");
  EXPECT_EQ(printer.jobs.front().orientation, Orientation::Portrait);
}

TEST_F(GradesEditorTest, MarkedRangeIsTheOnlyPageAndKeepsItsFormats) {
  editor.setLines({U"Kopf", U"Mitte", U"Fuss", U"\xB6", U"Rest"});
  CharFormat bold;
  bold.bold = true;
  editor.applyFormat({1, 0}, {1, 5}, bold);
  editor.setSelection({1, 2}, {2, 2});
  dialogs.ok();
  menu(U"Datei > Drucken");
  ASSERT_EQ(printedLines(printer),
            (std::vector<std::vector<Text>>{{U"", U"\t", U"\ttte", U"\tFu"}}));
  EXPECT_TRUE(printer.jobs[0].content.formatAt(4).bold);
  EXPECT_FALSE(printer.jobs[0].content.formatAt(9).bold);

  // Cancelled in the print dialog: nothing is printed.
  dialogs.cancel();
  menu(U"Datei > Drucken");
  EXPECT_EQ(printer.jobs.size(), 1u);
  menu(U"Datei > Drucker einstellen");
  EXPECT_EQ(dialogs.shown.back(), "[printer-setup]");
}

}  // namespace
}  // namespace korvale
