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
  // Starts a program by its full name, detached and without arguments or a shell; false when it
  // could not be started.
  virtual bool startProgram(const Path& /*program*/) { return false; }
};

// Notes what would have been opened, for the tests and the script runner.
class RecordingShell : public Shell {
 public:
  bool openDocument(const Path& path) override {
    opened.push_back(path);
    return true;
  }
  bool startProgram(const Path& program) override {
    started.push_back(program);
    return true;
  }
  std::vector<Path> opened;
  std::vector<Path> started;
};

}  // namespace korvale
