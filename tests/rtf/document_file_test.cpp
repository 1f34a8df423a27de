#include "rtf/document_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "base/files.h"
#include "sample_document.h"
#include "support/temp_folder.h"

namespace korvale {
namespace {

class DocumentFileTest : public ::testing::Test {
 protected:
  Path path(const std::string& name) const { return dir_.join(Path(name)); }

  TempFolder temp_;
  Path dir_ = temp_.path();
  const CharFormat plain_{U"Arial", 14, false, false, false, 0};
};

TEST(LooksLikeRtfTest, RecognisesTheRtfGroup) {
  struct Case {
    std::string bytes;
    bool rtf;
  };
  const Case cases[] = {{"{\\rtf1\\ansi x}", true},
                        {"  \r\n{\\rtf1", true},
                        {"\xEF\xBB\xBF{\\rtf1", true},
                        {"{\\rtf", true},
                        {"", false},
                        {"{\\rt", false},
                        {"Text {\\rtf1", false},
                        {"{ \\rtf1", false}};
  for (const auto& c : cases) EXPECT_EQ(looksLikeRtf(c.bytes), c.rtf) << c.bytes;
}

TEST_F(DocumentFileTest, RtfSavesAndLoadsWithItsFormats) {
  const RichText doc = sampleDocument();
  ASSERT_TRUE(saveDocument(path("brief.rtf"), doc, true));
  const auto loaded = loadDocument(path("brief.rtf"), true, plain_);
  ASSERT_TRUE(loaded);
  RichText expected = doc;
  expected.normalize();
  EXPECT_EQ(*loaded, expected);
}

TEST_F(DocumentFileTest, PlainTextSavesWithCrLfAndLoadsInThePlainFormat) {
  ASSERT_TRUE(
      saveDocument(path("liste.csv"), RichText::plain(U"Name;\nM\xFCller;", plain_), false));
  EXPECT_EQ(readFileBytes(path("liste.csv")), "Name;\r\nM\xFCller;\r\n");

  ASSERT_TRUE(writeFileAtomic(path("notiz.txt"), "eins\rzwei\ndrei\r\n"));
  const CharFormat courier{U"Courier New", 10, false, false, false, 0};
  const auto loaded = loadDocument(path("notiz.txt"), false, courier);
  ASSERT_TRUE(loaded);
  EXPECT_EQ(*loaded, RichText::plain(U"eins\nzwei\ndrei", courier));
}

TEST_F(DocumentFileTest, TheChosenKindDecidesWhenTheContentDisagrees) {
  // A text file named .rtf loads as text; an RTF file opened as text shows its codes.
  ASSERT_TRUE(writeFileAtomic(path("text.rtf"), "nur Text\r\n"));
  EXPECT_EQ(loadDocument(path("text.rtf"), true, plain_), RichText::plain(U"nur Text", plain_));
  ASSERT_TRUE(writeFileAtomic(path("codes.txt"), "{\\rtf1 x}"));
  EXPECT_EQ(loadDocument(path("codes.txt"), false, plain_)->text, U"{\\rtf1 x}");
}

TEST_F(DocumentFileTest, FailuresAreReported) {
  EXPECT_FALSE(loadDocument(path("fehlt.rtf"), true, plain_));
  EXPECT_FALSE(loadDocument(path("fehlt.txt"), false, plain_));
  EXPECT_FALSE(loadDocument(dir_, true, plain_));
  EXPECT_FALSE(saveDocument(path("kein/ordner.rtf"), sampleDocument(), true));
  EXPECT_FALSE(pathExists(path("kein")));

  // A save that fails leaves the old file as it was.
  ASSERT_TRUE(writeFileAtomic(path("alt.txt"), "alt\r\n"));
  std::filesystem::create_directory(path("alt.txt.dir").bytes());
  EXPECT_FALSE(saveDocument(path("alt.txt.dir"), sampleDocument(), false));
  EXPECT_EQ(readFileBytes(path("alt.txt")), "alt\r\n");
}

}  // namespace
}  // namespace korvale
