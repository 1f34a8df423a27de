#include "classeditor/class_window.h"

#include <algorithm>

#include "classeditor/class_commands.h"

namespace korvale {

namespace {

constexpr Color kHelpBackground = 0xC0C0C0;
constexpr int kGridLineWidth = 2;

}  // namespace

ClassEditorFit classEditorFit(const Screen& screen) {
  ClassEditorFit fit;
  const double s = startWindowScale(screen);
  fit.scale = s;
  for (int* value :
       {&fit.planWidth, &fit.planHeight, &fit.listWidth, &fit.listHeight, &fit.helpWidth,
        &fit.helpHeight, &fit.windowFontSize, &fit.planFontSize, &fit.helpFontSize})
    *value = std::max(1, scaled(*value, s));
  return fit;
}

ClassEditorWindow::ClassEditorWindow(const ClassWindowPorts& p)
    : fit_(classEditorFit(p.screen)),
      host_(p.host),
      surface_(p.surface),
      measure_(p.surface),
      cx_({p.list, p.dialogs, p.printer, p.clipboard, p.shell, measure_}, fit_.planWidth,
          fit_.planHeight, p.startFolder) {
  FontChoice planFont = cx_.plan.font();
  planFont.size = fit_.planFontSize;
  cx_.plan.setFont(planFont);
  CharFormat listFormat = cx_.list.typingFormat();
  listFormat.size = fit_.windowFontSize;
  cx_.list.setTypingFormat(listFormat);
  cx_.listFocused = [this] { setFocus(std::string()); };
  cx_.notify = [this] { notify(); };
  buildMenu();
}

std::unique_ptr<Window> makeClassEditor(WindowServices& s) {
  Platform& p = s.platform();
  return std::make_unique<ClassEditorWindow>(
      ClassWindowPorts{s.newEditor(), p.dialogs(), p.printer(), p.clipboard(), p.shell(),
                       s.newCanvas(), s.host(), p.screen(), s.paths().startFolder});
}

void ClassEditorWindow::act(void (*command)(ClassContext&)) {
  command(cx_);
  notify();
}

void ClassEditorWindow::buildMenu() {
  const Text datei = U"Datei";
  const Text bearbeiten = U"Bearbeiten";
  const auto entry = [this](const Text& menu, const char32_t* caption,
                            void (*command)(ClassContext&)) {
    return MenuItem{menu, caption, true, [this, command] { act(command); }};
  };
  menu_ = {
      entry(datei, U"Neu", newList),
      MenuItem::separator(datei),
      entry(datei, U"Beispiel", loadSampleList),
      entry(datei, U"Laden", loadList),
      entry(datei, U"Anfügen", appendList),
      entry(datei, U"Speichern", saveList),
      MenuItem::separator(datei),
      entry(datei, U"Drucken L", printList),
      {datei, U"Drucken T", true,
       [this] {
         printPlan(cx_, surface_);
         notify();
       }},
      MenuItem::separator(datei),
      entry(datei, U"Excel", openSpreadsheet),
      {datei, U"Beenden", true, [this] { host_.close(WindowId::ClassEditor); }},
      entry(bearbeiten, U"Alles Markieren", markWholeList),
      entry(bearbeiten, U"Kopieren", copyList),
      entry(bearbeiten, U"Einfügen", pasteIntoList),
      MenuItem::separator(bearbeiten),
      entry(bearbeiten, U"Sortieren", sortList),
      MenuItem::separator(bearbeiten),
      entry(bearbeiten, U"Schrift L", chooseListFont),
      entry(bearbeiten, U"Schrift T", choosePlanFont),
      entry(bearbeiten, U"WordWrap", toggleWordWrap),
      MenuItem::separator(bearbeiten),
      entry(bearbeiten, U"Löschen T", clearPlan),
      MenuItem::separator(bearbeiten),
      entry(bearbeiten, U"Spalten", askColumns),
      entry(bearbeiten, U"Zeilen", askRows),
      MenuItem::separator(bearbeiten),
      entry(bearbeiten, U"NamensTausch", swapNameOrder),
      entry(bearbeiten, U"Blank2Tab", blanksToTabs),
      entry(bearbeiten, U"Tab2Blank", tabsToBlanks),
      entry(bearbeiten, U"Suchen/Ersetzen", searchAndReplace),
      {U"Hilfe", Text(), true, [this] { act(toggleHelp); }},
  };
  // The desktop's usual keys, and the check mark of the on/off entry.
  findMenu(datei, U"Laden")->shortcut = "Ctrl+O";
  findMenu(datei, U"Speichern")->shortcut = "Ctrl+S";
  findMenu(datei, U"Drucken L")->shortcut = "Ctrl+P";
  findMenu(bearbeiten, U"WordWrap")->checked = [this] { return cx_.plan.wordWrap(); };
}

std::vector<Control> ClassEditorWindow::controls() const {
  auto* self = const_cast<ClassEditorWindow*>(this);
  Control nameBox{
      Control::Kind::Edit, "nameBox", cx_.nameBox, true, true, nullptr, [self](const Text& text) {
        self->cx_.nameBox = text;
      }};
  return {nameBox};
}

std::vector<Panel> ClassEditorWindow::panels() const {
  using K = Panel::Kind;
  const SeatingPlan& plan = cx_.plan;
  Panel grid{K::Grid, "plan", U"Sitzplan",
             true,    false,  FontSpec{plan.font().name, plan.font().size, plan.font().bold}};
  grid.width = fit_.planWidth;
  grid.height = fit_.planHeight;
  grid.background = kTooltipBackground;
  grid.columns = plan.columns();
  grid.rows = plan.rows();
  grid.gridLineWidth = kGridLineWidth;
  grid.wrapCells = plan.wordWrap();
  grid.editableCells = true;
  for (int row = 0; row < plan.rows(); ++row) {
    grid.rowHeights.push_back(plan.rowHeight(row));
    for (int column = 0; column < plan.columns(); ++column)
      grid.cells.push_back({plan.cell(column, row), kTooltipBackground, kBlack});
  }
  grid.columnWidths.assign(static_cast<std::size_t>(plan.columns()), plan.columnWidth());

  Panel help{K::Lines,        "help", U"Hilfe",
             cx_.helpVisible, false,  FontSpec{U"Courier New", fit_.helpFontSize, true}};
  help.width = fit_.helpWidth;
  help.height = fit_.helpHeight;
  help.background = kHelpBackground;
  help.lines = classHelpText();

  const FontChoice font = listFont(cx_);
  Panel print{K::Lines, "printPanel",
              U"Druck", cx_.printPanelVisible,
              false,    FontSpec{font.name, font.size, font.bold}};
  print.width = fit_.listWidth;
  print.height = fit_.listHeight;
  print.background = kWhite;
  print.lines = cx_.list.lines();
  return {grid, help, print};
}

void ClassEditorWindow::opened() {
  cx_.helpVisible = false;
  notify();
}

void ClassEditorWindow::menuOpened(const Text& menu) {
  if (cx_.helpVisible && (menu == U"Datei" || menu == U"Bearbeiten")) {
    cx_.helpVisible = false;
    notify();
  }
}

void ClassEditorWindow::fileDropped(const Path& path) {
  loadDroppedList(cx_, path);
  notify();
}

void ClassEditorWindow::listMarked() {
  korvale::listMarked(cx_);
}

void ClassEditorWindow::cellPressed(const std::string& panel, int column, int row) {
  if (panel != "plan") return;
  korvale::cellPressed(cx_, column, row);
  notify();
}

void ClassEditorWindow::cellDoubleClicked(const std::string& panel, int column, int row) {
  if (panel != "plan") return;
  korvale::cellDoubleClicked(cx_, column, row);
  notify();
}

void ClassEditorWindow::cellEdited(const std::string& panel, int column, int row,
                                   const Text& text) {
  if (panel != "plan" || !cx_.plan.shows(column, row)) return;
  cx_.plan.setCell(column, row, text);
  notify();
}

void ClassEditorWindow::panelDoubleClicked(const std::string& panel) {
  if (panel == "help") korvale::printHelp(cx_);
}

}  // namespace korvale
