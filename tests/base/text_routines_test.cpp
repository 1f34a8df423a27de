#include "base/text_routines.h"

#include <gtest/gtest.h>

namespace korvale {
namespace {

using Fields = std::vector<Text>;

TEST(TextRoutines, Padding) {
  EXPECT_EQ(padRight(U"ab", 4), U"ab  ");
  EXPECT_EQ(padRight(U"abcdef", 3), U"abc");
  EXPECT_EQ(padRight(U"ab", 0), U"");
  EXPECT_EQ(padLeft(U"ab", 4), U"  ab");
  EXPECT_EQ(padLeft(U"abcdef", 3), U"abc");  // cut keeps the first characters
  EXPECT_EQ(padLeft(U"", 2), U"  ");
  EXPECT_EQ(removeBlanks(U" a b  c "), U"abc");
  EXPECT_EQ(repeatChar(3, '-'), U"---");
  EXPECT_EQ(repeatChar(0, '-'), U"");
  EXPECT_EQ(repeatChar(-2, '-'), U"");
  EXPECT_EQ(trim(U"\t a b \r\n"), U"a b");
  EXPECT_EQ(trim(Text(U"\0x\x1f", 3)), U"x");
}

TEST(TextRoutines, CountAndReplace) {
  struct Case {
    Text text, pattern, replacement;
    CaseMode mode;
    Text expected;
    int count;
  } cases[] = {
      {U"aaaa", U"aa", U"b", CaseMode::Exact, U"bb", 2},
      {U"aaa", U"aa", U"x", CaseMode::Exact, U"xa", 1},
      {U"abcABC", U"abc", U"-", CaseMode::IgnoreAscii, U"--", 2},
      {U"abcABC", U"abc", U"-", CaseMode::Exact, U"-ABC", 1},
      {U";0;", U"0", U"00", CaseMode::Exact, U";00;", 1},  // the replacement makes no new match
      {U"ab", U"b", U"bb", CaseMode::Exact, U"abb", 1},
      {U"", U"a", U"b", CaseMode::Exact, U"", 0},
      {U"abc", U"", U"b", CaseMode::Exact, U"abc", 0},
      {U"abc", U"b", U"", CaseMode::Exact, U"abc", 0},
      {U"\xE4\xC4", U"\xE4", U"x", CaseMode::IgnoreAscii, U"x\xC4", 1},  // umlauts keep their case
  };
  for (const auto& c : cases) {
    const auto r = replaceAll(c.text, c.pattern, c.replacement, c.mode);
    EXPECT_EQ(r.text, c.expected) << toUtf8(c.text) << " / " << toUtf8(c.pattern);
    EXPECT_EQ(r.count, c.count) << toUtf8(c.text) << " / " << toUtf8(c.pattern);
  }
  EXPECT_EQ(countOccurrences(U"aaaa", U"aa", CaseMode::Exact), 2);
  EXPECT_EQ(countOccurrences(U"aAaA", U"aa", CaseMode::IgnoreAscii), 2);
  EXPECT_EQ(countOccurrences(U"aAaA", U"aa", CaseMode::Exact), 0);
}

TEST(TextRoutines, Positions) {
  EXPECT_EQ(nthSeparatorPosition(U"a;b;c", ';', 1), 2);
  EXPECT_EQ(nthSeparatorPosition(U"a;b;c", ';', 2), 4);
  EXPECT_EQ(nthSeparatorPosition(U"a;b;c", ';', 3), 0);
  EXPECT_EQ(nthSeparatorPosition(U"a;b;c", ';', 0), 0);
  EXPECT_EQ(lastPosition(U"a;b;c", ';'), 4);
  EXPECT_EQ(lastPosition(U"abc", ';'), 0);
}

TEST(TextRoutines, SeparatorDetection) {
  EXPECT_EQ(detectSeparator(U"a,b;c"), ';');
  EXPECT_EQ(detectSeparator(U"a,b"), ',');
  EXPECT_EQ(detectSeparator(U"a\tb"), '\t');
  EXPECT_EQ(detectSeparator(U"ab"), '\t');
  EXPECT_EQ(detectSeparator(U""), '\t');
}

TEST(TextRoutines, Splits) {
  struct Case {
    Text line;
    Fields trimmed, plain;
  } cases[] = {
      {U"a;b;c;", {U"a", U"b", U"c"}, {U"a", U"b", U"c"}},
      {U"a;b;c", {U"a", U"b", U"c"}, {U"a", U"b", U"c"}},
      {U"a;;b;", {U"a", U"", U"b"}, {U"a", U"", U"b"}},
      {U"", {}, {}},
      {U"a; b ; c ", {U"a", U"b", U" c "}, {U"a", U" b ", U" c "}},
      {U"  ;x", {U"", U"x"}, {U"  ", U"x"}},
      {U";", {U""}, {U""}},
      {U"x", {U"x"}, {U"x"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(trimmedSplit(c.line, ';'), c.trimmed) << toUtf8(c.line);
    EXPECT_EQ(plainSplit(c.line, ';'), c.plain) << toUtf8(c.line);
  }
}

TEST(TextRoutines, SplitNeverDropsFields) {
  Text line;
  for (int i = 1; i <= 120; ++i) line += fromUtf8(std::to_string(i)) + U";";
  const auto fields = trimmedSplit(line, ';');
  ASSERT_EQ(fields.size(), 120u);
  EXPECT_EQ(fields[119], U"120");
}

TEST(TextRoutines, Lines) {
  EXPECT_EQ(splitLines(U"a\r\nb\nc\rd"), (Fields{U"a", U"b", U"c", U"d"}));
  EXPECT_EQ(splitLines(U"a\r\n"), (Fields{U"a"}));
  EXPECT_EQ(splitLines(U"a\r\n\r\n"), (Fields{U"a", U""}));
  EXPECT_EQ(splitLines(U""), Fields{});
  EXPECT_EQ(joinLines({U"a", U"b"}, U"\r\n"), U"a\r\nb");
}

}  // namespace
}  // namespace korvale
