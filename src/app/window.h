// What every window controller offers its view and the script runner: caption, colours, the
// menu table, the visible labels, panels and buttons, and the events they forward.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "base/text.h"
#include "ui/ports/canvas.h"
#include "ui/ports/text_editor.h"

namespace korvale {

enum class WindowId { Start, ClassEditor, GradesEditor, ListTools, Calculator };

// One menu entry; `entry` is empty for a menu that is itself the command ("Hilfe ein/aus").
struct MenuItem {
  Text menu;
  Text entry;
  bool enabled = true;
  std::function<void()> action;
};

// A label, panel, button or one-line edit: what the window shows and what a click on it does.
// An edit's caption is its text.
struct Control {
  enum class Kind { Label, Panel, Button, Edit };
  Kind kind = Kind::Label;
  std::string name;  // stable id for the view
  Text caption;
  bool visible = true;
  bool enabled = true;
  std::function<void()> action;                       // empty when the control is not clickable
  std::function<void(const Text&)> edited = nullptr;  // an edit: the user changed its text
};

struct KeyPress {
  std::string name;  // "F1" ... "F12", "Enter", "Escape", or one character
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
};

// How a window opens and closes other windows; the Qt application and the script runner each
// provide one.
class WindowHost {
 public:
  virtual ~WindowHost() = default;
  virtual void openModal(WindowId id) = 0;
  // Closes the window as its close box would.
  virtual void close(WindowId id) = 0;
};

class Window {
 public:
  virtual ~Window() = default;

  virtual WindowId id() const = 0;
  virtual std::string objectName() const = 0;
  virtual Text caption() const = 0;
  virtual std::uint32_t background() const = 0;  // 0xRRGGBB

  std::vector<MenuItem>& menu() { return menu_; }
  const std::vector<MenuItem>& menu() const { return menu_; }
  virtual std::vector<Control> controls() const { return {}; }

  // The window's main text control, if it has one.
  virtual TextEditor* mainText() { return nullptr; }
  // The window's chart image, if it has one.
  virtual const Canvas* chartCanvas() const { return nullptr; }
  virtual Text status() const { return Text(); }
  virtual std::vector<Text> fieldsView() const { return {}; }

  // Each time the window is opened (not when it regains the focus).
  virtual void opened() {}
  // The window closes (close box or a command).
  virtual void closed() {}
  // A key released in the main text; true when the window handled it.
  virtual bool keyPressed(const KeyPress&) { return false; }
  // A left click in the main text has placed the caret (or marked with the mouse).
  virtual void textClicked() {}
  virtual void textRightClicked() {}
  // The caret moved by a key in the main text.
  virtual void caretMoved() {}

  // The control that has the input focus; empty for the main text.
  const std::string& focus() const { return focus_; }
  void setFocus(std::string control) { focus_ = std::move(control); }
  // A key released in a control other than the main text; true when the window handled it.
  virtual bool controlKeyPressed(const std::string& /*control*/, const KeyPress&) { return false; }

  // Set by the view: called after the controller changed what the window shows.
  std::function<void()> changed;

 protected:
  void notify() {
    if (changed) changed();
  }
  MenuItem* findMenu(const Text& menu, const Text& entry);
  void enableMenu(const Text& menu, bool enabled);

  std::vector<MenuItem> menu_;
  std::string focus_;
};

}  // namespace korvale
