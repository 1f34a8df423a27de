// RTF files as real word processors write them (see fixtures/make_fixtures.sh).
#include <gtest/gtest.h>

#include "base/files.h"
#include "rtf/rtf_reader.h"
#include "sample_document.h"

namespace korvale {
namespace {

RichText fixture(const std::string& name) {
  const auto bytes = readFileBytes(std::string(KORVALE_TEST_DATA) + "/rtf/fixtures/" + name);
  EXPECT_TRUE(bytes) << name;
  const auto doc = readRtf(bytes.value_or(""));
  EXPECT_TRUE(doc) << name;
  return doc.value_or(RichText());
}

// The one format of a piece of text (line breaks aside, which carry the paragraph's format).
std::optional<CharFormat> formatOf(const RichText& doc, const Text& piece) {
  const std::size_t at = doc.text.find(piece);
  if (at == Text::npos) return std::nullopt;
  const CharFormat first = doc.formatAt(at);
  for (std::size_t i = at; i < at + piece.size(); ++i)
    if (doc.text[i] != '\n' && doc.formatAt(i) != first) return std::nullopt;
  return first;
}

CharFormat format(const char* font, int size, bool bold = false, bool italic = false,
                  bool underline = false, std::uint32_t color = 0) {
  return {font, size, bold, italic, underline, color};
}

TEST(RtfFixturesTest, LibreOfficeWriterDocument) {
  const RichText doc = fixture("libreoffice_brief.rtf");
  EXPECT_EQ(doc.lines(), (std::vector<Text>{
                             "Zeugnisnotizen für Klasse 7b"_cp,
                             "Größe: 12 €, Straße, Ärger, Öl, Übung – „Grüße“"_cp,
                             "Name\tMathe\tDeutsch",
                             "Müller\t2\t1-2"_cp,
                             "Das ist fett, kursiv und rot.",
                             "Schüler;Note;"_cp,
                             "Ort, Datum",
                             "¶"_cp,
                             "Seite zwei: Grüße aus Köln"_cp,
                             "Ende.",
                         }));
  const CharFormat body = format("Times New Roman", 12);
  const std::pair<Text, CharFormat> pieces[] = {
      {"Zeugnisnotizen für Klasse 7b"_cp, format("Arial", 16, true)},
      {"Größe: 12 €, Straße"_cp, body},
      {"Müller"_cp, format("Times New Roman", 12, true, true)},
      {"\t2\t", body},
      {"1-2", format("Times New Roman", 12, false, false, true)},
      {"Das ist ", body},
      {"fett", format("Times New Roman", 12, true)},
      {"kursiv", format("Times New Roman", 12, false, true)},
      {"rot", format("Times New Roman", 12, false, false, false, 0xC00000)},
      {"Schüler;Note;"_cp, format("Courier New", 10)},
      {"Seite zwei: Grüße aus Köln"_cp, format("Arial", 14, false, true)},
  };
  for (const auto& [piece, expected] : pieces)
    EXPECT_EQ(formatOf(doc, piece), expected) << cp1252ToUtf8(piece);
  EXPECT_EQ(doc.alignmentOf(0), Alignment::Center);
  EXPECT_EQ(doc.alignmentOf(6), Alignment::Right);
  EXPECT_EQ(doc.alignmentOf(8), Alignment::Left);
}

TEST(RtfFixturesTest, PandocDocument) {
  const RichText doc = fixture("pandoc_brief.rtf");
  EXPECT_EQ(doc.lines(), (std::vector<Text>{
                             "Zeugnisnotizen für Klasse 7b"_cp,
                             "Größe: 12 €, Straße, Ärger, Öl, Übung – “Grüße”"_cp,
                             "Das ist fett, kursiv und beides.",
                             "Name\tMathe\tDeutsch",
                             "Schüler;Note;"_cp,
                             "¶"_cp,
                             "Seite zwei: Grüße aus Köln"_cp,
                         }));
  const std::pair<Text, CharFormat> pieces[] = {
      {"Zeugnisnotizen für Klasse 7b"_cp, format("Helvetica", 18, true)},
      {"Größe: 12 €"_cp, format("Helvetica", 12)},
      {"fett", format("Helvetica", 12, true)},
      {"kursiv", format("Helvetica", 12, false, true)},
      {"beides", format("Helvetica", 12, true, true)},
      {"Schüler;Note;"_cp, format("Courier", 12)},
      {"Seite zwei"_cp, format("Helvetica", 12)},
  };
  for (const auto& [piece, expected] : pieces)
    EXPECT_EQ(formatOf(doc, piece), expected) << cp1252ToUtf8(piece);
  EXPECT_TRUE(doc.alignments.empty());
}

// The writer's sample letter after LibreOffice Writer opened it and saved it as RTF again:
// same text, same formats character by character, same alignments.
TEST(RtfFixturesTest, WriterOutputSurvivesLibreOffice) {
  const RichText doc = fixture("korvale_sample_via_libreoffice.rtf");
  const RichText sample = sampleDocument();
  ASSERT_EQ(doc.text, sample.text);
  for (std::size_t i = 0; i < doc.text.size(); ++i)
    if (doc.text[i] != '\n') {
      EXPECT_EQ(doc.formatAt(i), sample.formatAt(i)) << "character " << i;
    }
  for (int line = 0; line < sample.lineCount(); ++line)
    EXPECT_EQ(doc.alignmentOf(line), sample.alignmentOf(line)) << "line " << line;
}

}  // namespace
}  // namespace korvale
