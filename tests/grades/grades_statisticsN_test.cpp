#include <gtest/gtest.h>

#include "grades_stats_fixture.h"

namespace korvale {
namespace {

const Text kBreak = U"¶";

TEST_F(StatsTest, AllColumnsOfAList) {
  showDatabase({U"Name;A;B;C;", U"r1;1;10;5;", U"r2;2;20;5;", U"r3;3;30;5;", U"#"});
  runN();
  EXPECT_TRUE(dialogs.shown.empty());
  const Lines expected = {
      U"", kBreak, U"", U"3 Zeilen                 (Anzahl,Mittel,Streuung)", U"",
      U"(  1)  r1                 ,         3,       5.33,       3.68",
      U"(  2)  r2                 ,         3,       9.00,       7.87",
      U"(  3)  r3                 ,         3,      12.67,      12.28", U"",
      U"3 Spalten                (Anzahl,Mittel,Streuung)", U"",
      U"(  2)  A                         ,         3,       2.00,       0.82",
      U"(  3)  B                         ,         3,      20.00,       8.16",
      U"(  4)  C                         ,         3,       5.00,       0.00", kBreak, U"", U"",
      U"Interkorrelationen der Spalten", U"", U"--------2-----3-----4--",
      U"---2-- 1.00, 1.00, 0.00", U"---3-- 1.00, 1.00, 0.00", U"---4-- 0.00, 0.00, 1.00", U"",
      // Of equal values the last in the scan wins: for a symmetric pair the one below the
      // diagonal.
      U"Kleinste Korrelation =  0.00 [C(4) / B(3)]", U"Größte Korrelation   =  1.00 [B(3) / A(2)]",
      U"", U"Gesamter Mittelwert  =  9.00", U"Mittlere Streuung    =  2.99", U""};
  EXPECT_EQ(output(), expected);
  EXPECT_EQ(state.printOrientationMode, PrintOrientationMode::NDimensional);
  EXPECT_EQ(editor.caret(), (TextPos{editor.lineCount() - 1, 0}));
  // The matrix block is small print; the lines around it are not.
  const int header = 5 + 19;
  EXPECT_EQ(editor.formatAt({header - 1, 0}).size, 10);
  EXPECT_EQ(editor.formatAt({header, 0}).size, 8);
  EXPECT_EQ(editor.formatAt({header + 3, 5}).size, 8);
  EXPECT_EQ(editor.formatAt({header + 5, 0}).size, 10);

  // A second run replaces the first output.
  runN();
  EXPECT_EQ(output(), expected);
}

TEST_F(StatsTest, ElevenColumnsAndShortRows) {
  showText({U"1;2;3;4;5;6;7;8;9;10;11;", U"2;4;6;8;10;12;14;16;18;20;22;", U"5;5;"});
  dialogs.yes();
  runN();
  const Lines out = output();
  ASSERT_GT(out.size(), 24u);
  EXPECT_EQ(out[3], U"3 Zeilen                 (Anzahl,Mittel,Streuung)");
  EXPECT_EQ(out[5], U"Zeile [  1] ,        11,       6.00,       3.16");
  // The short row's missing fields are skipped, not read as numbers.
  EXPECT_EQ(out[7], U"Zeile [  3] ,         2,       5.00,       0.00");
  EXPECT_EQ(out[11], U"Spalte [ 1] ,         3,       2.67,       1.70");
  EXPECT_EQ(out[13], U"Spalte [ 3] ,         2,       4.50,       1.50");
  EXPECT_EQ(out[27], U"--------1-----2-----3-----4-----5-----6-----7-----8-----9-----10----11-");
  EXPECT_EQ(out[28].substr(0, 18), U"---1-- 1.00, 0.89,");
  EXPECT_EQ(out[30], U"---3-- 1.00, 1.00, 1.00, 1.00, 1.00, 1.00, 1.00, 1.00, 1.00, 1.00, 1.00");
}

TEST_F(StatsTest, ColumnOfAbsentMarksOnly) {
  showDatabase({U"NAMEN;M1;M2;", U"Abc;1;a;", U"Def;2;a;", U"Ghi;3;a;", U"#"});
  ASSERT_TRUE(list.table.schoolMarks);
  runN();
  EXPECT_EQ(dialogs.shown, std::vector<std::string>{"[message] Abbruch - Datenfehler"});
  const Lines out = output();
  EXPECT_EQ(out[5], U"(  1)  Abc                ,    1,  1.00,  0.00");
  EXPECT_EQ(out[11], U"(  2)  M1                        ,    3,  2.00,  0.82");
  EXPECT_EQ(out[12], U"(  3)  M2                        ,    0,  0.00,  0.00");
  EXPECT_EQ(out[18], U"--------2-----3--");
  EXPECT_EQ(out[19], U"---2-- 1.00, *** ");
  EXPECT_EQ(out[20], U"---3-- *** , *** ");
  EXPECT_EQ(out[22], U"Kleinste Korrelation =  1.00 [ / ]");
  EXPECT_EQ(out[23], U"Größte Korrelation   = -1.00 [ / ]");
  EXPECT_EQ(out[25], U"Gesamter Mittelwert  =  2.00");
  EXPECT_EQ(out[26], U"Mittlere Streuung    =  0.82");
}

TEST_F(StatsTest, NDimensionalRefusals) {
  showDatabase({U"N;A;", U"#"});
  runN();
  EXPECT_EQ(dialogs.shown, std::vector<std::string>{"[message] Auswertungs-Fehler !"});
  EXPECT_TRUE(output().empty());

  Lines big(2003, U"x;1;2;");
  big.front() = U"N;A;B;";
  big.back() = U"#";
  showDatabase(big);
  dialogs.shown.clear();
  runN();
  EXPECT_EQ(dialogs.shown, std::vector<std::string>{
                               "[message] Abbruch: Die Tabelle hat mehr als 2000 Datenzeilen !"});
  EXPECT_TRUE(output().empty());

  ctx.db.mode = DatabasePart::Mode::Hidden;
  dialogs.shown.clear();
  runN();
  EXPECT_EQ(dialogs.shown,
            std::vector<std::string>{"[message] Nur bei <Datenbank anzeigen> möglich !"});
  showText({});
  runN();
  showText({U"Text ohne Trennzeichen"});
  dialogs.no();
  runN();
  EXPECT_EQ(editor.lines(), Lines{U"Text ohne Trennzeichen"});
}

}  // namespace
}  // namespace korvale
