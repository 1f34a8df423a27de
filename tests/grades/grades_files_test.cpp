#include <sys/stat.h>

#include "base/text_routines.h"
#include "grades_fixture.h"

namespace korvale {
namespace {

const std::string kList = "Nr;Name;Ort;\r\n1;Albers;Bremen;\r\n12;Bo;Kiel;\r\n";
const std::vector<Text> kShown = {"Nr;Name  ;Ort   ;", " 1;Albers;Bremen;", "12;Bo    ;Kiel  ;",
                                  "#"};

TEST_F(GradesEditorTest, OpeningAListShowsItAlignedLockedWithTheHint) {
  dialogs.file(write("liste.csv", kList));
  EXPECT_FALSE(menuEnabled("Datenbank", "Datenbank anzeigen (E/A)"));
  menu("Datei > Öffnen (CSV)"_cp);

  EXPECT_EQ(dialogs.shown,
            (std::vector<std::string>{
                "[open] ANSI-Textdateien (*.csv)|*.csv|ANSI-Textdateien (*.dat)|*.dat|Alle "
                "Dateien (*.*)|*.* | " +
                    dir + " -> " + dir + "/liste.csv",
                "[message] Weiter mit <Mathematik - Statistik>\\roder zurück zu <Datenbank>  . . "
                ".  "}));
  EXPECT_EQ(editor.lines(), kShown);
  EXPECT_TRUE(grades.locked());
  EXPECT_TRUE(editor.readOnly());
  EXPECT_TRUE(grades.databaseDisplayed());
  EXPECT_TRUE(menuEnabled("Datenbank", "Datenbank anzeigen (E/A)"));
  EXPECT_EQ(editor.formatAt({0, 0}).font, "Courier New");
  EXPECT_TRUE(editor.formatAt({0, 0}).bold);
  EXPECT_FALSE(editor.formatAt({1, 0}).bold);
  EXPECT_EQ(editor.formatAt({1, 0}).size, 10);
  EXPECT_EQ(
      grades.fieldsView(),
      (std::vector<Text>{" ", " Datenbank  : liste.csv", " Datensätze : 2"_cp, " Datenfelder: 3",
                         " Separator  : ;", " ", " Feldname, <Feldvariable>", " ",
                         " Nr   <F1> / N / 2", " Name <F2> / T / 6", " Ort  <F3> / T / 6"}));
  EXPECT_EQ(grades.controls()[2].caption, " Datei: liste.csv");
  EXPECT_EQ(workingFolder, dir);
}

TEST_F(GradesEditorTest, SeparatorsAndMissingFinalSeparators) {
  struct Row {
    std::string file;
    std::vector<Text> shown;
    Text separatorLine;
  } rows[] = {
      {"A;B;C\r\n1;2;3\r\n", {"A;B;C;", "1;2;3;", "#"}, " Separator  : ;"},
      {"A\tB\t\r\nx\t22\t\r\n", {"A\t B\t", "x\t22\t", "#"}, " Separator  : TAB"},
      {"A,B\r\nxy,1\r\n", {"A ,B,", "xy,1,"}, " Separator  : ,"},
  };
  for (const Row& r : rows) {
    openList(write("l.csv", r.file));
    std::vector<Text> expected = r.shown;
    if (expected.back() != "#") expected.push_back("#");
    EXPECT_EQ(editor.lines(), expected) << r.file;
    ASSERT_GE(grades.fieldsView().size(), 5u);
    EXPECT_EQ(grades.fieldsView()[4], r.separatorLine) << r.file;
  }
}

TEST_F(GradesEditorTest, StatusNamesTheFieldUnderTheCaret) {
  openList(write("liste.csv", kList));
  click(3, 5);
  EXPECT_EQ(grades.status(), "Zei/Spa: 3 / 5 / Name (2)");
  EXPECT_EQ(grades.currentField(), 2);
  // Locked: the click marks the one character at the caret.
  EXPECT_EQ(editor.markedText(), "o");
  click(2, 12);
  EXPECT_EQ(grades.status(), "Zei/Spa: 2 / 12 / Ort (3)");
  button(">>|");
  EXPECT_EQ(grades.status(), "Zei/Spa: 4 / 1 / Nr (1)");
  EXPECT_EQ(editor.markedText(), "#");
  button("|<<");
  EXPECT_EQ(grades.status(), "Zei/Spa: 1 / 1 / Nr (1)");

  // Switched off: the list is loaded but not shown, so no field text.
  menu("Datenbank > Datenbank anzeigen (E/A)");
  editor.setLines({"a;b;c"});
  click(1, 4);
  EXPECT_EQ(grades.status(), "Zei/Spa: 1 / 4 / ");
  // Without a list the field number itself is shown.
  menu("Datei > Neu");
  editor.setLines({"a;b;c"});
  click(1, 4);
  EXPECT_EQ(grades.status(), "Zei/Spa: 1 / 4 / 2");
  EXPECT_EQ(editor.markedText(), "");
}

TEST_F(GradesEditorTest, DisplayToggleRestoresTheTextBeforeIt) {
  openList(write("liste.csv", kList));
  menu("Datenbank > Datenbank anzeigen (E/A)");
  EXPECT_FALSE(grades.databaseDisplayed());
  EXPECT_TRUE(editor.isEmpty());
  EXPECT_TRUE(grades.locked());

  grades.setLocked(false);
  editor.setLines({"Notizen", "zweite Zeile", "", "  "});
  menu("Datenbank > Datenbank anzeigen (E/A)");
  EXPECT_EQ(editor.lines(), kShown);
  EXPECT_TRUE(dialogs.shown.empty()) << "the hint comes only after opening";
  menu("Datenbank > Datenbank anzeigen (E/A)");
  EXPECT_EQ(editor.lines(), (std::vector<Text>{"Notizen", "zweite Zeile"}));
  EXPECT_TRUE(grades.locked());
}

TEST_F(GradesEditorTest, MessagesWithoutADatabase) {
  struct Row {
    Text entry;
    std::string shown;
  } rows[] = {
      {"Datenfelder Ansicht (E/A)", "[message] Noch keine Datenbank geladen !"},
      {"Datenbank anzeigen (E/A)", "[message] Noch keine Datenbank geladen !"},
  };
  // A list of its header alone gives no database.
  openList(write("leer.csv", "A;B;\r\n"));
  EXPECT_EQ(editor.lines(), (std::vector<Text>{}));
  EXPECT_FALSE(grades.databaseLoaded());
  EXPECT_FALSE(grades.locked());
  for (const Row& r : rows) {
    dialogs.shown.clear();
    menu("Datenbank > " + r.entry);
    EXPECT_EQ(dialogs.shown, std::vector<std::string>{r.shown}) << r.entry;
  }
  dialogs.shown.clear();
  button("Felder E/A");
  EXPECT_EQ(dialogs.shown, std::vector<std::string>{"[message] Noch keine Datenbank geladen !"});

  dialogs.shown.clear();
  menu("Datei > Neu");
  menu("Datei > Speichern");
  EXPECT_EQ(dialogs.shown, std::vector<std::string>{"[message]  Abbruch - Kein Text im Editor !"});
  EXPECT_FALSE(menuEnabled("Datenbank", "Datenbank aktualisieren"));

  // The hint of that opening does not turn up with a later table.
  openList(write("leer.csv", "A;B;\r\n"));
  editor.setLines({"A;B;", "1;2;"});
  dialogs.yes().text("1");
  menu("Bearbeiten > Sortieren");
  EXPECT_EQ(editor.lines(), (std::vector<Text>{"A;B;", "1;2;", "#"}));
  EXPECT_EQ(dialogs.shown.back(),
            "[input] Sortierung nach einer Spalte | Spalten-Nummer von 1 bis 2  (0 = Abbruch) | 0 "
            "-> 1");
}

TEST_F(GradesEditorTest, FieldsViewToggles) {
  openList(write("liste.csv", kList));
  EXPECT_FALSE(grades.fieldsView().empty());
  button("Felder E/A");
  EXPECT_TRUE(grades.fieldsView().empty());
  menu("Datenbank > Datenfelder Ansicht (E/A)");
  EXPECT_EQ(grades.fieldsView().size(), 11u);
}

TEST_F(GradesEditorTest, ReloadLeavesTheEditorEmptyAndLocked) {
  openList(write("liste.csv", kList));
  menu("Datenbank > Datenbank aktualisieren");
  EXPECT_TRUE(editor.isEmpty());
  EXPECT_TRUE(grades.locked());
  EXPECT_TRUE(grades.databaseLoaded());
  EXPECT_FALSE(grades.databaseDisplayed());
  EXPECT_TRUE(grades.fieldsView().empty());
  menu("Datenbank > Datenbank anzeigen (E/A)");
  EXPECT_EQ(editor.lines(), kShown);
}

TEST_F(GradesEditorTest, SavingWritesTheListAsLoaded) {
  struct Row {
    std::string file, saved;
  } rows[] = {
      // The header cut on the screen ("G") is saved with its full names; no end marker.
      {"Nr;Gewicht;\r\n1;7;\r\n2;8;\r\n", "Nr;Gewicht;\r\n1;7;\r\n2;8;\r\n"},
      // A header without a final separator keeps its form; the records got theirs on opening.
      {"Nr;Name\r\n1;Al\r\n", "Nr;Name\r\n1;Al;\r\n"},
      {"Nr;Name;\r\n1;Al;\r\n#\r\n", "Nr;Name;\r\n1;Al;\r\n"},
      {kList, "Nr;Name;Ort;\r\n 1;Albers;Bremen;\r\n12;Bo    ;Kiel  ;\r\n"},
  };
  for (const Row& r : rows) {
    openList(write("in.csv", r.file));
    dialogs.file(dir + "/out.csv");
    menu("Datei > Speichern");
    EXPECT_EQ(read("out.csv"), r.saved) << r.file;
    EXPECT_EQ(editor.lines().back(), "#") << "the end marker stays on the screen";
    EXPECT_TRUE(grades.databaseDisplayed());
  }
  EXPECT_EQ(dialogs.shown.back(),
            "[save] CSV-Textdateien (*.csv)|*.csv|DAT-Textdateien (*.dat)|*.dat|Alle Dateien "
            "(*.*)|*.* | " +
                dir + " | in.csv -> " + dir + "/out.csv");
  EXPECT_EQ(grades.controls()[2].caption, " Datei: out.csv");
}

TEST_F(GradesEditorTest, SaveFiltersFollowTheFileName) {
  struct Row {
    std::string name;
    std::string filter;
  } rows[] = {
      {"brief.RTF",
       "RTF-Textdateien (*.rtf)|*.rtf|ANSI-Textdateien (*.txt)|*.txt|Alle Dateien (*.*)|*.*"},
      {"notiz.txt",
       "RTF-Textdateien (*.rtf)|*.rtf|ANSI-Textdateien (*.txt)|*.txt|CSV-Textdateien "
       "(*.csv)|*.csv|DAT-Textdateien (*.dat)|*.dat|Alle Dateien (*.*)|*.*"},
  };
  for (const Row& r : rows) {
    dialogs.file(write(r.name, "Hallo\r\n"));
    menu("Datei > Öffnen (Text)"_cp);
    dialogs.shown.clear();
    dialogs.cancel();
    menu("Datei > Speichern");
    EXPECT_EQ(dialogs.shown, std::vector<std::string>{"[save] " + r.filter + " | " + dir + " | " +
                                                      r.name + " -> cancel"});
  }
}

TEST_F(GradesEditorTest, AbsentMarksAreShownAsAAndSavedAsZero) {
  openList(write("noten.csv", "NAMEN;M1;M2;\r\nAnna;1;0;\r\nBen;0;3;\r\n"));
  EXPECT_EQ(editor.lines(), (std::vector<Text>{"NAME;M;M;", "Anna;1;a;", "Ben ;a;3;", "#"}));
  EXPECT_TRUE(grades.list().table.schoolMarks);
  dialogs.file(dir + "/noten.csv");
  menu("Datei > Speichern");
  EXPECT_EQ(read("noten.csv"), "NAMEN;M1;M2;\r\nAnna;1;0;\r\nBen ;0;3;\r\n");
  EXPECT_EQ(editor.line(2), "Ben ;a;3;");
  // As text the table keeps its end marker and its displayed header, with the file's marks.
  dialogs.file(dir + "/noten.txt");
  menu("Datei > Speichern");
  EXPECT_EQ(read("noten.txt"), "NAME;M;M;\r\nAnna;1;0;\r\nBen ;0;3;\r\n#\r\n");
  // A letter written while the table is off keeps its words.
  menu("Datenbank > Datenbank anzeigen (E/A)");
  grades.setLocked(false);
  editor.setLines({"Liste;a;b;"});
  dialogs.file(dir + "/brief.txt");
  menu("Datei > Speichern");
  EXPECT_EQ(read("brief.txt"), "Liste;a;b;\r\n");
}

TEST_F(GradesEditorTest, ATableTypedAfterNewKeepsItsOwnHeader) {
  openList(write("liste.csv", kList));
  menu("Datei > Neu");
  EXPECT_FALSE(grades.locked());
  EXPECT_FALSE(menuEnabled("Datenbank", "Datenbank anzeigen (E/A)"));
  editor.setLines({"Tag;Ziel;", "Mo;Rom;", "#"});
  dialogs.file(dir + "/reise.csv");
  menu("Datei > Speichern");
  EXPECT_EQ(read("reise.csv"), "Tag;Ziel;\r\nMo;Rom;\r\n");
  // A document is not turned into a table by saving it.
  EXPECT_EQ(editor.lines(), (std::vector<Text>{"Tag;Ziel;", "Mo;Rom;", "#"}));
  dialogs.file(dir + "/reise2");
  menu("Datei > Speichern");
  EXPECT_TRUE(isRegularFile(dir + "/reise2.csv")) << "the default extension follows the name";
}

TEST_F(GradesEditorTest, FailedSaveKeepsTheOldFile) {
  openList(write("liste.csv", kList));
  ASSERT_TRUE(createDirectory(dir + "/fest"));
  const std::string old = "alt\r\n";
  ASSERT_TRUE(writeFileAtomic(dir + "/fest/liste.csv", old));
  chmod((dir + "/fest").c_str(), 0500);
  dialogs.file(dir + "/fest/liste.csv");
  menu("Datei > Speichern");
  if (geteuid() != 0) {
    EXPECT_EQ(dialogs.shown.back(), "[error] Problem | Daten-Fehler");
    EXPECT_EQ(readFileBytes(dir + "/fest/liste.csv"), old);
  }
  dialogs.shown.clear();
  const std::string folderBefore = workingFolder;
  dialogs.file(dir + "/nirgends/liste.csv");
  menu("Datei > Speichern");
  EXPECT_EQ(dialogs.shown.back(), "[error] Problem | Daten-Fehler");
  EXPECT_EQ(editor.lines(), kShown);
  EXPECT_EQ(grades.controls()[2].caption, " Datei: liste.csv");
  EXPECT_EQ(workingFolder, folderBefore);
}

TEST_F(GradesEditorTest, FailedOpenReportsAndLeavesNoDatabase) {
  dialogs.file(dir + "/fehlt.csv");
  menu("Datei > Öffnen (CSV)"_cp);
  EXPECT_EQ(dialogs.shown.back(), "[error] Problem | Daten-Fehler");
  EXPECT_FALSE(grades.listLoaded());
  EXPECT_FALSE(menuEnabled("Datenbank", "Datenbank anzeigen (E/A)"));
  dialogs.shown.clear();
  dialogs.cancel();
  menu("Datei > Öffnen (CSV)"_cp);
  EXPECT_FALSE(grades.listLoaded());
}

TEST_F(GradesEditorTest, TextFilesAndListsOpenedAsText) {
  // A text file through the list dialog stays plain text, without the end marker.
  dialogs.file(write("notiz.txt", "Hallo;Welt\r\nZeile 2\r\n"));
  menu("Datei > Öffnen (CSV)"_cp);
  EXPECT_EQ(editor.lines(), (std::vector<Text>{"Hallo;Welt", "Zeile 2"}));
  EXPECT_FALSE(menuEnabled("Datenbank", "Datenbank anzeigen (E/A)"));
  EXPECT_EQ(editor.formatAt({0, 0}).font, "Arial");

  // A list through the text dialog is loaded but shown as read.
  dialogs.shown.clear();
  dialogs.file(write("liste.csv", kList));
  menu("Datei > Öffnen (Text)"_cp);
  EXPECT_EQ(dialogs.shown.back(), "[message] Datenbank erfolgreich geladen !");
  EXPECT_EQ(editor.lines(),
            (std::vector<Text>{"Nr;Name;Ort;", "1;Albers;Bremen;", "12;Bo;Kiel;", "#"}));
  EXPECT_TRUE(grades.databaseLoaded());
  EXPECT_TRUE(grades.locked());
  EXPECT_TRUE(grades.textMode());
  EXPECT_EQ(dialogs.shown.front(),
            "[open] RTF-Textdateien  (*.rtf)|*.rtf|ANSI-Textdateien (*.txt)|*.txt|Alle Dateien "
            "(*.*)|*.* | " +
                dir + " -> " + dir + "/liste.csv");

  // A document stays unlocked.
  dialogs.file(write("brief.txt", "Liebe Eltern,\r\n"));
  menu("Datei > Öffnen (Text)"_cp);
  EXPECT_FALSE(grades.locked());
  EXPECT_FALSE(grades.databaseLoaded());
  EXPECT_EQ(editor.lines(), std::vector<Text>{"Liebe Eltern,"});
}

TEST_F(GradesEditorTest, RtfDocumentsKeepTheirFormats) {
  dialogs.file(
      write("brief.rtf", "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs28 Guten {\\b Tag}\\par}"));
  menu("Datei > Öffnen (Text)"_cp);
  ASSERT_EQ(editor.lines(), std::vector<Text>{"Guten Tag"});
  EXPECT_TRUE(editor.formatAt({0, 6}).bold);
  dialogs.file(dir + "/kopie.rtf");
  menu("Datei > Speichern");
  dialogs.file(dir + "/kopie.rtf");
  menu("Datei > Öffnen (Text)"_cp);
  EXPECT_EQ(editor.lines(), std::vector<Text>{"Guten Tag"});
  EXPECT_TRUE(editor.formatAt({0, 6}).bold);
  EXPECT_FALSE(editor.formatAt({0, 1}).bold);
}

// Lists beyond the evaluations' limits of 2000 records and 50 fields still open, show aligned
// and save without losing a field.
TEST_F(GradesEditorTest, LargeListsKeepEveryField) {
  std::string file;
  for (int f = 1; f <= 60; ++f) file += "F" + std::to_string(f) + ";";
  file += "\r\n";
  for (int r = 1; r <= 2100; ++r) {
    for (int f = 1; f <= 60; ++f) file += std::to_string(r * f % 97) + ";";
    file += "\r\n";
  }
  openList(write("gross.csv", file));
  EXPECT_EQ(editor.lineCount(), 2102);
  EXPECT_EQ(grades.list().table.fieldCount(), 60);
  EXPECT_EQ(grades.fieldsView()[2], " Datensätze : 2100"_cp);
  EXPECT_EQ(editor.line(1).substr(0, 9), " 1; 2; 3;");
  click(3, 178);
  EXPECT_EQ(grades.status(), "Zei/Spa: 3 / 178 / F60 (60)");
  dialogs.file(dir + "/gross2.csv");
  menu("Datei > Speichern");
  const auto saved = splitLines(read("gross2.csv"));
  ASSERT_EQ(saved.size(), 2101u);
  EXPECT_EQ(saved[0], splitLines(file)[0]);
  for (std::size_t i = 1; i < saved.size(); i += 500)
    EXPECT_EQ(trimmedSplit(saved[i], ';'), trimmedSplit(splitLines(file)[i], ';'));
}

TEST_F(GradesEditorTest, NewClearsTheDatabaseAndClosingClearsTheLabels) {
  openList(write("liste.csv", kList));
  menu("Datei > Neu");
  EXPECT_TRUE(editor.isEmpty());
  EXPECT_FALSE(grades.listLoaded());
  EXPECT_FALSE(grades.databaseLoaded());
  EXPECT_EQ(grades.status(), "Zeile/Spalte");
  EXPECT_EQ(grades.controls()[2].caption, " Datei: ");
  EXPECT_TRUE(grades.fieldsView().empty());
  EXPECT_EQ(editor.typingFormat().size, 14);

  openList(write("liste.csv", kList));
  menu("Datei > LISTWERK");
  menu("Datei > Calculator");
  EXPECT_EQ(host.opened, 2);
  EXPECT_TRUE(grades.databaseDisplayed());
  menu("Datei > Beenden");
  EXPECT_EQ(host.closed, 1);
  grades.closed();
  EXPECT_TRUE(editor.isEmpty());
  EXPECT_EQ(grades.controls()[2].caption, "Datei");
  grades.opened();
  EXPECT_FALSE(grades.locked());
  EXPECT_FALSE(menuEnabled("Datenbank", "Datenbank anzeigen (E/A)"));
  EXPECT_EQ(grades.rulerText(), Text(168, ' ') + "]< A4 ");
}

TEST_F(GradesEditorTest, LockSwitchAndTheEntriesThatWaitWhileTheTableIsShown) {
  openList(write("liste.csv", kList));
  EXPECT_FALSE(menuEnabled("Bearbeiten", "Undo"));
  EXPECT_FALSE(menuEnabled("Bearbeiten", "Alles Markieren"));
  EXPECT_TRUE(menuEnabled("Schrift", "Alles Markieren"));
  menu("Bearbeiten > Sperren E/A");
  EXPECT_FALSE(grades.locked());
  EXPECT_FALSE(editor.readOnly());
  click(2, 3);
  EXPECT_EQ(editor.markedText(), "") << "an unlocked editor marks nothing on a click";
  menu("Bearbeiten > Sperren E/A");
  EXPECT_TRUE(editor.readOnly());
  EXPECT_EQ(dialogs.shown, (std::vector<std::string>{"[message] Editor entsperrt !",
                                                     "[message] Editor gesperrt !"}));
  menu("Schrift > Alles Markieren");
  EXPECT_EQ(editor.markedText(), joinLines(kShown, "\n"));
  menu("Datei > Neu");
  EXPECT_TRUE(menuEnabled("Bearbeiten", "Undo"));
  editor.setLines({"eins"});
  editor.setLines({"zwei"});
  menu("Bearbeiten > Undo");
  EXPECT_EQ(editor.lines(), std::vector<Text>{"eins"});
}

}  // namespace
}  // namespace korvale
