#include <sys/stat.h>

#include "base/text_routines.h"
#include "grades_fixture.h"

namespace korvale {
namespace {

const std::string kList = "Nr;Name;Ort;\r\n1;Albers;Bremen;\r\n12;Bo;Kiel;\r\n";
const std::vector<Text> kShown = {U"Nr;Name  ;Ort   ;", U" 1;Albers;Bremen;", U"12;Bo    ;Kiel  ;",
                                  U"#"};

TEST_F(GradesEditorTest, OpeningAListShowsItAlignedLockedWithTheHint) {
  dialogs.file(write("liste.csv", kList));
  EXPECT_FALSE(menuEnabled(U"Datenbank", U"Datenbank anzeigen (E/A)"));
  menu(U"Datei > Öffnen (CSV)");

  EXPECT_EQ(dialogs.shown,
            (std::vector<std::string>{
                "[open] ANSI-Textdateien (*.csv)|*.csv|ANSI-Textdateien (*.dat)|*.dat|Alle "
                "Dateien (*.*)|*.* | " +
                    dir.bytes() + " -> " + dir.bytes() + "/liste.csv",
                "[message] Weiter mit <Mathematik - Statistik>\\roder zurück zu <Datenbank>  . . "
                ".  "}));
  EXPECT_EQ(editor.lines(), kShown);
  EXPECT_TRUE(grades.locked());
  EXPECT_TRUE(editor.readOnly());
  EXPECT_TRUE(grades.databaseDisplayed());
  EXPECT_TRUE(menuEnabled(U"Datenbank", U"Datenbank anzeigen (E/A)"));
  EXPECT_EQ(editor.formatAt({0, 0}).font, U"Courier New");
  EXPECT_TRUE(editor.formatAt({0, 0}).bold);
  EXPECT_FALSE(editor.formatAt({1, 0}).bold);
  EXPECT_EQ(editor.formatAt({1, 0}).size, 10);
  EXPECT_EQ(
      grades.fieldsView(),
      (std::vector<Text>{U" ", U" Datenbank  : liste.csv", U" Datensätze : 2", U" Datenfelder: 3",
                         U" Separator  : ;", U" ", U" Feldname, <Feldvariable>", U" ",
                         U" Nr   <F1> / N / 2", U" Name <F2> / T / 6", U" Ort  <F3> / T / 6"}));
  EXPECT_EQ(grades.controls()[2].caption, U" Datei: liste.csv");
  EXPECT_EQ(workingFolder, dir);
}

TEST_F(GradesEditorTest, SeparatorsAndMissingFinalSeparators) {
  struct Row {
    std::string file;
    std::vector<Text> shown;
    Text separatorLine;
  } rows[] = {
      {"A;B;C\r\n1;2;3\r\n", {U"A;B;C;", U"1;2;3;", U"#"}, U" Separator  : ;"},
      {"A\tB\t\r\nx\t22\t\r\n", {U"A\t B\t", U"x\t22\t", U"#"}, U" Separator  : TAB"},
      {"A,B\r\nxy,1\r\n", {U"A ,B,", U"xy,1,"}, U" Separator  : ,"},
  };
  for (const Row& r : rows) {
    openList(write("l.csv", r.file));
    std::vector<Text> expected = r.shown;
    if (expected.back() != U"#") expected.push_back(U"#");
    EXPECT_EQ(editor.lines(), expected) << r.file;
    ASSERT_GE(grades.fieldsView().size(), 5u);
    EXPECT_EQ(grades.fieldsView()[4], r.separatorLine) << r.file;
  }
}

TEST_F(GradesEditorTest, StatusNamesTheFieldUnderTheCaret) {
  openList(write("liste.csv", kList));
  click(3, 5);
  EXPECT_EQ(grades.status(), U"Zei/Spa: 3 / 5 / Name (2)");
  EXPECT_EQ(grades.currentField(), 2);
  // Locked: the click marks the one character at the caret.
  EXPECT_EQ(editor.markedText(), U"o");
  click(2, 12);
  EXPECT_EQ(grades.status(), U"Zei/Spa: 2 / 12 / Ort (3)");
  button(U">>|");
  EXPECT_EQ(grades.status(), U"Zei/Spa: 4 / 1 / Nr (1)");
  EXPECT_EQ(editor.markedText(), U"#");
  button(U"|<<");
  EXPECT_EQ(grades.status(), U"Zei/Spa: 1 / 1 / Nr (1)");

  // Switched off: the list is loaded but not shown, so no field text.
  menu(U"Datenbank > Datenbank anzeigen (E/A)");
  editor.setLines({U"a;b;c"});
  click(1, 4);
  EXPECT_EQ(grades.status(), U"Zei/Spa: 1 / 4 / ");
  // Without a list the field number itself is shown.
  menu(U"Datei > Neu");
  editor.setLines({U"a;b;c"});
  click(1, 4);
  EXPECT_EQ(grades.status(), U"Zei/Spa: 1 / 4 / 2");
  EXPECT_EQ(editor.markedText(), U"");
}

TEST_F(GradesEditorTest, DisplayToggleRestoresTheTextBeforeIt) {
  openList(write("liste.csv", kList));
  menu(U"Datenbank > Datenbank anzeigen (E/A)");
  EXPECT_FALSE(grades.databaseDisplayed());
  EXPECT_TRUE(editor.isEmpty());
  EXPECT_TRUE(grades.locked());

  grades.setLocked(false);
  editor.setLines({U"Notizen", U"zweite Zeile", U"", U"  "});
  menu(U"Datenbank > Datenbank anzeigen (E/A)");
  EXPECT_EQ(editor.lines(), kShown);
  EXPECT_TRUE(dialogs.shown.empty()) << "the hint comes only after opening";
  menu(U"Datenbank > Datenbank anzeigen (E/A)");
  EXPECT_EQ(editor.lines(), (std::vector<Text>{U"Notizen", U"zweite Zeile"}));
  EXPECT_TRUE(grades.locked());
}

TEST_F(GradesEditorTest, MessagesWithoutADatabase) {
  struct Row {
    Text entry;
    std::string shown;
  } rows[] = {
      {U"Datenfelder Ansicht (E/A)", "[message] Noch keine Datenbank geladen !"},
      {U"Datenbank anzeigen (E/A)", "[message] Noch keine Datenbank geladen !"},
  };
  // A list of its header alone gives no database.
  openList(write("leer.csv", "A;B;\r\n"));
  EXPECT_EQ(editor.lines(), (std::vector<Text>{}));
  EXPECT_FALSE(grades.databaseLoaded());
  EXPECT_FALSE(grades.locked());
  for (const Row& r : rows) {
    dialogs.shown.clear();
    menu(U"Datenbank > " + r.entry);
    EXPECT_EQ(dialogs.shown, std::vector<std::string>{r.shown}) << toUtf8(r.entry);
  }
  dialogs.shown.clear();
  button(U"Felder E/A");
  EXPECT_EQ(dialogs.shown, std::vector<std::string>{"[message] Noch keine Datenbank geladen !"});

  dialogs.shown.clear();
  menu(U"Datei > Neu");
  menu(U"Datei > Speichern");
  EXPECT_EQ(dialogs.shown, std::vector<std::string>{"[message]  Abbruch - Kein Text im Editor !"});
  EXPECT_FALSE(menuEnabled(U"Datenbank", U"Datenbank aktualisieren"));

  // The hint of that opening does not turn up with a later table.
  openList(write("leer.csv", "A;B;\r\n"));
  editor.setLines({U"A;B;", U"1;2;"});
  dialogs.yes().text(U"1");
  menu(U"Bearbeiten > Sortieren");
  EXPECT_EQ(editor.lines(), (std::vector<Text>{U"A;B;", U"1;2;", U"#"}));
  EXPECT_EQ(dialogs.shown.back(),
            "[input] Sortierung nach einer Spalte | Spalten-Nummer von 1 bis 2  (0 = Abbruch) | 0 "
            "-> 1");
}

TEST_F(GradesEditorTest, FieldsViewToggles) {
  openList(write("liste.csv", kList));
  EXPECT_FALSE(grades.fieldsView().empty());
  button(U"Felder E/A");
  EXPECT_TRUE(grades.fieldsView().empty());
  menu(U"Datenbank > Datenfelder Ansicht (E/A)");
  EXPECT_EQ(grades.fieldsView().size(), 11u);
}

TEST_F(GradesEditorTest, ReloadLeavesTheEditorEmptyAndLocked) {
  openList(write("liste.csv", kList));
  menu(U"Datenbank > Datenbank aktualisieren");
  EXPECT_TRUE(editor.isEmpty());
  EXPECT_TRUE(grades.locked());
  EXPECT_TRUE(grades.databaseLoaded());
  EXPECT_FALSE(grades.databaseDisplayed());
  EXPECT_TRUE(grades.fieldsView().empty());
  menu(U"Datenbank > Datenbank anzeigen (E/A)");
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
    menu(U"Datei > Speichern");
    EXPECT_EQ(read("out.csv"), r.saved) << r.file;
    EXPECT_EQ(editor.lines().back(), U"#") << "the end marker stays on the screen";
    EXPECT_TRUE(grades.databaseDisplayed());
  }
  EXPECT_EQ(dialogs.shown.back(),
            "[save] CSV-Textdateien (*.csv)|*.csv|DAT-Textdateien (*.dat)|*.dat|Alle Dateien "
            "(*.*)|*.* | " +
                dir.bytes() + " | in.csv -> " + dir.bytes() + "/out.csv");
  EXPECT_EQ(grades.controls()[2].caption, U" Datei: out.csv");
}

TEST_F(GradesEditorTest, ListAndTemplateKeepTheirOwnEncodings) {
  // A UTF-8 template (plain text named .rtf) beside a list in code page 1252: each is saved in
  // its own encoding, whichever was loaded last.
  openList(write("liste.csv", "Name;Ort;\r\nJ\xFCrgen;K\xF6ln;\r\n"));
  menu(U"Datenbank > Datenbank anzeigen (E/A)");
  dialogs.file(write("brief.rtf",
                     "Hallo <F1> aus <F2>, Ay\xC5\x9F"
                     "e\r\n"));
  menu(U"Datenbank > Einen Serienbrief laden");
  dialogs.file(dir + "/brief.txt");
  menu(U"Datei > Speichern");
  EXPECT_EQ(read("brief.txt"),
            "Hallo <F1> aus <F2>, Ay\xC5\x9F"
            "e\r\n");
  menu(U"Datenbank > Datenbank anzeigen (E/A)");
  dialogs.file(dir + "/liste2.csv");
  menu(U"Datei > Speichern");
  EXPECT_EQ(read("liste2.csv"), "Name;Ort;\r\nJ\xFCrgen;K\xF6ln;\r\n");
  for (const std::string& shown : dialogs.shown)
    EXPECT_EQ(shown.find("UTF-8"), std::string::npos) << shown;
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
    menu(U"Datei > Öffnen (Text)");
    dialogs.shown.clear();
    dialogs.cancel();
    menu(U"Datei > Speichern");
    EXPECT_EQ(dialogs.shown, std::vector<std::string>{"[save] " + r.filter + " | " + dir.bytes() +
                                                      " | " + r.name + " -> cancel"});
  }
}

TEST_F(GradesEditorTest, AbsentMarksAreShownAsAAndSavedAsZero) {
  openList(write("noten.csv", "NAMEN;M1;M2;\r\nAnna;1;0;\r\nBen;0;3;\r\n"));
  EXPECT_EQ(editor.lines(), (std::vector<Text>{U"NAME;M;M;", U"Anna;1;a;", U"Ben ;a;3;", U"#"}));
  EXPECT_TRUE(grades.list().table.schoolMarks);
  dialogs.file(dir + "/noten.csv");
  menu(U"Datei > Speichern");
  EXPECT_EQ(read("noten.csv"), "NAMEN;M1;M2;\r\nAnna;1;0;\r\nBen ;0;3;\r\n");
  EXPECT_EQ(editor.line(2), U"Ben ;a;3;");
  // As text the table keeps its end marker and its displayed header, with the file's marks.
  dialogs.file(dir + "/noten.txt");
  menu(U"Datei > Speichern");
  EXPECT_EQ(read("noten.txt"), "NAME;M;M;\r\nAnna;1;0;\r\nBen ;0;3;\r\n#\r\n");
  // A letter written while the table is off keeps its words.
  menu(U"Datenbank > Datenbank anzeigen (E/A)");
  grades.setLocked(false);
  editor.setLines({U"Liste;a;b;"});
  dialogs.file(dir + "/brief.txt");
  menu(U"Datei > Speichern");
  EXPECT_EQ(read("brief.txt"), "Liste;a;b;\r\n");
}

TEST_F(GradesEditorTest, ATableTypedAfterNewKeepsItsOwnHeader) {
  openList(write("liste.csv", kList));
  menu(U"Datei > Neu");
  EXPECT_FALSE(grades.locked());
  EXPECT_FALSE(menuEnabled(U"Datenbank", U"Datenbank anzeigen (E/A)"));
  editor.setLines({U"Tag;Ziel;", U"Mo;Rom;", U"#"});
  dialogs.file(dir + "/reise.csv");
  menu(U"Datei > Speichern");
  EXPECT_EQ(read("reise.csv"), "Tag;Ziel;\r\nMo;Rom;\r\n");
  // A document is not turned into a table by saving it.
  EXPECT_EQ(editor.lines(), (std::vector<Text>{U"Tag;Ziel;", U"Mo;Rom;", U"#"}));
  dialogs.file(dir + "/reise2");
  menu(U"Datei > Speichern");
  EXPECT_TRUE(isRegularFile(dir + "/reise2.csv")) << "the default extension follows the name";
}

TEST_F(GradesEditorTest, FailedSaveKeepsTheOldFile) {
  openList(write("liste.csv", kList));
  ASSERT_TRUE(createDirectory(dir + "/fest"));
  const std::string old = "alt\r\n";
  ASSERT_TRUE(writeFileAtomic(dir + "/fest/liste.csv", old));
  chmod((dir + "/fest").c_str(), 0500);
  dialogs.file(dir + "/fest/liste.csv");
  menu(U"Datei > Speichern");
  if (geteuid() != 0) {
    EXPECT_EQ(dialogs.shown.back(), "[error] Problem | Daten-Fehler");
    EXPECT_EQ(readFileBytes(dir + "/fest/liste.csv"), old);
  }
  dialogs.shown.clear();
  const Path folderBefore = workingFolder;
  dialogs.file(dir + "/nirgends/liste.csv");
  menu(U"Datei > Speichern");
  EXPECT_EQ(dialogs.shown.back(), "[error] Problem | Daten-Fehler");
  EXPECT_EQ(editor.lines(), kShown);
  EXPECT_EQ(grades.controls()[2].caption, U" Datei: liste.csv");
  EXPECT_EQ(workingFolder, folderBefore);
}

TEST_F(GradesEditorTest, FailedOpenReportsAndLeavesNoDatabase) {
  dialogs.file(dir + "/fehlt.csv");
  menu(U"Datei > Öffnen (CSV)");
  EXPECT_EQ(dialogs.shown.back(), "[error] Problem | Daten-Fehler");
  EXPECT_FALSE(grades.listLoaded());
  EXPECT_FALSE(menuEnabled(U"Datenbank", U"Datenbank anzeigen (E/A)"));
  dialogs.shown.clear();
  dialogs.cancel();
  menu(U"Datei > Öffnen (CSV)");
  EXPECT_FALSE(grades.listLoaded());
}

TEST_F(GradesEditorTest, TextFilesAndListsOpenedAsText) {
  // A text file through the list dialog stays plain text, without the end marker.
  dialogs.file(write("notiz.txt", "Hallo;Welt\r\nZeile 2\r\n"));
  menu(U"Datei > Öffnen (CSV)");
  EXPECT_EQ(editor.lines(), (std::vector<Text>{U"Hallo;Welt", U"Zeile 2"}));
  EXPECT_FALSE(menuEnabled(U"Datenbank", U"Datenbank anzeigen (E/A)"));
  EXPECT_EQ(editor.formatAt({0, 0}).font, U"Arial");

  // A list through the text dialog is loaded but shown as read.
  dialogs.shown.clear();
  dialogs.file(write("liste.csv", kList));
  menu(U"Datei > Öffnen (Text)");
  EXPECT_EQ(dialogs.shown.back(), "[message] Datenbank erfolgreich geladen !");
  EXPECT_EQ(editor.lines(),
            (std::vector<Text>{U"Nr;Name;Ort;", U"1;Albers;Bremen;", U"12;Bo;Kiel;", U"#"}));
  EXPECT_TRUE(grades.databaseLoaded());
  EXPECT_TRUE(grades.locked());
  EXPECT_TRUE(grades.textMode());
  EXPECT_EQ(dialogs.shown.front(),
            "[open] RTF-Textdateien  (*.rtf)|*.rtf|ANSI-Textdateien (*.txt)|*.txt|Alle Dateien "
            "(*.*)|*.* | " +
                dir.bytes() + " -> " + dir.bytes() + "/liste.csv");

  // A document stays unlocked.
  dialogs.file(write("brief.txt", "Liebe Eltern,\r\n"));
  menu(U"Datei > Öffnen (Text)");
  EXPECT_FALSE(grades.locked());
  EXPECT_FALSE(grades.databaseLoaded());
  EXPECT_EQ(editor.lines(), std::vector<Text>{U"Liebe Eltern,"});
}

TEST_F(GradesEditorTest, RtfDocumentsKeepTheirFormats) {
  dialogs.file(
      write("brief.rtf", "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs28 Guten {\\b Tag}\\par}"));
  menu(U"Datei > Öffnen (Text)");
  ASSERT_EQ(editor.lines(), std::vector<Text>{U"Guten Tag"});
  EXPECT_TRUE(editor.formatAt({0, 6}).bold);
  dialogs.file(dir + "/kopie.rtf");
  menu(U"Datei > Speichern");
  dialogs.file(dir + "/kopie.rtf");
  menu(U"Datei > Öffnen (Text)");
  EXPECT_EQ(editor.lines(), std::vector<Text>{U"Guten Tag"});
  EXPECT_TRUE(editor.formatAt({0, 6}).bold);
  EXPECT_FALSE(editor.formatAt({0, 1}).bold);
}

// A letter written elsewhere holds what the editor cannot show. Opening it says so once; saving
// over it asks first and "Nein" writes nothing; another name is saved without asking; after "Ja"
// the content is gone, so the next save asks no more. A template loaded from it behaves alike.
TEST_F(GradesEditorTest, SavingOverAFileWithContentTheEditorLeftOutAsksFirst) {
  const std::string original =
      "{\\rtf1\\ansi Gru\\'dfe{\\footnote Fu\\'dfnote}\\par{\\pict\\pngblip 89504e47}"
      "\\trowd A\\cell B\\cell\\row}";
  const Path letter = write("brief.rtf", original);
  const std::string notice =
      "[message] Die Datei \"brief.rtf\" enth\xC3\xA4lt Bilder, Tabellen und Fu\xC3\x9Fnoten, die "
      "dieser Editor nicht anzeigt.\\rWird sie hier gespeichert, gehen diese verloren.";
  const std::string question =
      "[confirm] Die Datei \"brief.rtf\" enth\xC3\xA4lt Bilder, Tabellen und Fu\xC3\x9Fnoten, die "
      "beim Speichern verloren gehen.\\rTrotzdem \xC3\xBC"
      "berschreiben ?";
  dialogs.file(letter);
  menu(U"Datei > Öffnen (Text)");
  EXPECT_EQ(editor.lines(), (std::vector<Text>{U"Gruße", U"A\tB"}));
  ASSERT_EQ(dialogs.shown.size(), 2u);
  EXPECT_EQ(dialogs.shown[1], notice);

  enum Answer { kNone, kYes, kNo };
  const auto saveAs = [&](const Path& target, Answer answer = kNone) {
    dialogs.shown.clear();
    dialogs.file(target);
    if (answer != kNone) answer == kYes ? dialogs.yes() : dialogs.no();
    menu(U"Datei > Speichern");
    return dialogs.shown.size() > 1 ? dialogs.shown[1] : std::string();
  };
  EXPECT_EQ(saveAs(letter, kNo), question + " -> no");
  EXPECT_EQ(read("brief.rtf"), original);
  // A link to the letter is the letter.
  ASSERT_EQ(::symlink((dir + "/brief.rtf").c_str(), (dir + "/link.rtf").c_str()), 0);
  EXPECT_EQ(saveAs(dir + "/link.rtf", kNo), question + " -> no");
  EXPECT_EQ(saveAs(dir + "/kopie.rtf"), "");
  EXPECT_EQ(read("brief.rtf"), original);
  EXPECT_EQ(saveAs(letter, kYes), question + " -> yes");
  EXPECT_NE(read("brief.rtf"), original);
  EXPECT_EQ(saveAs(letter), "");

  // The same file as a letter template: once more the notice, and the question on saving it.
  write("brief.rtf", original);
  openList(write("liste.csv", "Name;\r\nAnna;\r\n"));
  menu(U"Datenbank > Datenbank anzeigen (E/A)");
  dialogs.shown.clear();
  dialogs.file(letter);
  menu(U"Datenbank > Einen Serienbrief laden");
  ASSERT_EQ(dialogs.shown.size(), 2u);
  EXPECT_EQ(dialogs.shown[1], notice);
  dialogs.shown.clear();
  dialogs.file(letter).no();
  menu(U"Datenbank > Serienbrief speichern");
  ASSERT_EQ(dialogs.shown.size(), 2u);
  EXPECT_EQ(dialogs.shown[1], question + " -> no");
  EXPECT_EQ(read("brief.rtf"), original);
  // A new template holds nothing of the file: saving it there asks nothing more.
  menu(U"Datenbank > Neuen Serienbrief anlegen");
  editor.setRichText(RichText::plain(U"Liebe <F1>", CharFormat()));
  dialogs.shown.clear();
  dialogs.file(letter);
  menu(U"Datenbank > Serienbrief speichern");
  EXPECT_EQ(dialogs.shown.size(), 1u);
  EXPECT_NE(read("brief.rtf"), original);
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
  EXPECT_EQ(grades.fieldsView()[2], U" Datensätze : 2100");
  EXPECT_EQ(editor.line(1).substr(0, 9), U" 1; 2; 3;");
  click(3, 178);
  EXPECT_EQ(grades.status(), U"Zei/Spa: 3 / 178 / F60 (60)");
  dialogs.file(dir + "/gross2.csv");
  menu(U"Datei > Speichern");
  const auto saved = splitLines(fromUtf8(read("gross2.csv")));
  ASSERT_EQ(saved.size(), 2101u);
  EXPECT_EQ(saved[0], splitLines(fromUtf8(file))[0]);
  for (std::size_t i = 1; i < saved.size(); i += 500)
    EXPECT_EQ(trimmedSplit(saved[i], ';'), trimmedSplit(splitLines(fromUtf8(file))[i], ';'));
}

TEST_F(GradesEditorTest, NewClearsTheDatabaseAndClosingClearsTheLabels) {
  openList(write("liste.csv", kList));
  menu(U"Datei > Neu");
  EXPECT_TRUE(editor.isEmpty());
  EXPECT_FALSE(grades.listLoaded());
  EXPECT_FALSE(grades.databaseLoaded());
  EXPECT_EQ(grades.status(), U"Zeile/Spalte");
  EXPECT_EQ(grades.controls()[2].caption, U" Datei: ");
  EXPECT_TRUE(grades.fieldsView().empty());
  EXPECT_EQ(editor.typingFormat().size, 14);

  openList(write("liste.csv", kList));
  menu(U"Datei > LISTWERK");
  menu(U"Datei > Calculator");
  EXPECT_EQ(host.opened, 2);
  EXPECT_TRUE(grades.databaseDisplayed());
  menu(U"Datei > Beenden");
  EXPECT_EQ(host.closed, 1);
  grades.closed();
  EXPECT_TRUE(editor.isEmpty());
  EXPECT_EQ(grades.controls()[2].caption, U"Datei");
  grades.opened();
  EXPECT_FALSE(grades.locked());
  EXPECT_FALSE(menuEnabled(U"Datenbank", U"Datenbank anzeigen (E/A)"));
  EXPECT_EQ(grades.rulerText(), Text(168, ' ') + U"]< A4 ");
}

TEST_F(GradesEditorTest, LockSwitchAndTheEntriesThatWaitWhileTheTableIsShown) {
  openList(write("liste.csv", kList));
  EXPECT_FALSE(menuEnabled(U"Bearbeiten", U"Undo"));
  EXPECT_FALSE(menuEnabled(U"Bearbeiten", U"Alles Markieren"));
  EXPECT_TRUE(menuEnabled(U"Schrift", U"Alles Markieren"));
  menu(U"Bearbeiten > Sperren E/A");
  EXPECT_FALSE(grades.locked());
  EXPECT_FALSE(editor.readOnly());
  click(2, 3);
  EXPECT_EQ(editor.markedText(), U"") << "an unlocked editor marks nothing on a click";
  menu(U"Bearbeiten > Sperren E/A");
  EXPECT_TRUE(editor.readOnly());
  EXPECT_EQ(dialogs.shown, (std::vector<std::string>{"[message] Editor entsperrt !",
                                                     "[message] Editor gesperrt !"}));
  menu(U"Schrift > Alles Markieren");
  EXPECT_EQ(editor.markedText(), joinLines(kShown, U"\n"));
  menu(U"Datei > Neu");
  EXPECT_TRUE(menuEnabled(U"Bearbeiten", U"Undo"));
  editor.setLines({U"eins"});
  editor.setLines({U"zwei"});
  menu(U"Bearbeiten > Undo");
  EXPECT_EQ(editor.lines(), std::vector<Text>{U"eins"});
}

}  // namespace
}  // namespace korvale
