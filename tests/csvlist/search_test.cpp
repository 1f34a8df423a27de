#include "csvlist/search.h"

#include <gtest/gtest.h>

#include "support/memory_text_editor.h"
#include "support/test_ports.h"

namespace korvale {
namespace {

using Lines = std::vector<Text>;

TEST(Search, FindIgnoringCase) {
  const Lines lines = {U"Abc\tdef", U"Über uns", U"xyz abc", U"Straße"};
  struct Row {
    Text pattern;
    TextPos from;
    std::optional<TextPos> expected;
  } rows[] = {
      {U"ABC", {0, 0}, TextPos{0, 0}},      {U"abc", {0, 1}, TextPos{2, 4}},
      {U"über", {0, 0}, TextPos{1, 0}},  // umlauts lose their case too
      {U"STRASSE", {0, 0}, std::nullopt},   {U"straße", {0, 0}, TextPos{3, 0}},
      {U"\t", {0, 0}, TextPos{0, 3}},       {U"c\td", {0, 0}, TextPos{0, 2}},
      {U"abc", {2, 5}, std::nullopt},       {U"abc", {2, 99}, std::nullopt},
      {U"abc", {9, 0}, std::nullopt},       {U"", {0, 0}, std::nullopt},
      {U"def\nÜber", {0, 0}, std::nullopt},  // a match lies within a line
  };
  for (const auto& r : rows)
    EXPECT_EQ(findIgnoringCase(lines, r.pattern, r.from), r.expected) << toUtf8(r.pattern);
}

TEST(Search, Advance) {
  const Lines lines = {U"abc", U"", U"defg"};
  EXPECT_EQ(advance(lines, {0, 1}, 2), (TextPos{0, 3}));
  EXPECT_EQ(advance(lines, {0, 2}, 2), (TextPos{1, 0}));  // the line break counts one
  EXPECT_EQ(advance(lines, {0, 3}, 3), (TextPos{2, 1}));
  EXPECT_EQ(advance(lines, {2, 3}, 5), (TextPos{3, 3}));  // past the end finds nothing later
}

const char* const kPrompt =
    "[input] Suchen im Text | Suchtext eingeben und weitersuchen mit <F3>.\\r\"TAB\" entspricht "
    "dabei dem Tabulatorzeichen.\\r  |  -> ";

TEST(Search, TabFindsTheFirstTabAfterTheCaret) {
  MemoryTextEditor editor;
  editor.setLines({U"a\tb\tc", U"d\te"});
  editor.setCaret({0, 2});
  SearchState state;
  TestDialogs dialogs;
  dialogs.text(U" tAb ");
  EXPECT_TRUE(searchCommand(editor, state, dialogs));
  EXPECT_EQ(state.text, U"\t");
  EXPECT_EQ(editor.markStart(), (TextPos{0, 3}));
  EXPECT_EQ(editor.markedText(), U"\t");
  EXPECT_EQ(dialogs.shown, (std::vector<std::string>{std::string(kPrompt) + " tAb "}));
  EXPECT_TRUE(searchAgain(editor, state));
  EXPECT_EQ(editor.markStart(), (TextPos{1, 1}));
}

TEST(Search, SearchAgainWalksTheMatchesAndStopsAtTheLast) {
  MemoryTextEditor editor;
  editor.setLines({U"Huber;Mayer;", U"mayer;", U"MAYER;x"});
  SearchState state;
  TestDialogs dialogs;
  dialogs.text(U"mayer");
  ASSERT_TRUE(searchCommand(editor, state, dialogs));
  std::vector<TextPos> found = {editor.markStart()};
  while (searchAgain(editor, state)) found.push_back(editor.markStart());
  EXPECT_EQ(found, (std::vector<TextPos>{{0, 6}, {1, 0}, {2, 0}}));
  // After the last match the mark stays where it was and the text is kept.
  EXPECT_EQ(editor.markStart(), (TextPos{2, 0}));
  EXPECT_EQ(editor.markedText(), U"MAYER");
  EXPECT_EQ(state.text, U"mayer");
}

TEST(Search, NothingFoundForgetsTheText) {
  MemoryTextEditor editor;
  editor.setLines({U"abc"});
  editor.setCaret({0, 1});
  SearchState state;
  state.text = U"old";
  TestDialogs dialogs;
  dialogs.text(U"abc").cancel();
  EXPECT_FALSE(searchCommand(editor, state, dialogs));  // only from the caret on
  EXPECT_EQ(state.text, U"");
  EXPECT_FALSE(searchAgain(editor, state));
  EXPECT_EQ(editor.caret(), (TextPos{0, 1}));
  EXPECT_FALSE(searchCommand(editor, state, dialogs));  // cancelled: the empty default
  EXPECT_EQ(dialogs.shown.back(), std::string(kPrompt) + "cancel");
}

}  // namespace
}  // namespace korvale
