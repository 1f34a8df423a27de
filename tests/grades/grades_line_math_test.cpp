// The line commands: F1 on the caret's line, F4 on marked numbers, F11's character table.
#include <gtest/gtest.h>

#include "grades_line_fixture.h"

namespace korvale {
namespace {

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
