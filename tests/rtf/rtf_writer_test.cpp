#include "rtf/rtf_writer.h"

#include <gtest/gtest.h>

#include <random>

#include "rtf/rtf_reader.h"
#include "sample_document.h"

namespace korvale {
namespace {

RichText readBack(const RichText& doc) {
  const auto read = readRtf(writeRtf(doc));
  EXPECT_TRUE(read);
  return read.value_or(RichText());
}

RichText normalized(RichText doc) {
  doc.normalize();
  return doc;
}

TEST(RtfWriterTest, WritesAnsiRtfWithFontAndColourTables) {
  const std::string rtf = writeRtf(sampleDocument());
  EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi\\ansicpg1252\\deff0", 0), 0u);
  EXPECT_NE(rtf.find("{\\f0\\fnil\\fcharset0 Arial;}"), std::string::npos);
  EXPECT_NE(rtf.find("{\\f1\\fnil\\fcharset0 Times New Roman;}"), std::string::npos);
  EXPECT_NE(rtf.find("{\\colortbl;\\red192\\green0\\blue0;\\red0\\green0\\blue255;}"),
            std::string::npos);
  // cp1252 characters as hex escapes, the page-break mark among them; braces escaped.
  EXPECT_NE(rtf.find("Gr\\'f6\\'dfe"), std::string::npos);
  EXPECT_NE(rtf.find("\\'b6\\par"), std::string::npos);
  EXPECT_NE(rtf.find("\\{Klammern\\} \\\\Pfad\\\\"), std::string::npos);
  EXPECT_EQ(rtf.find_first_of(std::string("\x80\xB6\xFC", 3)), std::string::npos);
  EXPECT_EQ(rtf.substr(rtf.size() - 9), "\\par\r\n}\r\n");
}

TEST(RtfWriterTest, EdgeDocumentsReadBackEqual) {
  const CharFormat bold{U"Arial", 14, true, false, false, 0};
  std::vector<RichText> docs = {
      RichText(),
      RichText::plain(U"\n", bold),
      RichText::plain(U"a\n", bold),
      RichText::plain(U"\n\n\n", CharFormat()),
      RichText::plain(U"\t{}\\", CharFormat()),
      RichText::plain(U"¶", CharFormat()),
      RichText::plain(U"x", CharFormat{U"", 14, false, false, false, 0}),
      RichText::plain(U"x", CharFormat{U"Arial", 1638, false, false, false, 0xFFFFFF}),
  };
  RichText alignedEmptyLast = RichText::plain(U"a\n", bold);
  alignedEmptyLast.setAlignment(1, Alignment::Right);
  docs.push_back(alignedEmptyLast);
  docs.push_back(sampleDocument());
  for (const auto& doc : docs) EXPECT_EQ(readBack(doc), normalized(doc)) << toUtf8(doc.text);
}

// Characters cp1252 lacks go in as \uN (signed 16-bit, a pair beyond U+FFFF) with an ASCII
// stand-in for readers without Unicode; the document reads back as it was.
TEST(RtfWriterTest, CharactersOutsideCp1252AsUnicodeWithStandIns) {
  struct Case {
    Text text;
    std::string rtf;
  } cases[] = {
      {U"Ayşe Yılmaz", "Ay\\u351se Y\\u305?lmaz"},
      {U"Łukasz Wójcik", "\\u321?ukasz W\\'f3jcik"},
      {U"Đorđe Petrović", "\\u272?or\\u273?e Petrovi\\u263c"},
      {U"Nguyễn Thị Hà", "Nguy\\u7877en Th\\u7883i H\\'e0"},
      {U"中\uFFFD", "\\u20013?\\u-3?"},
      {U"x😀", "x\\u-10179?\\u-8704?"},
  };
  for (const Case& c : cases) {
    const RichText doc =
        RichText::plain(c.text, CharFormat{U"Gülşen Sans", 12, false, false, false, 0});
    const std::string rtf = writeRtf(doc);
    EXPECT_NE(rtf.find("\\uc1"), std::string::npos);
    EXPECT_NE(rtf.find(c.rtf), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("G\\'fcl\\u351se"), std::string::npos) << rtf;
    EXPECT_EQ(readBack(doc), normalized(doc)) << toUtf8(c.text);
  }
}

TEST(RtfWriterTest, FontNamesAreCleanedForTheTable) {
  const RichText doc =
      RichText::plain(U"x", CharFormat{U" Foo;Bar\x01 ", 12, false, false, false, 0});
  EXPECT_EQ(readBack(doc).runs.front().format.font, U"FooBar");
  // Control characters other than tab and line break have no place in a document.
  EXPECT_EQ(readBack(RichText::plain(U"a\x01\x1F"
                                     U"b",
                                     CharFormat()))
                .text,
            U"ab");
}

RichText randomDocument(std::mt19937& random) {
  static const std::vector<Text> fonts = {U"Arial", U"Times New Roman", U"Courier New",
                                          U"Liberation Sans",
                                          U"Gr\xFC\xDF"
                                          U"e Schrift"};
  static const Text alphabet =
      U"abcxyz ABC 0123456789.,;:-_!?\"'()[]{}\\/<>#*+=~\xE4\xF6\xFC\xC4\xD6\xDC\xDF\u20AC\xB6"
      "\u201E\u201C\u2013\u2014\xA0\xE9\xFF\x81\t\n\n\n";
  const auto pick = [&](std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
  };
  RichText doc;
  const std::size_t runCount = pick(12);
  for (std::size_t r = 0; r < runCount; ++r) {
    CharFormat f;
    f.font = fonts[pick(fonts.size())];
    f.size = pick(4) == 0 ? static_cast<int>(1 + pick(1638)) : static_cast<int>(6 + pick(30));
    f.bold = pick(2);
    f.italic = pick(2);
    f.underline = pick(2);
    f.color = pick(3) == 0 ? static_cast<std::uint32_t>(random() & 0xFFFFFF) : 0;
    Text piece;
    const std::size_t length = 1 + pick(40);
    for (std::size_t i = 0; i < length; ++i) piece.push_back(alphabet[pick(alphabet.size())]);
    doc.replace(doc.text.size(), 0, piece, f);
  }
  for (int line = 0; line < doc.lineCount(); ++line)
    doc.setAlignment(line, static_cast<Alignment>(pick(4)));
  return doc;
}

TEST(RtfWriterTest, RandomDocumentsReadBackEqual) {
  std::mt19937 random(20261208);
  for (int i = 0; i < 2000; ++i) {
    const RichText doc = randomDocument(random);
    const RichText back = readBack(doc);
    ASSERT_EQ(back.text, doc.text) << "document " << i;
    ASSERT_EQ(back.runs, normalized(doc).runs) << "document " << i;
    ASSERT_EQ(back.alignments, normalized(doc).alignments) << "document " << i;
  }
}

}  // namespace
}  // namespace korvale
