// Lists and plans on disk, printing and the spreadsheet hand-over.
#include "class_fixture.h"

namespace korvale {
namespace {

std::string gridBytes(const TextGrid& grid) {
  std::string bytes;
  EXPECT_EQ(GridFile_u::encodeGrid(grid, bytes), GridFile_u::Status::Ok);
  return bytes;
}

TEST_F(ClassEditorTest, SaveNewLoadBringsBackListAndPlanByteExact) {
  setList({U"Huber Anna", U"Kılıç Ayşe", U"Łoś Ćwiek"});
  markLine(2);
  cellPressed(cx, 1, 0);
  cx.plan.setCell(0, 1, U" HUBER Anna");
  dialogs.text(U"2").text(U"3");
  askColumns(cx);
  askRows(cx);
  dialogs.file(folder / "klasse.2a.txt");
  saveList(cx);
  EXPECT_EQ(cx.nameBox, U"klasse.2a.txt");
  // Code page 1252 lacks these letters: the list goes to UTF-8, and the user is told.
  EXPECT_EQ(bytesOf("klasse.2a.txt"), "\xEF\xBB\xBFHuber Anna\r\nKılıç Ayşe\r\nŁoś Ćwiek\r\n");
  EXPECT_EQ(dialogs.shown.back(),
            "[message] Die Datei enthält Zeichen, die der Zeichensatz Windows-1252 nicht "
            "kennt.\\rSie wurde deshalb im Format UTF-8 gespeichert.");
  TextGrid expected(2, 3);
  expected.setCell(1, 0, U" ŁOś Ćwiek");
  expected.setCell(0, 1, U" HUBER Anna");
  EXPECT_EQ(bytesOf("klasse.tab"), gridBytes(expected));

  newList(cx);
  EXPECT_TRUE(list.isEmpty());
  EXPECT_EQ(cx.nameBox, U"");
  EXPECT_EQ(cx.plan.shownCells(), TextGrid(8, 8));
  dialogs.file(folder / "klasse.2a.txt");
  loadList(cx);
  EXPECT_EQ(list.lines(), (std::vector<Text>{U"Huber Anna", U"Kılıç Ayşe", U"Łoś Ćwiek"}));
  EXPECT_EQ(cx.plan.shownCells(), expected);
  EXPECT_EQ(cx.nameBox, U"klasse.2a.txt");

  dialogs.file(folder / "zweit.txt");
  saveList(cx);
  EXPECT_EQ(bytesOf("zweit.txt"), bytesOf("klasse.2a.txt"));
  EXPECT_EQ(bytesOf("zweit.tab"), gridBytes(expected));
}

TEST_F(ClassEditorTest, CancelledDialogsStillSaveAndLoadThePlanOfTheCurrentList) {
  write("klasse.txt", "Huber Anna\r\n");
  dialogs.file(folder / "klasse.txt");
  loadList(cx);
  cx.plan.setCell(0, 0, U" HUBER Anna");
  dialogs.cancel();
  saveList(cx);
  EXPECT_EQ(bytesOf("klasse.txt"), "Huber Anna\r\n");
  TextGrid saved(8, 8);
  saved.setCell(0, 0, U" HUBER Anna");
  EXPECT_EQ(bytesOf("klasse.tab"), gridBytes(saved));

  cx.plan.setCell(0, 0, U"geändert");
  cx.plan.setCell(1, 0, U"neu");
  dialogs.cancel();
  loadList(cx);
  EXPECT_EQ(cx.plan.shownCells(), saved);
  EXPECT_EQ(list.lines(), (std::vector<Text>{U"Huber Anna"}));
}

TEST_F(ClassEditorTest, LoadingAPlanResizesAndKeepsCellsOutsideIt) {
  TextGrid small(2, 2);
  small.setCell(1, 1, U"b");
  write("klein.tab", gridBytes(small));
  write("klein.txt", "x\r\n");
  cx.plan.setCell(5, 5, U"bleibt");
  cx.plan.setCell(1, 1, U"weg");
  toggleWordWrap(cx);
  dialogs.file(folder / "klein.txt");
  loadList(cx);
  EXPECT_EQ(cx.plan.columns(), 2);
  EXPECT_EQ(cx.plan.rows(), 2);
  EXPECT_EQ(cx.plan.cell(1, 1), U"b");
  EXPECT_EQ(cx.plan.cell(5, 5), U"bleibt");
  EXPECT_FALSE(cx.plan.wordWrap());

  // Without a plan file the cells stay and the plan keeps its counts.
  write("ohne.txt", "y\r\n");
  dialogs.file(folder / "ohne.txt");
  loadList(cx);
  EXPECT_EQ(cx.plan.columns(), 2);
  EXPECT_EQ(cx.plan.cell(1, 1), U"b");

  write("kaputt.tab", std::string("\x01\x00\x01\x00\x01\x00z", 7));
  write("kaputt.txt", "z\r\n");
  dialogs.file(folder / "kaputt.txt");
  loadList(cx);
  EXPECT_EQ(dialogs.shown.back(), "[error] Problem | Sitzplan-Datei unvollständig");
  EXPECT_EQ(cx.plan.cell(0, 0), U"z");
}

TEST_F(ClassEditorTest, GridFileNameIsTheListNameUpToItsFirstPoint) {
  struct Case {
    std::string listName;
    std::string grid;
  };
  const Case cases[] = {{"klasse.2a.txt", "klasse.tab"},
                        {"2A.txt", "2A.tab"},
                        {"klasse", ".tab"},
                        {"", ".tab"},
                        {".txt", ".tab"}};
  for (const Case& c : cases) {
    cx.file.name = Path(c.listName);
    EXPECT_EQ(gridFilePath(cx), folder / c.grid) << c.listName;
  }
}

TEST_F(ClassEditorTest, ANamelessPlanReplacesAnotherOnlyWhenTheUserSaysSo) {
  const std::string confirm =
      "[confirm] Die Datei \".tab\" im Listenordner enthält schon einen Sitzplan.\\r"
      "Überschreiben ? -> ";
  cx.plan.setCell(0, 0, U"erster");
  dialogs.cancel();
  saveList(cx);  // nothing there yet: no question
  const std::string first = bytesOf(".tab");
  cx.plan.setCell(0, 0, U"zweiter");
  dialogs.cancel().no();
  saveList(cx);
  EXPECT_EQ(bytesOf(".tab"), first);
  dialogs.cancel().yes();
  saveList(cx);
  EXPECT_NE(bytesOf(".tab"), first);
  const std::string save =
      "[save] ANSI-Textdateien (*.txt)|*.txt|RTF-Textdateien (*.rtf)|*.rtf|CSV-Textdateien "
      "(*.csv)|*.csv | " +
      folder.path().bytes() + " |  -> cancel";
  EXPECT_EQ(dialogs.shown,
            (std::vector<std::string>{save, save, confirm + "no", save, confirm + "yes"}));
}

TEST_F(ClassEditorTest, AFailedPlanSaveSaysSoAndKeepsTheOldFile) {
  ASSERT_EQ(::mkdir((folder / "klasse.tab").c_str(), 0755), 0);
  setList({U"Huber Anna"});
  dialogs.file(folder / "klasse.txt");
  saveList(cx);
  EXPECT_EQ(bytesOf("klasse.txt"), "Huber Anna\r\n");
  EXPECT_EQ(dialogs.shown.back(), "[error] Problem | Daten-Fehler");
  EXPECT_TRUE(isDirectory(folder / "klasse.tab"));
}

TEST_F(ClassEditorTest, AnRtfListIsSavedAsPlainText) {
  write("liste.rtf",
        "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\b Huber Anna\\par M\\'fcller Jana\\par}");
  dialogs.file(folder / "liste.rtf");
  loadList(cx);
  EXPECT_EQ(list.lines(), (std::vector<Text>{U"Huber Anna", U"Müller Jana"}));
  EXPECT_TRUE(list.formatAt({0, 0}).bold);
  dialogs.cancel();
  saveList(cx);  // the dialog is cancelled: nothing is written but the plan
  dialogs.file(folder / "liste.rtf");
  saveList(cx);
  EXPECT_EQ(bytesOf("liste.rtf"), "Huber Anna\r\nM\xFCller Jana\r\n");
  EXPECT_FALSE(list.formatAt({0, 0}).bold);
}

TEST_F(ClassEditorTest, AppendingAddsTheFileAfterTheListAndLeavesTheClipboardAlone) {
  write("neu.txt", "Zoller Udo\r\nAuer Eva\r\n");
  write("neu.rtf", "{\\rtf1\\ansi Wei\\'df Noah\\par}");
  clipboard.setText(RichText::plain(U"vom Benutzer kopiert", CharFormat()));
  setList({U"Huber Anna"});
  cx.plan.setCell(0, 0, U"bleibt");
  dialogs.file(folder / "neu.txt").file(folder / "neu.rtf").cancel();
  appendList(cx);
  appendList(cx);
  appendList(cx);
  EXPECT_EQ(list.lines(),
            (std::vector<Text>{U"Huber Anna", U"Zoller Udo", U"Auer Eva", U"Weiß Noah"}));
  EXPECT_EQ(cx.nameBox, U"neu.rtf");
  EXPECT_EQ(clipboard.text().text, U"vom Benutzer kopiert");
  EXPECT_EQ(cx.plan.cell(0, 0), U"bleibt");

  list.clear();
  dialogs.file(folder / "fehlt.txt");
  appendList(cx);
  EXPECT_TRUE(list.isEmpty());
  EXPECT_EQ(dialogs.shown.back(), "[error] Problem | Daten-Fehler");
}

TEST_F(ClassEditorTest, PrintedListIsNumberedWithRoomForNotes) {
  setList({U"Huber Anna", U"Łoś Ewa"});
  cx.file.name = "2A.txt";
  dialogs.cancel().ok();
  printList(cx);
  ASSERT_TRUE(printer.jobs.empty());
  printList(cx);
  ASSERT_EQ(printer.jobs.size(), 1u);
  const Text equals = U"  " + Text(80, U'=');
  const Text dashes = U"  " + Text(80, U'-');
  EXPECT_EQ(printer.jobs[0].content.lines(),
            (std::vector<Text>{equals, U"  2A.txt", equals, U"  1. Huber Anna:  ", dashes,
                               U"  2. Łoś Ewa:  ", dashes}));
  const CharFormat font = printer.jobs[0].content.formatAt(0);
  EXPECT_EQ(font.font, U"Courier New");
  EXPECT_EQ(font.size, 10);
  EXPECT_TRUE(font.bold);
}

TEST_F(ClassEditorTest, PrintedPlanIsALandscapePictureOfPlanAndList) {
  setList({U"Huber Anna", U"Eder Li"});
  cx.nameBox = U"2A.txt";
  cx.plan.setCell(1, 0, U" HUBER Anna");
  cx.plan.setCell(7, 7, U" versteckt");
  dialogs.text(U"3");
  askColumns(cx);
  const PictureSize size = planPictureSize(cx.plan);
  RecordingCanvas picture(size.width, size.height);
  dialogs.cancel();
  printPlan(cx, picture);
  EXPECT_TRUE(printer.jobs.empty());
  EXPECT_FALSE(cx.printPanelVisible);
  EXPECT_TRUE(picture.ops.empty());

  dialogs.ok();
  printPlan(cx, picture);
  ASSERT_EQ(printer.jobs.size(), 1u);
  EXPECT_EQ(printer.jobs[0].orientation, Orientation::Landscape);
  EXPECT_EQ(printer.jobs[0].picture, &picture);
  EXPECT_EQ(cx.printLabel, U"Huber Anna\nEder Li");
  EXPECT_FALSE(cx.printPanelVisible);
  for (const Text text : {U" HUBER Anna", U"2A.txt", U"Huber Anna", U"Eder Li"})
    EXPECT_NE(picture.findText(text), nullptr) << toUtf8(text);
  EXPECT_EQ(picture.findText(U" versteckt"), nullptr);
  // The name stands in the second of the three columns, the list to the right of the plan.
  EXPECT_GT(picture.findText(U" HUBER Anna")->args[0], cx.plan.columnWidth());
  EXPECT_LT(picture.findText(U" HUBER Anna")->args[0], 2 * cx.plan.columnWidth());
  EXPECT_GT(picture.findText(U"Eder Li")->args[0], kPlanWidth);
}

TEST_F(ClassEditorTest, TheSpreadsheetGoesToTheDesktopOnlyAsAnExistingFile) {
  const Path sheet = write("noten.xls", "x");
  ASSERT_EQ(::mkdir((folder / "ordner.xls").c_str(), 0755), 0);
  dialogs.file(sheet).file(folder / "fehlt.xls").file(folder / "ordner.xls").cancel();
  for (int i = 0; i < 4; ++i) openSpreadsheet(cx);
  EXPECT_EQ(shell.opened, (std::vector<Path>{sheet}));
  EXPECT_EQ(
      std::count(dialogs.shown.begin(), dialogs.shown.end(), "[message] Externer File-Error !"), 2);
}

TEST_F(ClassEditorTest, PrintedHelpHasAMarginAndItsFont) {
  dialogs.ok();
  printHelp(cx);
  ASSERT_EQ(printer.jobs.size(), 1u);
  const std::vector<Text> lines = printer.jobs[0].content.lines();
  ASSERT_EQ(lines.size(), classHelpText().size() + 2);
  EXPECT_EQ(lines[0], U"    ");
  EXPECT_EQ(lines[2], U"    KORVALE, Verwaltung von Klassen und Noten.");
  EXPECT_EQ(printer.jobs[0].content.formatAt(0).size, 9);
}

}  // namespace
}  // namespace korvale
