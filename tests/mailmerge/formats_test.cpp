// Line breaks between the filled copies and blank lines at the end of a template.
#include "mailmerge/document_builder.h"

#include <gtest/gtest.h>

#include "mailmerge/char_formats.h"

namespace korvale {
namespace {

struct CollapseCase {
  Text text;
  Text expected;
};

TEST(CollapseDoubleLineBreaks, PairsLeftToRightKeepFormatsAndAlignments) {
  const std::vector<CollapseCase> cases = {
      {U"a\n\nb", U"a\nb"}, {U"a\n\n\nb", U"a\n\nb"}, {U"a\n\n\n\nb", U"a\n\nb"},
      {U"\n\na", U"\na"},   {U"a\nb\n", U"a\nb\n"},   {U"a\n\n", U"a\n"},
      {U"", U""},
  };
  for (const auto& c : cases) {
    RichText doc = RichText::plain(c.text, fmt(U"Arial", 12));
    collapseDoubleLineBreaks(doc);
    EXPECT_EQ(doc.text, c.expected) << toUtf8(c.text);
  }

  RichText doc = RichText::plain(U"ab\n\ncd\n\n\nef", fmt(U"Arial", 12));
  doc.applyFormat(6, 4, fmt(U"Arial", 12, true));  // "\n\n\ne"
  doc.setAlignment(0, Alignment::Center);
  doc.setAlignment(2, Alignment::Right);
  doc.setAlignment(5, Alignment::Justify);
  collapseDoubleLineBreaks(doc);
  EXPECT_EQ(doc.text, U"ab\ncd\n\nef");
  EXPECT_EQ(doc.runs,
            (std::vector<FormatRun>{
                {5, fmt(U"Arial", 12)}, {3, fmt(U"Arial", 12, true)}, {1, fmt(U"Arial", 12)}}));
  EXPECT_EQ(doc.alignments, (std::vector<Alignment>{Alignment::Center, Alignment::Right,
                                                    Alignment::Left, Alignment::Justify}));
}

TEST(DropTrailingBlankLines, OnlyBlankLinesAtTheEndGo) {
  const std::vector<CollapseCase> cases = {
      {U"a\n \n\t\n", U"a"},
      {U"a\n\nb", U"a\n\nb"},
      {U" \n\n", U""},
      {U"a\n\xB6\n", U"a\n\xB6"},
      {U"", U""},
      {U"a ", U"a "},
  };
  for (const auto& c : cases) {
    RichText doc = RichText::plain(c.text, fmt(U"Arial", 12));
    doc.setAlignment(1, Alignment::Center);
    doc.normalize();
    dropTrailingBlankLines(doc);
    EXPECT_EQ(doc.text, c.expected) << toUtf8(c.text);
    EXPECT_LE(doc.alignments.size(), static_cast<std::size_t>(doc.lineCount()));
  }
}

}  // namespace
}  // namespace korvale
