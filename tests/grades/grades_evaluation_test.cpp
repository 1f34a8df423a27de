// The evaluations and the mail merge as the Grades editor runs them.
#include "grades_fixture.h"

namespace korvale {
namespace {

const std::string kClass =
    "Nr;Name;Groesse;\r\n1;Albers;168;\r\n2;Bauer;182;\r\n3;Claasen;165;\r\n";

TEST_F(GradesEditorTest, StatisticsWriteBelowTheTableAndShowTheChart) {
  openList(write("klasse.csv", kClass));
  click(2, 12);
  dialogs.useDefault().useDefault().useDefault();
  menu(U"Mathematik > Statistik - 1");
  const std::vector<Text> lines = editor.lines();
  ASSERT_GT(lines.size(), 6u);
  EXPECT_EQ(lines[4], U"#");
  EXPECT_EQ(lines[6], U"Auswertung:      Groesse (X)");
  EXPECT_TRUE(grades.chartShown());
  EXPECT_FALSE(canvas.ops.empty());
  // Saved as a list, the table goes without what was written below it.
  dialogs.file(dir + "/klasse2.csv");
  menu(U"Datei > Speichern");
  EXPECT_EQ(read("klasse2.csv"),
            "Nr;Name;Groesse;\r\n1;Albers ;168;\r\n2;Bauer  ;182;\r\n3;Claasen;165;\r\n");

  // A new list starts without the chart; a new opening of the window without the settings.
  openList(write("klasse.csv", kClass));
  EXPECT_FALSE(grades.chartShown());
  dialogs.text(U"5");
  menu(U"Mathematik > Kommastellen");
  EXPECT_EQ(grades.stats().decimals, 5);
  variables.set('A', 7);
  grades.closed();
  grades.opened();
  EXPECT_EQ(grades.stats().decimals, 2);
  EXPECT_EQ(variables.get('A'), 0.0);
  EXPECT_TRUE(grades.statisticsHeaderChoice());
}

TEST_F(GradesEditorTest, PreviewOfLettersBlocksTheTableDisplay) {
  openList(write("klasse.csv", kClass));
  menu(U"Datenbank > Datenbank anzeigen (E/A)");
  dialogs.file(write("brief.txt", "Hallo <F2>!\r\n"));
  menu(U"Datenbank > Einen Serienbrief laden");
  EXPECT_TRUE(grades.mailMerge().templateInEditor);
  dialogs.yes().yes();
  menu(U"Datenbank > Serienbrief Vorschau (E/A)");
  EXPECT_TRUE(grades.lettersShown());
  EXPECT_EQ(editor.lines(),
            (std::vector<Text>{U"Hallo Albers!", U"Hallo Bauer!", U"Hallo Claasen!"}));
  dialogs.shown.clear();
  menu(U"Datenbank > Datenbank anzeigen (E/A)");
  EXPECT_EQ(dialogs.shown, std::vector<std::string>{
                               "[message] Bitte zuerst <Serienbrief-Vorschau> ausschalten !"});
  menu(U"Datenbank > Serienbrief Vorschau (E/A)");
  EXPECT_EQ(editor.lines(), std::vector<Text>{U"Hallo <F2>!"});

  // Saving the template leaves it as it is: it is no table to be aligned.
  dialogs.file(dir + "/brief2.txt");
  menu(U"Datei > Speichern");
  EXPECT_EQ(read("brief2.txt"), "Hallo <F2>!\r\n");
  menu(U"Datei > Neu");
  EXPECT_FALSE(grades.mailMerge().templateInEditor);
}

}  // namespace
}  // namespace korvale
