#include "stats/line_math.h"

#include <gtest/gtest.h>

#include "line_commands_fixture.h"
#include "stats/character_table.h"

namespace korvale {
namespace {

// Lines typed one after the other, as a teacher works down a page: each row sees the variables
// the rows above left behind.
TEST(LineMath, TheFourFormsInARow) {
  struct Row {
    Text line;
    std::optional<Text> result;  // nothing: "Auswertungsfehler !"
    char variable;
    double value;  // of `variable` afterwards
  };
  const Row rows[] = {
      {U"a = 3", U"a = 3.00", 'a', 3},
      {U"a =", U"a = 3.00", 'a', 3},
      {U"b=a*2+1", U"b = a*2+1 = 7.00", 'b', 7},
      {U"b =", U"b = 7.00", 'b', 7},
      {U"SQRT(b) =", U"sqrt(b) = 2.65", 'b', 7},
      {U"2+3 = 9", U"2+3 = 5.00", 'a', 3},
      {U"5 = 3", U"5 = 3.00", 'a', 3},  // nothing to store into
      {U"? =", U"? = ", 'a', 3},
      {U"A = 2", U"a = 2.00", 'a', 2},
      {U"b = a*2+1 = 7.00", U"b = a*2+1 = 5.00", 'b', 5},  // again, with the new a
      {U"  c  =  1E1 ", U"c = 10.00", 'c', 10},
      {U"c = c/4 = old", U"c = c/4 = 2.50", 'c', 2.5},
      {U"x = 5", U"x = 5.00", 'x', 5},
      {U"x = 1/0", std::nullopt, 'x', 0},  // the failed formula stores 0
      {U"y = 2*", std::nullopt, 'y', 0},
      {U"", std::nullopt, 'a', 2},
      {U"= 3", std::nullopt, 'a', 2},
      {U"no equals sign", std::nullopt, 'a', 2},
      {U"1/0 =", std::nullopt, 'a', 2},
      {U"ä = 1", U"ä = 1.00", 'a', 2},
  };
  VariableTable variables;
  for (const Row& row : rows) {
    SCOPED_TRACE(toUtf8(row.line));
    EXPECT_EQ(calculateLine(row.line, variables, 2), row.result);
    EXPECT_EQ(variables.get(row.variable), row.value);
  }
}

TEST(LineMath, DecimalsSetting) {
  VariableTable variables;
  EXPECT_EQ(calculateLine(U"a = 2.5", variables, 0), Text(U"a = 2"));
  EXPECT_EQ(calculateLine(U"1/3 =", variables, 8), Text(U"1/3 = 0.33333333"));
  EXPECT_EQ(calculateLine(U"a = 1234567890123", variables, 2), Text(U"a = 1234567890123.00"));
}

TEST_F(LineCommandsTest, LineMathRewritesTheCaretLineOrLeavesIt) {
  editor.setLines({U"Rechnung:", U"r = 2^10", U"x = 1/0"});
  editor.setCaret({1, 3});
  lineMathCommand(context);
  editor.setCaret({2, 0});
  lineMathCommand(context);
  EXPECT_EQ(editor.lines(), (Lines{U"Rechnung:", U"r = 2^10 = 1024.00", U"x = 1/0"}));
  EXPECT_EQ(dialogs.shown, std::vector<std::string>{"[message] Auswertungsfehler !"});
}

class MarkedNumbersTest : public LineCommandsTest {
 protected:
  Lines run(const Lines& text, TextPos from, TextPos to, MarkedTextReading reading) {
    editor.setLines(text);
    editor.mark(from, to);
    markedNumbersCommand(context, reading);
    return editor.lines();
  }
};

TEST_F(MarkedNumbersTest, WrittenBelowTheMarkedRange) {
  EXPECT_EQ(run({U"Werte", U"1;2;3", U"Ende"}, {1, 0}, {1, 5}, {U';', false}),
            (Lines{U"Werte", U"1;2;3", U"--------------------", U"Anzahl = 3", U"Minimum = 1.00",
                   U"Maximum = 3.00", U"Schwankung = 2.00", U"Summe = 6.00", U"Mittelwert = 2.00",
                   U"Streuung = 0.82", U"--------------------", U"Ende", U" "}));
  EXPECT_EQ(editor.caret(), (TextPos{1, 5}));
}

TEST_F(MarkedNumbersTest, HowTheMarkedTextIsRead) {
  struct Row {
    const char* name;
    Lines text;
    MarkedTextReading reading;
    Lines figures;  // Anzahl to Streuung
  };
  const Row rows[] = {
      // Without a separator each line is one field.
      {"no separator",
       {U"4", U"1;2"},
       {std::nullopt, false},
       {U"Anzahl = 2", U"Minimum = 4.00", U"Maximum = 99.11", U"Schwankung = 95.11",
        U"Summe = 103.11", U"Mittelwert = 51.55", U"Streuung = 47.55"}},
      // A text that is no number counts as the missing-value marker.
      {"a counts",
       {U"a"},
       {U';', false},
       {U"Anzahl = 1", U"Minimum = 99.11", U"Maximum = 99.11", U"Schwankung = 0.00",
        U"Summe = 99.11", U"Mittelwert = 99.11", U"Streuung = 0.00"}},
      {"header and margin",
       {U"Name;M1;M2", U"Anna;1;2", U"Ben;3;4"},
       {U';', true},
       {U"Anzahl = 4", U"Minimum = 1.00", U"Maximum = 4.00", U"Schwankung = 3.00", U"Summe = 10.00",
        U"Mittelwert = 2.50", U"Streuung = 1.12"}},
      // Equal large values: the textbook formula's rounding would take the root of a negative
      // number and print "nan".
      {"equal large values",
       {U"123456789.123,123456789.123,123456789.123"},
       {U',', false},
       {U"Anzahl = 3", U"Minimum = 123456789.12", U"Maximum = 123456789.12", U"Schwankung = 0.00",
        U"Summe = 370370367.37", U"Mittelwert = 123456789.12", U"Streuung = 0.00"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const int last = static_cast<int>(row.text.size()) - 1;
    const Lines out =
        run(row.text, {0, 0}, {last, static_cast<int>(row.text.back().size())}, row.reading);
    ASSERT_EQ(out.size(), row.text.size() + 10);
    EXPECT_EQ(Lines(out.begin() + last + 2, out.begin() + last + 9), row.figures);
  }
}

TEST_F(MarkedNumbersTest, NothingToCount) {
  const Lines text = {U"Name;M1", U"1;2"};
  run(text, {0, 0}, {0, 0}, {U';', false});
  run(text, {0, 0}, {0, 7}, {U';', true});  // a header line alone
  EXPECT_EQ(editor.lines(), text);
  EXPECT_EQ(dialogs.shown, std::vector<std::string>(2, "[message] Kein Zahlenbereich markiert ! "));
}

TEST_F(LineCommandsTest, CharacterTableEveryCodeWithItsCharacter) {
  editor.setLines({U"Zeichen:"});
  characterTableCommand(context);
  const Lines lines = editor.lines();
  ASSERT_EQ(lines.size(), 256u);
  struct Row {
    int code;
    Text line;
  };
  // Controls and the codes the code page leaves free show nothing after the blanks.
  const Row rows[] = {{1, U"   1  "},    {9, U"   9  "},   {10, U"  10  "},   {32, U"  32   "},
                      {65, U"  65  A"},  {127, U" 127  "}, {128, U" 128  €"}, {129, U" 129  "},
                      {150, U" 150  –"}, {157, U" 157  "}, {182, U" 182  ¶"}, {223, U" 223  ß"},
                      {228, U" 228  ä"}, {255, U" 255  ÿ"}};
  for (const Row& row : rows) EXPECT_EQ(lines[static_cast<std::size_t>(row.code)], row.line);
}

}  // namespace
}  // namespace korvale
