// The windows the program knows: each registered once with its id and the function that builds
// its controller. Windows find each other by id, never by class.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "window/folders.h"
#include "window/platform.h"
#include "window/window.h"

namespace korvale {

class RandomSource;
class VariableTable;

// What the program hands every window it builds: the platform's ports, the host that opens and
// closes windows, the folders, and the state the windows share.
class WindowServices {
 public:
  virtual ~WindowServices() = default;
  virtual Platform& platform() = 0;
  virtual WindowHost& host() = 0;
  virtual const AppPaths& paths() const = 0;
  // Where the file dialogs start; shared by the Grades editor, the List tools and the folder
  // switch.
  virtual WorkingFolder& workingFolder() = 0;
  // The 26 formula variables, one set for the whole program.
  virtual VariableTable& variables() = 0;
  // The program's random numbers (seeded from the clock unless a script fixed the seed).
  virtual RandomSource& random() = 0;
  // A text control or drawing surface that lives as long as the program.
  virtual TextEditor& newEditor() = 0;
  virtual Canvas& newCanvas() = 0;
};

struct WindowType {
  WindowId id;
  std::function<std::unique_ptr<Window>(WindowServices&)> create;
};

class WindowRegistry {
 public:
  void add(WindowType type) { types_.push_back(std::move(type)); }
  // In the order of registration, the order in which the program builds them.
  const std::vector<WindowType>& types() const { return types_; }
  const WindowType* find(const WindowId& id) const {
    for (const WindowType& type : types_)
      if (type.id == id) return &type;
    return nullptr;
  }

 private:
  std::vector<WindowType> types_;
};

}  // namespace korvale
