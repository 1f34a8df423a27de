#include "app/application.h"

#include <algorithm>

#include "app/placeholder_window.h"
#include "app/start_window.h"
#include "grades/grades_editor.h"

namespace korvale {

Application::Application(Platform& platform) : platform_(platform) {}
Application::~Application() = default;

bool Application::start(const StartOptions& options) {
  const auto paths = setupDataFolders(options.workingDirectory, options.tempFolder, options.login,
                                      platform_.dialogs());
  if (!paths) return false;
  paths_ = *paths;
  workingFolder_ = paths_.startFolder;

  windows_.push_back(std::make_unique<StartWindow>(*this));
  windows_.push_back(std::make_unique<PlaceholderWindow>(
      WindowId::ClassEditor, "TForm1", U"SITZO - Editor für Namensliste und Sitzplan", 0x647896));
  editors_.push_back(platform_.createEditor());
  canvases_.push_back(platform_.createCanvas());
  windows_.push_back(std::make_unique<GradesEditor>(GradesEditor::Services{
      *editors_.back(), platform_.dialogs(), platform_.keys(), platform_.cursor(), *this, paths_,
      platform_.printer(), platform_.clipboard(), platform_.shell(), variables_, *canvases_.back(),
      workingFolder_, platform_.screen()}));
  windows_.push_back(std::make_unique<PlaceholderWindow>(
      WindowId::ListTools, "TForm23", U"LISTWERK - Werkzeuge zur Verarbeitung von CSV-Listen",
      0x506478));
  windows_.push_back(std::make_unique<PlaceholderWindow>(WindowId::Calculator, "TForm13",
                                                         U"RECHNIX, Calculator", 0xDCDCF0));
  running_ = true;
  open_.push_back(WindowId::Start);
  platform_.windowShown(window(WindowId::Start));
  return true;
}

Window& Application::window(WindowId id) {
  return *windows_.at(static_cast<std::size_t>(id));
}

Window& Application::current() {
  return window(open_.empty() ? WindowId::Start : open_.back());
}

void Application::openModal(WindowId id) {
  if (std::find(open_.begin(), open_.end(), id) != open_.end()) return;
  open_.push_back(id);
  Window& w = window(id);
  w.opened();
  platform_.windowShown(w);
}

void Application::close(WindowId id) {
  const auto it = std::find(open_.begin(), open_.end(), id);
  if (it == open_.end()) return;
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
