// The folders fixed at start-up, and the working folder the file windows share.
#pragma once

#include "base/path.h"

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

}  // namespace korvale
