#include "base/text_routines.h"

#include <gtest/gtest.h>

namespace korvale {
namespace {

using Fields = std::vector<Text>;

TEST(TextRoutines, Padding) {
  EXPECT_EQ(padRight("ab", 4), "ab  ");
  EXPECT_EQ(padRight("abcdef", 3), "abc");
  EXPECT_EQ(padRight("ab", 0), "");
  EXPECT_EQ(padLeft("ab", 4), "  ab");
  EXPECT_EQ(padLeft("abcdef", 3), "abc");  // cut keeps the first characters
  EXPECT_EQ(padLeft("", 2), "  ");
  EXPECT_EQ(removeBlanks(" a b  c "), "abc");
  EXPECT_EQ(repeatChar(3, '-'), "---");
  EXPECT_EQ(repeatChar(0, '-'), "");
  EXPECT_EQ(repeatChar(-2, '-'), "");
  EXPECT_EQ(trim("\t a b \r\n"), "a b");
  EXPECT_EQ(trim(Text("\0x\x1f", 3)), "x");
}

TEST(TextRoutines, CountAndReplace) {
  struct Case {
    Text text, pattern, replacement;
    CaseMode mode;
    Text expected;
    int count;
  } cases[] = {
      {"aaaa", "aa", "b", CaseMode::Exact, "bb", 2},
      {"aaa", "aa", "x", CaseMode::Exact, "xa", 1},
      {"abcABC", "abc", "-", CaseMode::IgnoreAscii, "--", 2},
      {"abcABC", "abc", "-", CaseMode::Exact, "-ABC", 1},
      {";0;", "0", "00", CaseMode::Exact, ";00;", 1},  // the replacement makes no new match
      {"ab", "b", "bb", CaseMode::Exact, "abb", 1},
      {"", "a", "b", CaseMode::Exact, "", 0},
      {"abc", "", "b", CaseMode::Exact, "abc", 0},
      {"abc", "b", "", CaseMode::Exact, "abc", 0},
      {"\xE4\xC4", "\xE4", "x", CaseMode::IgnoreAscii, "x\xC4", 1},  // umlauts keep their case
  };
  for (const auto& c : cases) {
    const auto r = replaceAll(c.text, c.pattern, c.replacement, c.mode);
    EXPECT_EQ(r.text, c.expected) << c.text << " / " << c.pattern;
    EXPECT_EQ(r.count, c.count) << c.text << " / " << c.pattern;
  }
  EXPECT_EQ(countOccurrences("aaaa", "aa", CaseMode::Exact), 2);
  EXPECT_EQ(countOccurrences("aAaA", "aa", CaseMode::IgnoreAscii), 2);
  EXPECT_EQ(countOccurrences("aAaA", "aa", CaseMode::Exact), 0);
}

TEST(TextRoutines, Positions) {
  EXPECT_EQ(nthSeparatorPosition("a;b;c", ';', 1), 2);
  EXPECT_EQ(nthSeparatorPosition("a;b;c", ';', 2), 4);
  EXPECT_EQ(nthSeparatorPosition("a;b;c", ';', 3), 0);
  EXPECT_EQ(nthSeparatorPosition("a;b;c", ';', 0), 0);
  EXPECT_EQ(lastPosition("a;b;c", ';'), 4);
  EXPECT_EQ(lastPosition("abc", ';'), 0);
}

TEST(TextRoutines, SeparatorDetection) {
  EXPECT_EQ(detectSeparator("a,b;c"), ';');
  EXPECT_EQ(detectSeparator("a,b"), ',');
  EXPECT_EQ(detectSeparator("a\tb"), '\t');
  EXPECT_EQ(detectSeparator("ab"), '\t');
  EXPECT_EQ(detectSeparator(""), '\t');
}

TEST(TextRoutines, Splits) {
  struct Case {
    Text line;
    Fields trimmed, plain;
  } cases[] = {
      {"a;b;c;", {"a", "b", "c"}, {"a", "b", "c"}},
      {"a;b;c", {"a", "b", "c"}, {"a", "b", "c"}},
      {"a;;b;", {"a", "", "b"}, {"a", "", "b"}},
      {"", {}, {}},
      {"a; b ; c ", {"a", "b", " c "}, {"a", " b ", " c "}},
      {"  ;x", {"", "x"}, {"  ", "x"}},
      {";", {""}, {""}},
      {"x", {"x"}, {"x"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(trimmedSplit(c.line, ';'), c.trimmed) << c.line;
    EXPECT_EQ(plainSplit(c.line, ';'), c.plain) << c.line;
  }
}

TEST(TextRoutines, SplitNeverDropsFields) {
  Text line;
  for (int i = 1; i <= 120; ++i) line += std::to_string(i) + ";";
  const auto fields = trimmedSplit(line, ';');
  ASSERT_EQ(fields.size(), 120u);
  EXPECT_EQ(fields[119], "120");
}

TEST(TextRoutines, Lines) {
  EXPECT_EQ(splitLines("a\r\nb\nc\rd"), (Fields{"a", "b", "c", "d"}));
  EXPECT_EQ(splitLines("a\r\n"), (Fields{"a"}));
  EXPECT_EQ(splitLines("a\r\n\r\n"), (Fields{"a", ""}));
  EXPECT_EQ(splitLines(""), Fields{});
  EXPECT_EQ(joinLines({"a", "b"}, "\r\n"), "a\r\nb");
}

}  // namespace
}  // namespace korvale
