// The program: its folders, its five windows (created once, in a fixed order) and the stack of
// open windows.
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "app/paths.h"
#include "app/platform.h"
#include "app/window.h"
#include "formula/variable_table.h"

namespace korvale {

class GradesEditor;

struct StartOptions {
  Path workingDirectory;
  Path tempFolder;
  std::string login;
};

class Application : public WindowHost {
 public:
  explicit Application(Platform& platform);
  ~Application() override;

  // Prepares the folders and creates the windows; false when the program must end at once.
  bool start(const StartOptions& options);

  Window& window(WindowId id);
  // The topmost open window (the Start window when nothing else is open).
  Window& current();
  bool running() const { return running_; }
  const AppPaths& paths() const { return paths_; }
  // Where the file dialogs of the Grades editor and the List tools start.
  const Path& workingFolder() const { return workingFolder_; }
  const VariableTable& variables() const { return variables_; }

  void openModal(WindowId id) override;
  void close(WindowId id) override;

 private:
  Platform& platform_;
  AppPaths paths_;
  Path workingFolder_;
  // The formula variables A to Z, one set for the whole program.
  VariableTable variables_;
  std::vector<std::unique_ptr<Canvas>> canvases_;
  std::vector<std::unique_ptr<TextEditor>> editors_;
  std::vector<std::unique_ptr<Window>> windows_;  // in WindowId order
  std::vector<WindowId> open_;
  bool running_ = false;
};

}  // namespace korvale
