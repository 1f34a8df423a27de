// One behaviour for every implementation of the editor port. Instantiate with
// INSTANTIATE_TYPED_TEST_SUITE_P(Name, TextEditorContract, ::testing::Types<Factory>), where
// Factory::make() returns a std::unique_ptr<TextEditor>.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "base/plain_text.h"
#include "rtf/rtf_reader.h"
#include "rtf/rtf_writer.h"
#include "ui/ports/text_editor.h"

namespace korvale {

template <typename Factory>
class TextEditorContract : public ::testing::Test {
 protected:
  std::unique_ptr<TextEditor> editor = Factory::make();
  TextEditor& e() { return *editor; }
};

TYPED_TEST_SUITE_P(TextEditorContract);

using Lines = std::vector<Text>;

inline CharFormat courier(int size, bool bold = false) {
  CharFormat f;
  f.font = U"Courier New";
  f.size = size;
  f.bold = bold;
  return f;
}

TYPED_TEST_P(TextEditorContract, LinesInAndOut) {
  TextEditor& e = this->e();
  EXPECT_EQ(e.lineCount(), 0);
  EXPECT_TRUE(e.isEmpty());
  e.setLines({U"Nummer;Zuname;", U"1;M\xFCller;", U"", U"#"});
  EXPECT_EQ(e.lineCount(), 4);
  EXPECT_EQ(e.lines(), (Lines{U"Nummer;Zuname;", U"1;M\xFCller;", U"", U"#"}));
  EXPECT_EQ(e.line(1), U"1;M\xFCller;");
  EXPECT_EQ(e.line(9), U"");
  e.setLine(2, U"2;Gro\xDF;");
  e.insertLine(0, U"Kopf");
  e.appendLine(U"\xB6");
  EXPECT_EQ(e.lines(),
            (Lines{U"Kopf", U"Nummer;Zuname;", U"1;M\xFCller;", U"2;Gro\xDF;", U"#", U"\xB6"}));
  e.deleteLine(5);
  e.deleteLine(0);
  e.deleteLine(1);
  EXPECT_EQ(e.lines(), (Lines{U"Nummer;Zuname;", U"2;Gro\xDF;", U"#"}));
  e.clear();
  EXPECT_EQ(e.lineCount(), 0);
  e.appendLine(U"x");
  EXPECT_EQ(e.lines(), Lines{U"x"});
  e.deleteLine(0);
  EXPECT_EQ(e.lineCount(), 0);
}

TYPED_TEST_P(TextEditorContract, CaretMarksAndReplace) {
  TextEditor& e = this->e();
  e.setLines({U"abc", U"defg", U"hi"});
  e.setCaret({1, 2});
  EXPECT_EQ(e.caret(), (TextPos{1, 2}));
  EXPECT_FALSE(e.hasMarked());
  e.setCaret({7, 9});  // beyond the text: the end of the last line
  EXPECT_EQ(e.caret(), (TextPos{2, 2}));
  e.mark({0, 1}, {1, 2});
  EXPECT_TRUE(e.hasMarked());
  EXPECT_EQ(e.markedText(), U"bc\nde");
  e.mark({2, 1}, {0, 2});  // marked backwards
  EXPECT_EQ(e.markStart(), (TextPos{0, 2}));
  EXPECT_EQ(e.markedText(), U"c\ndefg\nh");
  e.replaceMarked(U"X\nY");
  EXPECT_EQ(e.lines(), (Lines{U"abX", U"Yi"}));
  e.markAll();
  EXPECT_EQ(e.markedText(), U"abX\nYi");
}

TYPED_TEST_P(TextEditorContract, FormatsOfRanges) {
  TextEditor& e = this->e();
  e.setTypingFormat(courier(10));
  e.setLines({U"Kopf;Feld;", U"1;2;"});
  e.applyFormat({0, 0}, {0, 10}, courier(10, true));
  EXPECT_TRUE(e.formatAt({0, 3}).bold);
  EXPECT_FALSE(e.formatAt({1, 0}).bold);
  EXPECT_EQ(e.formatAt({1, 1}).font, U"Courier New");
  EXPECT_EQ(e.formatAt({1, 1}).size, 10);
  const RichText rt = e.richText();
  EXPECT_EQ(rt.text, U"Kopf;Feld;\n1;2;");
  std::size_t covered = 0;
  for (const auto& run : rt.runs) covered += run.length;
  EXPECT_EQ(covered, rt.text.size());
  EXPECT_TRUE(rt.formatAt(0).bold);
  EXPECT_FALSE(rt.formatAt(12).bold);

  e.setTypingFormat(courier(12));
  e.setCaret({1, 4});
  e.replaceMarked(U"3;");
  EXPECT_EQ(e.line(1), U"1;2;3;");
  EXPECT_EQ(e.formatAt({1, 4}).size, 12);
  e.formatAll(courier(8));
  EXPECT_EQ(e.formatAt({0, 0}), courier(8));
  EXPECT_EQ(e.typingFormat(), courier(8));
}

TYPED_TEST_P(TextEditorContract, RichTextRoundTrip) {
  TextEditor& e = this->e();
  RichText doc;
  doc.text =
      U"Sehr geehrte Frau <F3>,\n\nIhr Kind hat\tGl\xFC"
      U"ck.\n\xB6";
  CharFormat title = courier(14, true);
  title.font = U"Arial";
  CharFormat body;
  body.font = U"Times New Roman";
  body.size = 12;
  CharFormat italic = body;
  italic.italic = true;
  italic.underline = true;
  doc.runs = {{23, title}, {15, body}, {6, italic}, {8, body}};
  doc.normalize();
  e.setRichText(doc);
  EXPECT_EQ(e.lineCount(), 4);
  EXPECT_EQ(e.line(2),
            U"Ihr Kind hat\tGl\xFC"
            U"ck.");
  const RichText back = e.richText();
  EXPECT_EQ(back.text, doc.text);
  for (std::size_t i = 0; i < doc.text.size(); ++i) {
    if (doc.text[i] == '\n') continue;  // a line break may carry either neighbour's format
    EXPECT_EQ(back.formatAt(i), doc.formatAt(i)) << "at " << i;
  }
  EXPECT_EQ(e.caret(), (TextPos{0, 0}));
}

TYPED_TEST_P(TextEditorContract, StateFindAndUndo) {
  TextEditor& e = this->e();
  e.setLines({U"eins zwei", U"drei Tab tab"});
  e.setReadOnly(true);
  EXPECT_TRUE(e.readOnly());
  e.setReadOnly(false);
  EXPECT_FALSE(e.readOnly());
  EXPECT_EQ(e.find(U"tab", {0, 0}, false), (std::optional<TextPos>{TextPos{1, 5}}));
  EXPECT_EQ(e.find(U"tab", {0, 0}, true), (std::optional<TextPos>{TextPos{1, 9}}));
  EXPECT_EQ(e.find(U"tab", {1, 6}, false), (std::optional<TextPos>{TextPos{1, 9}}));
  EXPECT_EQ(e.find(U"tab", {1, 10}, false), std::nullopt);
  EXPECT_EQ(e.find(U"ei\ndr", {0, 0}, true), (std::optional<TextPos>{TextPos{0, 7}}));
  e.setLine(0, U"EINS");
  ASSERT_TRUE(e.canUndo());
  e.undo();
  EXPECT_EQ(e.line(0), U"eins zwei");
}

// A document goes into the editor from RTF or plain-text bytes and comes out as the same bytes.
TYPED_TEST_P(TextEditorContract, LoadsAndSavesRtfAndPlainText) {
  TextEditor& e = this->e();
  const std::string rtf =
      "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0 Arial;}{\\f1 Courier New;}}"
      "\\f0\\fs28 Liebe Eltern,\\par "
      "\\b Noten\\b0  f\\'fcr \\i <F2>\\i0 :\\tab\\f1\\fs20 1;2;a;\\par "
      "\\'b6\\par }";
  const auto doc = readRtf(rtf);
  ASSERT_TRUE(doc);
  e.setRichText(*doc);
  EXPECT_EQ(e.lines(), (Lines{U"Liebe Eltern,", U"Noten f\xFCr <F2>:\t1;2;a;", U"\xB6"}));
  EXPECT_TRUE(e.formatAt({1, 0}).bold);
  EXPECT_TRUE(e.formatAt({1, 10}).italic);
  EXPECT_EQ(e.formatAt({1, 16}).font, U"Courier New");
  EXPECT_EQ(e.formatAt({1, 16}).size, 10);
  EXPECT_EQ(e.formatAt({0, 0}).size, 14);
  const auto back = readRtf(writeRtf(e.richText()));
  ASSERT_TRUE(back);
  EXPECT_EQ(back->text, doc->text);
  for (std::size_t i = 0; i < doc->text.size(); ++i) {
    if (doc->text[i] != '\n') {
      EXPECT_EQ(back->formatAt(i), doc->formatAt(i)) << "at " << i;
    }
  }

  e.setPlainText(readPlainText("Nr;Name;\r\n1;M\xFCller;\n2;Gro\xDF;\r"));
  EXPECT_EQ(e.lines(), (Lines{U"Nr;Name;", U"1;M\xFCller;", U"2;Gro\xDF;"}));
  EXPECT_EQ(writePlainText(e.plainText()), "Nr;Name;\r\n1;M\xFCller;\r\n2;Gro\xDF;\r\n");
}

REGISTER_TYPED_TEST_SUITE_P(TextEditorContract, LinesInAndOut, CaretMarksAndReplace,
                            FormatsOfRanges, RichTextRoundTrip, StateFindAndUndo,
                            LoadsAndSavesRtfAndPlainText);

}  // namespace korvale
