// The table commands as the Grades editor runs them: their result becomes the database.
#include "grades_fixture.h"

namespace korvale {
namespace {

const std::string kPlaces =
    "Nr;Ort;Gewicht;\r\n1;Bremen;61;\r\n2;Gotha;99.5;\r\n3;greiz;100.5;\r\n4;Kiel;7;\r\n";
const std::vector<Text> kShown = {"N;Ort   ;Gewic;", "1;Bremen;   61;", "2;Gotha ; 99.5;",
                                  "3;greiz ;100.5;", "4;Kiel  ;    7;", "#"};

class GradesTableTest : public GradesEditorTest {
 protected:
  void select(const Text& field, const Text& op, const Text& term) {
    menu("Bearbeiten > Select");
    ASSERT_TRUE(grades.selectionPanelShown());
    fill("selectionField", field);
    fill("selectionOperator", op);
    fill("selectionTerm", term);
    button("Ausführen"_cp);
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
    return "<none>";
  }
};

TEST_F(GradesTableTest, SelectionBecomesTheDatabaseAndRestoreBringsBackTheTable) {
  openList(write("orte.csv", kPlaces));
  ASSERT_EQ(editor.lines(), kShown);
  click(2, 4);
  menu("Bearbeiten > Select");
  EXPECT_EQ(edit("selectionField"), "2") << "the field under the caret is proposed";
  button("Abbrechen");
  EXPECT_FALSE(grades.selectionPanelShown());

  select("2", "+", "E");
  const std::vector<Text> firstSelection = {"N;Ort   ;Gewic;", "1;Bremen;   61;", "3;greiz ;100.5;",
                                            "4;Kiel  ;    7;", "#"};
  EXPECT_EQ(editor.lines(), firstSelection);
  EXPECT_EQ(grades.fieldsView()[2], " Datensätze : 3"_cp);
  EXPECT_EQ(grades.status(), "Zei/Spa: 1 / 3 / Ort (2)");
  EXPECT_EQ(editor.markedText(), "O");
  EXPECT_TRUE(grades.locked());

  select("3", ">", "100");
  EXPECT_EQ(editor.lines(), (std::vector<Text>{"N;Ort  ;Gewic;", "3;greiz;100.5;", "#"}));

  dialogs.yes();
  menu("Bearbeiten > Restore");
  EXPECT_EQ(editor.lines(), firstSelection);
  dialogs.shown.clear();
  menu("Bearbeiten > Restore");
  EXPECT_EQ(dialogs.shown, std::vector<std::string>{
                               "[message] Abbruch: <Restore> ist nur nach <Select> möglich !"});
}

TEST_F(GradesTableTest, RefusedSelectionsKeepTheTable) {
  struct Row {
    Text field, op, term;
    std::string message;
  } rows[] = {
      {"0", "=", "x", "[message] Abbruch: Falsche Spaltennummer !"},
      {"2", "?", "x", "[message] Abbruch: Falscher Suchoperator !"},
      {"2", "=", "  ", "[message] Abbruch: Leerer Suchbegriff !"},
      {"3", "=", "leicht", "[message] Abbruch: Kein numerischer Suchbegriff!"},
      {"2", ",", "kiel", "[message] KEINE gesuchten Datensätze gefunden !"},
  };
  openList(write("orte.csv", kPlaces));
  for (const Row& r : rows) {
    dialogs.shown.clear();
    select(r.field, r.op, r.term);
    EXPECT_EQ(dialogs.shown, std::vector<std::string>{r.message}) << r.field << r.op << r.term;
    EXPECT_EQ(editor.lines(), kShown) << r.message;
  }
  // Nothing was selected, so nothing can be restored.
  dialogs.shown.clear();
  menu("Bearbeiten > Restore");
  EXPECT_EQ(dialogs.shown, std::vector<std::string>{
                               "[message] Abbruch: <Restore> ist nur nach <Select> möglich !"});
}

TEST_F(GradesTableTest, SortingByTheFieldUnderTheCaret) {
  openList(write("orte.csv", kPlaces));
  click(3, 12);
  dialogs.yes().useDefault();
  menu("Bearbeiten > Sortieren");
  EXPECT_EQ(dialogs.shown,
            (std::vector<std::string>{
                "[question] Frage | Sortierung OHNE Kopfzeile ?    -> yes",
                "[input] Sortierung nach einer Spalte | Spalten-Nummer von 1 bis 3  (0 = Abbruch) "
                "| 3 -> 3"}));
  EXPECT_EQ(editor.lines(),
            (std::vector<Text>{"N;Ort   ;Gewic;", "4;Kiel  ;    7;", "1;Bremen;   61;",
                               "2;Gotha ; 99.5;", "3;greiz ;100.5;", "#"}));
  EXPECT_EQ(grades.status(), "Zei/Spa: 1 / 10 / Gewicht (3)");
  EXPECT_EQ(editor.markedText(), "G");
  EXPECT_TRUE(grades.statisticsHeaderChoice());

  // A column beyond the table ends the sort silently.
  dialogs.shown.clear();
  dialogs.yes().text("4");
  menu("Bearbeiten > Sortieren");
  EXPECT_EQ(dialogs.shown.size(), 2u);
  EXPECT_EQ(editor.line(1), "4;Kiel  ;    7;");
}

TEST_F(GradesTableTest, HeaderSortedInLosesNoLine) {
  openList(write("orte.csv", kPlaces));
  // By place: "Bremen" < "Gotha" < "Kiel" < "Ort" < "greiz" by character codes.
  dialogs.no().text("2");
  menu("Bearbeiten > Sortieren");
  EXPECT_EQ(editor.lines(),
            (std::vector<Text>{"1;Bremen;   61;", "2;Gotha ; 99.5;", "4;Kiel  ;    7;",
                               "Nr;Ort;Gewicht;", "3;greiz ;100.5;", "#"}));
  EXPECT_TRUE(grades.statisticsHeaderChoice());
  // Saved, every record and the header with its full names are in the file.
  dialogs.file(joinPath(dir, "sortiert.csv"));
  menu("Datei > Speichern");
  const std::string saved = read("sortiert.csv");
  for (const char* line : {"1;Bremen;", "2;Gotha ;", "3;greiz ;", "4;Kiel  ;", "Nr;Ort;Gewicht;"})
    EXPECT_NE(saved.find(line), std::string::npos) << line;
  EXPECT_EQ(saved.find('#'), std::string::npos);
}

TEST_F(GradesTableTest, SearchAndSearchAgain) {
  openList(write("orte.csv", kPlaces));
  dialogs.text("E");
  menu("Bearbeiten > Suchen");
  EXPECT_EQ(editor.markedText(), "e");
  EXPECT_EQ(grades.status(), "Zei/Spa: 1 / 11 / Gewicht (3)");
  EXPECT_TRUE(grades.keyPressed({"F3"}));
  EXPECT_EQ(editor.markStart(), (TextPos{1, 4}));
  EXPECT_EQ(grades.status(), "Zei/Spa: 2 / 5 / Ort (2)");
  EXPECT_FALSE(grades.keyPressed({"F4"}));
}

TEST_F(GradesTableTest, GradesModeSwitchesTheAbsentMarks) {
  openList(write("noten.csv", "NAMEN;M1;M2;\r\nAnna;1;0;\r\nBen;0;3;\r\n"));
  dialogs.yes();
  menu("Mathematik > Schulnoten E/A");
  EXPECT_EQ(dialogs.shown,
            (std::vector<std::string>{"[confirm] Schulnoten EIN. Einstellung ändern ? -> yes",
                                      "[message] Schulnoten AUS. 2 Ersetzungen (a zu 0)."}));
  EXPECT_EQ(editor.lines(), (std::vector<Text>{"NAME;M;M;", "Anna;1;0;", "Ben ;0;3;", "#"}));
  EXPECT_FALSE(grades.list().table.schoolMarks);
  // Not a school-mark list now: the zeros are saved as they are.
  dialogs.file(dir + "/noten2.csv");
  menu("Datei > Speichern");
  EXPECT_EQ(read("noten2.csv"), "NAMEN;M1;M2;\r\nAnna;1;0;\r\nBen ;0;3;\r\n");
}

}  // namespace
}  // namespace korvale
