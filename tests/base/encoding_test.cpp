#include "base/encoding.h"

#include <gtest/gtest.h>

#include "base/numbers.h"
#include "base/plain_text.h"
#include "base/text_routines.h"

namespace korvale {
namespace {

using E = Encoding;

struct FileCase {
  const char* what;
  std::string bytes;
  Encoding encoding;
  Text text;
  bool writtenBack = true;  // encode(decode(bytes)) gives the bytes again
};

TEST(Encoding, DetectedDecodedAndWrittenBack) {
  const Text loneHigh(1, char32_t{0xD800});
  const FileCase cases[] = {
      {"empty", "", E::Cp1252, U""},
      {"ASCII only", "Name;Ort", E::Cp1252, U"Name;Ort"},
      {"cp1252 umlaut", "M\xFCller \x80", E::Cp1252, U"Müller €"},
      {"undefined cp1252 bytes", "\x81\x8D\x8F\x90\x9D", E::Cp1252, U"\x81\x8D\x8F\x90\x9D"},
      {"UTF-8",
       "Ay\xC5\x9F"
       "e Y\xC4\xB1lmaz",
       E::Utf8, U"Ayşe Yılmaz"},
      {"UTF-8 beyond U+FFFF", "\xF0\x9F\x98\x80", E::Utf8, U"\U0001F600"},
      {"UTF-8 with BOM", "\xEF\xBB\xBF\xC5\x81ukasz", E::Utf8Bom, U"Łukasz"},
      {"BOM with a malformed byte",
       "\xEF\xBB\xBF"
       "a\xFC"
       "b",
       E::Utf8Bom, U"aüb", false},
      {"truncated UTF-8 BOM", "\xEF\xBB", E::Cp1252, U"ï»"},
      {"truncated UTF-16 BOM", "\xFF", E::Cp1252, U"ÿ"},
      {"overlong slash", "\xC0\xAF", E::Cp1252, U"À¯"},
      {"overlong NUL", "\xE0\x80\x80", E::Cp1252, U"à€€"},
      {"encoded surrogate", "\xED\xA0\x80", E::Cp1252, U"í\u00A0€"},
      {"beyond U+10FFFF", "\xF4\x90\x80\x80", E::Cp1252, U"ô\x90€€"},
      {"cut-off sequence", "a\xE2\x82", E::Cp1252, U"aâ\u201A"},
      {"UTF-16LE",
       std::string("\xFF\xFE"
                   "A\0\x5F\x01",
                   6),
       E::Utf16Le, U"Aş"},
      {"UTF-16BE pair", std::string("\xFE\xFF\xD8\x3D\xDE\x00", 6), E::Utf16Be, U"\U0001F600"},
      {"UTF-16 lone surrogate", std::string("\xFF\xFE\x00\xD8", 4), E::Utf16Le, loneHigh},
      {"UTF-16 odd byte",
       std::string("\xFF\xFE"
                   "A\0B",
                   5),
       E::Utf16Le, U"A\uFFFD", false},
  };
  for (const FileCase& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_EQ(detectEncoding(c.bytes), c.encoding);
    EXPECT_EQ(decode(c.bytes, c.encoding), c.text);
    Encoding written = c.encoding;
    if (c.writtenBack) {
      EXPECT_EQ(encode(c.text, written), c.bytes);
    }
    EXPECT_EQ(written, c.encoding);
  }
}

TEST(Encoding, Cp1252GivesWayToUtf8RatherThanLoseOrMisreadAText) {
  struct Case {
    Text text;
    std::string bytes;
    Encoding encoding;
  } cases[] = {
      {U"Müller", "M\xFCller", E::Cp1252},
      {U"Ayşe",
       "\xEF\xBB\xBF"
       "Ay\xC5\x9F"
       "e",
       E::Utf8Bom},
      // Written as cp1252 these bytes would read back as UTF-8 ("䶶").
      {U"ä¶¶", "\xEF\xBB\xBF\xC3\xA4\xC2\xB6\xC2\xB6", E::Utf8Bom},
  };
  for (const Case& c : cases) {
    Encoding encoding = E::Cp1252;
    const std::string bytes = encode(c.text, encoding);
    EXPECT_EQ(bytes, c.bytes);
    EXPECT_EQ(encoding, c.encoding);
    EXPECT_EQ(readPlainText(bytes), c.text);
  }
}

TEST(Encoding, LegacyCodePagesAndStandIns) {
  ASSERT_NE(upperHalfOfCodePage(1250), nullptr);
  EXPECT_EQ((*upperHalfOfCodePage(1250))[0xB3 - 0x80], U'ł');
  EXPECT_EQ((*upperHalfOfCodePage(1254))[0xFE - 0x80], U'ş');
  EXPECT_EQ((*upperHalfOfCodePage(1257))[0xE8 - 0x80], U'č');
  EXPECT_EQ(upperHalfOfCodePage(932), nullptr);
  EXPECT_EQ(decodeMultiByte(932, "\x82\xA0"), U'あ');
  EXPECT_EQ(upperHalfOfCodePage(4711), nullptr);
  EXPECT_EQ(asciiFallback(U'ş'), U's');
  EXPECT_EQ(asciiFallback(U'ễ'), U'e');
  EXPECT_EQ(asciiFallback(U'ł'), U'?');
  EXPECT_EQ(asciiFallback(U'中'), U'?');
}

TEST(Case, EveryLetterAsUnicodeMapsIt) {
  EXPECT_EQ(toUpper(U"ayşe yılmaz, łukasz, đorđe, nguyễn thị hà, straße"),
            U"AYŞE YILMAZ, ŁUKASZ, ĐORĐE, NGUYỄN THỊ HÀ, STRAßE");
  EXPECT_EQ(toLower(U"İSTANBUL ŁÓDŹ ŞİŞLİ"), U"istanbul łódź şişli");
  EXPECT_EQ(foldCase(U"ÇAĞRI Łukasz ĐORĐE"), foldCase(U"çağri łUKASZ đorđe"));
  EXPECT_NE(foldCase(U"ı"), foldCase(U"I"));  // simple folding keeps the dotless i apart
  EXPECT_EQ(upperAscii(U"ayşe"), U"AYşE");
  EXPECT_EQ(countOccurrences(U"Şule şULE", U"şule", CaseMode::IgnoreCase), 2);
  EXPECT_EQ(countOccurrences(U"Şule şULE", U"şule", CaseMode::IgnoreAscii), 1);
}

// Parsers that read ASCII take a character whole: it never passes for a digit or a sign.
TEST(Numbers, OtherScriptsAndLookAlikesAreNoNumbers) {
  for (const char32_t* text : {U"1ı", U"ı", U"٣", U"３", U"1３", U"ℯ", U"1ℯ5", U"½", U"1½", U"−1",
                               U"1٫5", U"Ł", U"\U00010031"}) {
    EXPECT_FALSE(readNumber(text)) << toUtf8(text);
    EXPECT_FALSE(readWholeNumber(text)) << toUtf8(text);
  }
  EXPECT_EQ(readNumber(U"1.5"), 1.5);
  EXPECT_EQ(readWholeNumber(U" 42"), 42);
}

}  // namespace
}  // namespace korvale
