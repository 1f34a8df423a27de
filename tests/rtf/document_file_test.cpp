#include "rtf/document_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <future>

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

// Every window opens its files here, so what is no text document is refused before any of it
// reaches an editor.
TEST_F(DocumentFileTest, WhatIsNoTextDocumentIsRefused) {
  struct Case {
    const char* name;
    std::string bytes;
    bool loads;
  };
  const std::string line64k(kMaxLineBytes, 'x');
  const std::string nulAtEndOfProbe = std::string(65535, 'a') + '\0';
  const std::string nulAfterProbe = std::string(65536, 'a') + '\0';
  const Case cases[] = {
      {"nul.csv", std::string("Name;\r\nM\0ller;\r\n", 16), false},
      {"elf.txt",
       std::string("\x7F"
                   "ELF\x02\x01\x01\0\0\0",
                   11),
       false},
      {"nul-late.txt", nulAtEndOfProbe, false},
      {"nul-after.txt", nulAfterProbe.substr(0, 60000) + "\n" + nulAfterProbe.substr(60000), true},
      {"utf16.txt", std::string("\xFF\xFEN\0a\0;\0\r\0\n\0", 12), true},
      {"line-ok.txt", "a\r\n" + line64k + "\r\nb", true},
      {"line-long.txt", "a\r\n" + line64k + "x\r\nb", false},
      {"line-long-cr.txt", line64k + "x", false},
      {"nul.rtf", std::string("{\\rtf1 x\0}", 10), false},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(writeFileAtomic(path(c.name), c.bytes));
    const bool asRtf = std::string_view(c.name).ends_with(".rtf");
    EXPECT_EQ(loadDocument(path(c.name), asRtf, plain_).has_value(), c.loads) << c.name;
  }
  EXPECT_FALSE(loadDocument(Path("/dev/null"), false, plain_));
  EXPECT_FALSE(loadDocument(Path("/dev/zero"), false, plain_));

  // Above the size limit, even with short lines of text.
  std::string big;
  while (big.size() <= kMaxUserFileBytes) big += "Name;1;2;3;\r\n";
  ASSERT_TRUE(writeFileAtomic(path("big.csv"), big));
  EXPECT_FALSE(loadDocument(path("big.csv"), false, plain_));
}

TEST_F(DocumentFileTest, AFifoIsRefusedWithoutWaitingForAWriter) {
  const Path fifo = path("noten.csv");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  auto loading = std::async(std::launch::async, [&] { return loadDocument(fifo, false, plain_); });
  if (loading.wait_for(std::chrono::seconds(3)) == std::future_status::timeout) {
    ADD_FAILURE() << "opening a FIFO waits for a writer";
    ::close(::open(fifo.c_str(), O_WRONLY));  // sets the waiting open free
  }
  EXPECT_FALSE(loading.get());
}

// "Speichern" onto a link replaces the file it leads to and keeps the link; what is no regular
// file is never replaced.
TEST_F(DocumentFileTest, SavingFollowsALinkAndRefusesWhatIsNoRegularFile) {
  const RichText doc = RichText::plain(U"neu", plain_);
  ASSERT_TRUE(writeFileAtomic(path("ziel.csv"), "alt\r\n"));
  ASSERT_EQ(symlink("ziel.csv", path("link.csv").c_str()), 0);
  ASSERT_EQ(symlink(path("link.csv").c_str(), path("link2.csv").c_str()), 0);
  ASSERT_TRUE(saveDocument(path("link2.csv"), doc, false));
  EXPECT_TRUE(isSymlink(path("link.csv")));
  EXPECT_TRUE(isSymlink(path("link2.csv")));
  EXPECT_EQ(readFileBytes(path("ziel.csv")), "neu\r\n");
  EXPECT_EQ(sortedFileNames(dir_), (std::vector<std::string>{"link.csv", "link2.csv", "ziel.csv"}));

  ASSERT_EQ(mkfifo(path("fifo.csv").c_str(), 0600), 0);
  ASSERT_EQ(symlink("fehlt.csv", path("lose.csv").c_str()), 0);
  ASSERT_EQ(symlink("fifo.csv", path("zur-fifo.csv").c_str()), 0);
  ASSERT_EQ(symlink("/dev/null", path("null.csv").c_str()), 0);
  for (const char* name : {"fifo.csv", "lose.csv", "zur-fifo.csv", "null.csv"}) {
    EXPECT_FALSE(saveDocument(path(name), doc, false)) << name;
    EXPECT_FALSE(saveDocument(path(name), doc, true)) << name;
  }
  struct stat st {};
  ASSERT_EQ(::lstat(path("fifo.csv").c_str(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));
  EXPECT_TRUE(isSymlink(path("lose.csv")));
  EXPECT_TRUE(isSymlink(path("null.csv")));
  EXPECT_FALSE(pathExists(path("fehlt.csv")));
  ASSERT_EQ(::stat("/dev/null", &st), 0);
  EXPECT_TRUE(S_ISCHR(st.st_mode));
}

}  // namespace
}  // namespace korvale
