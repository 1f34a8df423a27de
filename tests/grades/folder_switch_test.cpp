// "Ordner wechseln": the demo folder or the start folder becomes the working folder.
#include "base/text_routines.h"
#include "grades_fixture.h"

namespace korvale {
namespace {

TEST_F(GradesEditorTest, FolderSwitchAnswers) {
  ASSERT_TRUE(createDirectory(dir + "/demo"));
  ASSERT_TRUE(createDirectory(dir + "/elsewhere"));
  paths.demoFolder = dir + "/demo";
  const std::string prompt =
      "[input] Ordnerwechsel |  <1> = DEMO-Ordner      \\r <2> = AKTUELLER Ordner \\r  | 2 -> ";
  struct Row {
    const char* answer;  // nullptr: cancelled
    Path folder;
    std::vector<std::string> shown;
  } rows[] = {
      {" 1 ", dir + "/demo", {prompt + " 1 "}},
      {"2", dir, {prompt + "2"}},
      {"1", dir + "/demo", {prompt + "1"}},
      {"3", dir, {prompt + "3", "[message] Abbruch: NICHT zul\xC3\xA4ssiger Ordner !"}},
      {"", dir, {prompt, "[message] Abbruch: NICHT zul\xC3\xA4ssiger Ordner !"}},
      // The start folder is taken before the dialog, so it stays when the dialog is cancelled.
      {nullptr, dir, {prompt + "cancel"}},
  };
  for (const Row& r : rows) {
    workingFolder = dir + "/elsewhere";
    if (r.answer != nullptr)
      dialogs.text(fromUtf8(r.answer));
    else
      dialogs.cancel();
    menu(U"Datei > Ordner wechseln");
    EXPECT_EQ(workingFolder, r.folder) << (r.answer ? r.answer : "cancel");
    EXPECT_EQ(dialogs.shown, r.shown) << (r.answer ? r.answer : "cancel");
    if (r.folder == dir + "/demo") {
      EXPECT_EQ(currentDirectory(), dir + "/demo");
    }
    dialogs.shown.clear();
  }
}

}  // namespace
}  // namespace korvale
