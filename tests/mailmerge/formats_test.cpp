// The template's fonts, sizes, styles and alignments reach every filled copy, also where a
// placeholder stood inside a formatted stretch.
#include "mail_merge_fixture.h"
#include "mailmerge/document_builder.h"

namespace korvale {
namespace {

const Lines kList = {U"Nr;Name;Betrag;", U"1;Albers;250;", U"2;Claasen;20;"};

// "Liebe(r) <F2>," centred, the stretch "(r) <F" bold and italic in Times 14;
// "Betrag: {<F3>*2} EUR" right-aligned, the "{" underlined.
RichText formattedTemplate() {
  const CharFormat body = fmt(U"Arial", 12);
  const CharFormat emphasis = fmt(U"Times New Roman", 14, true, true);
  CharFormat underlined = body;
  underlined.underline = true;
  RichText doc = RichText::plain(U"Liebe(r) <F2>,\nBetrag: {<F3>*2} EUR", body);
  doc.applyFormat(5, 6, emphasis);
  doc.applyFormat(23, 1, underlined);
  doc.setAlignment(0, Alignment::Center);
  doc.setAlignment(1, Alignment::Right);
  return doc;
}

// One copy the slow way: each placeholder replaced on its own, the value taking the format of
// the placeholder's first character.
RichText referenceCopy(RichText doc, const Text& name, const Text& amount) {
  const std::size_t formula = doc.text.find('{');
  doc.replace(formula, doc.text.find('}') - formula + 1, amount, doc.formatAt(formula));
  const std::size_t field = doc.text.find(U"<F2>");
  doc.replace(field, 4, name, doc.formatAt(field));
  return doc;
}

TEST_F(MailMergeTest, FormatsSurviveIntoEveryCopy) {
  loadList(kList);
  editor.setRichText(formattedTemplate());
  state.templateInEditor = true;
  preview(false, true);

  const CharFormat last = formattedTemplate().runs.back().format;
  RichText expected = referenceCopy(formattedTemplate(), U"Albers", U"500.00");
  expected.append(RichText::plain(U"\n\xB6\n", last));
  expected.append(referenceCopy(formattedTemplate(), U"Claasen", U"40.00"));
  expected.append(RichText::plain(U"\n\xB6", last));
  expected.normalize();

  const RichText shown = editor.richText();
  EXPECT_EQ(shown.text, expected.text);
  EXPECT_EQ(shown.runs, expected.runs);
  EXPECT_EQ(shown.alignments, expected.alignments);
  // The value inside the emphasised stretch is emphasised too.
  EXPECT_TRUE(shown.formatAt(shown.text.find(U"Claasen")).bold);
  EXPECT_EQ(shown.formatAt(shown.text.find(U"Claasen")).size, 14);
}

TEST_F(MailMergeTest, SwitchingThePreviewOffBringsTheFormattedTemplateBack) {
  loadList(kList);
  RichText withBlankEnd = formattedTemplate();
  withBlankEnd.append(RichText::plain(U"\n \n\t\n", fmt(U"Arial", 12)));
  editor.setRichText(withBlankEnd);
  state.templateInEditor = true;
  preview(true, false);
  ASSERT_NE(editor.plainText(), withBlankEnd.text);

  auto w = window();
  previewCommand(w);
  EXPECT_FALSE(state.previewOn);
  RichText expected = formattedTemplate();
  expected.normalize();
  EXPECT_EQ(editor.richText(), expected);
}

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
