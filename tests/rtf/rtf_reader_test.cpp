#include "rtf/rtf_reader.h"

#include <gtest/gtest.h>

#include <ctime>
#include <string>

namespace korvale {
namespace {

Text textOf(std::string_view rtf) {
  const auto doc = readRtf(rtf);
  return doc ? doc->text : Text(U"<not read>");
}

struct TextCase {
  const char* name;
  std::string rtf;
  Text text;
};

void expectTexts(const std::vector<TextCase>& cases) {
  for (const auto& c : cases) EXPECT_EQ(textOf(c.rtf), c.text) << c.name << "\n" << c.rtf;
}

TEST(RtfReaderTest, ParagraphsLinesAndTabs) {
  expectTexts({
      {"one word", R"({\rtf1 Hallo})", U"Hallo"},
      {"the closing paragraph end adds no line", R"({\rtf1 a\par b\par})", U"a\nb"},
      {"an empty last paragraph stays", R"({\rtf1 a\par\par})", U"a\n"},
      {"line breaks and tabs", R"({\rtf1 a\line b\tab c})", U"a\nb\tc"},
      {"raw line ends are no text", "{\\rtf1 a\r\nb\nc\rd}", U"abcd"},
      {"backslash before a line end ends the paragraph", "{\\rtf1 a\\\nb}", U"a\nb"},
      {"the delimiting blank belongs to the word", R"({\rtf1 \b  two\b0  blanks})", U" two blanks"},
      {"sections and columns end paragraphs", R"({\rtf1 a\sect b\column c})", U"a\nb\nc"},
      {"table rows become tab-separated lines",
       R"({\rtf1 \trowd A\cell B\cell\row {\trowd C\cell {D}\cell }\row})", U"A\tB\nC\tD"},
  });
}

TEST(RtfReaderTest, CharactersInTheDocumentsCodePage) {
  expectTexts({
      {"hex escapes in cp1252", R"({\rtf1\ansi Gr\'f6\'dfe \'80 \'b6})", U"Größe € ¶"},
      {"raw 8-bit bytes",
       "{\\rtf1\\ansi Gr\xF6\xDF"
       "e}",
       U"Größe"},
      {"code page 1250", R"({\rtf1\ansi\ansicpg1250 \'9a\'e4\'b3})", U"šäł"},
      {"code page 1254", R"({\rtf1\ansi\ansicpg1254 Ay\'fee Y\'fdlmaz \'dd\'f0})",
       U"Ayşe Yılmaz İğ"},
      {"code page 1257", R"({\rtf1\ansi\ansicpg1257 \'e8\'f0\'fe})", U"čšž"},
      {"code page 437", R"({\rtf1\pc \'84\'e1\'b0})", U"äß░"},
      {"code page 850", R"({\rtf1\pca \'84\'e1\'d5})", U"äßı"},
      {"Mac Roman", R"({\rtf1\mac \'8a\'a7\'db})", U"äß€"},
      {"a font's character set wins over the document's",
       R"({\rtf1\ansi{\fonttbl{\f0 Arial;}{\f1\fcharset238 Arial CE;}}\f1 \'9a\'b3\f0 \'9a})",
       U"šłš"},
      {"a symbol font keeps its bytes", R"({\rtf1{\fonttbl{\f2\fcharset2 Symbol;}}\f2 \'b7})",
       U"\xB7"},
      {"double-byte code page: a pair is one character", R"({\rtf1\ansicpg932 a\'82\'a0b\'83@c})",
       U"aあbァc"},
      {"control characters are dropped, tabs kept", R"({\rtf1 a\'07\'00b\'09c})", U"ab\tc"},
      {"symbols", R"({\rtf1 \{x\} \\ a\~b\_c\-d})",
       U"{x} \\ a\xA0"
       "b-cd"},
      {"named characters", R"({\rtf1 \emdash\endash\bullet\lquote\rquote\ldblquote\rdblquote})",
       U"—–•‘’“”"},
      {"a hex escape with a bad digit is dropped", R"({\rtf1 a\'4zb})", U"a4zb"},
  });
}

TEST(RtfReaderTest, UnicodeWithFallbacks) {
  expectTexts({
      {"fallback of one character", R"({\rtf1 \u8364?x})", U"€x"},
      {"fallback as a hex escape", R"({\rtf1 M\u252\'fcller})", U"Müller"},
      {"negative values count from 65536", R"({\rtf1 \u-3?})", U"\uFFFD"},
      {"two fallback characters", R"({\rtf1\uc2 \u228\'61\'65x})", U"äx"},
      {"no fallback", R"({\rtf1\uc0 \u228 x})", U"äx"},
      {"a control word counts as one fallback character", R"({\rtf1 \u228\tab x})", U"äx"},
      {"fallback ends at a group's end", R"({\rtf1\uc3 \u228{b}c})", U"äbc"},
      {"\\uc is local to its group", R"({\rtf1 {\uc2 \u228 ab}\u246 cd})", U"äöd"},
      {"outside cp1252", R"({\rtf1 \u20013?\u1078?})", U"中ж"},
      {"a surrogate pair is one character", R"({\rtf1 a\u-10179?\u-8704?b})", U"a\U0001F600b"},
      {"in cp1252 above 0x80", R"({\rtf1 \u8222?\u8220?\u182?})", U"„“¶"},
  });
}

TEST(RtfReaderTest, DestinationsThatAreNotBodyText) {
  expectTexts({
      {"unknown starred destination", R"({\rtf1 a{\*\foo hidden {x}}b})", U"ab"},
      {"header, footer, footnote",
       R"({\rtf1 {\header H}{\footer F}{\headerl L}{\footerf G}a{\footnote N}b})", U"ab"},
      {"document information and styles",
       R"({\rtf1 {\info{\title T}{\author A}}{\stylesheet{\s0 Normal;}}x})", U"x"},
      {"pictures with hex and binary data",
       "{\\rtf1 a{\\pict\\pngblip 89504e47}{\\pict\\bin5 }}\\{{}b}", U"ab"},
      {"binary data outside a picture", "{\\rtf1 a\\bin3 }}}b}", U"ab"},
      {"a field shows its result", R"({\rtf1 {\field{\*\fldinst HYPERLINK "x"}{\fldrslt Link}}})",
       U"Link"},
      {"list numbers are shown", R"({\rtf1 {\listtext 1.\tab}Eins})", U"1.\tEins"},
      {"hidden text", R"({\rtf1 a{\v verborgen}b\v c\v0 d})", U"abd"},
      {"font and colour tables", R"({\rtf1{\fonttbl{\f0 Arial;}}{\colortbl;\red1\green2\blue3;}x})",
       U"x"},
  });
}

// What the editor cannot hold is named, so that saving over the file can be refused first; what
// belongs to no visible content (styles, metadata, bullets' pictures) is not.
TEST(RtfReaderTest, LeftOutContentIsNamed) {
  const struct {
    const char* name;
    std::string rtf;
    Text leftOut;
  } cases[] = {
      {"plain text", R"({\rtf1 {\b a}\par b})", U""},
      {"metadata, styles, bookmarks",
       R"({\rtf1 {\info{\title T}}{\stylesheet{\s0 N;}}{\*\bkmkstart m}x{\*\generator G}})", U""},
      {"a bullet's picture in the list table",
       R"({\rtf1 {\*\listtable{\list{\*\listpicture{\pict\pngblip 89}}}}x})", U""},
      {"picture", R"({\rtf1 a{\pict\pngblip 89504e47}b})", U"Bilder"},
      {"picture in a shape", R"({\rtf1 {\*\shppict{\pict\pngblip 89}}{\nonshppict{\pict 1}}})",
       U"Bilder"},
      {"embedded object", R"({\rtf1 {\object\objemb{\*\objdata 01}{\result x}}})", U"Bilder"},
      {"table", R"({\rtf1 \trowd A\cell B\cell\row})", U"Tabellen"},
      {"footnote", R"({\rtf1 a{\footnote N}b})", U"Fußnoten"},
      {"headers and footers", R"({\rtf1 {\header H}{\footerf F}a})", U"Kopf- und Fußzeilen"},
      {"comment", R"({\rtf1 a{\*\atnid X}{\*\annotation Text}})", U"Kommentare"},
      {"field", R"({\rtf1 {\field{\*\fldinst DATE}{\fldrslt 1.1.2026}}})", U"Feldbefehle"},
      {"hidden text", R"({\rtf1 a{\v verborgen}b})", U"verborgenen Text"},
      {"hidden switched off again holds nothing", R"({\rtf1 a\v\v0 b})", U""},
      {"several, in a fixed order", R"({\rtf1 {\footnote N}\trowd A\cell\row{\pict 89}})",
       U"Bilder, Tabellen und Fußnoten"},
      {"two", R"({\rtf1 {\header H}{\pict 89}})", U"Bilder und Kopf- und Fußzeilen"},
  };
  for (const auto& c : cases) {
    LeftOutContent leftOut;
    ASSERT_TRUE(readRtf(c.rtf, &leftOut)) << c.name;
    EXPECT_EQ(leftOut.names(), c.leftOut) << c.name;
    EXPECT_EQ(leftOut.any(), !c.leftOut.empty()) << c.name;
  }
}

TEST(RtfReaderTest, PageBreaksBecomeMarkLines) {
  expectTexts({
      {"inside a paragraph", R"({\rtf1 a\page b})", U"a\n¶\nb"},
      {"between paragraphs", R"({\rtf1 a\par\page\par b})", U"a\n¶\nb"},
      {"before a paragraph", R"({\rtf1 a\par\page b\par})", U"a\n¶\nb"},
      {"at the end", R"({\rtf1 a\page})", U"a\n¶"},
      {"two in a row", R"({\rtf1 a\page\page b})", U"a\n¶\n¶\nb"},
      {"paragraph property", R"({\rtf1 a\par\pard\pagebb b\par\pard c})", U"a\n¶\nb\nc"},
      {"paragraph property kept until \\pard", R"({\rtf1 \pagebb a\par b})", U"¶\na\n¶\nb"},
      {"paragraph property on an empty paragraph", R"({\rtf1 a\par\pard\pagebb\par\pard b})",
       U"a\n¶\nb"},
      {"paragraph property inside groups breaks once",
       R"({\rtf1 a\par\pard\pagebb{x}{y}\par\pard z})", U"a\n¶\nxy\nz"},
      {"the mark as a character is plain text", R"({\rtf1 a\'b6b})", U"a¶b"},
  });
}

TEST(RtfReaderTest, NotRtfIsRefused) {
  for (const std::string bytes : {"", "Hallo", "{\\rt", "{ \\rtf1 x}", "rtf1}", "\\rtf1 x"})
    EXPECT_FALSE(readRtf(bytes)) << bytes;
  EXPECT_EQ(textOf("\xEF\xBB\xBF  \r\n{\\rtf1 x}"), U"x");
  EXPECT_EQ(textOf("{\\rtf"), U"");
}

CharFormat format(const Text& font, int size, bool bold = false, bool italic = false,
                  bool underline = false, std::uint32_t color = 0) {
  return {font, size, bold, italic, underline, color};
}

TEST(RtfReaderTest, CharacterFormats) {
  const std::string tables =
      R"({\rtf1\deff1{\fonttbl{\f0\froman Times New Roman;}{\f1\fswiss\fcharset0 Arial{\*\falt Helvetica};}{\f2 Courier New;}})"
      R"({\colortbl;\red255\green0\blue0;\red0\green0\blue255;})";
  struct Case {
    const char* name;
    std::string body;
    std::vector<FormatRun> runs;
  };
  const std::vector<Case> cases = {
      {"default font and size", "a", {{1, format(U"Arial", 12)}}},
      {"font, size, styles", R"(\f2\fs20\b\i\ul a)", {{1, format(U"Courier New", 10, 1, 1, 1)}}},
      {"odd half points round up", R"(\fs21 a)", {{1, format(U"Arial", 11)}}},
      {"groups restore",
       R"(a{\b b{\i c}d}e)",
       {{1, format(U"Arial", 12)},
        {1, format(U"Arial", 12, true)},
        {1, format(U"Arial", 12, true, true)},
        {1, format(U"Arial", 12, true)},
        {1, format(U"Arial", 12)}}},
      {"switched off by parameter 0",
       R"(\b\i\ul a\b0\i0\ul0 b)",
       {{1, format(U"Arial", 12, 1, 1, 1)}, {1, format(U"Arial", 12)}}},
      {"underline variants and \\ulnone",
       R"(\uldb a\ulnone b\ulw c\ulc1 d)",
       {{1, format(U"Arial", 12, 0, 0, 1)},
        {1, format(U"Arial", 12)},
        {2, format(U"Arial", 12, 0, 0, 1)}}},
      {"\\plain resets to the default font",
       R"(\f2\fs40\b a\plain b)",
       {{1, format(U"Courier New", 20, true)}, {1, format(U"Arial", 12)}}},
      {"colours from the table; unknown index is automatic",
       R"(\cf1 a\cf2 b\cf9 c\cf0 d)",
       {{1, format(U"Arial", 12, 0, 0, 0, 0xFF0000)},
        {1, format(U"Arial", 12, 0, 0, 0, 0x0000FF)},
        {2, format(U"Arial", 12)}}},
      {"a font the table lacks is the default font", R"(\f7 a)", {{1, format(U"Arial", 12)}}},
      {"a size of zero is ignored", R"(\fs0 a)", {{1, format(U"Arial", 12)}}},
      {"the paragraph end has the format in force at \\par",
       R"({\b a}\par b)",
       {{1, format(U"Arial", 12, true)}, {2, format(U"Arial", 12)}}},
  };
  for (const auto& c : cases) {
    const auto doc = readRtf(tables + c.body + "}");
    ASSERT_TRUE(doc) << c.name;
    EXPECT_EQ(doc->runs, c.runs) << c.name;
  }
}

TEST(RtfReaderTest, FontTableForms) {
  struct Case {
    const char* name;
    std::string rtf;
    Text font;
  };
  const std::vector<Case> cases = {
      {"entries without groups", R"({\rtf1{\fonttbl\f0\fswiss Helvetica;\f1 Courier;}\f1 x})",
       U"Courier"},
      {"entry without semicolon", R"({\rtf1{\fonttbl{\f0 Verdana}}\f0 x})", U"Verdana"},
      {"escaped name in its character set",
       R"({\rtf1{\fonttbl{\f0\fcharset0 Gr\'fc\'dfe Sans;}}\f0 x})", U"Grüße Sans"},
      {"alternative names are left out",
       R"({\rtf1{\fonttbl{\f0 Liberation Serif{\*\falt Times New Roman};}}\f0 x})",
       U"Liberation Serif"},
      {"\\deff before the table", R"({\rtf1\deff3{\fonttbl{\f3 Tahoma;}}x})", U"Tahoma"},
      {"no table at all", R"({\rtf1\f0 x})", CharFormat().font},
  };
  for (const auto& c : cases) {
    const auto doc = readRtf(c.rtf);
    ASSERT_TRUE(doc) << c.name;
    ASSERT_EQ(doc->text, U"x") << c.name;
    EXPECT_EQ(doc->runs.front().format.font, c.font) << c.name;
  }
}

TEST(RtfReaderTest, ParagraphAlignments) {
  using enum Alignment;
  struct Case {
    const char* name;
    std::string rtf;
    std::vector<Alignment> alignments;
  };
  const std::vector<Case> cases = {
      {"each paragraph its own",
       R"({\rtf1\pard\qc a\par\pard\qr b\par\pard c\par\qj d\par})",
       {Center, Right, Left, Justify}},
      {"the alignment at the paragraph's end counts", R"({\rtf1 a\qc\par\pard b})", {Center}},
      {"kept until \\pard", R"({\rtf1\qc a\par b\par\pard c})", {Center, Center}},
      {"lines of one paragraph share it", R"({\rtf1\qr a\line b\par\pard c})", {Right, Right}},
      {"group-local paragraphs", R"({\rtf1{\pard\qc a\par}b})", {Center}},
      {"the last, unended paragraph", R"({\rtf1 a\par\qc b})", {Left, Center}},
      {"page-break lines stay left", R"({\rtf1\qc a\page b\par})", {Center, Left, Center}},
  };
  for (const auto& c : cases) {
    const auto doc = readRtf(c.rtf);
    ASSERT_TRUE(doc) << c.name;
    EXPECT_EQ(doc->alignments, c.alignments) << c.name;
  }
}

// Damaged files give what could be read, quickly and without growing memory.
TEST(RtfReaderTest, MalformedInputIsReadAsFarAsPossible) {
  const std::string deep = std::string(200000, '{') + "x" + std::string(200000, '}');
  const std::vector<TextCase> cases = {
      {"cut off in the text", R"({\rtf1 abc)", U"abc"},
      {"cut off in a control word", R"({\rtf1 abc\par)", U"abc"},
      {"cut off after a backslash", "{\\rtf1 abc\\", U"abc"},
      {"cut off in a hex escape", "{\\rtf1 abc\\'4", U"abc4"},
      {"cut off inside a skipped group", R"({\rtf1 abc{\*\foo de)", U"abc"},
      {"cut off in binary data", "{\\rtf1 abc\\bin999 de", U"abc"},
      {"too many closing braces end the document", R"({\rtf1 abc}}} more)", U"abc"},
      {"unclosed groups", R"({\rtf1 a{{{\b b{c)", U"abc"},
      {"absurd nesting is skipped", "{\\rtf1 a" + deep + "b}", U"ab"},
      {"huge numbers are clamped", R"({\rtf1 \fs99999999999999999999 a\u99999999999 b})",
       U"a\uFFFD"},
      {"huge fallback length stops at the group's end", R"({\rtf1 {\uc999999999\u228 abcdef}g})",
       U"äg"},
      {"huge binary length", "{\\rtf1 a\\bin99999999999999 bcd}", U"a"},
      {"negative binary length", "{\\rtf1 a\\bin-5 b}", U"ab"},
      {"negative font and colour numbers", R"({\rtf1 \f-5\cf-3\fs-8 a})", U"a"},
      {"overlong control word", "{\\rtf1 a\\" + std::string(100000, 'x') + " b}", U"ab"},
      {"overlong number", "{\\rtf1 a\\fs" + std::string(100000, '9') + " b}", U"ab"},
      {"NUL bytes", std::string("{\\rtf1 a\0b}", 11), U"ab"},
      {"starred word outside a group", R"({\rtf1 a\*\foo b})", U"a"},
      {"page breaks in a skipped group", R"({\rtf1 a{\header \page\par}b})", U"ab"},
  };
  expectTexts(cases);

  const std::string longName = "{\\rtf1{\\fonttbl{\\f0 " + std::string(100000, 'N') + ";}}\\f0 x}";
  const auto doc = readRtf(longName);
  ASSERT_TRUE(doc);
  EXPECT_LE(doc->runs.front().format.font.size(), 255u);
}

TEST(RtfReaderTest, HostileInputsTakeLinearTime) {
  const std::vector<std::string> inputs = {
      "{\\rtf1" + std::string(2'000'000, '{'),
      "{\\rtf1" + std::string(2'000'000, '}'),
      [] {
        std::string s = "{\\rtf1 ";
        for (int i = 0; i < 300'000; ++i) s += "\\page";
        return s;
      }(),
      [] {
        std::string s = "{\\rtf1{\\colortbl";
        for (int i = 0; i < 200'000; ++i) s += ";";
        return s + "}\\cf199999 x}";
      }(),
      [] {
        std::string s = "{\\rtf1 ";
        for (int i = 0; i < 200'000; ++i) s += "{\\b x}";
        return s;
      }(),
  };
  // Processor time, not wall time: a quadratic reader needs hours for these, a linear one well
  // under a second, whatever else the machine is doing.
  const std::clock_t start = std::clock();
  for (const auto& input : inputs) {
    const auto doc = readRtf(input);
    ASSERT_TRUE(doc);
    EXPECT_LE(doc->text.size(), input.size());
  }
  EXPECT_LT(static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC, 5.0);
}

}  // namespace
}  // namespace korvale
