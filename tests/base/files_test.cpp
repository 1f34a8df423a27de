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
  std::string dir = temp.path();
};

TEST_F(FilesTest, AtomicWriteReplacesAndReadsBack) {
  const std::string path = joinPath(dir, "a.csv");
  ASSERT_TRUE(writeFileAtomic(path, "one\r\n"));
  ASSERT_TRUE(writeFileAtomic(path, std::string("two\0x", 5)));
  EXPECT_EQ(readFileBytes(path), std::string("two\0x", 5));
  EXPECT_EQ(sortedFileNames(dir), std::vector<std::string>{"a.csv"});  // no temporary left
}

TEST_F(FilesTest, ReadOnlyFileIsNotOverwritten) {
  const std::string path = joinPath(dir, "r.csv");
  ASSERT_TRUE(writeFileAtomic(path, "old"));
  ASSERT_TRUE(setReadOnly(path, true));
  EXPECT_FALSE(writeFileAtomic(path, "new"));
  EXPECT_EQ(readFileBytes(path), "old");
}

TEST_F(FilesTest, SymlinkIsReplacedNotFollowed) {
  const std::string target = joinPath(dir, "target");
  const std::string link = joinPath(dir, "link");
  ASSERT_TRUE(writeFileAtomic(target, "keep"));
  ASSERT_EQ(symlink(target.c_str(), link.c_str()), 0);
  ASSERT_TRUE(writeFileAtomic(link, "new"));
  EXPECT_EQ(readFileBytes(target), "keep");
  EXPECT_FALSE(isSymlink(link));
  EXPECT_EQ(readFileBytes(link), "new");
}

TEST_F(FilesTest, WriteIntoMissingFolderFails) {
  EXPECT_FALSE(writeFileAtomic(joinPath(dir, "no/such.txt"), "x"));
  EXPECT_FALSE(readFileBytes(joinPath(dir, "no/such.txt")).has_value());
}

TEST(Paths, Parts) {
  EXPECT_EQ(stripTrailingSlash("/tmp/"), "/tmp");
  EXPECT_EQ(stripTrailingSlash("/"), "/");
  EXPECT_EQ(stripTrailingSlash(""), "");
  EXPECT_EQ(folderOf("/a/b/c.CSV"), "/a/b");
  EXPECT_EQ(folderOf("/c.csv"), "/");
  EXPECT_EQ(fileNameOf("/a/b/c.CSV"), "c.CSV");
  EXPECT_EQ(extensionOf("/a/b/c.CSV"), ".csv");
  EXPECT_EQ(extensionOf("/a.b/c"), "");
  EXPECT_EQ(joinPath("/a", "b"), "/a/b");
  EXPECT_EQ(joinPath("/", "b"), "/b");
}

}  // namespace
}  // namespace korvale
