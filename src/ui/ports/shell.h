// The desktop's own handling of a document: a picture is shown, a recording played.
#pragma once

#include <string>
#include <vector>

#include "base/path.h"

namespace korvale {

class Shell {
 public:
  virtual ~Shell() = default;
  // Opens an existing file with the program the desktop has for its type; false on failure.
  virtual bool openDocument(const Path& path) = 0;
};

// Notes what would have been opened, for the tests and the script runner.
class RecordingShell : public Shell {
 public:
  bool openDocument(const Path& path) override {
    opened.push_back(path);
    return true;
  }
  std::vector<Path> opened;
};

}  // namespace korvale
