#include "window/folders.h"

#include "base/files.h"
#include "base/text_routines.h"

namespace korvale {

void switchFolder(Dialogs& dialogs, const Path& demoFolder, const Path& startFolder,
                  Path& workingFolder) {
  const auto answer = dialogs.input(U"Ordnerwechsel",
                                    U" <1> = DEMO-Ordner      \r <2> = AKTUELLER Ordner \r ", U"2");
  if (!answer) return;
  const Text choice = trim(*answer);
  if (choice != U"1" && choice != U"2") {
    dialogs.message(U"Abbruch: NICHT zulässiger Ordner !");
    return;
  }
  workingFolder = choice == U"1" ? demoFolder : startFolder;
  if (!changeDirectory(workingFolder)) showDataError(dialogs);
}

}  // namespace korvale
