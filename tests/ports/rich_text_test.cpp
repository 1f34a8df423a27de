#include "ui/ports/rich_text.h"

#include <gtest/gtest.h>

namespace korvale {
namespace {

CharFormat fmt(const Text& font, int size, bool bold = false) {
  CharFormat f;
  f.font = font;
  f.size = size;
  f.bold = bold;
  return f;
}

const CharFormat A = fmt(U"Arial", 14);
const CharFormat B = fmt(U"Arial", 14, true);
const CharFormat C = fmt(U"Courier New", 10);

// "abc" in A, "def" in B, "ghi" in C.
RichText threeRuns() {
  RichText rt;
  rt.text = U"abcdefghi";
  rt.runs = {{3, A}, {3, B}, {3, C}};
  return rt;
}

TEST(RichTextTest, ReplaceKeepsTheFormatsAroundTheChange) {
  struct Case {
    const char* name;
    std::size_t offset, length;
    Text newText;
    CharFormat format;
    Text text;
    std::vector<FormatRun> runs;
  };
  const Case cases[] = {
      {"inside one run", 4, 1, U"XY", A, U"abcdXYfghi", {{3, A}, {1, B}, {2, A}, {1, B}, {3, C}}},
      {"across a run boundary", 2, 2, U"Z", C, U"abZefghi", {{2, A}, {1, C}, {2, B}, {3, C}}},
      {"insert takes its own format",
       3,
       0,
       U"-",
       C,
       U"abc-defghi",
       {{3, A}, {1, C}, {3, B}, {3, C}}},
      {"insert merges with an equal neighbour",
       3,
       0,
       U"--",
       A,
       U"abc--defghi",
       {{5, A}, {3, B}, {3, C}}},
      {"append at the end", 9, 0, U"!", C, U"abcdefghi!", {{3, A}, {3, B}, {4, C}}},
      {"delete a whole run", 3, 3, U"", A, U"abcghi", {{3, A}, {3, C}}},
      {"delete everything", 0, 9, U"", A, U"", {}},
      {"offset and length past the end are cut",
       20,
       5,
       U"x",
       B,
       U"abcdefghix",
       {{3, A}, {3, B}, {3, C}, {1, B}}},
      {"length past the end is cut", 7, 100, U"", A, U"abcdefg", {{3, A}, {3, B}, {1, C}}},
  };
  for (const auto& c : cases) {
    RichText rt = threeRuns();
    rt.replace(c.offset, c.length, c.newText, c.format);
    EXPECT_EQ(rt.text, c.text) << c.name;
    EXPECT_EQ(rt.runs, c.runs) << c.name;
  }
}

TEST(RichTextTest, ReplaceMovesLineAlignmentsWithTheLines) {
  struct Case {
    const char* name;
    std::size_t offset, length;
    Text newText;
    std::vector<Alignment> expected;
  };
  using enum Alignment;
  // Lines: "l0" Left, "l1" Center, "l2" Right, "l3" Justify.
  const Case cases[] = {
      {"joining two lines keeps the first one's alignment", 5, 1, U"", {Left, Center, Justify}},
      {"a new line break copies the line's alignment",
       4,
       0,
       U"\n",
       {Left, Center, Center, Right, Justify}},
      {"deleting whole lines drops their alignments", 3, 6, U"", {Left, Justify}},
      {"replacing whole lines: the last one's alignment survives",
       3,
       5,
       U"x\ny\nz",
       {Left, Right, Right, Right, Justify}},
      {"deleting from a line start into the next line", 3, 4, U"", {Left, Right, Justify}},
      {"text within a line changes nothing", 6, 1, U"abc", {Left, Center, Right, Justify}},
  };
  for (const auto& c : cases) {
    RichText rt = RichText::plain(U"l0\nl1\nl2\nl3", A);
    rt.alignments = {Left, Center, Right, Justify};
    rt.replace(c.offset, c.length, c.newText, A);
    std::vector<Alignment> got;
    for (int line = 0; line < rt.lineCount(); ++line) got.push_back(rt.alignmentOf(line));
    EXPECT_EQ(got, c.expected) << c.name << ": " << toUtf8(rt.text);
  }
}

TEST(RichTextTest, ApplyFormatSplitsAndMergesRuns) {
  struct Case {
    const char* name;
    std::size_t offset, length;
    CharFormat format;
    std::vector<FormatRun> runs;
  };
  const Case cases[] = {
      {"middle of a run", 4, 1, C, {{3, A}, {1, B}, {1, C}, {1, B}, {3, C}}},
      {"over a boundary, merging with the next run", 4, 2, C, {{3, A}, {1, B}, {5, C}}},
      {"everything", 0, 9, B, {{9, B}}},
      {"the same format changes nothing", 0, 3, A, {{3, A}, {3, B}, {3, C}}},
      {"nothing marked", 4, 0, C, {{3, A}, {3, B}, {3, C}}},
      {"past the end is cut", 8, 50, A, {{3, A}, {3, B}, {2, C}, {1, A}}},
  };
  for (const auto& c : cases) {
    RichText rt = threeRuns();
    rt.applyFormat(c.offset, c.length, c.format);
    EXPECT_EQ(rt.runs, c.runs) << c.name;
    EXPECT_EQ(rt.text, U"abcdefghi") << c.name;
  }
}

TEST(RichTextTest, NormalizeMakesEqualDocumentsCompareEqual) {
  RichText rt;
  rt.text = U"abcdef\nxy";
  rt.runs = {{0, C}, {2, A}, {1, A}, {0, B}, {3, B}, {40, C}};
  rt.alignments = {Alignment::Center, Alignment::Left, Alignment::Left, Alignment::Right};
  rt.normalize();
  EXPECT_EQ(rt.runs, (std::vector<FormatRun>{{3, A}, {3, B}, {3, C}}));
  EXPECT_EQ(rt.alignments, std::vector<Alignment>{Alignment::Center});

  RichText bare;
  bare.text = U"abc";
  bare.normalize(C);
  EXPECT_EQ(bare.runs, (std::vector<FormatRun>{{3, C}}));

  RichText shortRuns;
  shortRuns.text = U"abcdef";
  shortRuns.runs = {{2, B}};
  shortRuns.normalize(C);
  EXPECT_EQ(shortRuns.runs, (std::vector<FormatRun>{{6, B}}));
}

TEST(RichTextTest, PositionsAndOffsetsConvertBothWays) {
  const RichText rt = RichText::plain(U"ab\n\ncde", A);
  struct Case {
    TextPos pos;
    std::size_t offset;
  };
  const Case exact[] = {{{0, 0}, 0}, {{0, 2}, 2}, {{1, 0}, 3}, {{2, 0}, 4}, {{2, 3}, 7}};
  for (const auto& c : exact) {
    EXPECT_EQ(rt.offsetOf(c.pos), c.offset) << c.pos.line << "/" << c.pos.column;
    EXPECT_EQ(rt.posOf(c.offset), c.pos) << c.offset;
  }
  // Columns past a line's end stop at it; lines past the end give the end of the text.
  EXPECT_EQ(rt.offsetOf({0, 9}), 2u);
  EXPECT_EQ(rt.offsetOf({1, 5}), 3u);
  EXPECT_EQ(rt.offsetOf({7, 0}), 7u);
  EXPECT_EQ(rt.offsetOf({0, -3}), 0u);
  EXPECT_EQ(rt.posOf(99), (TextPos{2, 3}));
}

TEST(RichTextTest, LinesOfEdgeTexts) {
  struct Case {
    Text text;
    std::vector<Text> lines;
  };
  const Case cases[] = {{U"", {}},
                        {U"a", {U"a"}},
                        {U"a\n", {U"a", U""}},
                        {U"\n", {U"", U""}},
                        {U"a\n\nb", {U"a", U"", U"b"}}};
  for (const auto& c : cases) {
    const RichText rt = RichText::plain(c.text, A);
    EXPECT_EQ(rt.lines(), c.lines) << toUtf8(c.text);
    EXPECT_EQ(rt.lineCount(), static_cast<int>(c.lines.size())) << toUtf8(c.text);
    EXPECT_EQ(RichText::fromLines(c.lines, A).text, c.text);
  }
}

TEST(RichTextTest, FormatAtReadsTheRunAndTheLastFormatAtTheEnd) {
  const RichText rt = threeRuns();
  EXPECT_EQ(rt.formatAt(0), A);
  EXPECT_EQ(rt.formatAt(2), A);
  EXPECT_EQ(rt.formatAt(3), B);
  EXPECT_EQ(rt.formatAt(8), C);
  EXPECT_EQ(rt.formatAt(9), C);
  EXPECT_EQ(RichText().formatAt(0), CharFormat());
}

RichText alignedSample() {
  RichText rt;
  rt.text = U"Kopf\nMitte\n\nEnde";
  rt.runs = {{4, B}, {7, A}, {5, C}};
  rt.alignments = {Alignment::Center, Alignment::Left, Alignment::Right, Alignment::Justify};
  return rt;
}

TEST(RichTextTest, SliceAndInsertGiveTheDocumentBackAtEverySplit) {
  const RichText whole = alignedSample();
  for (std::size_t cut = 0; cut <= whole.text.size(); ++cut) {
    RichText front = whole.slice(0, cut);
    const RichText back = whole.slice(cut, whole.text.size());
    EXPECT_EQ(front.text + back.text, whole.text);
    front.append(back);
    RichText expected = whole;
    expected.normalize();
    EXPECT_EQ(front, expected) << "cut at " << cut;
  }
}

TEST(RichTextTest, InsertPlacesFormatsAndAlignments) {
  RichText piece;
  piece.text = U"X\nY";
  piece.runs = {{3, C}};
  piece.alignments = {Alignment::Right, Alignment::Center};

  RichText empty;
  empty.insert(0, piece);
  EXPECT_EQ(empty, piece);

  RichText rt = alignedSample();
  rt.insert(7, piece);  // inside "Mitte": the line keeps Left, "Yte" takes the piece's Center
  EXPECT_EQ(rt.text, U"Kopf\nMiX\nYtte\n\nEnde");
  EXPECT_EQ(rt.runs, (std::vector<FormatRun>{{4, B}, {3, A}, {3, C}, {4, A}, {5, C}}));
  EXPECT_EQ(rt.alignments,
            (std::vector<Alignment>{Alignment::Center, Alignment::Left, Alignment::Center,
                                    Alignment::Right, Alignment::Justify}));

  RichText letters = alignedSample();
  letters.append(RichText::plain(U"\n", A));
  letters.append(piece);  // an empty last line takes the appended text's alignment
  EXPECT_EQ(letters.text, U"Kopf\nMitte\n\nEnde\nX\nY");
  EXPECT_EQ(letters.alignmentOf(4), Alignment::Right);
  EXPECT_EQ(letters.alignmentOf(5), Alignment::Center);
  EXPECT_EQ(letters.alignmentOf(3), Alignment::Justify);
}

TEST(RichTextTest, SetAlignmentStoresOnlyWhatDiffersFromLeft) {
  RichText rt = RichText::plain(U"a\nb\nc", A);
  rt.setAlignment(5, Alignment::Left);
  rt.setAlignment(-1, Alignment::Center);
  EXPECT_TRUE(rt.alignments.empty());
  rt.setAlignment(1, Alignment::Right);
  EXPECT_EQ(rt.alignments, (std::vector<Alignment>{Alignment::Left, Alignment::Right}));
  EXPECT_EQ(rt.alignmentOf(2), Alignment::Left);
}

}  // namespace
}  // namespace korvale
