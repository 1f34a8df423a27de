#include "listtools/list_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "list_tools_fixture.h"
#include "listtools/list_commands.h"
#include "listtools/list_keys.h"
#include "listtools/structure.h"

namespace korvale {
namespace {

const std::string kRefusal = "[message] Abbruch: Der Feld-Separator ist NICHT  \";\" ";

TEST_F(ListToolsTest, LoadShowsTheRecordsExpandedBelowTheirHeader) {
  struct Row {
    std::string file;
    Text header;
    Lines records;
  } rows[] = {
      {"Nr;Name;\r\n1;Anna;\r\n12;Bo;\r\n", U"Nr;Name;", {U" 1;Anna;", U"12;Bo  ;"}},
      // Missing final separators are added; the end marker of the Grades editor is dropped.
      {"Nr;Name\r\n1;Anna\r\n12;Bo\r\n#\r\n", U"Nr;Name;", {U" 1;Anna;", U"12;Bo  ;"}},
      {"Nr;Name;\n1;Anna;\n  #  \n", U"Nr;Name;", {U"1;Anna;"}},
      {"A;B;\r\n", U"A;B;", {}},
  };
  for (const auto& r : rows) {
    load("liste.csv", r.file);
    EXPECT_EQ(state.list.headerEditor, r.header);
    EXPECT_EQ(view(), r.records) << r.file;
    EXPECT_TRUE(state.list.present && state.list.expanded && state.view.locked);
    EXPECT_TRUE(editor.readOnly());
  }
  EXPECT_EQ(state.view.countLabel, U"Sätze = 0 / Felder = 2 / liste.csv");
  EXPECT_TRUE(shownDialogs().empty());
}

TEST_F(ListToolsTest, StructureAnalysisTypesLengthsAndGradesMode) {
  load("noten.csv", "NAME;M1;M2;\r\nAnna;1;0;\r\nBert;x;2.5;\r\n");
  EXPECT_EQ(state.structure.fields,
            (std::vector<ListField>{{U"NAME", 'T', 4}, {U"M1", 'I', 1}, {U"M2", 'I', 3}}));
  // Fewer than four fields and a text first: a grades list, its absent marks shown as "a".
  EXPECT_TRUE(state.structure.gradesMode);
  // The mark stands where the number stood, so saving writes back "  0".
  EXPECT_EQ(view(), (Lines{U"Anna;1;  a;", U"Bert;x;2.5;"}));
  EXPECT_EQ(state.list.headerStrip, U"NAME;M;M2 ;");  // a name wider than its field is cut
  EXPECT_EQ(state.view.countLabel, U"Sätze = 2 / Felder = 3 / noten.csv");

  load("zahlen.csv", "Nr;Ort;Anzahl;Note;X;\r\n1;Graz;12;2;a;\r\n");
  EXPECT_EQ(state.structure.field(1).type, 'I');
  EXPECT_FALSE(state.structure.gradesMode);  // the first field is no text
  load("klasse.csv", "Name;Alter;Note;X;\r\nAnna;12;2;a;\r\n");
  EXPECT_FALSE(state.structure.gradesMode);  // field 2 is an integer wider than one digit
}

TEST_F(ListToolsTest, SeparatorRefusalKeepsTheWindowAsItWas) {
  load("gut.csv", "Nr;Name;\r\n1;Anna;\r\n");
  const Lines before = view();
  load("komma.csv", "Nr,Name\r\n1,Anna\r\n");
  load("leer.csv", "");
  EXPECT_EQ(shownDialogs(), (std::vector<std::string>{kRefusal, kRefusal}));
  EXPECT_EQ(view(), before);
  EXPECT_EQ(state.list.fileName, "gut.csv");
  EXPECT_EQ(state.list.headerEditor, U"Nr;Name;");
}

TEST_F(ListToolsTest, AfterTabExchangeSemicolonListsAreRefusedUntilRestore) {
  load("a.csv", "Nr;Name;\r\n1;Anna;\r\n");
  dialogs.text(U"tab");
  exchangeSeparator(c);
  EXPECT_EQ(view(), (Lines{U"1\tAnna\t"}));
  EXPECT_EQ(state.list.headerEditor, U"Nr\tName\t");
  closeWindow(c);
  openWindow(c);
  load("b.csv", "Nr;Name;\r\n2;Bert;\r\n");
  EXPECT_EQ(shownDialogs().back(), kRefusal);
  load("t.csv", "Nr\tName\t\r\n3\tCarl\t\r\n");
  restoreList(c);
  EXPECT_EQ(state.settings.separator, U';');
  EXPECT_EQ(state.list.headerEditor, U"Nr;Name;");
  EXPECT_EQ(view(), (Lines{U"3;Carl;"}));  // the records follow their header
  load("b.csv", "Nr;Name;\r\n2;Bert;\r\n");
  EXPECT_EQ(view(), (Lines{U"2;Bert;"}));
}

TEST_F(ListToolsTest, ListsLongerThanTwoThousandRecordsLoadWhole) {
  std::string file = "Nr;Name;\r\n";
  for (int i = 1; i <= 2500; ++i) file += std::to_string(i) + ";N" + std::to_string(i) + ";\r\n";
  load("gross.csv", file);
  EXPECT_EQ(editor.lineCount(), 2500);
  EXPECT_EQ(state.structure.recordCount, 2500);
  dialogs.file(folder / "kopie.csv");
  saveList(c);
  dialogs.file(folder / "kopie.csv");
  loadList(c);
  EXPECT_EQ(editor.lineCount(), 2500);
  EXPECT_EQ(editor.line(2499), U"2500;N2500;");
}

TEST_F(ListToolsTest, SaveWritesZerosForAbsentMarksAndKeepsTheViewShowingA) {
  load("noten.csv", "NAME;M1;M2;\r\nAnna;0;1;\r\nBert;2;0;\r\n#\r\n");
  EXPECT_EQ(view(), (Lines{U"Anna;a;1;", U"Bert;2;a;"}));
  dialogs.file(folder / "neu.csv");
  saveList(c);
  EXPECT_EQ(readFile("neu.csv"), "NAME;M1;M2;\r\nAnna;0;1;\r\nBert;2;0;\r\n");
  EXPECT_EQ(view(), (Lines{U"Anna;a;1;", U"Bert;2;a;"}));
  EXPECT_EQ(state.view.countLabel, U"Sätze = 2 / Felder = 3 / neu.csv");
}

TEST_F(ListToolsTest, SaveKeepsTheEncodingAndNeverWritesTheEndMarker) {
  const std::string utf8 = "Name;Ort;\r\nAyşe;Köln;\r\n";
  ASSERT_TRUE(writeFileAtomic(folder / "utf.csv", utf8));
  dialogs.file(folder / "utf.csv");
  loadList(c);
  functionKey(c, 10);  // unlocked, the user types an end marker below the records
  editor.appendLine(U"#");
  dialogs.file(folder / "utf.csv");
  saveList(c);
  EXPECT_EQ(readFile("utf.csv"), utf8);
}

TEST_F(ListToolsTest, AFailedSaveLeavesTheOldFileAndTheWindow) {
  load("alt.csv", "Nr;Name;\r\n1;Anna;\r\n");
  if (geteuid() != 0) {
    chmod(folder.path().c_str(), 0500);
    dialogs.file(folder / "alt.csv");
    saveList(c);
    chmod(folder.path().c_str(), 0700);
    EXPECT_EQ(shownDialogs(), (std::vector<std::string>{"[error] Problem | Daten-Fehler"}));
    EXPECT_EQ(readFile("alt.csv"), "Nr;Name;\r\n1;Anna;\r\n");
  }
  dialogs.file(folder / "fehlt/alt.csv");
  saveList(c);
  EXPECT_EQ(shownDialogs(), (std::vector<std::string>{"[error] Problem | Daten-Fehler"}));
  EXPECT_EQ(state.list.fileName, "alt.csv");
  EXPECT_EQ(workingFolder, folder.path());
  EXPECT_EQ(view(), (Lines{U"1;Anna;"}));
}

// The list tools open files through the same checks as every other window.
TEST_F(ListToolsTest, WhatIsNoTextListIsRefusedAndTheShownListStays) {
  load("gut.csv", "Nr;Name;\r\n1;Anna;\r\n");
  const Lines before = view();
  const std::string files[] = {std::string("Nr;Name;\r\n1;\0\x7F"
                                           "ELF\x02;\r\n",
                                           18),
                               "Nr;Name;\r\n1;" + std::string(kMaxLineBytes, 'x') + ";\r\n"};
  for (const std::string& bytes : files) {
    load("fremd.csv", bytes);
    EXPECT_EQ(shownDialogs(), (std::vector<std::string>{"[error] Problem | Daten-Fehler"}));
    EXPECT_EQ(view(), before);
    EXPECT_EQ(state.list.fileName, "gut.csv");
  }
}

TEST_F(ListToolsTest, ClearAndClosingForgetTheListButNotTheSeparator) {
  load("a.csv", "Nr,Name,\r\n1,Anna,\r\n");  // refused: the separator is ";"
  load("a.csv", "Nr;Name;\r\n1;Anna;\r\n");
  state.settings.separator = U',';
  clearList(c);
  EXPECT_TRUE(view().empty());
  EXPECT_EQ(state.list.headerEditor, U"");
  EXPECT_FALSE(state.list.present);
  EXPECT_EQ(state.view.countLabel, U"Sätze = ");
  EXPECT_EQ(state.view.positionLabel, U"Zeile: ");
  closeWindow(c);
  openWindow(c);
  EXPECT_EQ(state.settings.separator, U',');
}

}  // namespace
}  // namespace korvale
