// What the List tools window shows: its labels, edits and buttons, and the panels that gather
// them. Controls of panels that come and go come first, so that a caption both a panel and the
// window carry ("Exit", "[<<]") names the panel's while it is shown.
#include "base/numbers.h"
#include "listtools/column_operations.h"
#include "listtools/column_statistics.h"
#include "listtools/help_text.h"
#include "listtools/list_commands.h"
#include "listtools/list_files.h"
#include "listtools/list_keys.h"
#include "listtools/list_printing.h"
#include "listtools/list_tools_window.h"
#include "listtools/new_list.h"
#include "listtools/projection.h"
#include "listtools/record_mask.h"

namespace korvale {

namespace {

using K = Control::Kind;

Control label(std::string name, Text caption, bool visible) {
  return {K::Label, std::move(name), std::move(caption), visible, true, nullptr};
}

Control button(std::string name, Text caption, bool visible, std::function<void()> action,
               Text hint = {}) {
  Control c{K::Button, std::move(name), std::move(caption), visible, true, std::move(action)};
  c.hint = std::move(hint);
  return c;
}

Control edit(std::string name, Text text, bool visible, std::function<void(const Text&)> edited) {
  return {K::Edit, std::move(name), std::move(text), visible, true, nullptr, std::move(edited)};
}

constexpr Color kLightYellow = 0xFFFFEB;
constexpr Color kHelpBackground = 0xF0F0FA;

}  // namespace

std::vector<Control> ListToolsWindow::maskControls() const {
  auto* self = const_cast<ListToolsWindow*>(this);
  const bool shown = state_.mask.shown;
  const auto run = [self](std::function<void(ListToolsContext&)> command) {
    return [self, command] { self->act(command); };
  };
  const auto step = [run](MaskStep s) {
    return run([s](ListToolsContext& c) { maskNavigate(c, s); });
  };
  std::vector<Control> out = {
      button("maskFirst", U"[<<]", shown, step(MaskStep::First)),
      button("maskPrevious", U"[<]", shown, step(MaskStep::Previous)),
      button("maskNext", U"[>]", shown, step(MaskStep::Next)),
      button("maskLast", U"[>>]", shown, step(MaskStep::Last)),
      button("maskPrint", U"Print", shown, run(printMaskRecord)),
      button("maskNew", U"New", shown, run(maskNew)),
      button("maskWrite", U"Write", shown, run(maskWrite)),
      button("maskExit", U"Exit", shown, run(maskExit)),
      button("maskHelp", U"<<Help>>", shown, run(toggleInfoWindow)),
  };
  const ListStructure& structure = state_.structure;
  for (int k = 1; k <= kMaxMaskRows; ++k) {
    const bool row = shown && k <= structure.fieldCount();
    const auto i = static_cast<std::size_t>(k - 1);
    const Text value = i < state_.mask.edits.size() ? state_.mask.edits[i] : Text();
    out.push_back(label(listfocus::maskEdit(k) + "Label", maskCaption(structure, k), row));
    out.push_back(edit(listfocus::maskEdit(k), value, row, [self, i](const Text& t) {
      std::vector<Text>& edits = self->state_.mask.edits;
      if (edits.size() <= i) edits.resize(i + 1);
      edits[i] = t;
    }));
  }
  out.push_back(label("maskEnd", U".", shown));
  return out;
}

std::vector<Control> ListToolsWindow::newListControls() const {
  auto* self = const_cast<ListToolsWindow*>(this);
  const NewListDraft& d = state_.newList;
  const bool shown = d.panelShown;
  const auto field = [self](Text NewListDraft::*member) {
    return [self, member](const Text& t) { self->state_.newList.*member = t; };
  };
  return {
      label("newListNumber", d.fieldNumberLabel, shown),
      label("newListFile", U"Dateiname = newfile.csv", shown),
      label(listfocus::kFieldCount + "Label", U"Feldanzahl (max. 50)", shown),
      edit(listfocus::kFieldCount, d.count, shown, field(&NewListDraft::count)),
      label(listfocus::kFieldName + "Label", U"Feldname (max. 10)", shown),
      edit(listfocus::kFieldName, d.name, shown, field(&NewListDraft::name)),
      label(listfocus::kFieldLength + "Label", U"Feldlänge (max. 30)", shown),
      edit(listfocus::kFieldLength, d.length, shown, field(&NewListDraft::length)),
      label(listfocus::kFieldType + "Label", U"Feldtyp (T,N,I)", shown),
      edit(listfocus::kFieldType, d.type, shown, field(&NewListDraft::type)),
      button(listfocus::kAccept, U"Übernehmen", shown, [self] { self->act(acceptField); }),
      button("newListCancel", U"Abbrechen", shown, [self] { self->act(cancelNewList); }),
  };
}

std::vector<Control> ListToolsWindow::selectionControls() const {
  auto* self = const_cast<ListToolsWindow*>(this);
  const SelectionPanel& p = state_.selection;
  const bool shown = p.shown;
  const auto field = [self](Text SelectionPanel::*member) {
    return [self, member](const Text& t) { self->state_.selection.*member = t; };
  };
  return {
      label(listfocus::kSelectField + "Label", U"Nummer des Datenfeldes", shown),
      edit(listfocus::kSelectField, p.fieldNumber, shown, field(&SelectionPanel::fieldNumber)),
      label(listfocus::kSelectOperator + "Label", U"Selektor (!,=,<,>,-,+)", shown),
      edit(listfocus::kSelectOperator, p.op, shown, field(&SelectionPanel::op)),
      label(listfocus::kSelectTerm + "Label", U"Suchbegriff", shown),
      edit(listfocus::kSelectTerm, p.term, shown, field(&SelectionPanel::term)),
      button(listfocus::kSelectRun, U"Ausführen", shown, [self] { self->act(runSelection); }),
      button("selectCancel", U"Abbrechen", shown, [self] { self->act(cancelSelection); }),
  };
}

std::vector<Control> ListToolsWindow::stripControls() const {
  auto* self = const_cast<ListToolsWindow*>(this);
  const auto step = [self](MaskStep s) {
    return [self, s] { self->act([s](ListToolsContext& c) { stripNavigate(c, s); }); };
  };
  return {
      button("stripFirst", U"[<<]", true, step(MaskStep::First), U"Zum Listenanfang"),
      button("stripPrevious", U"[ < ]", true, step(MaskStep::Previous), U"Rückwärts"),
      button("stripNext", U"[ > ]", true, step(MaskStep::Next), U"Vorwärts"),
      button("stripLast", U"[>>]", true, step(MaskStep::Last), U"Zum Listenende"),
      button(
          "stripEdit", U"[Edit]", true, [self] { self->act(editRecord); }, U"Datensatz editieren"),
      button(
          "stripDelete", U"[ - ]", true, [self] { self->act(deleteRecord); }, U"Datensatz löschen"),
      button(
          "stripAppend", U"[ + ]", true, [self] { self->act(appendRecord); }, U"Datensatz anfügen"),
  };
}

std::vector<Control> ListToolsWindow::leftColumn() const {
  auto* self = const_cast<ListToolsWindow*>(this);
  const auto left = [self](const char* name, const char32_t* caption,
                           void (*command)(ListToolsContext&)) {
    return button(name, caption, true, self->leftCommand(command));
  };
  const auto discarding = [self](const char* name, const char32_t* caption,
                                 void (*command)(ListToolsContext&)) {
    return button(name, caption, true, self->leftCommand(command, true));
  };
  Control exit = button("exit", U"Exit", true, [self] {
    self->act([self](ListToolsContext& c) {
      if (!c.state.mask.shown) self->exitWindow(c);
    });
  });
  return {left("help", U"Help on/off", toggleHelp),
          left("folder", U"Ordner", switchFolder),
          discarding("load", U"Load", loadList),
          discarding("newList", U"NewList", newList),
          discarding("clear", U"Clear", clearList),
          left("edit", U"Edit", editRecord),
          left("header", U"Header", toggleHeaderEditor),
          left("structure", U"Struc.", showStructure),
          left("separator", U"Separ.", exchangeSeparator),
          left("compress", U"Compress", compressList),
          left("expand", U"Expand", expandList),
          left("setLength", U"SetLen FX", setColumnLength),
          left("upper", U"Upper FX", upperColumn),
          left("lower", U"Lower FX", lowerColumn),
          left("index", U"Index FX", indexColumn),
          left("random", U"Random FX", randomColumn),
          left("search", U"Search FX", searchColumn),
          left("replace", U"Replace FX", replaceColumn),
          left("sort", U"Sort FX", sortByColumn),
          left("insert", U"Insert FX", insertColumn),
          left("remove", U"Remove FX", removeColumn),
          left("view", U"View", toggleProjection),
          left("select", U"Select", showSelection),
          left("restore", U"Restore", restoreList),
          left("statistics", U"Statistik", columnStatistics),
          left("printerSetup", U"P-Setup", printerSetup),
          left("print", U"Print", printListLines),
          left("save", U"Save", saveList),
          exit};
}

std::vector<Control> ListToolsWindow::controls() const {
  auto* self = const_cast<ListToolsWindow*>(this);
  const ListDocument& list = state_.list;
  const FontSpec listFont{U"Courier New", state_.settings.fontSize, true};
  Control strip = label("headerStrip", list.headerStrip, true);
  strip.font = listFont;
  Control header = edit("headerEditor", list.headerEditor, state_.view.headerEditorShown,
                        [self](const Text& t) { self->state_.list.headerEditor = t; });
  header.font = listFont;
  std::vector<Control> out = {strip, header, label("position", state_.view.positionLabel, true),
                              label("count", state_.view.countLabel, true)};
  for (auto part : {&ListToolsWindow::maskControls, &ListToolsWindow::newListControls,
                    &ListToolsWindow::selectionControls, &ListToolsWindow::stripControls,
                    &ListToolsWindow::leftColumn}) {
    std::vector<Control> controls = (this->*part)();
    out.insert(out.end(), std::make_move_iterator(controls.begin()),
               std::make_move_iterator(controls.end()));
  }
  return out;
}

std::vector<Panel> ListToolsWindow::panels() const {
  using P = Panel::Kind;
  const FontSpec fixed{U"Courier New", fontSize_, true};
  Panel column{P::Edits, "tools", Text(), true, false, fixed};
  column.width = columnWidth_;
  column.background = background();
  // The column operations stand two in a row, so the whole column fits a 1024 x 768 screen.
  bool pairOpen = false;  // the last row holds one column operation
  for (const Control& c : leftColumn()) {
    const bool operation = c.caption.ends_with(U" FX");
    if (operation && pairOpen) {
      column.rowsOfControls.back().push_back(c.name);
      pairOpen = false;
    } else {
      column.rowsOfControls.push_back({c.name});
      pairOpen = operation;
    }
  }

  Panel mask{P::Edits, "mask", U"Maskeneditor", state_.mask.shown, true, fixed};
  mask.rowsOfControls = {{"maskFirst", "maskPrevious"},
                         {"maskNext", "maskLast"},
                         {"maskPrint", "maskNew"},
                         {"maskWrite", "maskExit"},
                         {"maskHelp"}};
  for (int k = 1; k <= kMaxMaskRows; ++k)
    mask.rowsOfControls.push_back({listfocus::maskEdit(k) + "Label", listfocus::maskEdit(k)});
  mask.rowsOfControls.push_back({"maskEnd"});

  Panel fresh{P::Edits, "newList", U"Neue Datenliste erzeugen", state_.newList.panelShown,
              true,     fixed};
  fresh.rowsOfControls = {{"newListNumber"}, {"newListFile"}};
  for (const std::string& e : {listfocus::kFieldCount, listfocus::kFieldName,
                               listfocus::kFieldLength, listfocus::kFieldType})
    fresh.rowsOfControls.push_back({e + "Label", e});
  fresh.rowsOfControls.push_back({listfocus::kAccept, "newListCancel"});

  Panel selection{P::Edits, "selection", U"Datenselektion", state_.selection.shown, true, fixed};
  for (const std::string& e :
       {listfocus::kSelectField, listfocus::kSelectOperator, listfocus::kSelectTerm})
    selection.rowsOfControls.push_back({e + "Label", e});
  selection.rowsOfControls.push_back({listfocus::kSelectRun, "selectCancel"});

  Panel info{P::Lines, "info", U"Struktur", state_.view.infoShown, true, fixed};
  info.width = state_.view.infoWide ? 2 * infoWidth_ : infoWidth_;
  info.background = kLightYellow;
  info.lines = state_.view.infoLines;
  Panel help{P::Lines, "help", U"Hilfe", state_.view.helpShown, true, fixed};
  help.background = kHelpBackground;
  help.lines = listToolsHelp();
  return {column, mask, fresh, selection, info, help};
}

}  // namespace korvale
