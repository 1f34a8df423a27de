// The template's fonts, sizes, styles and alignments reach every filled copy, also where a
// placeholder stood inside a formatted stretch.
#include "mail_merge_fixture.h"
#include "mailmerge/document_builder.h"

namespace korvale {
namespace {

const Lines kList = {"Nr;Name;Betrag;", "1;Albers;250;", "2;Claasen;20;"};

// "Liebe(r) <F2>," centred, the stretch "(r) <F" bold and italic in Times 14;
// "Betrag: {<F3>*2} EUR" right-aligned, the "{" underlined.
RichText formattedTemplate() {
  const CharFormat body = fmt("Arial", 12);
  const CharFormat emphasis = fmt("Times New Roman", 14, true, true);
  CharFormat underlined = body;
  underlined.underline = true;
  RichText doc = RichText::plain("Liebe(r) <F2>,\nBetrag: {<F3>*2} EUR", body);
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
  const std::size_t field = doc.text.find("<F2>");
  doc.replace(field, 4, name, doc.formatAt(field));
  return doc;
}

TEST_F(MailMergeTest, FormatsSurviveIntoEveryCopy) {
  loadList(kList);
  editor.setRichText(formattedTemplate());
  state.templateInEditor = true;
  preview(false, true);

  const CharFormat last = formattedTemplate().runs.back().format;
  RichText expected = referenceCopy(formattedTemplate(), "Albers", "500.00");
  expected.append(RichText::plain("\n\xB6\n", last));
  expected.append(referenceCopy(formattedTemplate(), "Claasen", "40.00"));
  expected.append(RichText::plain("\n\xB6", last));
  expected.normalize();

  const RichText shown = editor.richText();
  EXPECT_EQ(shown.text, expected.text);
  EXPECT_EQ(shown.runs, expected.runs);
  EXPECT_EQ(shown.alignments, expected.alignments);
  // The value inside the emphasised stretch is emphasised too.
  EXPECT_TRUE(shown.formatAt(shown.text.find("Claasen")).bold);
  EXPECT_EQ(shown.formatAt(shown.text.find("Claasen")).size, 14);
}

TEST_F(MailMergeTest, SwitchingThePreviewOffBringsTheFormattedTemplateBack) {
  loadList(kList);
  RichText withBlankEnd = formattedTemplate();
  withBlankEnd.append(RichText::plain("\n \n\t\n", fmt("Arial", 12)));
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
      {"a\n\nb", "a\nb"}, {"a\n\n\nb", "a\n\nb"}, {"a\n\n\n\nb", "a\n\nb"},
      {"\n\na", "\na"},   {"a\nb\n", "a\nb\n"},   {"a\n\n", "a\n"},
      {"", ""},
  };
  for (const auto& c : cases) {
    RichText doc = RichText::plain(c.text, fmt("Arial", 12));
    collapseDoubleLineBreaks(doc);
    EXPECT_EQ(doc.text, c.expected) << c.text;
  }

  RichText doc = RichText::plain("ab\n\ncd\n\n\nef", fmt("Arial", 12));
  doc.applyFormat(6, 4, fmt("Arial", 12, true));  // "\n\n\ne"
  doc.setAlignment(0, Alignment::Center);
  doc.setAlignment(2, Alignment::Right);
  doc.setAlignment(5, Alignment::Justify);
  collapseDoubleLineBreaks(doc);
  EXPECT_EQ(doc.text, "ab\ncd\n\nef");
  EXPECT_EQ(doc.runs,
            (std::vector<FormatRun>{
                {5, fmt("Arial", 12)}, {3, fmt("Arial", 12, true)}, {1, fmt("Arial", 12)}}));
  EXPECT_EQ(doc.alignments, (std::vector<Alignment>{Alignment::Center, Alignment::Right,
                                                    Alignment::Left, Alignment::Justify}));
}

TEST(DropTrailingBlankLines, OnlyBlankLinesAtTheEndGo) {
  const std::vector<CollapseCase> cases = {
      {"a\n \n\t\n", "a"}, {"a\n\nb", "a\n\nb"}, {" \n\n", ""}, {"a\n\xB6\n", "a\n\xB6"}, {"", ""},
      {"a ", "a "},
  };
  for (const auto& c : cases) {
    RichText doc = RichText::plain(c.text, fmt("Arial", 12));
    doc.setAlignment(1, Alignment::Center);
    doc.normalize();
    dropTrailingBlankLines(doc);
    EXPECT_EQ(doc.text, c.expected) << c.text;
    EXPECT_LE(doc.alignments.size(), static_cast<std::size_t>(doc.lineCount()));
  }
}

}  // namespace
}  // namespace korvale
