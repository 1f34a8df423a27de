// The folders fixed at start-up, and the working folder the file windows share.
#pragma once

#include "base/path.h"
#include "ui/ports/dialogs.h"

namespace korvale {

struct AppPaths {
  Path startFolder;
  Path tempFolder;
  Path dataFolder;
  Path demoFolder;
  Path firmaFolder;
};

// Where the file dialogs start and where a field names its documents; the folder switch and
// every open or save move it. One object, owned by the program, passed to the windows.
struct WorkingFolder {
  Path path;
};

// The folder switch of the Grades editor and the List tools: the dialog "Ordnerwechsel" makes the
// demo folder (answer 1) or the start folder (answer 2) the working folder and the current
// folder. Cancel changes nothing; a folder that is gone gives "Daten-Fehler".
void switchFolder(Dialogs& dialogs, const Path& demoFolder, const Path& startFolder,
                  Path& workingFolder);

}  // namespace korvale
