#include "listtools/list_tools_window.h"

#include "base/files.h"
#include "csvlist/field_table.h"
#include "listtools/list_commands.h"
#include "listtools/list_files.h"
#include "listtools/list_keys.h"
#include "listtools/list_printing.h"
#include "listtools/new_list.h"
#include "listtools/structure.h"

namespace korvale {

namespace {

// The design sizes on a screen of 1024 x 768 pixels; the window follows the screen.
constexpr int kWindowFont = 9;
constexpr int kListFont = 10;
constexpr int kColumnWidth = 190;
constexpr int kInfoWidth = 280;

}  // namespace

ListToolsWindow::ListToolsWindow(ListToolsPorts ports)
    : ports_(std::move(ports)), c_{state_,        ports_.listView,      ports_.dialogs,
                                   ports_.cursor, ports_.workingFolder, ports_.folders,
                                   ports_.random, ports_.variables,     ports_.printer} {
  Screen screen = ports_.screen;
  // The toolkit scales point sizes to the screen's resolution itself.
  screen.dpi = 96;
  const double factor = startWindowScale(screen);
  fontSize_ = scaled(kWindowFont, factor);
  state_.settings.fontSize = scaled(kListFont, factor);
  columnWidth_ = scaled(kColumnWidth, factor);
  infoWidth_ = scaled(kInfoWidth, factor);
  buildKeys();
  openWindow(c_);
}

void ListToolsWindow::act(const std::function<void(ListToolsContext&)>& command) {
  state_.view.focus = focus();
  command(c_);
  setFocus(state_.view.focus);
  notify();
}

std::function<void()> ListToolsWindow::leftCommand(void (*command)(ListToolsContext&),
                                                   bool discards) {
  return [this, command, discards] {
    act([command, discards](ListToolsContext& c) {
      if (c.state.mask.shown) return;
      if (discards && listCommandsFree(c.state) && !c.state.list.typing.mayDiscard(c.dialogs))
        return;
      command(c);
    });
  };
}

void ListToolsWindow::fileDropped(const Path& path) {
  act([&path](ListToolsContext& c) {
    if (c.state.mask.shown || !listCommandsFree(c.state)) return;
    if (c.state.list.typing.mayDiscard(c.dialogs)) loadDroppedList(c, path);
  });
}

bool ListToolsWindow::mayClose() {
  return state_.list.typing.mayDiscard(ports_.dialogs);
}

void ListToolsWindow::panelDoubleClicked(const std::string& panel) {
  if (panel != "help") return;
  act([](ListToolsContext& c) {
    if (c.state.view.helpShown) printHelpText(c);
  });
}

void ListToolsWindow::exitWindow(ListToolsContext& c) {
  if (exitAllowed(c.state)) ports_.host.close(WindowId::ListTools);
}

void ListToolsWindow::buildKeys() {
  // The window sees the function keys before any of its controls.
  for (int n = 1; n <= 12; ++n) {
    keys_.push_back({"F" + std::to_string(n), Modifiers::Any, nullptr,
                     [this, n] { act([n](ListToolsContext& c) { functionKey(c, n); }); },
                     KeyBinding::kAnyControl});
  }
  // Enter walks each panel's edits on to its button; in the header editor it adds no line.
  for (int k = 1; k <= kMaxMaskRows; ++k) {
    keys_.push_back({"Enter", Modifiers::Any, nullptr,
                     [this, k] { act([k](ListToolsContext& c) { maskEnter(c, k); }); },
                     listfocus::maskEdit(k)});
  }
  for (const std::string& edit : {listfocus::kFieldCount, listfocus::kFieldName,
                                  listfocus::kFieldLength, listfocus::kFieldType}) {
    keys_.push_back({"Enter", Modifiers::Any, nullptr,
                     [this, edit] { act([edit](ListToolsContext& c) { newListEnter(c, edit); }); },
                     edit});
  }
  for (const std::string& edit :
       {listfocus::kSelectField, listfocus::kSelectOperator, listfocus::kSelectTerm}) {
    keys_.push_back(
        {"Enter", Modifiers::Any, nullptr,
         [this, edit] { act([edit](ListToolsContext& c) { selectionEnter(c, edit); }); }, edit});
  }
  keys_.push_back({"Enter", Modifiers::Any, nullptr, [] {}, listfocus::kHeaderEditor});
}

void ListToolsWindow::opened() {
  openWindow(c_);
  setFocus(std::string());
  notify();
}

void ListToolsWindow::closed() {
  closeWindow(c_);
  setFocus(std::string());
}

void ListToolsWindow::textClicked() {
  act([](ListToolsContext& c) {
    if (!c.state.list.present) return;
    refreshPosition(c);
    const TextPos at = c.listView.caret();
    if (c.state.view.locked && !c.listView.hasMarked() && at.line < c.listView.lineCount() &&
        at.column < static_cast<int>(c.listView.line(at.line).size()))
      c.listView.setSelection({at.line, at.column + 1}, at);
  });
}

void ListToolsWindow::textRightClicked() {
  act([this](ListToolsContext& c) {
    if (!c.state.list.present) return;
    const TextPos at = c.listView.markStart();
    const Text name = fieldUnderCaret(c.listView.line(at.line), at.column);
    // Missing files and a desktop that cannot open them are passed over in silence.
    if (isDocumentIn(c.workingFolder, name))
      ports_.shell.openDocument(c.workingFolder.join(Path::fromText(name)));
  });
}

std::unique_ptr<Window> makeListTools(WindowServices& s) {
  Platform& p = s.platform();
  const AppPaths& paths = s.paths();
  return std::make_unique<ListToolsWindow>(
      ListToolsPorts{s.newEditor(), p.dialogs(), p.cursor(), p.shell(), s.host(),
                     s.workingFolder().path, FolderChoice{paths.demoFolder, paths.startFolder},
                     p.screen(), s.random(), s.variables(), p.printer()});
}

}  // namespace korvale
