// RTF files as real word processors write them (see fixtures/make_fixtures.sh).
#include <gtest/gtest.h>

#include "base/files.h"
#include "rtf/rtf_reader.h"
#include "sample_document.h"

namespace korvale {
namespace {

RichText fixture(const std::string& name) {
  const auto bytes = readFileBytes(Path(std::string(KORVALE_TEST_DATA) + "/rtf/fixtures/" + name));
  EXPECT_TRUE(bytes) << name;
  LeftOutContent leftOut;
  const auto doc = readRtf(bytes.value_or(""), &leftOut);
  EXPECT_TRUE(doc) << name;
  // Ordinary letters hold nothing the editor leaves out, so opening them warns of nothing.
  EXPECT_EQ(leftOut.names(), U"") << name;
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

CharFormat format(const Text& font, int size, bool bold = false, bool italic = false,
                  bool underline = false, std::uint32_t color = 0) {
  return {font, size, bold, italic, underline, color};
}

TEST(RtfFixturesTest, LibreOfficeWriterDocument) {
  const RichText doc = fixture("libreoffice_brief.rtf");
  EXPECT_EQ(doc.lines(), (std::vector<Text>{
                             U"Zeugnisnotizen für Klasse 7b",
                             U"Größe: 12 €, Straße, Ärger, Öl, Übung – „Grüße“",
                             U"Name\tMathe\tDeutsch",
                             U"Müller\t2\t1-2",
                             U"Das ist fett, kursiv und rot.",
                             U"Schüler;Note;",
                             U"Ort, Datum",
                             U"¶",
                             U"Seite zwei: Grüße aus Köln",
                             U"Ende.",
                         }));
  const CharFormat body = format(U"Times New Roman", 12);
  const std::pair<Text, CharFormat> pieces[] = {
      {U"Zeugnisnotizen für Klasse 7b", format(U"Arial", 16, true)},
      {U"Größe: 12 €, Straße", body},
      {U"Müller", format(U"Times New Roman", 12, true, true)},
      {U"\t2\t", body},
      {U"1-2", format(U"Times New Roman", 12, false, false, true)},
      {U"Das ist ", body},
      {U"fett", format(U"Times New Roman", 12, true)},
      {U"kursiv", format(U"Times New Roman", 12, false, true)},
      {U"rot", format(U"Times New Roman", 12, false, false, false, 0xC00000)},
      {U"Schüler;Note;", format(U"Courier New", 10)},
      {U"Seite zwei: Grüße aus Köln", format(U"Arial", 14, false, true)},
  };
  for (const auto& [piece, expected] : pieces)
    EXPECT_EQ(formatOf(doc, piece), expected) << toUtf8(piece);
  EXPECT_EQ(doc.alignmentOf(0), Alignment::Center);
  EXPECT_EQ(doc.alignmentOf(6), Alignment::Right);
  EXPECT_EQ(doc.alignmentOf(8), Alignment::Left);
}

TEST(RtfFixturesTest, PandocDocument) {
  const RichText doc = fixture("pandoc_brief.rtf");
  EXPECT_EQ(doc.lines(), (std::vector<Text>{
                             U"Zeugnisnotizen für Klasse 7b",
                             U"Größe: 12 €, Straße, Ärger, Öl, Übung – “Grüße”",
                             U"Das ist fett, kursiv und beides.",
                             U"Name\tMathe\tDeutsch",
                             U"Schüler;Note;",
                             U"¶",
                             U"Seite zwei: Grüße aus Köln",
                         }));
  const std::pair<Text, CharFormat> pieces[] = {
      {U"Zeugnisnotizen für Klasse 7b", format(U"Helvetica", 18, true)},
      {U"Größe: 12 €", format(U"Helvetica", 12)},
      {U"fett", format(U"Helvetica", 12, true)},
      {U"kursiv", format(U"Helvetica", 12, false, true)},
      {U"beides", format(U"Helvetica", 12, true, true)},
      {U"Schüler;Note;", format(U"Courier", 12)},
      {U"Seite zwei", format(U"Helvetica", 12)},
  };
  for (const auto& [piece, expected] : pieces)
    EXPECT_EQ(formatOf(doc, piece), expected) << toUtf8(piece);
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
