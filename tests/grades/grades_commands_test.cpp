// The editing commands: clipboard, fonts and the files named in fields.
#include <sys/stat.h>

#include "grades_fixture.h"

namespace korvale {
namespace {

TEST_F(GradesEditorTest, ClipboardTakesTheWholeTextWhenNothingIsMarked) {
  editor.setLines({U"Eins", U"Zwei"});
  CharFormat bold;
  bold.bold = true;
  editor.applyFormat({1, 0}, {1, 4}, bold);
  menu(U"Bearbeiten > Kopieren");
  EXPECT_EQ(clipboard.text().text, U"Eins\nZwei");
  editor.setSelection({0, 1}, {1, 2});
  menu(U"Bearbeiten > Ausschneiden");
  EXPECT_EQ(clipboard.text().text, U"ins\nZw");
  EXPECT_EQ(editor.lines(), (std::vector<Text>{U"Eei"}));
  editor.setCaret({0, 3});
  menu(U"Bearbeiten > Einfügen");
  EXPECT_EQ(editor.lines(), (std::vector<Text>{U"Eeiins", U"Zw"}));
  EXPECT_TRUE(editor.formatAt({1, 0}).bold) << "pasted text keeps its formats";
  EXPECT_FALSE(editor.formatAt({0, 4}).bold);
  EXPECT_EQ(editor.caret(), (TextPos{1, 2}));

  // A locked text is copied but not cut or pasted into.
  grades.setLocked(true);
  editor.setSelection({0, 0}, {0, 2});
  menu(U"Bearbeiten > Ausschneiden");
  menu(U"Bearbeiten > Einfügen");
  EXPECT_EQ(clipboard.text().text, U"Ee");
  EXPECT_EQ(editor.lines(), (std::vector<Text>{U"Eeiins", U"Zw"}));
}

TEST_F(GradesEditorTest, FontSizesFromSixToTwentyFour) {
  struct Row {
    Text answer;
    int size;
    int tableSize;
  } rows[] = {{U"25", 14, 10}, {U"0", 14, 10}, {U"x", 14, 10}, {U"24", 24, 24}, {U" 6", 6, 6}};
  for (const Row& r : rows) {
    editor.setLines({U"Kopf", U"Rumpf"});
    grades.opened();
    editor.setSelection({1, 0}, {1, 3});
    dialogs.shown.clear();
    dialogs.text(r.answer);
    menu(U"Schrift > Schriftgröße");
    EXPECT_EQ(editor.formatAt({1, 1}).size, r.size) << toUtf8(r.answer);
    EXPECT_EQ(editor.formatAt({1, 4}).size, 14) << "only the marked range";
    EXPECT_EQ(grades.tableFontSize(), r.tableSize) << toUtf8(r.answer);
  }
  EXPECT_EQ(dialogs.shown.front(),
            "[input] Gewünschte Schriftgröße eingeben | Schriftgröße für markierte Bereiche oder "
            "Tabellen\\rvon 6 bis 24. Abbruch mit 0 .....................\\r  | 14 ->  6");
}

TEST_F(GradesEditorTest, TableFontKeepsTheBoldHeader) {
  dialogs.file(write("liste.csv", "Nr;Name;\r\n1;Al;\r\n"));
  menu(U"Datei > Öffnen (CSV)");
  dialogs.shown.clear();
  dialogs.useDefault();
  menu(U"Schrift > Courier New");
  EXPECT_EQ(dialogs.shown.front(),
            "[input] Schriftänderung für Texttabellen | Standardschriftgröße nur für "
            "Texttabellen\\rvon 6 bis 24. Abbruch mit 0 .............\\r  | 10 -> 10");
  dialogs.text(U"12");
  menu(U"Schrift > Courier New");
  EXPECT_EQ(grades.tableFontSize(), 12);
  EXPECT_EQ(editor.formatAt({0, 0}).size, 12);
  EXPECT_TRUE(editor.formatAt({0, 0}).bold);
  EXPECT_EQ(editor.formatAt({1, 0}).font, U"Courier New");
  EXPECT_FALSE(editor.hasMarked());

  // The table shown again later takes the new size.
  menu(U"Datenbank > Datenbank anzeigen (E/A)");
  menu(U"Datenbank > Datenbank anzeigen (E/A)");
  EXPECT_EQ(editor.formatAt({1, 0}).size, 12);

  menu(U"Schrift > Alles Markieren");
  menu(U"Schrift > Normalschrift");
  EXPECT_EQ(editor.formatAt({0, 0}), CharFormat());
}

TEST_F(GradesEditorTest, FontDialogAppliesToTheMarkedRange) {
  editor.setLines({U"Hallo Welt"});
  editor.setSelection({0, 6}, {0, 10});
  FontChoice choice{U"Times New Roman", 18, true, true};
  ScriptAnswer answer = ScriptAnswer::of(ScriptAnswer::Kind::Font);
  answer.font = choice;
  dialogs.queue(answer);
  menu(U"Schrift > Schriftart");
  const CharFormat f = editor.formatAt({0, 7});
  EXPECT_EQ(f.font, U"Times New Roman");
  EXPECT_EQ(f.size, 18);
  EXPECT_TRUE(f.bold && f.italic);
  EXPECT_EQ(editor.formatAt({0, 1}), CharFormat());
  dialogs.cancel();
  menu(U"Schrift > Schriftart");
  EXPECT_EQ(editor.formatAt({0, 7}).size, 18);
}

TEST_F(GradesEditorTest, RightClickOpensOnlyDocumentsBesideTheList) {
  write("foto1.jpg", "jpeg");
  write("tool.sh", "#!/bin/sh\n");
  chmod((dir + "/tool.sh").c_str(), 0755);
  ASSERT_TRUE(createDirectory(dir + "/ordner"));
  openList(write("media.csv",
                 "Nr;Datei;Rest;\r\n1;foto1.jpg;x;\r\n2;fehlt.jpg;x;\r\n3;tool.sh;x;\r\n"
                 "4;ordner;x;\r\n5;../media.csv;x;\r\n6;foto1.jpg\r\n"));
  struct Row {
    int line;
    bool opens;
  } rows[] = {{2, true}, {3, false}, {4, false}, {5, false}, {6, false}, {7, true}};
  for (const Row& r : rows) {
    shell.opened.clear();
    editor.setCaret({r.line - 1, 4});
    grades.textRightClicked();
    EXPECT_EQ(shell.opened.size(), r.opens ? 1u : 0u) << toUtf8(editor.line(r.line - 1));
    if (r.opens) {
      EXPECT_EQ(shell.opened[0], dir + "/foto1.jpg");
    }
    EXPECT_EQ(editor.markedText().size(), 1u) << "a locked editor marks the character";
  }
  // The last field of a line without a final separator is no field under the caret.
  editor.setLines({U"1;foto1.jpg"});
  grades.setLocked(false);
  shell.opened.clear();
  editor.setCaret({0, 4});
  grades.textRightClicked();
  EXPECT_TRUE(shell.opened.empty());
}

TEST_F(GradesEditorTest, KeysForPageBreaksAndLines) {
  editor.setLines({U"Eins", U"Zwei", U"Drei"});
  editor.setCaret({1, 0});
  EXPECT_TRUE(grades.keyPressed({"Enter", false, true, false}));
  EXPECT_EQ(editor.lines(), (std::vector<Text>{U"Eins", U"\xB6", U"Zwei", U"Drei"}));
  EXPECT_EQ(grades.status(), U"Zei/Spa: 3 / 1 / 1");
  editor.setCaret({3, 2});
  EXPECT_TRUE(grades.keyPressed({"Y", false, true, false}));
  EXPECT_EQ(editor.lines(), (std::vector<Text>{U"Eins", U"\xB6", U"Zwei"}));
  // Shift with Ctrl is no editing key; Enter alone is the editor's own.
  EXPECT_FALSE(grades.keyPressed({"Y", true, true, false}));
  EXPECT_FALSE(grades.keyPressed({"Enter"}));
  grades.setLocked(true);
  EXPECT_TRUE(grades.keyPressed({"Y", false, true, false}));
  EXPECT_EQ(editor.lineCount(), 3) << "a locked text keeps its lines";
  EXPECT_TRUE(grades.keyPressed({"F3", true, true, true})) << "search again takes any modifier";
}

TEST_F(GradesEditorTest, HelpIsShownAndPrintedInThreePages) {
  EXPECT_FALSE(grades.helpShown());
  menu(U"Hilfe ein/aus > ");
  EXPECT_TRUE(grades.helpShown());
  dialogs.ok();
  grades.printHelp();
  ASSERT_EQ(printer.jobs.size(), 3u);
  const std::vector<Text> first = printer.jobs[0].content.lines();
  ASSERT_GE(first.size(), 4u);
  EXPECT_EQ(first[0], U"    ");
  EXPECT_EQ(first[2],
            U"    ==========================================================================");
  EXPECT_EQ(first[3], U"     <TABULON> Spezialeditor zur Verwaltung und Auswertung von CSV-Listen");
  EXPECT_EQ(printer.jobs[1].content.lines()[1], U"    (2) Die Auswertung von Tabellen");
  EXPECT_TRUE(printer.jobs[0].content.formatAt(0).bold);
  menu(U"Hilfe ein/aus > ");
  EXPECT_FALSE(grades.helpShown());
}

}  // namespace
}  // namespace korvale
