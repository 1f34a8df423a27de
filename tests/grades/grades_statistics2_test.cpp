#include <gtest/gtest.h>

#include "grades_stats_fixture.h"

namespace korvale {
namespace {

TEST_F(StatsTest, PairWithoutHeaderIsAnExactLine) {
  showText({U"1;3;", U"2;5;", U"3;7;", U"4;9;"});
  ctx.currentField = 1;
  dialogs.yes().useDefault().yes();
  run2();
  EXPECT_EQ(dialogs.shown,
            (std::vector<std::string>{
                "[question] Frage | Auswertung MIT Kopfzeile UND Randspalte ?    -> yes",
                "[input] Auswertung von ZWEI Spalten X,Y | Spalten-Nummer von 1 bis 2  (0 = "
                "Abbruch) | 1,2 -> 1,2",
                "[question] Frage | Streuungsdiagramm grafisch darstellen ?    -> yes"}));
  EXPECT_EQ(editor.lines(),
            (Lines{U"1;3;", U"2;5;", U"3;7;", U"4;9;", U"#", U" ",
                   U"Auswertung:     Spalte [ 1] /       Spalte[2]", U" ",
                   U"Anzahl:                4.00 /            4.00",
                   U"Minimum:               1.00 /            3.00",
                   U"Maximum:               4.00 /            9.00",
                   U"Schwankung:            3.00 /            6.00",
                   U"Mittelwert:            2.50 /            6.00",
                   U"Streuung:              1.12 /            2.24", U" ", U"Korrelation: 1.00",
                   U"Regression:  Y = 2.00 * X + 1.00", U" ", U""}));
  EXPECT_TRUE(state.chart.panelVisible);
  EXPECT_EQ(editor.caret(), (TextPos{18, 0}));
}

TEST_F(StatsTest, PairsOfListColumns) {
  struct Case {
    const char* name;
    Lines list;
    Text columns;
    Lines expected;
  } cases[] = {
      {"numeric list",
       kNumericList,
       U"3,4",
       {U" ", U"Auswertung:      Gewicht(X) /      Groesse(Y)", U" ",
        U"Anzahl:                4.00 /            4.00",
        U"Minimum:              58.00 /          165.00",
        U"Maximum:              84.00 /          182.00",
        U"Schwankung:           26.00 /           17.00",
        U"Mittelwert:           70.00 /          173.50",
        U"Streuung:             10.84 /            7.16", U" ", U"Korrelation: 1.00",
        U"Regression:  Y = 0.66 * X + 127.48", U" ", U""}},
      {"grades list: rows with an absent mark are left out of both columns",
       kGradesList,
       U" 2 , 3 ",
       {U" ", U"Auswertung:           M1(X) / M2(Y)", U" ", U"Anzahl:                3.00 /  3.00",
        U"Minimum:               1.00 /  2.00", U"Maximum:               5.00 /  5.00",
        U"Schwankung:            4.00 /  3.00", U"Mittelwert:            3.00 /  3.33",
        U"Streuung:              1.63 /  1.25", U" ", U"Korrelation: 0.98",
        U"Regression:  Y = 0.75 * X + 1.08", U" ", U""}},
      {"falling line with a negative intercept",
       {U"N;X;Y;", U"a;1;-3;", U"b;2;-5;", U"#"},
       U"2,3",
       {U" ", U"Auswertung:            X(X) /            Y(Y)", U" ",
        U"Anzahl:                2.00 /            2.00",
        U"Minimum:               1.00 /           -5.00",
        U"Maximum:               2.00 /           -3.00",
        U"Schwankung:            1.00 /            2.00",
        U"Mittelwert:            1.50 /           -4.00",
        U"Streuung:              0.50 /            1.00", U" ", U"Korrelation: -1.00",
        U"Regression:  Y = -2.00 * X + -1.00", U" ", U""}},
      {"both columns constant",
       {U"N;X;Y;", U"a;2;7;", U"b;2;7;", U"#"},
       U"2,3",
       {U" ", U"Auswertung:            X(X) /            Y(Y)", U" ",
        U"Anzahl:                2.00 /            2.00",
        U"Minimum:               2.00 /            7.00",
        U"Maximum:               2.00 /            7.00",
        U"Schwankung:            0.00 /            0.00",
        U"Mittelwert:            2.00 /            7.00",
        U"Streuung:              0.00 /            0.00", U" ", U"Korrelation: 1.00",
        U"Regression:  Y = 1.00 * X + 5.00", U" ", U""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    showDatabase(c.list);
    dialogs.text(c.columns).no();
    run2();
    EXPECT_EQ(output(), c.expected);
    EXPECT_FALSE(state.chart.panelVisible);
  }
}

TEST_F(StatsTest, PairRefusals) {
  struct Case {
    const char* name;
    Lines list;
    Text columns;
    std::vector<std::string> messages;
  } cases[] = {
      {"no comma", kNumericList, U"3", {"[message] Eingabe-Fehler 1"}},
      {"comma first", kNumericList, U",4", {"[message] Eingabe-Fehler 1"}},
      {"beyond the fields", kNumericList, U"3,5", {}},
      {"the margin column", kNumericList, U"1,3", {}},
      {"zero", kNumericList, U"0,3", {}},
      {"text column",
       kNumericList,
       U"2,3",
       {"[message] Ein gewähltes Datenfeld ist NICHT numerisch !"}},
      {"a row with one field more",
       {U"N;A;B;", U"x;1;2;", U"y;3;4;5;", U"#"},
       U"2,3",
       {"[message] Auswertungs-Fehler !", "[message] Abbruch - Datenfehler"}},
      {"no complete pair",
       {U"NAMEN;M1;M2;", U"Abc;1;a;", U"Def;a;2;", U"#"},
       U"2,3",
       {"[message] Abbruch - Datenfehler"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    showDatabase(c.list);
    dialogs.shown.clear();
    dialogs.text(c.columns);
    run2();
    EXPECT_EQ(std::vector<std::string>(dialogs.shown.begin() + 1, dialogs.shown.end()), c.messages);
    EXPECT_TRUE(output().empty());
  }
  // A list that is loaded but hidden, and an empty editor.
  ctx.db.mode = DatabasePart::Mode::Hidden;
  dialogs.shown.clear();
  run2();
  EXPECT_EQ(dialogs.shown,
            std::vector<std::string>{"[message] Nur bei <Datenbank anzeigen> möglich !"});
  showText({});
  run2();
  EXPECT_EQ(dialogs.shown.size(), 1u);
}

}  // namespace
}  // namespace korvale
