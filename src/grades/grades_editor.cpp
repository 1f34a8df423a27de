#include "grades/grades_editor.h"

#include <algorithm>

#include "base/numbers.h"
#include "base/text_routines.h"
#include "csvlist/field_table.h"
#include "grades/help_text.h"
#include "grades/screen_fit.h"
#include "stats/function_graph.h"

namespace korvale {

namespace {

// The blanks of the ruler put "]< A4 " where an A4 page ends at the screen's resolution.
Text rulerFor(int dpi) {
  const int blanks = dpi < 120 ? 168 : dpi == 120 ? 136 : 120;
  return Text(static_cast<std::size_t>(blanks), ' ') + U"]< A4 ";
}

}  // namespace

GradesEditor::GradesEditor(Services services) : c_{services, *this, menu_} {
  c_.notify = [this] { notify(); };
  c_.textFont = c_.ports.editor.typingFormat();
  c_.textFont.bold = c_.textFont.italic = c_.textFont.underline = false;
  buildMenu();
  buildKeys();
}

std::unique_ptr<Window> makeGradesEditor(WindowServices& s) {
  Platform& p = s.platform();
  return std::make_unique<GradesEditor>(GradesEditor::Services{
      s.newEditor(), p.dialogs(), p.keys(), p.cursor(), s.host(), s.paths(), p.printer(),
      p.clipboard(), p.shell(), s.variables(), s.newCanvas(), s.workingFolder().path, p.screen()});
}

void GradesEditor::buildMenu() {
  const Text datei = U"Datei";
  const Text bearbeiten = U"Bearbeiten";
  const Text schrift = U"Schrift";
  const Text datenbank = U"Datenbank";
  const Text mathematik = U"Mathematik";
  TextEditor& e = c_.ports.editor;
  menu_ = {
      {datei, U"Ordner wechseln", true, [this] { switchFolder(c_); }},
      {datei, U"Öffnen (CSV)", true, [this] { open(false, std::nullopt); }},
      {datei, U"Öffnen (Text)", true, [this] { open(true, std::nullopt); }},
      {datei, U"Neu", true,
       [this] {
         if (c_.document.typing.mayDiscard(c_.ports.dialogs)) reset(c_);
       }},
      // Coming back from them is no new opening: the database stays.
      {datei, U"LISTWERK", true, [this] { c_.ports.host.openModal(WindowId::ListTools); }},
      {datei, U"Calculator", true, [this] { c_.ports.host.openModal(WindowId::Calculator); }},
      {datei, U"Speichern", true, [this] { save(c_); }},
      {datei, U"Drucken", true, [this] { print(c_); }},
      {datei, U"Drucker einstellen", true, [this] { c_.ports.dialogs.printerSetup(); }},
      {datei, U"Beenden", true, [this] { c_.ports.host.close(WindowId::GradesEditor); }},
      {bearbeiten, U"Undo", true, [&e] { e.undo(); }},
      {bearbeiten, U"Alles Markieren", true, [&e] { e.markAll(); }},
      {bearbeiten, U"Ausschneiden", true, [this] { cut(c_); }},
      {bearbeiten, U"Kopieren", true, [this] { copy(c_); }},
      {bearbeiten, U"Einfügen", true, [this] { paste(c_); }},
      {bearbeiten, U"Sperren E/A", true, [this] { toggleLock(c_); }},
      {bearbeiten, U"Suchen", true, [this] { searchCommand(c_); }},
      {bearbeiten, U"Sortieren", true,
       [this] {
         sort(c_);
         rememberSeparator(c_);
       }},
      {bearbeiten, U"Compress", true, [this] { compressCommand(c_); }},
      {bearbeiten, U"Expand", true, [this] { expandCommand(c_); }},
      {bearbeiten, U"Separator", true, [this] { separatorCommand(c_); }},
      {bearbeiten, U"Select", true, [this] { showSelectionPanel(c_); }},
      {bearbeiten, U"Restore", true, [this] { restore(c_); }},
      {schrift, U"Alles Markieren", true, [&e] { e.markAll(); }},
      {schrift, U"Schriftart", true, [this] { chooseFont(c_); }},
      {schrift, U"Schriftgröße", true, [this] { chooseMarkedSize(c_); }},
      {schrift, U"Courier New", true, [this] { chooseTableFont(c_); }},
      {schrift, U"Normalschrift", true, [this] { normalFont(c_); }},
      {schrift, U"Insert \"", true, [this] { insertQuotesCommand(c_); }},
      {schrift, U"Remove \"", true, [this] { removeQuotesCommand(c_); }},
      {schrift, U"AddLastSep", true, [this] { addLastSeparatorCommand(c_); }},
      {schrift, U"DelLastSep", true, [this] { deleteLastSeparatorCommand(c_); }},
      {mathematik, U"Kommastellen", true, [this] { decimalsCommand(c_); }},
      {mathematik, U"Schulnoten E/A", true, [this] { switchGradesMode(c_); }},
      {mathematik, U"Statistik - 1", true, [this] { evaluate(c_, statistics1Command); }},
      {mathematik, U"Statistik - 2", true, [this] { evaluate(c_, statistics2Command); }},
      {mathematik, U"Statistik - N", true, [this] { evaluate(c_, statisticsNCommand); }},
      {mathematik, U"Funktion - Tabelle", true,
       [this] { runLineCommand(c_, functionTableCommand); }},
      {mathematik, U"Funktion - Grafik", true,
       [this] { runLineCommand(c_, functionGraphCommand); }},
      {mathematik, U"Grafik drucken", true, [this] { runLineCommand(c_, printChartCommand); }},
      {mathematik, U"Grafik löschen", true, [this] { clearChart(c_); }},
      {datenbank, U"Datenbank aktualisieren", false,
       [this] {
         hideSelectionPanel(c_);
         reloadDatabase(c_);
       }},
      {datenbank, U"Datenbank anzeigen (E/A)", false, [this] { toggleDisplay(c_); }},
      {datenbank, U"Datenfelder Ansicht (E/A)", false, [this] { toggleFieldsView(c_); }},
      {datenbank, U"Einen Serienbrief laden", false,
       [this] { runMailMerge(c_, loadTemplateCommand); }},
      {datenbank, U"Neuen Serienbrief anlegen", false,
       [this] { runMailMerge(c_, newTemplateCommand); }},
      {datenbank, U"Serienbrief speichern", false,
       [this] { runMailMerge(c_, saveTemplateCommand); }},
      {datenbank, U"Serienbrief Vorschau (E/A)", false,
       [this] { runMailMerge(c_, previewCommand); }},
      {datenbank, U"Serienbrief ausdrucken", false,
       [this] { runMailMerge(c_, printLettersCommand); }},
      {U"Hilfe ein/aus", Text(), true,
       [this] {
         c_.helpShown = !c_.helpShown;
         notify();
       }},
  };
  // The desktop's usual keys, and the check marks of the on/off entries.
  findMenu(datei, U"Öffnen (CSV)")->shortcut = "Ctrl+O";
  findMenu(datei, U"Speichern")->shortcut = "Ctrl+S";
  findMenu(datei, U"Drucken")->shortcut = "Ctrl+P";
  findMenu(bearbeiten, U"Sperren E/A")->checked = [this] { return c_.locked; };
  findMenu(mathematik, U"Schulnoten E/A")->checked = [this] {
    return c_.db.list.table.schoolMarks;
  };
  findMenu(datenbank, U"Datenbank anzeigen (E/A)")->checked = [this] { return c_.db.displayed(); };
  findMenu(datenbank, U"Datenfelder Ansicht (E/A)")->checked = [this] {
    return c_.db.fieldsViewShown;
  };
  findMenu(datenbank, U"Serienbrief Vorschau (E/A)")->checked = [this] {
    return c_.db.lettersShown();
  };
}

void GradesEditor::buildKeys() {
  TextEditor& e = c_.ports.editor;
  const auto unlocked = [this] { return !c_.locked; };
  const auto line = [this](void (*command)(GradesContext&)) {
    return [this, command] { runLineCommand(c_, command); };
  };
  keys_ = {
      {"F1", Modifiers::Any, nullptr, line(lineMathCommand)},
      // Shift alone asks for the table, Ctrl alone for nothing.
      {"F2", Modifiers::Shift, nullptr, line(functionTableCommand)},
      {"F2", Modifiers::NotCtrlOrShiftAlone, nullptr, line(functionGraphCommand)},
      {"F3", Modifiers::Any, nullptr, [this] { searchAgain(c_); }},
      {"F4", Modifiers::NotCtrlOrShiftAlone, nullptr, [this] { markedNumbers(c_); }},
      {"F11", Modifiers::Any, nullptr, line(characterTableCommand)},
      // A locked text swallows them unchanged.
      {"Enter", Modifiers::Ctrl, nullptr,
       [&e, unlocked] {
         if (unlocked()) e.replaceMarked(U"\u00B6\n");
       }},
      {"Y", Modifiers::Ctrl, nullptr,
       [&e, unlocked] {
         if (unlocked()) e.deleteLine(e.caret().line);
       }},
  };
  // The editor's own clipboard keys follow their menu entries: while an entry is off (the
  // database on the screen), its key does nothing either.
  const std::pair<const char*, const char32_t*> clipboardKeys[] = {{"C", U"Kopieren"},
                                                                   {"X", U"Ausschneiden"},
                                                                   {"V", U"Einfügen"},
                                                                   {"Z", U"Undo"},
                                                                   {"A", U"Alles Markieren"}};
  for (const auto& [key, entry] : clipboardKeys) {
    const Text name = entry;
    keys_.push_back({key, Modifiers::Ctrl,
                     [this, name] {
                       const MenuItem* item = findMenu(U"Bearbeiten", name);
                       return item != nullptr && !item->enabled;
                     },
                     [] {}});
  }
  // The chart keys work wherever the focus is.
  std::vector<std::string> everywhere = {std::string()};
  for (const Control& control : controls())
    if (control.kind == Control::Kind::Edit || control.kind == Control::Kind::Button)
      everywhere.push_back(control.name);
  for (const std::string& control : everywhere) {
    keys_.push_back({"F5", Modifiers::Any, nullptr, [this] { toggleChart(c_); }, control});
    keys_.push_back({"F6", Modifiers::Any, nullptr, line(printChartCommand), control});
    keys_.push_back({"F7", Modifiers::Any, nullptr, [this] { clearChart(c_); }, control});
  }
  // Enter walks the selection panel's fields on to its button.
  const std::pair<const char*, const char*> next[] = {{"selectionField", "selectionOperator"},
                                                      {"selectionOperator", "selectionTerm"},
                                                      {"selectionTerm", "selectionRun"}};
  for (const auto& [from, to] : next) {
    const std::string target = to;
    keys_.push_back({"Enter", Modifiers::NoneOrShift, [this] { return c_.selection.panelShown; },
                     [this, target] {
                       setFocus(target);
                       notify();
                     },
                     from});
  }
}

void GradesEditor::open(bool asText, const std::optional<Path>& dropped) {
  if (!c_.document.typing.mayDiscard(c_.ports.dialogs)) return;
  openFile(c_, asText, dropped);
  if (!asText && c_.db.listLoaded) rememberSeparator(c_);
}

void GradesEditor::fileDropped(const Path& path) {
  // The same extensions make a list as when the open command reads the file.
  const std::string extension = path.extension();
  open(extension != ".csv" && extension != ".dat", path);
}

bool GradesEditor::mayClose() {
  return c_.document.typing.mayDiscard(c_.ports.dialogs);
}

void GradesEditor::afterKey() {
  updateStatus(c_);
  notify();
}

std::vector<Control> GradesEditor::controls() const {
  using K = Control::Kind;
  GradesEditor* self = const_cast<GradesEditor*>(this);
  const bool panel = c_.selection.panelShown;
  return {
      // Its blanks end where an A4 page ends; it must not widen the window.
      {K::Label,
       "ruler",
       c_.ruler,
       true,
       true,
       nullptr,
       nullptr,
       Control::Place::Top,
       {U"Arial", static_cast<int>(12 * textZoom() + 0.5), false}},
      {K::Label, "status", c_.statusLine, true, true, nullptr},
      {K::Label, "file", c_.document.label, true, true, nullptr},
      {K::Button, "first", U"|<<", true, true, [self] { caretTo(self->c_, 1, 1); }},
      {K::Button, "last", U">>|", true, true,
       [self] { caretTo(self->c_, self->c_.ports.editor.lineCount(), 1); }},
      {K::Button, "fields", U"Felder E/A", true, true, [self] { toggleFieldsView(self->c_); }},
      {K::Label, "selectionTitle", U"Datenselektion", panel, true, nullptr},
      {K::Label, "selectionFieldLabel", U"Nummer des Datenfeldes", panel, true, nullptr},
      {K::Edit, "selectionField", c_.selection.request.fieldNumber, panel, true, nullptr,
       [self](const Text& t) { self->c_.selection.request.fieldNumber = t; }},
      {K::Label, "selectionOperatorLabel", U"Selektor (!,=,<,>,-,+)", panel, true, nullptr},
      {K::Edit, "selectionOperator", c_.selection.request.op, panel, true, nullptr,
       [self](const Text& t) { self->c_.selection.request.op = t; }},
      {K::Label, "selectionTermLabel", U"Suchbegriff", panel, true, nullptr},
      {K::Edit, "selectionTerm", c_.selection.request.term, panel, true, nullptr,
       [self](const Text& t) { self->c_.selection.request.term = t; }},
      {K::Button, "selectionRun", U"Ausführen", panel, true,
       [self] { runSelectionPanel(self->c_); }},
      {K::Button, "selectionCancel", U"Abbrechen", panel, true,
       [self] {
         hideSelectionPanel(self->c_);
         self->notify();
       }},
  };
}

int GradesEditor::fontSize() const {
  // The toolkit scales point sizes to the screen's resolution itself, so only its size counts.
  Screen screen = c_.ports.screen;
  screen.dpi = 96;
  return gradesScreenFit(screen).windowFontSize;
}

double GradesEditor::textZoom() const {
  // The table grows with the window's font, so it stays the largest text on a larger screen.
  return fontSize() / static_cast<double>(kGradesDesignFontSize);
}

std::vector<Panel> GradesEditor::panels() const {
  using K = Panel::Kind;
  Screen screen = c_.ports.screen;
  screen.dpi = 96;
  const GradesScreenFit fit = gradesScreenFit(screen);
  // Its names are padded to line up.
  const FontSpec fixed{U"Courier New", fit.panelFontSize, false};
  Panel fields{K::Lines, "fieldsView", U"Datenfelder", !fieldsView().empty(), true, fixed};
  fields.width = fit.fieldsViewWidth;
  fields.lines = fieldsView();
  Panel help{K::Lines,     "help", U"Hilfe",
             c_.helpShown, false,  {U"Courier New", fit.panelFontSize, true}};
  help.background = 0xF0F0FA;
  help.lines = gradesHelpText();
  Panel chart{K::Canvas, "chart", U"<F5> Grafik ein/aus  <F6> Drucken  <F7> Löschen", chartShown(),
              true};
  chart.canvas = &c_.ports.chart;
  Panel selection{K::Edits, "selectionPanel", U"Datenselektion", c_.selection.panelShown, true};
  selection.rowsOfControls = {{"selectionTitle"},
                              {"selectionFieldLabel", "selectionField"},
                              {"selectionOperatorLabel", "selectionOperator"},
                              {"selectionTermLabel", "selectionTerm"},
                              {"selectionRun", "selectionCancel"}};
  return {help, fields, chart, selection};
}

std::vector<Text> GradesEditor::fieldsView() const {
  return c_.db.fieldsViewShown ? c_.db.fieldsViewText : std::vector<Text>();
}

void GradesEditor::panelDoubleClicked(const std::string& panel) {
  if (panel == "help") korvale::printHelp(c_);
}

void GradesEditor::opened() {
  c_.db.windowOpened();
  c_.selection.state = SelectionState();
  c_.mailMerge.templateInEditor = false;
  c_.stats.windowOpened();
  resetChart(c_.stats, c_.ports.chart);
  c_.document.forget();
  c_.ports.variables.clear();
  c_.document.typing.typed = false;
  c_.ruler = rulerFor(c_.ports.screen.dpi);
  c_.ports.editor.setTypingFormat(c_.textFont);
  c_.tableFontSize = 10;
  c_.helpShown = false;
  korvale::enableMenu(c_, U"Datenbank", false);
  korvale::setLocked(c_, false);
  notify();
}

void GradesEditor::closed() {
  hideSelectionPanel(c_);
  c_.selection.state = SelectionState();
  c_.db.unload();
  c_.db.fieldsViewShown = false;
  c_.mailMerge = MailMergeState();
  c_.stats.chart.panelVisible = false;
  c_.stats.headerAndMargin = false;
  c_.ports.editor.clear();
  c_.document.typing.typed = false;
  c_.helpShown = false;
  c_.statusLine = U"Zeile/Spalte";
  c_.document.label = U"Datei";
  c_.currentField = 0;
}

void GradesEditor::textClicked() {
  updateStatus(c_);
  if (c_.locked && !c_.ports.editor.hasMarked()) markCharacterAtCaret(c_);
  notify();
}

void GradesEditor::caretMoved() {
  updateStatus(c_);
  notify();
}

// --- the window's own state, for every command ---

void enableMenu(GradesContext& c, const Text& menu, bool enabled) {
  for (MenuItem& item : c.menu)
    if (item.menu == menu) item.enabled = enabled;
}

void setClipboardEntriesEnabled(GradesContext& c, bool enabled) {
  for (MenuItem& item : c.menu) {
    for (const char32_t* entry :
         {U"Undo", U"Alles Markieren", U"Ausschneiden", U"Kopieren", U"Einfügen"})
      if (item.menu == U"Bearbeiten" && item.entry == entry) item.enabled = enabled;
  }
}

void setLocked(GradesContext& c, bool locked) {
  c.locked = locked;
  c.ports.editor.setReadOnly(locked);
}

void markCharacterAtCaret(GradesContext& c) {
  const TextPos at = c.ports.editor.caret();
  if (at.line >= c.ports.editor.lineCount()) return;
  if (at.column >= static_cast<int>(c.ports.editor.line(at.line).size())) return;
  // The caret stays in front of the marked character, so the status keeps its column.
  c.ports.editor.setSelection({at.line, at.column + 1}, at);
}

void caretTo(GradesContext& c, int line, int column) {
  const int count = c.ports.editor.lineCount();
  line = std::clamp(line, 1, std::max(count, 1));
  c.ports.editor.setCaret({line - 1, std::max(column, 1) - 1});
  updateStatus(c);
  if (c.locked) markCharacterAtCaret(c);
  c.notify();
}

void updateStatus(GradesContext& c) {
  const TextPos at = c.ports.editor.markStart();
  const Text line = c.ports.editor.line(at.line);
  c.currentField = currentFieldNumber(line, at.column);
  Text field = intToText(c.currentField);
  if (c.db.listLoaded && c.db.displayed()) {
    if (c.currentField >= 1 && c.currentField <= c.db.list.table.fieldCount())
      field = c.db.list.table.field(c.currentField).name + U" (" + intToText(c.currentField) + U")";
  } else if (c.db.listLoaded) {
    field.clear();
  }
  c.statusLine =
      U"Zei/Spa: " + intToText(at.line + 1) + U" / " + intToText(at.column + 1) + U" / " + field;
}

void removeTrailingEmptyLines(GradesContext& c) {
  while (c.ports.editor.lineCount() > 1 &&
         trim(c.ports.editor.line(c.ports.editor.lineCount() - 1)).empty())
    c.ports.editor.deleteLine(c.ports.editor.lineCount() - 1);
}

}  // namespace korvale
