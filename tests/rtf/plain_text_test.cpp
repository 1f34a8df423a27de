#include "base/plain_text.h"

#include <gtest/gtest.h>

#include <random>

namespace korvale {
namespace {

TEST(PlainTextTest, ReadsEveryKindOfLineEnd) {
  struct Case {
    const char* name;
    std::string bytes;
    Text text;
  };
  const Case cases[] = {
      {"empty file", "", U""},
      {"CR LF", "a\r\nb\r\n", U"a\nb"},
      {"LF", "a\nb\n", U"a\nb"},
      {"CR", "a\rb\r", U"a\nb"},
      {"mixed", "a\r\nb\nc\rd", U"a\nb\nc\nd"},
      {"an empty last line survives", "a\r\n\r\n", U"a\n"},
      {"CR CR is two line ends", "a\r\rb", U"a\n\nb"},
      {"LF CR is two line ends", "a\n\rb", U"a\n\nb"},
      {"only a line end", "\r\n", U""},
      {"bytes stay cp1252",
       "Gr\xF6\xDF"
       "e \xB6\t\x80",
       U"Größe ¶\t€"},
      {"UTF-8 with a byte-order mark",
       "\xEF\xBB\xBFGr\xC3\xB6\xC3\x9F"
       "e \xE2\x82\xAC \xE4\xB8\xAD",
       U"Größe € 中"},
  };
  for (const auto& c : cases) EXPECT_EQ(readPlainText(c.bytes), c.text) << c.name;
}

TEST(PlainTextTest, WritesCrLfAfterEveryLine) {
  EXPECT_EQ(writePlainText(U""), "");
  EXPECT_EQ(writePlainText(U"a"), "a\r\n");
  EXPECT_EQ(writePlainText(U"Name;Note;\nMeier;2;"), "Name;Note;\r\nMeier;2;\r\n");
  EXPECT_EQ(writePlainText(U"a\n"), "a\r\n\r\n");
  EXPECT_EQ(writePlainText(U"\xB6"), "\xB6\r\n");
}

TEST(PlainTextTest, TextsWithoutCarriageReturnsSurviveWriteAndRead) {
  std::mt19937 random(1252);
  const Text alphabet = U"ab;\t \n\n\xE4\xB6";
  for (int i = 0; i < 1000; ++i) {
    Text text;
    const int length = static_cast<int>(random() % 30);
    for (int k = 0; k < length; ++k) text.push_back(alphabet[random() % alphabet.size()]);
    ASSERT_EQ(readPlainText(writePlainText(text)), text) << i;
  }
}

}  // namespace
}  // namespace korvale
