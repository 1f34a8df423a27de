#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "app/application.h"
#include "app/paths.h"
#include "base/files.h"
#include "support/app/test_platform.h"
#include "support/temp_folder.h"
#include "window/scaling.h"

namespace korvale {
namespace {

class TempDir : public ::testing::Test {
 protected:
  TempFolder temp;
  Path dir = temp.path();
};

TEST(Paths, TemporaryFolder) {
  EXPECT_EQ(temporaryFolder(nullptr), "/tmp");
  EXPECT_EQ(temporaryFolder(""), "/tmp");
  EXPECT_EQ(temporaryFolder(" /var/tmp/ \n"), "/var/tmp");
  EXPECT_EQ(temporaryFolder("/home/lehrer/tmp"), "/home/lehrer/tmp");
}

using DataFolders = TempDir;

TEST_F(DataFolders, CreatedOnFirstStartAndKeptLater) {
  TestDialogs dialogs;
  const auto paths = setupDataFolders(dir + "/start/", dir, "anna", dialogs);
  ASSERT_TRUE(paths);
  EXPECT_EQ(paths->startFolder, dir + "/start");
  EXPECT_EQ(paths->dataFolder, dir + "/LEHRDATEN");
  EXPECT_EQ(paths->demoFolder, dir + "/LEHRDATEN/DATACOPY");
  EXPECT_EQ(paths->firmaFolder, dir + "/LEHRDATEN/DATAFIRMA");
  EXPECT_TRUE(isDirectory(paths->demoFolder));
  EXPECT_TRUE(isDirectory(paths->firmaFolder));
  EXPECT_TRUE(setupDataFolders(dir, dir, "anna", dialogs));
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(DataFolders, ReadOnlyDataFolderIsOpenedAgain) {
  ASSERT_TRUE(createDirectory(dir + "/LEHRDATEN"));
  chmod((dir + "/LEHRDATEN").c_str(), 0500);
  TestDialogs dialogs;
  ASSERT_TRUE(setupDataFolders(dir, dir, "anna", dialogs));
  struct stat st {};
  ASSERT_EQ(stat((dir + "/LEHRDATEN").c_str(), &st), 0);
  EXPECT_TRUE(st.st_mode & S_IWUSR);
  EXPECT_TRUE(st.st_mode & S_IRUSR);
  EXPECT_TRUE(isDirectory(dir + "/LEHRDATEN/DATACOPY"));
}

TEST_F(DataFolders, PlantedLinkIsNotUsed) {
  ASSERT_TRUE(createDirectory(dir + "/elsewhere"));
  ASSERT_EQ(symlink((dir + "/elsewhere").c_str(), (dir + "/LEHRDATEN").c_str()), 0);
  TestDialogs dialogs;
  const auto paths = setupDataFolders(dir, dir, "anna", dialogs);
  ASSERT_TRUE(paths);
  EXPECT_EQ(paths->dataFolder, dir + "/LEHRDATEN-anna");
  EXPECT_TRUE(sortedFileNames(dir + "/elsewhere").empty());
}

TEST_F(DataFolders, FailureEndsTheProgramWithItsMessage) {
  TestDialogs dialogs;
  EXPECT_FALSE(setupDataFolders(dir, dir + "/missing", "anna", dialogs));
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0], "[message] Abbruch: Ordner \\r" + dir.bytes() +
                                  "/missing/LEHRDATEN\\rNICHT angelegt !");
}

TEST(Scaling, StartWindowFactor) {
  struct Row {
    Screen screen;
    double factor;
  } rows[] = {
      {{1024, 768, 96}, 1.0},   {{1280, 1024, 96}, 1.25},       {{1920, 1080, 96}, 1.40625},
      {{1280, 1024, 120}, 1.0}, {{800, 600, 96}, 800.0 / 1024},
  };
  for (const auto& r : rows)
    EXPECT_DOUBLE_EQ(startWindowScale(r.screen), r.factor)
        << r.screen.width << "x" << r.screen.height << "@" << r.screen.dpi;
}

TEST(Scaling, StartPanelsStandInOneColumn) {
  const StartPanels p = startPanelLayout(1024, 768, 250, 80);
  EXPECT_EQ(p.classEditor, (Rect{387, 176, 250, 80}));
  EXPECT_EQ(p.gradesEditor, (Rect{387, 276, 250, 80}));
  EXPECT_EQ(p.programEnd, (Rect{387, 376, 250, 80}));
  const StartPanels big = startPanelLayout(1280, 1024, 313, 100);
  EXPECT_EQ(big.classEditor, (Rect{484, 241, 313, 100}));
  EXPECT_EQ(big.programEnd.top, 241 + 2 * 125);
}

using Startup = TempDir;

TEST_F(Startup, FiveWindowsInOrderAndProgramEnd) {
  TestPlatform platform;
  Application app(platform);
  ASSERT_TRUE(app.start({dir, dir, "anna"}));
  const std::pair<WindowId, const char*> names[] = {{WindowId::Start, "TForm0"},
                                                    {WindowId::ClassEditor, "TForm1"},
                                                    {WindowId::GradesEditor, "TForm24"},
                                                    {WindowId::ListTools, "TForm23"},
                                                    {WindowId::Calculator, "TForm13"}};
  for (const auto& [id, name] : names) EXPECT_EQ(app.window(id).objectName(), name);
  EXPECT_EQ(app.window(WindowId::Start).background(), 0x506478u);
  EXPECT_EQ(app.window(WindowId::ClassEditor).background(), 0x647896u);
  EXPECT_EQ(app.window(WindowId::Calculator).background(), 0xDCDCF0u);

  app.openModal(WindowId::GradesEditor);
  EXPECT_EQ(app.current().id(), WindowId::GradesEditor);
  app.close(WindowId::GradesEditor);
  EXPECT_EQ(app.current().id(), WindowId::Start);

  for (const Control& c : app.window(WindowId::Start).controls())
    if (c.caption == U"Programmende") c.action();
  EXPECT_FALSE(app.running());
  EXPECT_EQ(platform.log, (std::vector<std::string>{"show TForm0", "show TForm24", "hide TForm24",
                                                    "hide TForm0", "quit"}));
}

TEST_F(Startup, NoWindowWhenTheDataFolderCannotBeMade) {
  TestPlatform platform;
  Application app(platform);
  EXPECT_FALSE(app.start({dir, dir + "/missing", "anna"}));
  EXPECT_TRUE(platform.log.empty());
  EXPECT_EQ(platform.testDialogs().shown.size(), 1u);
}

}  // namespace
}  // namespace korvale
