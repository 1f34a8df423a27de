// The List tools window: the list view with the header strip above it and the navigation strip
// below, the buttons of the left column, and the panels that come and go (record mask, new list,
// selection, info and help). Its commands live in the other listtools files and work on the
// window's ListToolsContext.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "listtools/list_tools_context.h"
#include "ui/ports/shell.h"
#include "window/registry.h"
#include "window/window.h"

namespace korvale {

// What the window needs from the program besides its list view.
struct ListToolsPorts {
  TextEditor& listView;
  Dialogs& dialogs;
  Cursor& cursor;
  Shell& shell;
  WindowHost& host;
  Path& workingFolder;
  FolderChoice folders;
  Screen screen;
  RandomSource& random;
  const VariableTable& variables;
  Printer& printer;
};

// The mask holds a row for each field a list can have.
constexpr int kMaxMaskRows = 100;

class ListToolsWindow : public Window {
 public:
  explicit ListToolsWindow(ListToolsPorts ports);

  WindowId id() const override { return WindowId::ListTools; }
  std::string objectName() const override { return "TForm23"; }
  Text caption() const override { return U"LISTWERK - Werkzeuge zur Verarbeitung von CSV-Listen"; }
  std::uint32_t background() const override { return 0x506478; }
  int fontSize() const override { return fontSize_; }
  std::vector<Control> controls() const override;
  // The left column's buttons as the help text describes them, and the panels' buttons.
  std::vector<std::pair<std::string, Text>> tooltips() const override;
  std::vector<Panel> panels() const override;
  TextEditor* mainText() override { return &ports_.listView; }

  void opened() override;
  void closed() override;
  // A click in the list view shows where the caret stands.
  void textClicked() override;
  // Opens the file named in the field under the caret.
  void textRightClicked() override;
  void textTyped() override { state_.list.typing.typed = true; }
  // A dropped file loads as "Load" loads it.
  bool takesDroppedFiles() const override { return true; }
  void fileDropped(const Path& path) override;
  // Typing that closing would lose is asked about first.
  bool mayClose() override;
  // A double click on the help window prints it.
  void panelDoubleClicked(const std::string& panel) override;

  const ListToolsState& state() const { return state_; }

 private:
  void buildKeys();
  // Runs a command with the focus the user gave, then shows what it changed.
  void act(const std::function<void(ListToolsContext&)>& command);
  // A command of the left column: inert while the mask is shown.
  // `discards`: the command throws the list away, so typing into it is asked about first.
  std::function<void()> leftCommand(void (*command)(ListToolsContext&), bool discards = false);
  void exitWindow(ListToolsContext& c);

  std::vector<Control> maskControls() const;
  std::vector<Control> newListControls() const;
  std::vector<Control> selectionControls() const;
  std::vector<Control> stripControls() const;
  std::vector<Control> leftColumn() const;

  ListToolsPorts ports_;
  ListToolsState state_;
  ListToolsContext c_;
  int fontSize_ = 9;
  int columnWidth_ = 120;
  int infoWidth_ = 280;
};

// The List tools on the program's ports and folders.
std::unique_ptr<Window> makeListTools(WindowServices& services);

}  // namespace korvale
