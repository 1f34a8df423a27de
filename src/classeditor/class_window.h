// The Class editor's window: the seating plan on the left, the name box and the name list on the
// right, the help text over the plan. Its commands live in the class_*_menu files and work on the
// window's ClassContext.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "classeditor/class_context.h"
#include "window/registry.h"
#include "window/scaling.h"
#include "window/window.h"

namespace korvale {

// The window laid out for a 1024 x 768 screen, scaled to the real one as the Start window is:
// pixel sizes of the plan, the list column and the help text, and the fonts' point sizes.
struct ClassEditorFit {
  double scale = 1.0;
  int planWidth = 784;
  int planHeight = 660;
  int listWidth = 209;
  int listHeight = 628;
  int helpWidth = 769;
  int helpHeight = 641;
  int windowFontSize = 12;
  int planFontSize = 10;
  int helpFontSize = 10;
};

ClassEditorFit classEditorFit(const Screen& screen);

// What the window works through besides its context's ports.
struct ClassWindowPorts {
  TextEditor& list;
  Dialogs& dialogs;
  Printer& printer;
  Clipboard& clipboard;
  Shell& shell;
  // Measures the plan's texts in its font and takes the picture "Drucken T" prints.
  Canvas& surface;
  WindowHost& host;
  Screen screen;
  // The list folder's first value.
  Path startFolder;
};

class ClassEditorWindow : public Window {
 public:
  explicit ClassEditorWindow(const ClassWindowPorts& ports);

  WindowId id() const override { return WindowId::ClassEditor; }
  std::string objectName() const override { return "TForm1"; }
  Text caption() const override { return U"SITZO - Editor für Namensliste und Sitzplan"; }
  std::uint32_t background() const override { return 0x647896; }
  int fontSize() const override { return fit_.windowFontSize; }
  std::vector<Control> controls() const override;
  // The plan, the help text and the print panel.
  std::vector<Panel> panels() const override;
  TextEditor* mainText() override { return &cx_.list; }

  // Every opening starts without the help text.
  void opened() override;
  void menuOpened(const Text& menu) override;
  // A dropped file loads as "Laden" loads it.
  bool takesDroppedFiles() const override { return true; }
  void fileDropped(const Path& path) override;
  // The mouse was released over the list.
  void textClicked() override { listMarked(); }
  void cellPressed(const std::string& panel, int column, int row) override;
  void cellDoubleClicked(const std::string& panel, int column, int row) override;
  void cellEdited(const std::string& panel, int column, int row, const Text& text) override;
  // A double click on the help text prints it.
  void panelDoubleClicked(const std::string& panel) override;

  const ClassContext& context() const { return cx_; }
  const ClassEditorFit& fit() const { return fit_; }

 private:
  void buildMenu();
  void listMarked();
  // Runs a command on the context and lets the view show the result.
  void act(void (*command)(ClassContext&));

  ClassEditorFit fit_;
  WindowHost& host_;
  Canvas& surface_;
  CanvasMeasure measure_;
  ClassContext cx_;
};

// The Class editor on the program's ports; its list folder starts in the start folder.
std::unique_ptr<Window> makeClassEditor(WindowServices& services);

}  // namespace korvale
