#include "base/files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include "support/temp_folder.h"

namespace korvale {
namespace {

class FilesTest : public ::testing::Test {
 protected:
  TempFolder temp;
  Path dir = temp.path();
};

TEST_F(FilesTest, AtomicWriteReplacesAndReadsBack) {
  const Path path = dir.join(Path("a.csv"));
  ASSERT_TRUE(writeFileAtomic(path, "one\r\n"));
  ASSERT_TRUE(writeFileAtomic(path, std::string("two\0x", 5)));
  EXPECT_EQ(readFileBytes(path), std::string("two\0x", 5));
  EXPECT_EQ(sortedFileNames(dir), std::vector<std::string>{"a.csv"});  // no temporary left
}

TEST_F(FilesTest, ReadOnlyFileIsNotOverwritten) {
  const Path path = dir.join(Path("r.csv"));
  ASSERT_TRUE(writeFileAtomic(path, "old"));
  ASSERT_TRUE(setReadOnly(path, true));
  EXPECT_FALSE(writeFileAtomic(path, "new"));
  EXPECT_EQ(readFileBytes(path), "old");
}

TEST_F(FilesTest, SymlinkIsReplacedNotFollowed) {
  const Path target = dir.join(Path("target"));
  const Path link = dir.join(Path("link"));
  ASSERT_TRUE(writeFileAtomic(target, "keep"));
  ASSERT_EQ(symlink(target.c_str(), link.c_str()), 0);
  ASSERT_TRUE(writeFileAtomic(link, "new"));
  EXPECT_EQ(readFileBytes(target), "keep");
  EXPECT_FALSE(isSymlink(link));
  EXPECT_EQ(readFileBytes(link), "new");
}

TEST_F(FilesTest, WriteIntoMissingFolderFails) {
  EXPECT_FALSE(writeFileAtomic(dir.join(Path("no/such.txt")), "x"));
  EXPECT_FALSE(readFileBytes(dir.join(Path("no/such.txt"))).has_value());
}

TEST(Paths, Parts) {
  EXPECT_EQ(Path("/tmp/").withoutTrailingSlash(), "/tmp");
  EXPECT_EQ(Path("/").withoutTrailingSlash(), "/");
  EXPECT_EQ(Path("").withoutTrailingSlash(), "");
  EXPECT_EQ(Path("/a/b/c.CSV").folder(), "/a/b");
  EXPECT_EQ(Path("/c.csv").folder(), "/");
  EXPECT_EQ(Path("/a/b/c.CSV").fileName(), "c.CSV");
  EXPECT_EQ(Path("/a/b/c.CSV").extension(), ".csv");
  EXPECT_EQ(Path("/a.b/c").extension(), "");
  EXPECT_EQ(Path("/a").join("b"), "/a/b");
  EXPECT_EQ(Path("/").join("b"), "/b");
}

// A name is the file system's UTF-8; shown, every character comes back, and a byte that is no
// UTF-8 still shows as a character instead of vanishing.
TEST(Paths, TextAndNamesConvertExplicitly) {
  EXPECT_EQ(Path::fromText(U"Übung.pdf").bytes(),
            "\xC3\x9C"
            "bung.pdf");
  EXPECT_EQ(Path("/s/\xC3\x9C"
                 "bung.csv")
                .fileName()
                .displayText(),
            U"Übung.csv");
  EXPECT_EQ(Path("Ayşe Yılmaz.csv").extension(), ".csv");
  EXPECT_EQ(Path("\xDC"
                 "bung.csv")
                .displayText(),
            U"Übung.csv");
  EXPECT_TRUE(Path("/a/b").isInside("/a"));
  EXPECT_FALSE(Path("/ab").isInside("/a"));
  EXPECT_FALSE(Path("/a").isInside("/a"));
}

}  // namespace
}  // namespace korvale
