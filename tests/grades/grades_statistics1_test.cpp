#include <gtest/gtest.h>

#include "grades_stats_fixture.h"
#include "stats/number_output.h"

namespace korvale {
namespace {

const char* kColumnTitle = "[input] Auswertung von EINER Spalte X | Spalten-Nummer von 1 bis ";
const char* kFormDialog =
    "[input] Eindimensionale Statistik | Form der grafischen Darstellung: \\r \\r<0> = "
    "Abbruch\\r<1> = Balkengrafik\\r<2> = Liniengrafik\\r<3> = Tortengrafik\\r  | 1 -> ";

TEST_F(StatsTest, GradesColumnWithAbsentMarks) {
  showDatabase(kGradesList);
  ctx.currentField = 3;
  dialogs.useDefault().useDefault().useDefault();
  run1();
  EXPECT_EQ(
      dialogs.shown,
      (std::vector<std::string>{
          std::string(kColumnTitle) + "4  (0 = Abbruch) | 3 -> 3", std::string(kFormDialog) + "1",
          "[input] Klasseneinteilung (2 bis 12) | Klassenanzahl, Untere Grenze, "
          "Klassenbreite | 5 , 0.50 , 1.00 -> 5 , 0.50 , 1.00"}));
  EXPECT_EQ(output(), (Lines{U" ", U"Auswertung:           M2 (X)", U" ",
                             U"Anzahl:                4.00", U"Minimum:               2.00",
                             U"Maximum:               5.00", U"Schwankung:            3.00",
                             U"Mittelwert:            3.50", U"Streuung:              1.12", U" ",
                             U"", U"1.Klasse (0.50 <= X < 1.50):   0 ( 0.00%)",
                             U"2.Klasse (1.50 <= X < 2.50):   1 (25.00%)",
                             U"3.Klasse (2.50 <= X < 3.50):   1 (25.00%)",
                             U"4.Klasse (3.50 <= X < 4.50):   1 (25.00%)",
                             U"5.Klasse (4.50 <= X < 5.50):   1 (25.00%)", U" ", U" "}));
  EXPECT_TRUE(state.chart.panelVisible);
  EXPECT_EQ(state.printOrientationMode, PrintOrientationMode::OneDimensional);
  // The image is cleared to white first, then the bar chart is drawn on the tooltip colour.
  ASSERT_GE(canvas.ops.size(), 2u);
  EXPECT_EQ(canvas.ops[0].color, kWhite);
  EXPECT_EQ(canvas.ops[1].color, kTooltipBackground);
  int bars = 0;
  for (const CanvasOp& op : canvas.all(CanvasOp::Kind::Rectangle))
    bars += op.brushStyle == BrushStyle::Solid && op.brushColor == rgb(240, 200, 200);
  EXPECT_EQ(bars, 5);
  // The table keeps its place and is shown in the table font.
  const Lines all = editor.lines();
  EXPECT_EQ(Lines(all.begin(), all.begin() + 7), kGradesList);
  EXPECT_EQ(editor.formatAt({1, 0}).font, U"Courier New");
}

TEST_F(StatsTest, NumericColumnAndRunningTwiceReplacesTheOutput) {
  showDatabase(kNumericList);
  ctx.currentField = 3;
  const Lines expected = {U" ",
                          U"Auswertung:      Gewicht (X)",
                          U" ",
                          U"Anzahl:                4.00",
                          U"Minimum:              58.00",
                          U"Maximum:              84.00",
                          U"Schwankung:           26.00",
                          U"Mittelwert:           70.00",
                          U"Streuung:             10.84",
                          U" ",
                          U"",
                          U"1.Klasse (   54.75 <= X <    61.25):     2 (50.00%)",
                          U"2.Klasse (   61.25 <= X <    67.75):     0 ( 0.00%)",
                          U"3.Klasse (   67.75 <= X <    74.25):     0 ( 0.00%)",
                          U"4.Klasse (   74.25 <= X <    80.75):     1 (25.00%)",
                          U"5.Klasse (   80.75 <= X <    87.25):     1 (25.00%)",
                          U" ",
                          U" "};
  for (const char32_t* form : {U"2", U"3"}) {
    canvas.ops.clear();
    dialogs.useDefault().text(form).useDefault();
    run1();
    EXPECT_EQ(output(), expected) << "chart " << toUtf8(form);
    EXPECT_EQ(canvas.all(CanvasOp::Kind::Pie).empty(), Text(form) == U"2");
  }
  EXPECT_EQ(dialogs.shown[2],
            "[input] Klasseneinteilung (2 bis 12) | Klassenanzahl, Untere Grenze, "
            "Klassenbreite | 5 , 54.75 , 6.50 -> 5 , 54.75 , 6.50");
}

TEST_F(StatsTest, TextWithoutHeaderDecimalsZeroAndNoChart) {
  showText({U"4;10;", U"6;20;", U"5;30;"});
  state.decimals = 0;
  ctx.currentField = 2;
  dialogs.yes().text(U"1").text(U"0");
  run1();
  EXPECT_EQ(dialogs.shown[0],
            "[question] Frage | Auswertung MIT Kopfzeile UND Randspalte ?    -> yes");
  // Every line and field is data; the text gets an end marker so that the next run finds it.
  EXPECT_EQ(
      editor.lines(),
      (Lines{U"4;10;", U"6;20;", U"5;30;", U"#", U" ", U"Auswertung:     Spalte [ 1]", U" ",
             U"Anzahl:                   3", U"Minimum:                  4",
             U"Maximum:                  6", U"Schwankung:               2",
             U"Mittelwert:               5", U"Streuung:                 1", U" ", U"", U" "}));
  EXPECT_FALSE(state.chart.panelVisible);
  EXPECT_TRUE(canvas.all(CanvasOp::Kind::Rectangle).empty());
}

TEST_F(StatsTest, HeaderChoiceNoReadsLineOneAsNames) {
  showText({U"Name;Wert;", U"a;1;", U"b;2;"});
  dialogs.no().text(U"2").text(U"0");
  run1();
  EXPECT_EQ(output()[1], U"Auswertung:            Wert");
  EXPECT_EQ(output()[3], U"Anzahl:                2.00");
}

struct Refusal {
  const char* name;
  Lines text;
  bool database;
  std::vector<ScriptAnswer> answers;
  std::vector<std::string> shown;  // after the column dialog, or all when there is none
  bool outputWritten;
};

TEST_F(StatsTest, RefusalsAndErrors) {
  using K = ScriptAnswer::Kind;
  const Refusal cases[] = {
      {"list loaded, database hidden",
       {},
       false,
       {},
       {"[message] Nur bei <Datenbank anzeigen> möglich !"},
       false},
      {"one line without a database", {U"1;2;"}, false, {}, {}, false},
      {"no separator",
       {U"12", U"13"},
       false,
       {ScriptAnswer::of(K::No)},
       {"[question] Frage | Auswertung MIT Kopfzeile UND Randspalte ?    -> no"},
       false},
      {"column cancelled", kNumericList, true, {ScriptAnswer::of(K::Cancel)}, {}, false},
      {"column 0", kNumericList, true, {ScriptAnswer::typed(U"0")}, {}, false},
      {"column beyond the fields", kNumericList, true, {ScriptAnswer::typed(U"5")}, {}, false},
      {"the margin column", kNumericList, true, {ScriptAnswer::typed(U"1")}, {}, false},
      {"not a number", kNumericList, true, {ScriptAnswer::typed(U"x")}, {}, false},
      {"text column",
       kNumericList,
       true,
       {ScriptAnswer::typed(U"2")},
       {"[message] Das gewählte Datenfeld ist NICHT numerisch !"},
       false},
      {"a row with one field more",
       {U"N;A;B;", U"x;1;2;", U"y;3;4;5;", U"#"},
       true,
       {ScriptAnswer::typed(U"2")},
       {"[message] Auswertungs-Fehler 1!", "[message] Abbruch - Datenfehler 1"},
       false},
      {"text column of a list",
       {U"N;A;B;", U"x;1;k;", U"y;3;-;", U"#"},
       true,
       {ScriptAnswer::typed(U"3")},
       {"[message] Das gewählte Datenfeld ist NICHT numerisch !"},
       false},
      {"only absent marks in the column",
       {U"NAMEN;M1;M2;", U"Abc;1;a;", U"Def;2;a;", U"#"},
       true,
       {ScriptAnswer::typed(U"3")},
       {"[message] Abbruch - Datenfehler 1"},
       false},
      {"13 classes",
       kNumericList,
       true,
       {ScriptAnswer::typed(U"3"), ScriptAnswer::typed(U"1"), ScriptAnswer::typed(U"13,0,1")},
       {"[input] Eindimensionale Statistik", "[input] Klasseneinteilung (2 bis 12)",
        "[message] Auswertungs-Fehler !"},
       true},
      {"chart form 0 keeps the text output",
       kNumericList,
       true,
       {ScriptAnswer::typed(U"3"), ScriptAnswer::typed(U" 0 ")},
       {"[input] Eindimensionale Statistik"},
       true},
  };
  for (const Refusal& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.database)
      showDatabase(c.text);
    else
      showText(c.text);
    if (c.text.empty()) {
      // A list was opened, but the editor shows something else.
      ctx.db.listLoaded = true;
      editor.setLines({U"a;b;", U"1;2;"});
    }
    dialogs.shown.clear();
    for (const ScriptAnswer& a : c.answers) dialogs.queue(a);
    const Lines before = editor.lines();
    run1();
    std::vector<std::string> shown;
    for (const std::string& line : dialogs.shown) {
      if (line.rfind(kColumnTitle, 0) == 0) continue;
      // Compare the dialogs by their title only.
      const std::size_t bar = line.find(" | ");
      shown.push_back(line.rfind("[input]", 0) == 0 ? line.substr(0, bar) : line);
    }
    EXPECT_EQ(shown, c.shown);
    if (c.outputWritten) {
      ASSERT_EQ(output().size(), 12u);
      EXPECT_EQ(output()[8], U"Streuung:             10.84");
    } else {
      EXPECT_TRUE(output().empty());
    }
    EXPECT_FALSE(state.chart.panelVisible);
    ctx.db.listLoaded = false;
    ctx.db.mode = DatabasePart::Mode::None;
    ctx.currentField = 0;
    list = ListState();
  }
}

TEST_F(StatsTest, DecimalsSetting) {
  struct Case {
    ScriptAnswer answer;
    int decimals;
  } cases[] = {
      {ScriptAnswer::typed(U"0"), 0},
      {ScriptAnswer::typed(U"8"), 8},
      {ScriptAnswer::typed(U"9"), 2},
      {ScriptAnswer::typed(U"-1"), 2},
      {ScriptAnswer::typed(U"x"), 2},
      {ScriptAnswer::typed(U" 5"), 5},
      {ScriptAnswer::of(ScriptAnswer::Kind::Cancel), 2},
  };
  for (const Case& c : cases) {
    state.decimals = 7;
    dialogs.queue(c.answer);
    decimalsCommand(ctx);
    EXPECT_EQ(state.decimals, c.decimals) << dialogs.shown.back();
  }
  EXPECT_EQ(dialogs.shown[0], "[input] Anzahl der Kommastellen (0..8) |  | 2 -> 0");
}

}  // namespace
}  // namespace korvale
