#include "base/text.h"

#include <gtest/gtest.h>

namespace korvale {
namespace {

TEST(Cp1252, LiteralsBecomeSingleBytes) {
  EXPECT_EQ("Größe"_cp,
            "Gr\xF6\xDF"
            "e");
  EXPECT_EQ("€"_cp, "\x80");
  EXPECT_EQ("¶"_cp, "\xB6");
  EXPECT_EQ("LÜK;LÜM;"_cp, "L\xDCK;L\xDCM;");
  EXPECT_EQ(""_cp, "");
}

TEST(Cp1252, RoundTripsEveryByteThroughUtf8) {
  Text all;
  for (int c = 1; c < 256; ++c) all.push_back(static_cast<char>(c));
  EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
}

TEST(Cp1252, Utf8Conversion) {
  struct Case {
    std::string utf8;
    Text cp;
  } cases[] = {
      {"\xE2\x82\xAC", "\x80"},   // euro sign
      {"\xC3\xA4", "\xE4"},       // a umlaut
      {"\xE2\x80\x9E", "\x84"},   // low double quote
      {"\xE4\xB8\xAD", "?"},      // a character the code page lacks
      {"\xF0\x9F\x98\x80", "?"},  // four-byte sequence
      {"\xE4", "\xE4"},           // already cp1252: passes through
  };
  for (const auto& c : cases) EXPECT_EQ(utf8ToCp1252(c.utf8), c.cp) << c.utf8;
  EXPECT_EQ(cp1252ToUtf8("\x80\xB6"), "\xE2\x82\xAC\xC2\xB6");
}

}  // namespace
}  // namespace korvale
