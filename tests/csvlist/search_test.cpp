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

}  // namespace
}  // namespace korvale
