#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>

#include "app/samples/sample_files.h"
#include "base/files.h"
#include "support/temp_folder.h"
#include "support/test_ports.h"

namespace korvale {
namespace {

const std::string kError = "[message]  DataStore- Error ";

std::string bytesOf(const SampleFile& file) {
  return std::string(reinterpret_cast<const char*>(file.data), file.size);
}

std::vector<std::string> sampleNames() {
  std::vector<std::string> names;
  for (const SampleFile& file : sampleFiles()) names.push_back(file.name);
  return names;
}

class WriteSamples : public ::testing::Test {
 protected:
  void SetUp() override {
    demo = root.join(Path("DATACOPY"));
    ASSERT_TRUE(createDirectory(demo));
  }

  Path path(const std::string& name) const { return demo.join(Path(name)); }
  bool holdsSample(std::size_t index) const { return holdsSample(demo, index); }
  static bool holdsSample(const Path& folder, std::size_t index) {
    const Path file = folder.join(Path(sampleFiles()[index].name));
    return isRegularFile(file) && readFileBytes(file) == bytesOf(sampleFiles()[index]);
  }

  TempFolder temp;
  Path root = temp.path();
  Path demo;
};

TEST(SampleTable, NamesInWritingOrder) {
  EXPECT_EQ(sampleNames(),
            (std::vector<std::string>{
                "demodat.csv",  "mediadat.csv", "noten5a.csv",  "sbrief1.rtf",  "sbrief2.rtf",
                "sbrief3.rtf",  "sbrief5a.rtf", "tabelle.txt",  "foto1.jpg",    "foto2.jpg",
                "foto3.jpg",    "schi.wmv",     "tonspur1.mp3", "tonspur2.mp3", "tonspur3.mp3",
                "gedicht.mp3",  "gedicht.pdf",  "mappe1.rtf",   "mappe2.rtf",   "replace_01.rep",
                "noten5a+.csv", "sbrief4.rtf",  "mathe.rtf"}));
}

TEST(SampleTable, EmbeddedBytesAreTheCommittedFiles) {
  std::size_t total = 0;
  for (const SampleFile& file : sampleFiles()) {
    SCOPED_TRACE(file.name);
    const auto onDisk =
        readFileBytes(Path(std::string(KORVALE_TEST_DATA) + "/../assets/samples/" + file.name));
    ASSERT_TRUE(onDisk.has_value());
    EXPECT_EQ(*onDisk, bytesOf(file));
    EXPECT_GT(file.size, 0u);
    total += file.size;
  }
  EXPECT_LT(total, 1024u * 1024u);
}

TEST_F(WriteSamples, EmptyFolderGetsExactlyTheSamples) {
  TestDialogs dialogs;
  writeSampleFiles(demo, dialogs);
  EXPECT_TRUE(dialogs.shown.empty());
  std::vector<std::string> expected = sampleNames();
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(sortedFileNames(demo), expected);
  for (std::size_t i = 0; i < sampleFiles().size(); ++i) EXPECT_TRUE(holdsSample(i)) << i;
}

TEST_F(WriteSamples, OwnFilesSurviveAndChangedSamplesComeBack) {
  ASSERT_TRUE(writeFileAtomic(path("eigene.csv"), "Name;\r\nmeins;\r\n"));
  ASSERT_TRUE(writeFileAtomic(path("demodat.csv"), "changed by the user"));
  TestDialogs dialogs;
  writeSampleFiles(demo, dialogs);
  writeSampleFiles(demo, dialogs);
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(readFileBytes(path("eigene.csv")), "Name;\r\nmeins;\r\n");
  EXPECT_TRUE(holdsSample(0));
  EXPECT_EQ(sortedFileNames(demo).size(), sampleFiles().size() + 1);
}

TEST_F(WriteSamples, MissingOrLinkedFolderIsLeftAlone) {
  TestDialogs dialogs;
  writeSampleFiles(root.join(Path("missing")), dialogs);
  EXPECT_FALSE(pathExists(root.join(Path("missing"))));

  const Path link = root.join(Path("link"));
  ASSERT_EQ(symlink(demo.c_str(), link.c_str()), 0);
  writeSampleFiles(link, dialogs);
  EXPECT_TRUE(sortedFileNames(demo).empty());
  EXPECT_TRUE(dialogs.shown.empty());
}

// A file that cannot be replaced stops the writing right there, with one message.
struct BlockedCase {
  const char* what;
  std::size_t blocked;  // index in the table
  bool asFolder;        // a folder of that name instead of a read-only file
};

TEST_F(WriteSamples, FirstFailureStopsTheRest) {
  const BlockedCase cases[] = {
      {"read-only noten5a.csv", 2, false},
      {"folder named demodat.csv", 0, true},
      {"read-only mathe.rtf, the last", 22, false},
  };
  int run = 0;
  for (const BlockedCase& c : cases) {
    SCOPED_TRACE(c.what);
    const Path folder = root.join(Path("run" + std::to_string(++run)));
    ASSERT_TRUE(createDirectory(folder));
    const Path blocked = folder.join(Path(sampleFiles()[c.blocked].name));
    if (c.asFolder) {
      ASSERT_TRUE(createDirectory(blocked));
    } else {
      ASSERT_TRUE(writeFileAtomic(blocked, "old marks"));
      ASSERT_TRUE(setReadOnly(blocked, true));
    }
    TestDialogs dialogs;
    writeSampleFiles(folder, dialogs);
    EXPECT_EQ(dialogs.shown, std::vector<std::string>{kError});
    for (std::size_t i = 0; i < c.blocked; ++i) EXPECT_TRUE(holdsSample(folder, i)) << i;
    if (!c.asFolder) {
      EXPECT_EQ(readFileBytes(blocked), "old marks");
    }
    for (std::size_t i = c.blocked + 1; i < sampleFiles().size(); ++i)
      EXPECT_FALSE(pathExists(folder.join(Path(sampleFiles()[i].name)))) << i;
  }
}

TEST_F(WriteSamples, PlantedLinksAreReplacedNotFollowed) {
  const Path victim = root.join(Path("victim.txt"));
  ASSERT_TRUE(writeFileAtomic(victim, "precious"));
  ASSERT_EQ(symlink(victim.c_str(), path("demodat.csv").c_str()), 0);
  const Path nowhere = root.join(Path("created-through-link"));
  ASSERT_EQ(symlink(nowhere.c_str(), path("sbrief1.rtf").c_str()), 0);

  TestDialogs dialogs;
  writeSampleFiles(demo, dialogs);
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(readFileBytes(victim), "precious");
  EXPECT_FALSE(pathExists(nowhere));
  EXPECT_FALSE(isSymlink(path("demodat.csv")));
  EXPECT_TRUE(holdsSample(0));
  EXPECT_TRUE(holdsSample(3));
}

}  // namespace
}  // namespace korvale
