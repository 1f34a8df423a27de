// The name list: replacements, sorting, the clipboard and fonts.
#include "class_fixture.h"
#include "classeditor/german_collator.h"

namespace korvale {
namespace {

struct ReplaceCase {
  const char* what;
  void (*command)(ClassContext&);
  std::vector<Text> before;
  std::optional<Text> answer;  // nothing: the dialog is cancelled
  std::vector<Text> after;
  std::vector<std::string> shown;
};

TEST_F(ClassEditorTest, ReplacementsInTheList) {
  const std::string blank2tab =
      "[input] BLANKs durch TABs oder \";\" ersetzen | TABs = 1 oder \";\" = 2 | 1 -> ";
  const std::string tab2blank =
      "[input] TABs oder \";\" durch BLANKs ersetzen | TABs = 1 oder \";\" = 2 | 1 -> ";
  const std::string search =
      "[input] Suchen und Ersetzen im Text | Suchtext und Ersatztext durch \"?\" trennen.\\r(für "
      "den Tabulator bitte \"#TAB\" schreiben) |  -> ";
  const ReplaceCase cases[] = {
      {"blanks to tabs",
       blanksToTabs,
       {U"Huber Anna", U"Abc Def Ghi"},
       U"1",
       {U"Huber\tAnna", U"Abc\tDef\tGhi"},
       {blank2tab + "1", "[message] Es erfolgten 3 Ersetzungen !"}},
      {"blanks to semicolons, answer trimmed",
       blanksToTabs,
       {U"Huber Anna"},
       U" 2 ",
       {U"Huber;Anna"},
       {blank2tab + " 2 ", "[message] Es erfolgten 1 Ersetzungen !"}},
      {"cancel means tabs",
       blanksToTabs,
       {U"Huber Anna"},
       std::nullopt,
       {U"Huber\tAnna"},
       {blank2tab + "cancel", "[message] Es erfolgten 1 Ersetzungen !"}},
      {"a wrong answer changes nothing",
       blanksToTabs,
       {U"Huber Anna"},
       U"3",
       {U"Huber Anna"},
       {blank2tab + "3", "[message] Abbruch: Falsche Eingabe."}},
      {"tabs to blanks",
       tabsToBlanks,
       {U"Huber\tAnna;x"},
       U"1",
       {U"Huber Anna;x"},
       {tab2blank + "1", "[message] Es erfolgten 1 Ersetzungen !"}},
      {"semicolons to blanks",
       tabsToBlanks,
       {U"Huber;Anna", U";"},
       U"2",
       {U"Huber Anna", U" "},
       {tab2blank + "2", "[message] Es erfolgten 2 Ersetzungen !"}},
      {"#tab in any case",
       searchAndReplace,
       {U"Huber\tAnna\t", U"Eder\tLi"},
       U"#tab?;",
       {U"Huber;Anna;", U"Eder;Li"},
       {search + "#tab?;", "[message] Es erfolgten 3 Ersetzungen !"}},
      {"an empty replacement deletes, case ignored",
       searchAndReplace,
       {U"Anna Bauer"},
       U"a?",
       {U"nn Buer"},
       {search + "a?", "[message] Es erfolgten 3 Ersetzungen !"}},
      {"umlauts match in both cases",
       searchAndReplace,
       {U"Öztürk Ömer", U"Böhm"},
       U"ö?oe",
       {U"oeztürk oemer", U"Boehm"},
       {search + "ö?oe", "[message] Es erfolgten 3 Ersetzungen !"}},
      {"the replacement is not searched again",
       searchAndReplace,
       {U"aa"},
       U"a?aa",
       {U"aaaa"},
       {search + "a?aa", "[message] Es erfolgten 2 Ersetzungen !"}},
      {"a replacement may hold ? and #TAB",
       searchAndReplace,
       {U"x"},
       U"x?#Tab?#TAB",
       {U"\t?\t"},
       {search + "x?#Tab?#TAB", "[message] Es erfolgten 1 Ersetzungen !"}},
      {"empty search text",
       searchAndReplace,
       {U"x"},
       U"?x",
       {U"x"},
       {search + "?x", "[message] Fehlerhafte Eingabe !"}},
      {"no question mark",
       searchAndReplace,
       {U"x"},
       U"x",
       {U"x"},
       {search + "x", "[message] Fehlerhafte Eingabe !"}},
      {"cancelled",
       searchAndReplace,
       {U"x"},
       std::nullopt,
       {U"x"},
       {search + "cancel", "[message] Fehlerhafte Eingabe !"}},
  };
  for (const ReplaceCase& c : cases) {
    SCOPED_TRACE(c.what);
    list.setLines(c.before);
    dialogs.shown.clear();
    if (c.answer)
      dialogs.text(*c.answer);
    else
      dialogs.cancel();
    c.command(cx);
    EXPECT_EQ(list.lines(), c.after);
    EXPECT_EQ(dialogs.shown, c.shown);
  }
}

TEST_F(ClassEditorTest, BlanksToTabsOnTheSampleClassReplacesTwenty) {
  loadSampleList(cx);
  EXPECT_EQ(cx.nameBox, U"2A.txt");
  ASSERT_EQ(list.lineCount(), 20);
  dialogs.text(U"1");
  blanksToTabs(cx);
  EXPECT_EQ(dialogs.shown.back(), "[message] Es erfolgten 20 Ersetzungen !");
}

TEST_F(ClassEditorTest, ReplacingKeepsTheFormatOfTheRestOfTheLine) {
  CharFormat bold;
  bold.bold = true;
  list.setRichText(RichText::plain(U"Huber Anna", bold));
  dialogs.text(U"1");
  blanksToTabs(cx);
  EXPECT_EQ(list.richText(), RichText::plain(U"Huber\tAnna", bold));
}

TEST(GermanCollator, CaseIgnoredUmlautsBesideTheirBaseLetters) {
  std::vector<Text> lines = {U"Zoller Udo", U"otto Max",    U"Özdemir Ali", U"Oswald Eva",
                             U"Muller Ina", U"Müller Jana", U"Mueller Tom", U"abel Anna",
                             U"Äbi Kurt",   U"Ábel Zoe",    U"Łoś Ewa",     U"Lang Emma",
                             U"",           U"Mayer Ben"};
  GermanCollator().sort(lines);
  EXPECT_EQ(lines, (std::vector<Text>{U"", U"abel Anna", U"Ábel Zoe", U"Äbi Kurt", U"Lang Emma",
                                      U"Łoś Ewa", U"Mayer Ben", U"Mueller Tom", U"Muller Ina",
                                      U"Müller Jana", U"Oswald Eva", U"otto Max", U"Özdemir Ali",
                                      U"Zoller Udo"}));
}

TEST_F(ClassEditorTest, SortingTheListLosesItsFormats) {
  CharFormat bold = list.typingFormat();
  bold.bold = true;
  list.setRichText(RichText::plain(U"Zoller Udo\nÖzdemir Ali\nauer Eva", bold));
  sortList(cx);
  EXPECT_EQ(list.richText(),
            RichText::fromLines({U"auer Eva", U"Özdemir Ali", U"Zoller Udo"}, list.typingFormat()));
}

TEST_F(ClassEditorTest, CopyTakesTheWholeListPasteGoesInFront) {
  setList({U"Huber Anna", U"Eder Li"});
  list.mark({1, 0}, {1, 4});
  copyList(cx);
  EXPECT_EQ(clipboard.text().text, U"Huber Anna\nEder Li");
  EXPECT_EQ(list.markedText(), U"Huber Anna\nEder Li");

  clipboard.setText(RichText::plain(U"Zoller Udo", CharFormat()));
  pasteIntoList(cx);
  EXPECT_EQ(list.lines(), (std::vector<Text>{U"Zoller Udo", U"Huber Anna", U"Eder Li"}));
  clipboard.setText(RichText::plain(U"Auer Eva\n", CharFormat()));
  pasteIntoList(cx);
  EXPECT_EQ(list.lines(),
            (std::vector<Text>{U"Auer Eva", U"Zoller Udo", U"Huber Anna", U"Eder Li"}));

  list.clear();
  markWholeList(cx);
  pasteIntoList(cx);
  EXPECT_EQ(list.plainText(), U"Auer Eva\n");
}

TEST_F(ClassEditorTest, FontsForTheListAndThePlan) {
  setList({U"Huber Anna"});
  answerFont({U"Arial", 16, true, false});
  dialogs.cancel();
  chooseListFont(cx);
  EXPECT_EQ(list.formatAt({0, 0}).font, U"Arial");
  EXPECT_EQ(list.formatAt({0, 0}).size, 16);
  EXPECT_EQ(list.typingFormat().font, U"Arial");
  chooseListFont(cx);  // cancelled
  EXPECT_EQ(list.formatAt({0, 0}).font, U"Arial");

  answerFont({U"Liberation Sans", 14, false, true});
  choosePlanFont(cx);
  EXPECT_EQ(cx.plan.font(), (FontChoice{U"Liberation Sans", 14, false, true}));
}

}  // namespace
}  // namespace korvale
