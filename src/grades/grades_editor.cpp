#include "grades/grades_editor.h"

#include <algorithm>

#include "base/files.h"
#include "base/numbers.h"
#include "base/text_routines.h"
#include "csvlist/field_table.h"
#include "csvlist/grades_mode.h"
#include "csvlist/layout.h"
#include "csvlist/sorting.h"
#include "csvlist/table_text.h"
#include "grades/help_text.h"
#include "grades/screen_fit.h"
#include "stats/stats_commands.h"

namespace korvale {

namespace {

// The blanks of the ruler put "]< A4 " where an A4 page ends at the screen's resolution.
Text rulerFor(int dpi) {
  const int blanks = dpi < 120 ? 168 : dpi == 120 ? 136 : 120;
  return Text(static_cast<std::size_t>(blanks), ' ') + U"]< A4 ";
}

}  // namespace

GradesEditor::GradesEditor(Services services) : s_(services) {
  textFont_ = s_.editor.typingFormat();
  textFont_.bold = textFont_.italic = textFont_.underline = false;
  buildMenu();
  buildKeys();
}

std::unique_ptr<Window> makeGradesEditor(WindowServices& s) {
  Platform& p = s.platform();
  return std::make_unique<GradesEditor>(GradesEditor::Services{
      s.newEditor(), p.dialogs(), p.keys(), p.cursor(), s.host(), s.paths(), p.printer(),
      p.clipboard(), p.shell(), s.variables(), s.newCanvas(), s.workingFolder().path, p.screen()});
}

void GradesEditor::buildKeys() {
  TextEditor& e = s_.editor;
  const auto unlocked = [this] { return !locked_; };
  keys_ = {
      {"F3", Modifiers::Any, nullptr, [this, &e] { searchAgain(e, search_); }},
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
  // Enter walks the selection panel's fields on to its button.
  const std::pair<const char*, const char*> next[] = {{"selectionField", "selectionOperator"},
                                                      {"selectionOperator", "selectionTerm"},
                                                      {"selectionTerm", "selectionRun"}};
  for (const auto& [from, to] : next) {
    const std::string target = to;
    keys_.push_back({"Enter", Modifiers::NoneOrShift, [this] { return selectionPanelShown_; },
                     [this, target] {
                       setFocus(target);
                       notify();
                     },
                     from});
  }
}

void GradesEditor::afterKey() {
  updateStatus();
  notify();
}

int GradesEditor::fontSize() const {
  // The toolkit scales point sizes to the screen's resolution itself, so only its size counts.
  Screen screen = s_.screen;
  screen.dpi = 96;
  return gradesScreenFit(screen).windowFontSize;
}

std::vector<Panel> GradesEditor::panels() const {
  using K = Panel::Kind;
  Screen screen = s_.screen;
  screen.dpi = 96;
  const GradesScreenFit fit = gradesScreenFit(screen);
  // Its names are padded to line up.
  const FontSpec fixed{U"Courier New", fit.panelFontSize, false};
  Panel fields{K::Lines, "fieldsView", U"Datenfelder", !fieldsView().empty(), true, fixed};
  fields.width = fit.fieldsViewWidth;
  fields.lines = fieldsView();
  Panel help{K::Lines,   "help", U"Hilfe",
             helpShown_, false,  {U"Courier New", fit.panelFontSize, true}};
  help.background = 0xF0F0FA;
  help.lines = gradesHelpText();
  Panel chart{K::Canvas, "chart", U"Grafik", chartShown(), true};
  chart.canvas = &s_.chart;
  Panel selection{K::Edits, "selectionPanel", U"Datenselektion", selectionPanelShown_, true};
  selection.rowsOfControls = {{"selectionTitle"},
                              {"selectionFieldLabel", "selectionField"},
                              {"selectionOperatorLabel", "selectionOperator"},
                              {"selectionTermLabel", "selectionTerm"},
                              {"selectionRun", "selectionCancel"}};
  return {help, fields, chart, selection};
}

void GradesEditor::panelDoubleClicked(const std::string& panel) {
  if (panel == "help") printHelp();
}

void GradesEditor::buildMenu() {
  const Text datei = U"Datei";
  const Text bearbeiten = U"Bearbeiten";
  const Text schrift = U"Schrift";
  const Text datenbank = U"Datenbank";
  const Text mathematik = U"Mathematik";
  TextEditor& e = s_.editor;
  menu_ = {
      {datei, U"Ordner wechseln", true, [this] { switchFolder(); }},
      {datei, U"Öffnen (CSV)", true, [this] { openList(); }},
      {datei, U"Öffnen (Text)", true, [this] { openText(); }},
      {datei, U"Neu", true, [this] { reset(); }},
      // Coming back from them is no new opening: the database stays.
      {datei, U"LISTWERK", true, [this] { s_.host.openModal(WindowId::ListTools); }},
      {datei, U"Calculator", true, [this] { s_.host.openModal(WindowId::Calculator); }},
      {datei, U"Speichern", true, [this] { save(); }},
      {datei, U"Drucken", true, [this] { print(); }},
      {datei, U"Drucker einstellen", true, [this] { s_.dialogs.printerSetup(); }},
      {datei, U"Beenden", true, [this] { s_.host.close(WindowId::GradesEditor); }},
      {bearbeiten, U"Undo", true, [&e] { e.undo(); }},
      {bearbeiten, U"Alles Markieren", true, [&e] { e.markAll(); }},
      {bearbeiten, U"Ausschneiden", true, [this] { cut(); }},
      {bearbeiten, U"Kopieren", true, [this] { copy(); }},
      {bearbeiten, U"Einfügen", true, [this] { paste(); }},
      {bearbeiten, U"Sperren E/A", true, [this] { toggleLock(); }},
      {bearbeiten, U"Suchen", true,
       [this, &e] {
         searchCommand(e, search_, s_.dialogs);
         updateStatus();
       }},
      {bearbeiten, U"Sortieren", true, [this] { sort(); }},
      {bearbeiten, U"Compress", true, [this, &e] { compressCommand(e, list_, s_.cursor); }},
      {bearbeiten, U"Expand", true,
       [this, &e] { expandCommand(e, list_, s_.dialogs, s_.cursor, databaseLoaded_); }},
      {bearbeiten, U"Separator", true,
       [this, &e] { separatorCommand(e, list_, s_.dialogs, [this] { displayFormatting(); }); }},
      {bearbeiten, U"Select", true, [this] { showSelectionPanel(); }},
      {bearbeiten, U"Restore", true, [this] { restore(); }},
      {schrift, U"Alles Markieren", true, [&e] { e.markAll(); }},
      {schrift, U"Schriftart", true, [this] { chooseFont(); }},
      {schrift, U"Schriftgröße", true, [this] { chooseMarkedSize(); }},
      {schrift, U"Courier New", true, [this] { chooseTableFont(); }},
      {schrift, U"Normalschrift", true, [this] { normalFont(); }},
      {schrift, U"Insert \"", true, [&e] { insertQuotesCommand(e); }},
      {schrift, U"Remove \"", true, [&e] { removeQuotesCommand(e); }},
      {schrift, U"AddLastSep", true, [&e] { addLastSeparatorCommand(e); }},
      {schrift, U"DelLastSep", true, [&e] { deleteLastSeparatorCommand(e); }},
      {mathematik, U"Kommastellen", true, [this] { decimalsCommand(s_.dialogs, stats_); }},
      {mathematik, U"Schulnoten E/A", true, [this, &e] { switchGradesMode(e, list_, s_.dialogs); }},
      {mathematik, U"Statistik - 1", true, [this] { evaluate(statistics1Command); }},
      {mathematik, U"Statistik - 2", true, [this] { evaluate(statistics2Command); }},
      {mathematik, U"Statistik - N", true, [this] { evaluate(statisticsNCommand); }},
      {datenbank, U"Datenbank aktualisieren", false,
       [this] {
         hideSelectionPanel();
         reloadDatabase();
       }},
      {datenbank, U"Datenbank anzeigen (E/A)", false, [this] { toggleDisplay(); }},
      {datenbank, U"Datenfelder Ansicht (E/A)", false, [this] { toggleFieldsView(); }},
      {datenbank, U"Einen Serienbrief laden", false, [this] { mailMerge(loadTemplateCommand); }},
      {datenbank, U"Neuen Serienbrief anlegen", false, [this] { mailMerge(newTemplateCommand); }},
      {datenbank, U"Serienbrief speichern", false, [this] { mailMerge(saveTemplateCommand); }},
      {datenbank, U"Serienbrief Vorschau (E/A)", false, [this] { mailMerge(previewCommand); }},
      {datenbank, U"Serienbrief ausdrucken", false, [this] { mailMerge(printLettersCommand); }},
      {U"Hilfe ein/aus", Text(), true, [this] { toggleHelp(); }},
  };
}

std::vector<Control> GradesEditor::controls() const {
  using K = Control::Kind;
  GradesEditor* self = const_cast<GradesEditor*>(this);
  const bool panel = selectionPanelShown_;
  return {
      // Its blanks end where an A4 page ends; it must not widen the window.
      {K::Label,
       "ruler",
       ruler_,
       true,
       true,
       nullptr,
       nullptr,
       Control::Place::Top,
       {U"Arial", 12, false}},
      {K::Label, "status", statusLine_, true, true, nullptr},
      {K::Label, "file", fileLabel_, true, true, nullptr},
      {K::Button, "first", U"|<<", true, true, [self] { self->caretTo(1, 1); }},
      {K::Button, "last", U">>|", true, true,
       [self] { self->caretTo(self->s_.editor.lineCount(), 1); }},
      {K::Button, "fields", U"Felder E/A", true, true, [self] { self->toggleFieldsView(); }},
      {K::Label, "selectionTitle", U"Datenselektion", panel, true, nullptr},
      {K::Label, "selectionFieldLabel", U"Nummer des Datenfeldes", panel, true, nullptr},
      {K::Edit, "selectionField", selectionRequest_.fieldNumber, panel, true, nullptr,
       [self](const Text& t) { self->selectionRequest_.fieldNumber = t; }},
      {K::Label, "selectionOperatorLabel", U"Selektor (!,=,<,>,-,+)", panel, true, nullptr},
      {K::Edit, "selectionOperator", selectionRequest_.op, panel, true, nullptr,
       [self](const Text& t) { self->selectionRequest_.op = t; }},
      {K::Label, "selectionTermLabel", U"Suchbegriff", panel, true, nullptr},
      {K::Edit, "selectionTerm", selectionRequest_.term, panel, true, nullptr,
       [self](const Text& t) { self->selectionRequest_.term = t; }},
      {K::Button, "selectionRun", U"Ausführen", panel, true, [self] { self->runSelectionPanel(); }},
      {K::Button, "selectionCancel", U"Abbrechen", panel, true,
       [self] {
         self->hideSelectionPanel();
         self->notify();
       }},
  };
}

std::vector<Text> GradesEditor::fieldsView() const {
  return fieldsViewShown_ ? fieldsViewText_ : std::vector<Text>();
}

void GradesEditor::setClipboardEntriesEnabled(bool enabled) {
  for (const char32_t* entry :
       {U"Undo", U"Alles Markieren", U"Ausschneiden", U"Kopieren", U"Einfügen"}) {
    if (MenuItem* item = findMenu(U"Bearbeiten", entry)) item->enabled = enabled;
  }
}

void GradesEditor::setLocked(bool locked) {
  locked_ = locked;
  s_.editor.setReadOnly(locked);
}

void GradesEditor::toggleLock() {
  setLocked(!locked_);
  s_.dialogs.message(locked_ ? U"Editor gesperrt !" : U"Editor entsperrt !");
  notify();
}

void GradesEditor::opened() {
  databaseList_.clear();
  selection_ = SelectionState();
  ruler_ = rulerFor(s_.screen.dpi);
  s_.editor.setTypingFormat(textFont());
  databaseLoaded_ = databaseDisplayed_ = false;
  mm_.templateInEditor = mm_.previewOn = false;
  s_.variables.clear();
  stats_.windowOpened();
  resetChart(stats_, s_.chart);
  fileName_.clear();
  fileEncoding_ = Encoding::Cp1252;
  tableFontSize_ = 10;
  helpShown_ = false;
  fieldsViewShown_ = false;
  enableMenu(U"Datenbank", false);
  setLocked(false);
  notify();
}

void GradesEditor::reset() {
  selection_.selectionMade = false;
  setLocked(false);
  hideSelectionPanel();
  setClipboardEntriesEnabled(true);
  if (listLoaded_) {
    fileLabel_ = U"Datei";
    helpShown_ = false;
    fieldsViewText_.clear();
    databaseCopy_.clear();
    databaseList_.clear();
    savedEditorText_ = RichText();
    enableMenu(U"Datenbank", false);
    // The table on the screen goes with the database.
    listLoaded_ = databaseLoaded_ = databaseDisplayed_ = false;
    list_.table.schoolMarks = list_.table.supplementaryColumn = false;
  }
  textMode_ = false;
  statusLine_ = U"Zeile/Spalte";
  s_.editor.clear();
  CharFormat font = textFont();
  font.size = 14;
  s_.editor.setTypingFormat(font);
  fieldsViewShown_ = false;
  fileName_.clear();
  fileEncoding_ = Encoding::Cp1252;
  setFileLabel();
  mm_.templateInEditor = false;
  mm_.savedTemplate = RichText();
  resetChart(stats_, s_.chart);
  stats_.headerAndMargin = false;
  currentField_ = 0;
  notify();
}

void GradesEditor::closed() {
  helpShown_ = false;
  hideSelectionPanel();
  statusLine_ = U"Zeile/Spalte";
  fileLabel_ = U"Datei";
  fieldsViewText_.clear();
  fieldsViewShown_ = false;
  s_.editor.clear();
  databaseCopy_.clear();
  databaseList_.clear();
  savedEditorText_ = RichText();
  listLoaded_ = databaseLoaded_ = false;
  list_.table.schoolMarks = list_.table.supplementaryColumn = false;
  selection_ = SelectionState();
  mm_ = MailMergeState();
  stats_.chart.panelVisible = false;
  stats_.headerAndMargin = false;
  currentField_ = 0;
}

void GradesEditor::switchFolder() {
  if (isDirectory(s_.paths.startFolder)) s_.workingFolder = s_.paths.startFolder;
  const auto answer = s_.dialogs.input(
      U"Ordnerwechsel", U" <1> = DEMO-Ordner      \r <2> = AKTUELLER Ordner \r ", U"2");
  if (!answer) return;
  const Text choice = trim(*answer);
  if (choice != U"1" && choice != U"2") {
    s_.dialogs.message(U"Abbruch: NICHT zulässiger Ordner !");
    return;
  }
  s_.workingFolder = choice == U"1" ? s_.paths.demoFolder : s_.paths.startFolder;
  if (!changeDirectory(s_.workingFolder)) showDataError(s_.dialogs);
}

// --- caret and status ---

void GradesEditor::markCharacterAtCaret() {
  const TextPos at = s_.editor.caret();
  if (at.line >= s_.editor.lineCount()) return;
  if (at.column >= static_cast<int>(s_.editor.line(at.line).size())) return;
  // The caret stays in front of the marked character, so the status keeps its column.
  s_.editor.setSelection({at.line, at.column + 1}, at);
}

void GradesEditor::caretTo(int line, int column) {
  const int count = s_.editor.lineCount();
  line = std::clamp(line, 1, std::max(count, 1));
  s_.editor.setCaret({line - 1, std::max(column, 1) - 1});
  updateStatus();
  if (locked_) markCharacterAtCaret();
  notify();
}

void GradesEditor::updateStatus() {
  const TextPos at = s_.editor.markStart();
  const Text line = s_.editor.line(at.line);
  currentField_ = currentFieldNumber(line, at.column);
  Text field = intToText(currentField_);
  if (listLoaded_ && databaseDisplayed_) {
    if (currentField_ >= 1 && currentField_ <= list_.table.fieldCount())
      field = list_.table.field(currentField_).name + U" (" + intToText(currentField_) + U")";
  } else if (listLoaded_) {
    field.clear();
  }
  statusLine_ =
      U"Zei/Spa: " + intToText(at.line + 1) + U" / " + intToText(at.column + 1) + U" / " + field;
}

void GradesEditor::sort() {
  const int field = currentField_;
  const Text header = s_.editor.isEmpty() ? Text() : s_.editor.line(0);
  const auto lines =
      sortCommand(s_.editor, list_, s_.dialogs, s_.cursor, field, stats_.headerAndMargin);
  if (!lines) return;
  // The database takes its line 1 for the header. When the header was sorted in among the
  // records, the sorted table stays in the editor as it is: as a database its first record
  // would be taken for the header and vanish behind it.
  if (databaseDisplayed_ && !lines->empty() && lines->front() != header) {
    // The header keeps its full names, which the display may have cut to the column widths.
    for (int i = 0; i < s_.editor.lineCount(); ++i)
      if (s_.editor.line(i) == header) s_.editor.setLine(i, list_.loadedHeader);
    s_.editor.setCaret({0, 0});
    notify();
    return;
  }
  takeAsDatabase(*lines, field);
}

void GradesEditor::restore() {
  const int field = currentField_;
  if (const auto lines = restoreSelection(selection_, s_.dialogs)) takeAsDatabase(*lines, field);
}

void GradesEditor::showSelectionPanel() {
  if (s_.editor.isEmpty()) return;
  selectionRequest_ = {intToText(currentField_), Text(), Text()};
  selectionPanelShown_ = true;
  setFocus("selectionOperator");
  notify();
}

void GradesEditor::hideSelectionPanel() {
  selectionPanelShown_ = false;
  setFocus(std::string());
}

void GradesEditor::runSelectionPanel() {
  const int field = currentField_;
  const auto lines =
      runSelection(s_.editor, list_, selection_, s_.dialogs, s_.cursor, selectionRequest_);
  hideSelectionPanel();
  if (lines) takeAsDatabase(*lines, field);
  notify();
}

void GradesEditor::takeAsDatabase(const std::vector<Text>& lines, int field) {
  databaseList_ = lines;
  reloadDatabase();
  toggleDisplay();
  if (caretToField(s_.editor, field, list_.detectedSeparator)) updateStatus();
  notify();
}

void GradesEditor::mailMerge(void (*command)(MailMergeWindow&)) {
  MailMergeWindow w{
      s_.editor,          s_.dialogs,    s_.keys,          s_.cursor,
      s_.variables,       mm_,           databaseLoaded_,  databaseDisplayed_,
      databaseCopy_,      list_,         s_.workingFolder, fileName_,
      fileExtension_,     fileEncoding_, fileLabel_,       [this] { setLocked(false); },
      [this] { print(); }};
  command(w);
  updateStatus();
  notify();
}

void GradesEditor::evaluate(EvaluationCommand command) {
  const StatsContext context{listLoaded_, databaseDisplayed_, currentField_, tableFontSize_};
  command(s_.editor, list_, stats_, s_.dialogs, s_.chart, context);
  notify();
}

void GradesEditor::textClicked() {
  updateStatus();
  if (locked_ && !s_.editor.hasMarked()) markCharacterAtCaret();
  notify();
}

void GradesEditor::caretMoved() {
  updateStatus();
  notify();
}

void GradesEditor::removeTrailingEmptyLines() {
  while (s_.editor.lineCount() > 1 && trim(s_.editor.line(s_.editor.lineCount() - 1)).empty())
    s_.editor.deleteLine(s_.editor.lineCount() - 1);
}

}  // namespace korvale
