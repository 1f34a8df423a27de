#include <gtest/gtest.h>

#include "stats_fixture.h"

namespace korvale {
namespace {

TEST_F(StatsTest, PairWithoutHeaderIsAnExactLine) {
  showText({"1;3;", "2;5;", "3;7;", "4;9;"});
  context.caretField = 1;
  dialogs.yes().useDefault().yes();
  run2();
  EXPECT_EQ(dialogs.shown,
            (std::vector<std::string>{
                "[question] Frage | Auswertung MIT Kopfzeile UND Randspalte ?    -> yes",
                "[input] Auswertung von ZWEI Spalten X,Y | Spalten-Nummer von 1 bis 2  (0 = "
                "Abbruch) | 1,2 -> 1,2",
                "[question] Frage | Streuungsdiagramm grafisch darstellen ?    -> yes"}));
  EXPECT_EQ(editor.lines(),
            (Lines{"1;3;", "2;5;", "3;7;", "4;9;", "#", " ",
                   "Auswertung:     Spalte [ 1] /       Spalte[2]", " ",
                   "Anzahl:                4.00 /            4.00",
                   "Minimum:               1.00 /            3.00",
                   "Maximum:               4.00 /            9.00",
                   "Schwankung:            3.00 /            6.00",
                   "Mittelwert:            2.50 /            6.00",
                   "Streuung:              1.12 /            2.24", " ", "Korrelation: 1.00",
                   "Regression:  Y = 2.00 * X + 1.00", " ", ""}));
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
       "3,4",
       {" ", "Auswertung:      Gewicht(X) /      Groesse(Y)", " ",
        "Anzahl:                4.00 /            4.00",
        "Minimum:              58.00 /          165.00",
        "Maximum:              84.00 /          182.00",
        "Schwankung:           26.00 /           17.00",
        "Mittelwert:           70.00 /          173.50",
        "Streuung:             10.84 /            7.16", " ", "Korrelation: 1.00",
        "Regression:  Y = 0.66 * X + 127.48", " ", ""}},
      {"grades list: rows with an absent mark are left out of both columns",
       kGradesList,
       " 2 , 3 ",
       {" ", "Auswertung:           M1(X) / M2(Y)", " ", "Anzahl:                3.00 /  3.00",
        "Minimum:               1.00 /  2.00", "Maximum:               5.00 /  5.00",
        "Schwankung:            4.00 /  3.00", "Mittelwert:            3.00 /  3.33",
        "Streuung:              1.63 /  1.25", " ", "Korrelation: 0.98",
        "Regression:  Y = 0.75 * X + 1.08", " ", ""}},
      {"falling line with a negative intercept",
       {"N;X;Y;", "a;1;-3;", "b;2;-5;", "#"},
       "2,3",
       {" ", "Auswertung:            X(X) /            Y(Y)", " ",
        "Anzahl:                2.00 /            2.00",
        "Minimum:               1.00 /           -5.00",
        "Maximum:               2.00 /           -3.00",
        "Schwankung:            1.00 /            2.00",
        "Mittelwert:            1.50 /           -4.00",
        "Streuung:              0.50 /            1.00", " ", "Korrelation: -1.00",
        "Regression:  Y = -2.00 * X + -1.00", " ", ""}},
      {"both columns constant",
       {"N;X;Y;", "a;2;7;", "b;2;7;", "#"},
       "2,3",
       {" ", "Auswertung:            X(X) /            Y(Y)", " ",
        "Anzahl:                2.00 /            2.00",
        "Minimum:               2.00 /            7.00",
        "Maximum:               2.00 /            7.00",
        "Schwankung:            0.00 /            0.00",
        "Mittelwert:            2.00 /            7.00",
        "Streuung:              0.00 /            0.00", " ", "Korrelation: 1.00",
        "Regression:  Y = 1.00 * X + 5.00", " ", ""}},
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
      {"no comma", kNumericList, "3", {"[message] Eingabe-Fehler 1"}},
      {"comma first", kNumericList, ",4", {"[message] Eingabe-Fehler 1"}},
      {"beyond the fields", kNumericList, "3,5", {}},
      {"the margin column", kNumericList, "1,3", {}},
      {"zero", kNumericList, "0,3", {}},
      {"text column",
       kNumericList,
       "2,3",
       {"[message] Ein gewähltes Datenfeld ist NICHT numerisch !"}},
      {"a row with one field more",
       {"N;A;B;", "x;1;2;", "y;3;4;5;", "#"},
       "2,3",
       {"[message] Auswertungs-Fehler !", "[message] Abbruch - Datenfehler"}},
      {"no complete pair",
       {"NAMEN;M1;M2;", "Abc;1;a;", "Def;a;2;", "#"},
       "2,3",
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
  context.databaseDisplayed = false;
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
