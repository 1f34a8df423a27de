#include "app/application.h"

#include <algorithm>

#include "app/samples/sample_files.h"

namespace korvale {

Application::Application(Platform& platform, void (*windows)(WindowRegistry&))
    : platform_(platform) {
  windows(registry_);
  platform_.setHost(*this);
}
Application::~Application() = default;

bool Application::start(const StartOptions& options) {
  const auto paths = setupDataFolders(options.workingDirectory, options.tempFolder, options.login,
                                      platform_.dialogs());
  if (!paths) return false;
  paths_ = *paths;
  workingFolder_.path = paths_.startFolder;
  writeSampleFiles(paths_.demoFolder, platform_.dialogs());

  for (const WindowType& type : registry_.types()) windows_[type.id] = type.create(*this);
  running_ = true;
  open_.push_back(WindowId::Start);
  platform_.windowShown(window(WindowId::Start));
  return true;
}

TextEditor& Application::newEditor() {
  editors_.push_back(platform_.createEditor());
  return *editors_.back();
}

Canvas& Application::newCanvas() {
  canvases_.push_back(platform_.createCanvas());
  return *canvases_.back();
}

Window& Application::window(const WindowId& id) {
  return *windows_.at(id);
}

Window& Application::current() {
  return window(open_.empty() ? WindowId::Start : open_.back());
}

void Application::openModal(const WindowId& id) {
  if (std::find(open_.begin(), open_.end(), id) != open_.end()) return;
  open_.push_back(id);
  Window& w = window(id);
  w.opened();
  platform_.windowShown(w);
}

void Application::close(const WindowId& id) {
  const auto it = std::find(open_.begin(), open_.end(), id);
  if (it == open_.end()) return;
  // It may keep itself open (typing that would be lost).
  if (!window(id).mayClose()) return;
  // Windows opened above it close with it.
  while (!open_.empty()) {
    const WindowId top = open_.back();
    open_.pop_back();
    Window& w = window(top);
    w.closed();
    platform_.windowHidden(w);
    if (top == id) break;
  }
  if (id == WindowId::Start) {
    running_ = false;
    platform_.quit();
  }
}

}  // namespace korvale
