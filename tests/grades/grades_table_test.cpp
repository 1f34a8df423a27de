// The table commands as the Grades editor runs them: their result becomes the database.
#include "grades_fixture.h"

namespace korvale {
namespace {

const std::string kPlaces =
    "Nr;Ort;Gewicht;\r\n1;Bremen;61;\r\n2;Gotha;99.5;\r\n3;greiz;100.5;\r\n4;Kiel;7;\r\n";
const std::vector<Text> kShown = {U"N;Ort   ;Gewic;", U"1;Bremen;   61;", U"2;Gotha ; 99.5;",
                                  U"3;greiz ;100.5;", U"4;Kiel  ;    7;", U"#"};

class GradesTableTest : public GradesEditorTest {
 protected:
  void select(const Text& field, const Text& op, const Text& term) {
    menu(U"Bearbeiten > Select");
    ASSERT_TRUE(grades.selectionPanelShown());
    fill("selectionField", field);
    fill("selectionOperator", op);
    fill("selectionTerm", term);
    button(U"Ausführen");
    EXPECT_FALSE(grades.selectionPanelShown());
  }
  void fill(const std::string& name, const Text& text) {
    for (const Control& c : grades.controls())
      if (c.name == name && c.edited && c.visible) return c.edited(text);
    FAIL() << "no edit " << name;
  }
  Text edit(const std::string& name) {
    for (const Control& c : grades.controls())
      if (c.name == name) return c.caption;
    return U"<none>";
  }
};

TEST_F(GradesTableTest, SelectionBecomesTheDatabaseAndRestoreBringsBackTheTable) {
  openList(write("orte.csv", kPlaces));
  ASSERT_EQ(editor.lines(), kShown);
  click(2, 4);
  menu(U"Bearbeiten > Select");
  EXPECT_EQ(edit("selectionField"), U"2") << "the field under the caret is proposed";
  button(U"Abbrechen");
  EXPECT_FALSE(grades.selectionPanelShown());

  select(U"2", U"+", U"E");
  const std::vector<Text> firstSelection = {U"N;Ort   ;Gewic;", U"1;Bremen;   61;",
                                            U"3;greiz ;100.5;", U"4;Kiel  ;    7;", U"#"};
  EXPECT_EQ(editor.lines(), firstSelection);
  EXPECT_EQ(grades.fieldsView()[2], U" Datensätze : 3");
  EXPECT_EQ(grades.status(), U"Zei/Spa: 1 / 3 / Ort (2)");
  EXPECT_EQ(editor.markedText(), U"O");
  EXPECT_TRUE(grades.locked());

  select(U"3", U">", U"100");
  EXPECT_EQ(editor.lines(), (std::vector<Text>{U"N;Ort  ;Gewic;", U"3;greiz;100.5;", U"#"}));

  dialogs.yes();
  menu(U"Bearbeiten > Restore");
  EXPECT_EQ(editor.lines(), firstSelection);
  dialogs.shown.clear();
  menu(U"Bearbeiten > Restore");
  EXPECT_EQ(dialogs.shown, std::vector<std::string>{
                               "[message] Abbruch: <Restore> ist nur nach <Select> möglich !"});
}

TEST_F(GradesTableTest, RefusedSelectionsKeepTheTable) {
  struct Row {
    Text field, op, term;
    std::string message;
  } rows[] = {
      {U"0", U"=", U"x", "[message] Abbruch: Falsche Spaltennummer !"},
      {U"2", U"?", U"x", "[message] Abbruch: Falscher Suchoperator !"},
      {U"2", U"=", U"  ", "[message] Abbruch: Leerer Suchbegriff !"},
      {U"3", U"=", U"leicht", "[message] Abbruch: Kein numerischer Suchbegriff!"},
      {U"2", U",", U"kiel", "[message] KEINE gesuchten Datensätze gefunden !"},
  };
  openList(write("orte.csv", kPlaces));
  for (const Row& r : rows) {
    dialogs.shown.clear();
    select(r.field, r.op, r.term);
    EXPECT_EQ(dialogs.shown, std::vector<std::string>{r.message})
        << toUtf8(r.field + r.op + r.term);
    EXPECT_EQ(editor.lines(), kShown) << r.message;
  }
  // Nothing was selected, so nothing can be restored.
  dialogs.shown.clear();
  menu(U"Bearbeiten > Restore");
  EXPECT_EQ(dialogs.shown, std::vector<std::string>{
                               "[message] Abbruch: <Restore> ist nur nach <Select> möglich !"});
}

TEST_F(GradesTableTest, SortingByTheFieldUnderTheCaret) {
  openList(write("orte.csv", kPlaces));
  click(3, 12);
  dialogs.yes().useDefault();
  menu(U"Bearbeiten > Sortieren");
  EXPECT_EQ(dialogs.shown,
            (std::vector<std::string>{
                "[question] Frage | Sortierung OHNE Kopfzeile ?    -> yes",
                "[input] Sortierung nach einer Spalte | Spalten-Nummer von 1 bis 3  (0 = Abbruch) "
                "| 3 -> 3"}));
  EXPECT_EQ(editor.lines(),
            (std::vector<Text>{U"N;Ort   ;Gewic;", U"4;Kiel  ;    7;", U"1;Bremen;   61;",
                               U"2;Gotha ; 99.5;", U"3;greiz ;100.5;", U"#"}));
  EXPECT_EQ(grades.status(), U"Zei/Spa: 1 / 10 / Gewicht (3)");
  EXPECT_EQ(editor.markedText(), U"G");
  EXPECT_TRUE(grades.statisticsHeaderChoice());

  // A column beyond the table ends the sort silently.
  dialogs.shown.clear();
  dialogs.yes().text(U"4");
  menu(U"Bearbeiten > Sortieren");
  EXPECT_EQ(dialogs.shown.size(), 2u);
  EXPECT_EQ(editor.line(1), U"4;Kiel  ;    7;");
}

TEST_F(GradesTableTest, HeaderSortedInLosesNoLine) {
  openList(write("orte.csv", kPlaces));
  // By place: "Bremen" < "Gotha" < "Kiel" < "Ort" < "greiz" by character codes.
  dialogs.no().text(U"2");
  menu(U"Bearbeiten > Sortieren");
  EXPECT_EQ(editor.lines(),
            (std::vector<Text>{U"1;Bremen;   61;", U"2;Gotha ; 99.5;", U"4;Kiel  ;    7;",
                               U"Nr;Ort;Gewicht;", U"3;greiz ;100.5;", U"#"}));
  EXPECT_TRUE(grades.statisticsHeaderChoice());
  // Saved, every record and the header with its full names are in the file.
  dialogs.file(dir.join("sortiert.csv"));
  menu(U"Datei > Speichern");
  const std::string saved = read("sortiert.csv");
  for (const char* line : {"1;Bremen;", "2;Gotha ;", "3;greiz ;", "4;Kiel  ;", "Nr;Ort;Gewicht;"})
    EXPECT_NE(saved.find(line), std::string::npos) << line;
  EXPECT_EQ(saved.find('#'), std::string::npos);
}

TEST_F(GradesTableTest, SearchAndSearchAgain) {
  openList(write("orte.csv", kPlaces));
  dialogs.text(U"E");
  menu(U"Bearbeiten > Suchen");
  EXPECT_EQ(editor.markedText(), U"e");
  EXPECT_EQ(grades.status(), U"Zei/Spa: 1 / 11 / Gewicht (3)");
  EXPECT_TRUE(grades.keyPressed({"F3"}));
  EXPECT_EQ(editor.markStart(), (TextPos{1, 4}));
  EXPECT_EQ(grades.status(), U"Zei/Spa: 2 / 5 / Ort (2)");
  // F4 now counts marked numbers; a key the text has no use for is still left alone.
  EXPECT_FALSE(grades.keyPressed({"F9"}));
}

TEST_F(GradesTableTest, GradesModeSwitchesTheAbsentMarks) {
  openList(write("noten.csv", "NAMEN;M1;M2;\r\nAnna;1;0;\r\nBen;0;3;\r\n"));
  dialogs.yes();
  menu(U"Mathematik > Schulnoten E/A");
  EXPECT_EQ(dialogs.shown,
            (std::vector<std::string>{"[confirm] Schulnoten EIN. Einstellung ändern ? -> yes",
                                      "[message] Schulnoten AUS. 2 Ersetzungen (a zu 0)."}));
  EXPECT_EQ(editor.lines(), (std::vector<Text>{U"NAME;M;M;", U"Anna;1;0;", U"Ben ;0;3;", U"#"}));
  EXPECT_FALSE(grades.list().table.schoolMarks);
  // Not a school-mark list now: the zeros are saved as they are.
  dialogs.file(dir + "/noten2.csv");
  menu(U"Datei > Speichern");
  EXPECT_EQ(read("noten2.csv"), "NAMEN;M1;M2;\r\nAnna;1;0;\r\nBen ;0;3;\r\n");
}

}  // namespace
}  // namespace korvale
