// The program: its folders, the windows of the registry (created once, in the order of their
// registration) and the stack of open windows.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "app/paths.h"
#include "app/window_list.h"
#include "base/random_source.h"
#include "formula/variable_table.h"
#include "window/platform.h"
#include "window/registry.h"
#include "window/window.h"

namespace korvale {

struct StartOptions {
  Path workingDirectory;
  Path tempFolder;
  std::string login;
};

class Application : public WindowHost, public WindowServices {
 public:
  // `windows` registers the windows the program builds; the tests may give their own.
  explicit Application(Platform& platform, void (*windows)(WindowRegistry&) = registerWindows);
  ~Application() override;

  // Prepares the folders, writes the sample files and creates the windows; false when the
  // program must end at once.
  bool start(const StartOptions& options);

  Window& window(const WindowId& id);
  // The topmost open window (the Start window when nothing else is open).
  Window& current();
  bool running() const { return running_; }
  const AppPaths& paths() const override { return paths_; }
  // Where the file dialogs of the Grades editor and the List tools start.
  const Path& workingFolder() const { return workingFolder_.path; }
  const VariableTable& variables() const { return variables_; }

  void openModal(const WindowId& id) override;
  void close(const WindowId& id) override;

  // What the windows it builds are given.
  Platform& platform() override { return platform_; }
  WindowHost& host() override { return *this; }
  WorkingFolder& workingFolder() override { return workingFolder_; }
  VariableTable& variables() override { return variables_; }
  RandomSource& random() override { return random_; }
  TextEditor& newEditor() override;
  Canvas& newCanvas() override;

 private:
  Platform& platform_;
  WindowRegistry registry_;
  AppPaths paths_;
  WorkingFolder workingFolder_;
  VariableTable variables_;
  RandomSource random_;
  std::vector<std::unique_ptr<Canvas>> canvases_;
  std::vector<std::unique_ptr<TextEditor>> editors_;
  std::map<WindowId, std::unique_ptr<Window>> windows_;
  std::vector<WindowId> open_;
  bool running_ = false;
};

}  // namespace korvale
