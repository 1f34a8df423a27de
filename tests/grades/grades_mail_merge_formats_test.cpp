// The template's fonts, sizes, styles and alignments reach every filled copy, also where a
// placeholder stood inside a formatted stretch.
#include "grades_mail_merge_fixture.h"

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

  auto& w = window();
  previewCommand(w);
  EXPECT_FALSE(previewOn());
  RichText expected = formattedTemplate();
  expected.normalize();
  EXPECT_EQ(editor.richText(), expected);
}

}  // namespace
}  // namespace korvale
