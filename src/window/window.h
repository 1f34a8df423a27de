// What every window controller offers its view and the script runner: caption, colours, the
// menu, control and key tables, the generic panels, and the events they forward.
#pragma once

#include <compare>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "base/path.h"
#include "base/text.h"
#include "ui/ports/canvas.h"
#include "ui/ports/text_editor.h"
#include "window/scaling.h"

namespace korvale {

// Names a window, so that one window opens another without knowing its class or library.
class WindowId {
 public:
  explicit WindowId(std::string name) : name_(std::move(name)) {}
  const std::string& name() const { return name_; }
  auto operator<=>(const WindowId&) const = default;

  static const WindowId Start;
  static const WindowId ClassEditor;
  static const WindowId GradesEditor;
  static const WindowId ListTools;
  static const WindowId Calculator;

 private:
  std::string name_;
};

inline const WindowId WindowId::Start{"start"};
inline const WindowId WindowId::ClassEditor{"classeditor"};
inline const WindowId WindowId::GradesEditor{"grades"};
inline const WindowId WindowId::ListTools{"listtools"};
inline const WindowId WindowId::Calculator{"calculator"};

// One menu entry; `entry` is empty for a menu that is itself the command ("Hilfe ein/aus").
struct MenuItem {
  Text menu;
  Text entry;
  bool enabled = true;
  std::function<void()> action;
  // An on/off entry shows a check mark while this says on.
  std::function<bool()> checked = nullptr;
  // The key that invokes the entry from anywhere in the window ("Ctrl+O"); shown in the menu.
  std::string shortcut = {};

  // A line between groups of entries; nothing to click.
  static MenuItem separator(Text menu) { return {std::move(menu), U"-", false, nullptr}; }
  bool isSeparator() const { return entry == U"-" && !action; }
};

// A font a label or panel asks for; an empty family keeps the window's font.
struct FontSpec {
  Text family;
  int size = 0;
  bool bold = false;
};

// A label, panel, button or one-line edit: what the window shows and what a click on it does.
// An edit's caption is its text.
struct Control {
  enum class Kind { Label, Panel, Button, Edit };
  // Row: in the row below the main text; Top: one line above everything, as wide as the window
  // and never widening it.
  enum class Place { Row, Top };
  Kind kind = Kind::Label;
  std::string name;  // stable id for the view
  Text caption;
  bool visible = true;
  bool enabled = true;
  std::function<void()> action;                       // empty when the control is not clickable
  std::function<void(const Text&)> edited = nullptr;  // an edit: the user changed its text
  Place place = Place::Row;
  FontSpec font = {};
  Color foreground = kBlack;
  Text hint = {};  // shown when the mouse rests on the control
};

// A side panel, memo, chart, plan or group of edits. Draggable panels stand beside the main
// text and the user may move them; the others stand to its left.
struct Panel {
  enum class Kind { Lines, Canvas, Grid, Edits };
  struct Cell {
    Text text;
    Color background = kWhite;
    Color foreground = kBlack;
  };
  Kind kind = Kind::Lines;
  std::string name;  // stable id for the view
  Text title;
  bool visible = true;
  bool draggable = false;
  FontSpec font = {};
  int width = 0;  // pixels; 0 lets the view choose
  int height = 0;
  Color background = 0xF0F0F0;
  // Lines: the text, one element per line, and the line kept in sight (-1: none).
  std::vector<Text> lines = {};
  int caretLine = -1;
  // Canvas: the drawing surface shown.
  const Canvas* canvas = nullptr;
  // Grid: columns x rows cells, row by row, with the column widths and row heights in pixels
  // (lines between the cells not included).
  int columns = 0;
  int rows = 0;
  std::vector<Cell> cells = {};
  std::vector<int> columnWidths = {};
  std::vector<int> rowHeights = {};
  int gridLineWidth = 1;
  // Cell texts wrap at blanks instead of standing on one line; the user may type into cells.
  bool wrapCells = false;
  bool editableCells = false;
  // Edits: the names of the controls (labels, edits, buttons) gathered in the panel, as rows of
  // two: label and edit, or two buttons; a single name fills its row.
  std::vector<std::vector<std::string>> rowsOfControls = {};
};

struct KeyPress {
  std::string name;  // "F1" ... "F12", "Enter", "Escape", or one character
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
};

// Which modifiers a key binding accepts: exactly none, exactly one of them, none or Shift, any,
// anything but Ctrl alone, neither Shift nor Ctrl (Alt may be held), anything but Ctrl alone or
// Shift alone.
enum class Modifiers {
  None,
  Ctrl,
  Shift,
  Alt,
  NoneOrShift,
  Any,
  NotCtrlAlone,
  NeitherShiftNorCtrl,
  NotCtrlOrShiftAlone
};

// One key of a window's key table. `control` empty: a key in the main text; kAnyControl: wherever
// the focus is (a window that previews its keys); otherwise the name of the focused control. A key
// whose condition fails counts as not handled.
struct KeyBinding {
  static constexpr const char* kAnyControl = "*";

  std::string key;
  Modifiers modifiers = Modifiers::None;
  std::function<bool()> condition;
  std::function<void()> action;
  std::string control = {};
};

bool modifiersMatch(Modifiers rule, const KeyPress& key);
// "Ctrl+O", "Ctrl+Shift+F2": the key as a menu entry's shortcut names it.
std::string shortcutName(const KeyPress& key);

// How a window opens and closes other windows; the application provides it.
class WindowHost {
 public:
  virtual ~WindowHost() = default;
  virtual void openModal(const WindowId& id) = 0;
  // Closes the window as its close box would.
  virtual void close(const WindowId& id) = 0;
};

class Window {
 public:
  virtual ~Window() = default;

  virtual WindowId id() const = 0;
  virtual std::string objectName() const = 0;
  virtual Text caption() const = 0;
  virtual std::uint32_t background() const = 0;  // 0xRRGGBB
  // The point size of the window's own font; 0 keeps the toolkit's.
  virtual int fontSize() const { return 0; }
  // How many times as large as its point sizes the main text is shown: a window whose controls
  // grow with the screen shows its text in proportion. Saving and printing keep the sizes.
  virtual double textZoom() const { return 1.0; }
  // The size in pixels of a window that opens at its own size; 0 x 0 opens it maximised.
  virtual Rect size() const { return {}; }

  std::vector<MenuItem>& menu() { return menu_; }
  const std::vector<MenuItem>& menu() const { return menu_; }
  virtual std::vector<Control> controls() const { return {}; }
  // Short hints the desktop shows when the mouse rests on a button or panel, by control name;
  // a control's own hint goes first.
  virtual std::vector<std::pair<std::string, Text>> tooltips() const { return {}; }
  virtual std::vector<Panel> panels() const { return {}; }

  // The window's main text control, if it has one.
  virtual TextEditor* mainText() { return nullptr; }
  virtual Text status() const { return Text(); }

  // Each time the window is opened (not when it regains the focus).
  virtual void opened() {}
  // The window closes (close box or a command).
  virtual void closed() {}
  // A key released in the main text: the key table first; true when the window handled it.
  bool keyPressed(const KeyPress& key);
  // A key in a focused control: the key table first, then Enter on a button presses it;
  // false when neither took the key, so the control may use it itself.
  bool keyInControl(const std::string& control, const KeyPress& key);
  // A left click in the main text has placed the caret (or marked with the mouse).
  virtual void textClicked() {}
  virtual void textRightClicked() {}
  // The caret moved by a key in the main text.
  virtual void caretMoved() {}

  // Panel events; columns, rows and pixels count from 0.
  virtual void panelDoubleClicked(const std::string& /*panel*/) {}
  virtual void cellPressed(const std::string& /*panel*/, int /*column*/, int /*row*/) {}
  virtual void cellDoubleClicked(const std::string& /*panel*/, int /*column*/, int /*row*/) {}
  virtual void canvasPressed(const std::string& /*panel*/, int /*x*/, int /*y*/) {}
  // The user typed a new text into a cell of an editable grid.
  virtual void cellEdited(const std::string& /*panel*/, int /*column*/, int /*row*/,
                          const Text& /*text*/) {}
  // A menu of the menu bar opens (not for a menu that is itself the command).
  virtual void menuOpened(const Text& /*menu*/) {}
  // The user changed the main text by typing, pasting or dropping text into it.
  virtual void textTyped() {}
  // Whether a file dropped on the window is taken at all; fileDropped opens it.
  virtual bool takesDroppedFiles() const { return false; }
  virtual void fileDropped(const Path& /*path*/) {}
  // Asked before the window closes (close box or a command); false keeps it open.
  virtual bool mayClose() { return true; }

  // The control that has the input focus; empty for the main text.
  const std::string& focus() const { return focus_; }
  void setFocus(std::string control) { focus_ = std::move(control); }

  // Set by the view: called after the controller changed what the window shows.
  std::function<void()> changed;

 protected:
  void notify() {
    if (changed) changed();
  }
  // After every key in the main text, handled or not.
  virtual void afterKey() {}
  MenuItem* findMenu(const Text& menu, const Text& entry);
  void enableMenu(const Text& menu, bool enabled);

  std::vector<MenuItem> menu_;
  std::vector<KeyBinding> keys_;
  std::string focus_;

 private:
  // Runs the first binding of the table that fits, else the enabled menu entry of that shortcut;
  // false when neither does.
  bool runKey(const std::string& control, const KeyPress& key);
};

}  // namespace korvale
