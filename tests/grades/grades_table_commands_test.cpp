// The Grades editor's commands on the table's text: layout, separators, quotes, search, sorting,
// selection and the school-mark switch.
#include <gtest/gtest.h>

#include "base/text_routines.h"
#include "csvlist/field_table.h"
#include "csvlist/layout.h"
#include "csvlist/table_cases.h"
#include "csvlist/table_text.h"
#include "grades/table_in_editor.h"
#include "grades_fixture.h"

namespace korvale {
namespace {

TEST(Layout, ExpandCommandWithAndWithoutTheExtraBlank) {
  struct Row {
    bool withoutBlank;
    Lines expected;
  } rows[] = {
      {true, {U"Nr;Text;", U" 1;abcd;", U"12;xy  ;", U"#"}},
      {false, {U" Nr;Text ;", U"  1;abcd ;", U" 12;xy   ;", U"#"}},
  };
  for (const auto& r : rows) {
    GradesOnMemoryPorts g;
    MemoryTextEditor& editor = g.editor;
    editor.setLines({U"Nr;Text;", U"1;abcd;", U"12;xy;", U"#"});
    ListState& state = g.ctx.db.list;
    state = loadedState(U"Nr;Text;", U"1;abcd;", 3);
    g.ctx.db.mode = DatabasePart::Mode::Shown;
    TestDialogs& dialogs = g.dialogs;
    if (r.withoutBlank)
      dialogs.yes();
    else
      dialogs.no();
    TestCursor& cursor = g.cursor;
    expandCommand(g.ctx);
    EXPECT_EQ(editor.lines(), r.expected);
    EXPECT_EQ(dialogs.shown,
              (std::vector<std::string>{std::string("[confirm] Expand OHNE Zusatz-Blank ? -> ") +
                                        (r.withoutBlank ? "yes" : "no")}));
    EXPECT_EQ(state.table.field(1).width, 2);
    EXPECT_EQ(state.table.field(2).width, 4);
    EXPECT_EQ(state.displayedHeader, r.expected[0]);
    EXPECT_TRUE(state.extraBlank.empty());
    EXPECT_TRUE(editor.formatAt({0, 1}).bold);
    EXPECT_FALSE(editor.formatAt({1, 1}).bold);
    EXPECT_EQ(cursor.shapes, (std::vector<CursorShape>{CursorShape::Busy, CursorShape::Normal}));
  }
}

TEST(Layout, ExpandWithoutALoadedListKeepsLineOne) {
  GradesOnMemoryPorts g;
  MemoryTextEditor& editor = g.editor;
  editor.setLines({U"Nr;Text;", U"1;abcd;", U"10;x;"});
  g.dialogs.yes();
  expandCommand(g.ctx);
  EXPECT_EQ(editor.lines(), (Lines{U"Nr;Text;", U" 1;abcd;", U"10;x   ;"}));
}

TEST(Layout, EmptyEditorIsLeftAloneWithoutQuestions) {
  GradesOnMemoryPorts g;  // its dialogs fail on any dialog
  MemoryTextEditor& editor = g.editor;
  TestCursor& cursor = g.cursor;
  g.ctx.db.mode = DatabasePart::Mode::Shown;
  compressCommand(g.ctx);
  expandCommand(g.ctx);
  if (exchangeSeparator(g.ctx)) FAIL();
  applyDisplayFormatting(editor, g.ctx.db.list, cursor, 10, true);
  EXPECT_TRUE(editor.isEmpty());
  EXPECT_TRUE(cursor.shapes.empty());
}

TEST(Layout, DisplayFormattingInTheEditor) {
  MemoryTextEditor editor;
  editor.setLines({U" Nr ; Text", U"1;abcd", U"12 ; xy", U"#"});
  ListState state = loadedState(U"Nr;Text", U"1;abcd", 3);
  TestCursor cursor;
  applyDisplayFormatting(editor, state, cursor, 12, true);
  EXPECT_EQ(editor.lines(), (Lines{U"Nr;Text;", U" 1;abcd;", U"12;xy  ;", U"#"}));
  CharFormat body = tableFormat(12);
  CharFormat header = body;
  header.bold = true;
  EXPECT_EQ(editor.formatAt({0, 0}), header);
  EXPECT_EQ(editor.formatAt({0, 7}), header);
  EXPECT_EQ(editor.formatAt({1, 0}), body);
  EXPECT_EQ(editor.formatAt({3, 0}), body);
}

TEST(Layout, CompressCommandKeepsFormatsAndCaret) {
  GradesOnMemoryPorts g;
  MemoryTextEditor& editor = g.editor;
  editor.setLines({U"Nr ;Name  ;", U" 1 ; Anna ;", U"#"});
  CharFormat body = tableFormat(10);
  CharFormat header = body;
  header.bold = true;
  editor.applyFormat({0, 0}, editor.endPos(), body);
  editor.applyFormat({0, 0}, {0, 11}, header);
  editor.setCaret({1, 9});
  TestCursor& cursor = g.cursor;
  compressCommand(g.ctx);
  EXPECT_EQ(editor.lines(), (Lines{U"Nr;Name;", U"1;Anna;", U"#"}));
  EXPECT_EQ(editor.formatAt({0, 2}), header);
  EXPECT_EQ(editor.formatAt({1, 2}), body);
  EXPECT_EQ(editor.caret(), (TextPos{1, 7}));  // held inside the shorter line
  EXPECT_EQ(cursor.shapes, (std::vector<CursorShape>{CursorShape::Busy, CursorShape::Normal}));
}

TEST(Layout, SeparatorAnswers) {
  struct Row {
    Text answer;  // "<cancel>" cancels the dialog
    std::optional<char> chosen;
  } rows[] = {
      {U"tab", '\t'},       {U" TaB ", '\t'},    {U",", ','},
      {U";", ';'},          {U"<cancel>", ';'},  {U"|", std::nullopt},
      {U"0", std::nullopt}, {U"", std::nullopt}, {U"t ab", std::nullopt},
  };
  for (const auto& r : rows) {
    GradesOnMemoryPorts g;
    MemoryTextEditor& editor = g.editor;
    editor.setLines({U"Nr;Ort;", U"1;Graz;", U"#"});
    ListState& state = g.ctx.db.list;
    state = loadedState(U"Nr;Ort;", U"1;Graz;", 2);
    state.displayedHeader = U"Nr;Ort;";
    TestDialogs& dialogs = g.dialogs;
    if (r.answer == U"<cancel>")
      dialogs.cancel();
    else
      dialogs.text(r.answer);
    int formatted = 0;
    if (exchangeSeparator(g.ctx)) ++formatted;
    const char32_t s = r.chosen.value_or(';');
    const Text sep(1, s);
    EXPECT_EQ(editor.lines(), (Lines{U"Nr" + sep + U"Ort" + sep, U"1" + sep + U"Graz" + sep, U"#"}))
        << toUtf8(r.answer);
    EXPECT_EQ(state.listSeparator, s) << toUtf8(r.answer);
    EXPECT_EQ(state.loadedHeader, U"Nr" + sep + U"Ort" + sep);
    EXPECT_EQ(state.displayedHeader, U"Nr" + sep + U"Ort" + sep);
    EXPECT_EQ(formatted, r.chosen ? 1 : 0) << toUtf8(r.answer);
    if (!r.chosen) {
      ASSERT_EQ(dialogs.shown.size(), 2u);
      EXPECT_EQ(dialogs.shown[1], "[message] Falsche Separator-Eingabe !");
    } else {
      EXPECT_TRUE(editor.formatAt({0, 0}).bold);
      EXPECT_FALSE(editor.formatAt({1, 0}).bold);
      EXPECT_EQ(editor.caret(), (TextPos{0, 0}));
    }
  }
}

TEST(Layout, SeparatorPromptShowsTheCurrentSeparator) {
  GradesOnMemoryPorts g;
  MemoryTextEditor& editor = g.editor;
  editor.setLines({U"Nr\tOrt\t", U"1\tGraz\t"});
  ListState& state = g.ctx.db.list;
  state.loadedHeader = U"Nr\tOrt\t";
  state.listSeparator = '\t';
  TestDialogs& dialogs = g.dialogs;
  dialogs.text(U";");
  exchangeSeparator(g.ctx);
  EXPECT_EQ(dialogs.shown,
            (std::vector<std::string>{
                "[input] Ersetzen des Separators |  \\rAktueller Datenfeld-Separator =  \"TAB\"  "
                "\\r \\rSeparatoren: \";\" oder \"TAB\" oder \",\"\\r \\rAbbrechen der Routine mit "
                "\"0\"\\r  | ; -> ;"}));
  EXPECT_EQ(editor.lines(), (Lines{U"Nr;Ort;", U"1;Graz;"}));
}

TEST(Layout, LineCommandsRewriteOnlyOnChange) {
  GradesOnMemoryPorts g;
  MemoryTextEditor& editor = g.editor;
  editor.setLines({U"A;B", U"1;2", U"#"});
  addLastSeparatorCommand(g.ctx);
  EXPECT_EQ(editor.lines(), (Lines{U"A;B;", U"1;2;", U"#"}));
  insertQuotesCommand(g.ctx);
  EXPECT_EQ(editor.lines(), (Lines{U"A;B;", U"\"1\";\"2\";", U"#"}));
  removeQuotesCommand(g.ctx);
  deleteLastSeparatorCommand(g.ctx);
  EXPECT_EQ(editor.lines(), (Lines{U"A;B", U"1;2", U"#"}));

  GradesOnMemoryPorts s;
  MemoryTextEditor& single = s.editor;
  single.setLines({U"A;B"});
  addLastSeparatorCommand(s.ctx);
  EXPECT_EQ(single.lines(), (Lines{U"A;B"}));
  single.undo();  // no undo step of its own
  EXPECT_TRUE(single.isEmpty());
}

const char* const kPrompt =
    "[input] Suchen im Text | Suchtext eingeben und weitersuchen mit <F3>.\\r\"TAB\" entspricht "
    "dabei dem Tabulatorzeichen.\\r  |  -> ";

TEST(Search, TabFindsTheFirstTabAfterTheCaret) {
  GradesOnMemoryPorts g;
  MemoryTextEditor& editor = g.editor;
  editor.setLines({U"a\tb\tc", U"d\te"});
  editor.setCaret({0, 2});
  SearchState& state = g.ctx.search;
  TestDialogs& dialogs = g.dialogs;
  dialogs.text(U" tAb ");
  EXPECT_TRUE(searchCommand(g.ctx));
  EXPECT_EQ(state.text, U"\t");
  EXPECT_EQ(editor.markStart(), (TextPos{0, 3}));
  EXPECT_EQ(editor.markedText(), U"\t");
  EXPECT_EQ(dialogs.shown, (std::vector<std::string>{std::string(kPrompt) + " tAb "}));
  EXPECT_TRUE(searchAgain(g.ctx));
  EXPECT_EQ(editor.markStart(), (TextPos{1, 1}));
}

TEST(Search, SearchAgainWalksTheMatchesAndStopsAtTheLast) {
  GradesOnMemoryPorts g;
  MemoryTextEditor& editor = g.editor;
  editor.setLines({U"Huber;Mayer;", U"mayer;", U"MAYER;x"});
  SearchState& state = g.ctx.search;
  TestDialogs& dialogs = g.dialogs;
  dialogs.text(U"mayer");
  ASSERT_TRUE(searchCommand(g.ctx));
  std::vector<TextPos> found = {editor.markStart()};
  while (searchAgain(g.ctx)) found.push_back(editor.markStart());
  EXPECT_EQ(found, (std::vector<TextPos>{{0, 6}, {1, 0}, {2, 0}}));
  // After the last match the mark stays where it was and the text is kept.
  EXPECT_EQ(editor.markStart(), (TextPos{2, 0}));
  EXPECT_EQ(editor.markedText(), U"MAYER");
  EXPECT_EQ(state.text, U"mayer");
}

TEST(Search, NothingFoundForgetsTheText) {
  GradesOnMemoryPorts g;
  MemoryTextEditor& editor = g.editor;
  editor.setLines({U"abc"});
  editor.setCaret({0, 1});
  SearchState& state = g.ctx.search;
  state.text = U"old";
  TestDialogs& dialogs = g.dialogs;
  dialogs.text(U"abc").cancel();
  EXPECT_FALSE(searchCommand(g.ctx));  // only from the caret on
  EXPECT_EQ(state.text, U"");
  EXPECT_FALSE(searchAgain(g.ctx));
  EXPECT_EQ(editor.caret(), (TextPos{0, 1}));
  EXPECT_FALSE(searchCommand(g.ctx));  // cancelled: the empty default
  EXPECT_EQ(dialogs.shown.back(), std::string(kPrompt) + "cancel");
}

TEST(GradesMode, SwitchOffAndOnAgain) {
  GradesOnMemoryPorts g;
  MemoryTextEditor& editor = g.editor;
  editor.setLines({U"NAMEN;M1;M2;M3;", U"Abc;1;a;2;", U"#"});
  ListState& state = g.ctx.db.list;
  state.table.schoolMarks = true;
  TestDialogs& dialogs = g.dialogs;
  dialogs.yes().yes();
  switchGradesMode(g.ctx);
  EXPECT_EQ(editor.lines(), (Lines{U"NAMEN;M1;M2;M3;", U"Abc;1;0;2;", U"#"}));
  EXPECT_FALSE(state.table.schoolMarks);
  switchGradesMode(g.ctx);
  EXPECT_EQ(editor.lines(), (Lines{U"NAMEN;M1;M2;M3;", U"Abc;1;a;2;", U"#"}));
  EXPECT_TRUE(state.table.schoolMarks);
  EXPECT_EQ(dialogs.shown, (std::vector<std::string>{
                               "[confirm] Schulnoten EIN. Einstellung ändern ? -> yes",
                               "[message] Schulnoten AUS. 1 Ersetzungen (a zu 0).",
                               "[confirm] Schulnoten AUS. Einstellung ändern ? -> yes",
                               "[message] Schulnoten EIN. 1 Ersetzungen (0 zu a).",
                           }));
  EXPECT_TRUE(editor.formatAt({0, 0}).bold);
  EXPECT_FALSE(editor.formatAt({1, 0}).bold);
}

TEST(GradesMode, NothingToConvertKeepsTheMode) {
  struct Row {
    bool on;
    std::string report;
  } rows[] = {
      {true, "[message] Schulnoten EIN. 0 Ersetzungen (a zu 0)."},
      {false, "[message] Schulnoten AUS. 0 Ersetzungen (0 zu a)."},
  };
  for (const auto& r : rows) {
    GradesOnMemoryPorts g;
    MemoryTextEditor& editor = g.editor;
    editor.setLines({U"NAMEN;M1;", U"Anna;1;", U"#"});
    ListState& state = g.ctx.db.list;
    state.table.schoolMarks = r.on;
    TestDialogs& dialogs = g.dialogs;
    dialogs.yes();
    switchGradesMode(g.ctx);
    EXPECT_EQ(state.table.schoolMarks, r.on);
    EXPECT_EQ(editor.lines(), (Lines{U"NAMEN;M1;", U"Anna;1;", U"#"}));
    EXPECT_EQ(dialogs.shown.back(), r.report);
    EXPECT_TRUE(editor.formatAt({0, 0}).bold);
  }
}

TEST(GradesMode, AnsweringNoChangesNothing) {
  GradesOnMemoryPorts g;
  MemoryTextEditor& editor = g.editor;
  editor.setLines({U"Abc;1;a;2;"});
  ListState& state = g.ctx.db.list;
  state.table.schoolMarks = true;
  TestDialogs& dialogs = g.dialogs;
  dialogs.no();
  switchGradesMode(g.ctx);
  EXPECT_EQ(editor.lines(), (Lines{U"Abc;1;a;2;"}));
  EXPECT_TRUE(state.table.schoolMarks);
  EXPECT_EQ(dialogs.shown.size(), 1u);
}

class SortCommand : public ::testing::Test, protected GradesOnMemoryPorts {
 protected:
  void SetUp() override {
    editor.setLines(table);
    headerChoice = false;
  }
  std::optional<Lines> sortCommand(int currentField) {
    ctx.currentField = currentField;
    return korvale::sortCommand(ctx);
  }

  Lines table = {U"Nr;Name;", U"2;Bert;", U"1;Anna;", U"3;Carl;", U"#"};
  bool& headerChoice = ctx.stats.headerAndMargin;
};

TEST_F(SortCommand, SortsByTheChosenColumnAndKeepsTheEndMarker) {
  dialogs.yes().useDefault();
  const auto result = sortCommand(2);
  ASSERT_TRUE(result);
  EXPECT_EQ(*result, (Lines{U"Nr;Name;", U"1;Anna;", U"2;Bert;", U"3;Carl;"}));
  EXPECT_EQ(editor.lines(), (Lines{U"Nr;Name;", U"1;Anna;", U"2;Bert;", U"3;Carl;", U"#"}));
  EXPECT_EQ(editor.caret(), (TextPos{0, 0}));
  EXPECT_EQ(dialogs.shown,
            (std::vector<std::string>{
                "[question] Frage | Sortierung OHNE Kopfzeile ?    -> yes",
                "[input] Sortierung nach einer Spalte | Spalten-Nummer von 1 bis 2  (0 = Abbruch) "
                "| 2 -> 2"}));
  EXPECT_TRUE(headerChoice);
  EXPECT_EQ(cursor.shapes, (std::vector<CursorShape>{CursorShape::Busy, CursorShape::Normal}));
}

TEST_F(SortCommand, CancelTakesTheDefaultColumn) {
  dialogs.no().cancel();
  const auto result = sortCommand(1);
  ASSERT_TRUE(result);
  EXPECT_EQ(*result, (Lines{U"1;Anna;", U"2;Bert;", U"3;Carl;", U"Nr;Name;"}));
}

TEST_F(SortCommand, InvalidColumnsEndSilently) {
  for (const Text answer : {U"0", U"3", U"-1", U"x", U"", U" 1 ", U"1.0"}) {
    dialogs.shown.clear();
    TestDialogs& answers = dialogs;
    answers.yes().text(answer);
    headerChoice = true;
    EXPECT_FALSE(sortCommand(1)) << toUtf8(answer);
    EXPECT_EQ(answers.shown.size(), 2u) << toUtf8(answer);
    EXPECT_FALSE(headerChoice) << toUtf8(answer);  // the answer Yes stays stored
  }
  EXPECT_EQ(editor.lines(), table);
  EXPECT_TRUE(cursor.shapes.empty());
}

TEST_F(SortCommand, EmptyEditorAsksNothing) {
  GradesOnMemoryPorts empty;
  EXPECT_FALSE(korvale::sortCommand(empty.ctx));
}

class SelectionCommand : public ::testing::Test, protected GradesOnMemoryPorts {
 protected:
  void SetUp() override {
    table = displayedTable(list);
    show(table);
  }
  // What the window does with a new database: reload and display it, closed by the marker.
  void show(const Lines& lines) {
    Lines shown = lines;
    formatDisplayLines(shown, list, true);
    if (!isEndMarker(shown.back())) shown.push_back(U"#");
    editor.setLines(shown);
  }
  std::optional<Lines> select(const Text& field, const Text& op, const Text& term) {
    auto result = runSelection(ctx, {field, op, term});
    if (result) show(*result);
    return result;
  }

  ListState& list = ctx.db.list;
  Lines table;
  SelectionState& state = ctx.selection.state;
};

TEST_F(SelectionCommand, ReplacesTheTableAndKeepsTheOneBefore) {
  const auto result = runSelection(ctx, {U"2", U"-", U"b"});
  ASSERT_TRUE(result);
  EXPECT_EQ(numbersOf(*result), (std::vector<int>{2, 4}));
  EXPECT_EQ(editor.lines(), *result);
  EXPECT_TRUE(editor.formatAt({0, 0}).bold);
  EXPECT_EQ(state.backup, Lines(table.begin(), table.end() - 1));
  EXPECT_TRUE(state.selectionMade);
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(cursor.shapes, (std::vector<CursorShape>{CursorShape::Busy, CursorShape::Normal}));
}

TEST_F(SelectionCommand, AFailedSelectionLeavesTableAndBackup) {
  ASSERT_TRUE(select(U"2", U"-", U"b"));
  const Lines afterFirst = editor.lines();
  EXPECT_FALSE(select(U"2", U"=", U"wien"));
  EXPECT_FALSE(select(U"99", U"=", U"x"));
  EXPECT_EQ(editor.lines(), afterFirst);
  EXPECT_EQ(dialogs.shown,
            (std::vector<std::string>{"[message] KEINE gesuchten Datensätze gefunden !",
                                      "[message] Abbruch: Falsche Spaltennummer !"}));
  // Restore still brings back the table before the successful selection.
  dialogs.yes();
  const auto restored = restoreSelection(ctx);
  ASSERT_TRUE(restored);
  EXPECT_EQ(numbersOf(*restored), (std::vector<int>{1, 2, 3, 4, 5}));
}

TEST_F(SelectionCommand, TwoSelectionsThenRestoreTwice) {
  ASSERT_TRUE(select(U"2", U"-", U"b"));
  Lines afterFirst = editor.lines();
  afterFirst.pop_back();  // the end marker
  const auto second = select(U"2", U"=", U"bonn");
  ASSERT_TRUE(second);
  EXPECT_EQ(numbersOf(*second), (std::vector<int>{4}));

  dialogs.yes();
  const auto restored = restoreSelection(ctx);
  ASSERT_TRUE(restored);
  EXPECT_EQ(*restored, afterFirst);
  EXPECT_FALSE(state.selectionMade);
  EXPECT_FALSE(restoreSelection(ctx));
  EXPECT_EQ(dialogs.shown, (std::vector<std::string>{
                               "[confirm] Datenselektion rückgängig machen ? -> yes",
                               "[message] Abbruch: <Restore> ist nur nach <Select> möglich !"}));
}

TEST_F(SelectionCommand, RestoreAnsweredNoKeepsTheSelection) {
  ASSERT_TRUE(select(U"3", U">", U"100"));
  dialogs.no();
  EXPECT_FALSE(restoreSelection(ctx));
  EXPECT_TRUE(state.selectionMade);
}

TEST_F(SelectionCommand, CaretGoesToTheFieldName) {
  ASSERT_TRUE(select(U"2", U"!", U"x"));
  // Line 3 is the second record; field 3 starts after its second separator.
  const int column = nthSeparatorPosition(editor.line(2), ';', 2);
  ASSERT_GT(column, 0);
  EXPECT_TRUE(caretToField(editor, 3, ';'));
  EXPECT_EQ(editor.markStart(), (TextPos{0, column}));
  EXPECT_EQ(editor.markedText().size(), 1u);
  EXPECT_EQ(editor.markedText(), U"G");  // "Gewicht", aligned over its column
  EXPECT_TRUE(caretToField(editor, 1, ';'));
  EXPECT_EQ(editor.markStart(), (TextPos{0, 0}));

  MemoryTextEditor small;
  small.setLines({U"A;B;", U"1;2;"});
  EXPECT_FALSE(caretToField(small, 2, ';'));
}

}  // namespace
}  // namespace korvale
