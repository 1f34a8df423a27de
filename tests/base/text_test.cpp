#include "base/text.h"

#include <gtest/gtest.h>

#include "base/encoding.h"

namespace korvale {
namespace {

TEST(Cp1252, LiteralsBecomeSingleBytes) {
  EXPECT_EQ(encodeCp1252(U"Größe"),
            "Gr\xF6\xDF"
            "e");
  EXPECT_EQ(encodeCp1252(U"€"), "\x80");
  EXPECT_EQ(encodeCp1252(U"¶"), "\xB6");
  EXPECT_EQ(encodeCp1252(U"LÜK;LÜM;"), "L\xDCK;L\xDCM;");
  EXPECT_EQ(encodeCp1252(U""), "");
}

TEST(Cp1252, RoundTripsEveryByteThroughUtf8) {
  std::string all;
  for (int c = 1; c < 256; ++c) all.push_back(static_cast<char>(c));
  EXPECT_EQ(encodeCp1252(fromUtf8(toUtf8(decodeCp1252(all)))), all);
}

TEST(Cp1252, Utf8Conversion) {
  // A character the code page lacks is never replaced: the text cannot be written as cp1252.
  struct Case {
    std::string utf8;
    std::optional<std::string> cp;
  } cases[] = {
      {"\xE2\x82\xAC", "\x80"},            // euro sign
      {"\xC3\xA4", "\xE4"},                // a umlaut
      {"\xE2\x80\x9E", "\x84"},            // low double quote
      {"\xE4\xB8\xAD", std::nullopt},      // a character the code page lacks
      {"\xF0\x9F\x98\x80", std::nullopt},  // four-byte sequence
      {"\xE4", "\xE4"},                    // already cp1252: passes through
  };
  for (const auto& c : cases) EXPECT_EQ(encodeCp1252(fromUtf8(c.utf8)), c.cp) << c.utf8;
  EXPECT_EQ(toUtf8(decodeCp1252("\x80\xB6")), "\xE2\x82\xAC\xC2\xB6");
}

}  // namespace
}  // namespace korvale
