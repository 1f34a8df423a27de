// What the Grades editor's commands work on: the ports, and the window's state in parts that
// reset themselves. Every command of the menus takes this one context and its own arguments.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/encoding.h"
#include "base/path.h"
#include "csvlist/list_state.h"
#include "csvlist/search.h"
#include "csvlist/selection.h"
#include "formula/variable_table.h"
#include "rtf/document_file.h"
#include "stats/marked_numbers.h"
#include "stats/stats_state.h"
#include "ui/ports/canvas.h"
#include "ui/ports/clipboard.h"
#include "ui/ports/dialogs.h"
#include "ui/ports/key_state.h"
#include "ui/ports/printer.h"
#include "ui/ports/shell.h"
#include "ui/ports/text_editor.h"
#include "window/folders.h"
#include "window/scaling.h"
#include "window/typing_guard.h"
#include "window/window.h"

namespace korvale {

struct GradesPorts {
  TextEditor& editor;
  Dialogs& dialogs;
  KeyState& keys;
  Cursor& cursor;
  WindowHost& host;
  const AppPaths& paths;
  Printer& printer;
  Clipboard& clipboard;
  Shell& shell;
  // The 26 formula variables, shared with the Calculator.
  VariableTable& variables;
  // The chart panel's drawing surface.
  Canvas& chart;
  // Where the file dialogs start; shared with the List tools.
  Path& workingFolder;
  Screen screen;
};

// What the Grades editor keeps for the mail merge between commands. Activation, New, opening a
// file and the database reload clear the template flag; New and closing also clear the saved
// template.
struct MailMergeState {
  bool templateInEditor = false;  // set by load, new and save of a template
  RichText savedTemplate;         // the template, with its formats, while the letters are shown
  // What the template file was read in: saving it (or its letters) as text writes that, while
  // the list keeps its own.
  Encoding templateEncoding = Encoding::Cp1252;
};

// The file the text came from, and the label that names it.
struct DocumentPart {
  Path fileName;
  std::string extension;
  // What the file was read in, and so what a save as text writes.
  Encoding encoding = Encoding::Cp1252;
  bool textMode = false;  // opened with "Öffnen (Text)"
  Text label = U"Datei: ";
  // The file the editor's text came from, when the editor could not hold all of it.
  std::optional<IncompleteOriginal> incomplete;
  // Typed since the text was opened, saved or started anew.
  TypingGuard typing;

  void forget() {
    fileName.clear();
    encoding = Encoding::Cp1252;
    incomplete.reset();
    typing.typed = false;
  }
  void showName() { label = U" Datei: " + fileName.displayText(); }
};

// The list that was opened, the database built from it, its display and the fields view.
struct DatabasePart {
  bool listLoaded = false;
  // What the editor shows of the database, in one mode: a table or the filled letters are
  // shown only while there is a database, and never both. Whether a list was opened stays
  // apart: sorting or selecting a plain text builds a database too.
  enum class Mode {
    None,     // no database
    Hidden,   // a database; the editor holds another text (a letter template, a document)
    Shown,    // the editor shows the table
    Letters,  // the mail-merge preview: the letters filled from the hidden database
  };
  Mode mode = Mode::None;
  // The next display of the table shows the hint on the evaluations.
  bool showHint = false;
  ListState list;
  Path name;
  std::vector<Text> copy;    // the header and the records, without the end marker
  std::vector<Text> source;  // what a reload builds the database from
  RichText savedEditorText;  // the editor's text while the table is shown
  std::vector<Text> fieldsViewText;
  bool fieldsViewShown = false;

  bool loaded() const { return mode != Mode::None; }
  bool displayed() const { return mode == Mode::Shown; }
  bool lettersShown() const { return mode == Mode::Letters; }
  // The letters go; the database stays hidden.
  void endLetters() {
    if (mode == Mode::Letters) mode = Mode::Hidden;
  }

  // The table goes; the list counts as never opened.
  void unload() {
    copy.clear();
    source.clear();
    savedEditorText = RichText();
    fieldsViewText.clear();
    listLoaded = false;
    mode = Mode::None;
    list.table.schoolMarks = list.table.supplementaryColumn = false;
  }
  // Each opening of the window starts without a database, keeping the list's table settings.
  void windowOpened() {
    source.clear();
    mode = Mode::None;
    fieldsViewShown = false;
  }
};

// The selection panel and what Restore brings back.
struct SelectionPart {
  SelectionState state;
  SelectionRequest request;
  bool panelShown = false;

  void reset() {
    state = SelectionState();
    panelShown = false;
  }
};

struct GradesContext {
  GradesContext(GradesPorts ports, Window& window, std::vector<MenuItem>& menu)
      : ports(ports), window(window), menu(menu) {}
  // The commands change the window's own parts: a copy would change nothing.
  GradesContext(const GradesContext&) = delete;
  GradesContext& operator=(const GradesContext&) = delete;

  GradesPorts ports;
  Window& window;
  std::vector<MenuItem>& menu;
  DocumentPart document;
  DatabasePart db;
  SelectionPart selection;
  StatsState stats;
  MailMergeState mailMerge;
  SearchState search;
  // What the window shows besides the parts.
  bool locked = false;
  bool helpShown = false;
  int tableFontSize = 10;
  CharFormat textFont;  // "Arial", regular, 14
  int currentField = 0;
  Text statusLine = U"Zeile/Spalte";
  Text ruler;
  // Tells the view that what the window shows changed.
  std::function<void()> notify;
};

// --- the window itself (grades_editor.cpp) ---
void setLocked(GradesContext& c, bool locked);
// Line and column counted from 1.
void caretTo(GradesContext& c, int line, int column);
void updateStatus(GradesContext& c);
void markCharacterAtCaret(GradesContext& c);
void enableMenu(GradesContext& c, const Text& menu, bool enabled);
void setClipboardEntriesEnabled(GradesContext& c, bool enabled);
void removeTrailingEmptyLines(GradesContext& c);

// --- "Datei" (grades_file_menu.cpp, grades_print.cpp) ---
void switchFolder(GradesContext& c);
// `dropped`: the file dropped on the window, opened without the file dialog.
void openFile(GradesContext& c, bool asText, const std::optional<Path>& dropped = std::nullopt);
void save(GradesContext& c);
// "Neu".
void reset(GradesContext& c);
// "Drucken": after the print dialog, one job per page.
void print(GradesContext& c);
// The pages "Drucken" prints now.
std::vector<RichText> pagesToPrint(const GradesContext& c);
// The help text, after the print dialog.
void printHelp(GradesContext& c);

// --- "Bearbeiten" and "Schrift" (grades_edit_menu.cpp, grades_font_menu.cpp) ---
// "Suchen": asks for the text ("TAB" in any case stands for the tab character) and marks its
// first match from the caret on. Returns whether it found one.
bool searchCommand(GradesContext& c);
// F3: the next match after the current one; the editor stays as it is when there is none.
bool searchAgain(GradesContext& c);
// The clipboard commands; with nothing marked they take the whole text.
void copy(GradesContext& c);
void cut(GradesContext& c);
void paste(GradesContext& c);
void toggleLock(GradesContext& c);
// "Sortieren": asks whether line 1 is a header (the "Frage" box) and for the column, sorts the
// editor's table and returns the lines the database list becomes. Nothing when the editor is
// empty or the column answer is not a number from 1 to the highest column. The statistics'
// header choice follows the answer (set for No, cleared for Yes) and is set again when the sort
// is done.
std::optional<std::vector<Text>> sortCommand(GradesContext& c);
// "Restore": after the question, the lines the database list becomes (the table before the last
// selection); nothing when no selection was made or the user said no.
std::optional<std::vector<Text>> restoreSelection(GradesContext& c);
// "Sortieren" and "Restore": the result becomes the database, shown with the caret on the
// field that was current.
void sort(GradesContext& c);
void restore(GradesContext& c);
// "Ausführen": on success the editor holds the header and the matching records, the selection
// part the table before, and the result is the lines the database list becomes. Otherwise the
// message is shown and the table stays.
std::optional<std::vector<Text>> runSelection(GradesContext& c, const SelectionRequest& request);
// The selection panel: "Select" shows it, "Ausführen" runs it, "Abbrechen" hides it.
void showSelectionPanel(GradesContext& c);
void runSelectionPanel(GradesContext& c);
void hideSelectionPanel(GradesContext& c);
// The database list replaced by `lines`, reloaded and shown.
void takeAsDatabase(GradesContext& c, const std::vector<Text>& lines, int field);
// Opens the file named in the field under the caret.
void openFieldDocument(GradesContext& c);
void chooseFont(GradesContext& c);
void chooseMarkedSize(GradesContext& c);
void chooseTableFont(GradesContext& c);
void normalFont(GradesContext& c);

// --- the table's text (grades_table_layout.cpp) ---
// "Compress" and "Expand" (which asks for the extra blank; the header line is formatted while
// a database is loaded); both leave their separator for F4.
void compressCommand(GradesContext& c);
void expandCommand(GradesContext& c);
// Asks for the new separator and exchanges it in the text and both headers; false when the
// answer names none (after the message) or the text is empty.
bool exchangeSeparator(GradesContext& c);
// "Separator": the exchange, then the display formatting.
void separatorCommand(GradesContext& c);
// The "Schrift" entries for quotes and final separators.
void insertQuotesCommand(GradesContext& c);
void removeQuotesCommand(GradesContext& c);
void addLastSeparatorCommand(GradesContext& c);
void deleteLastSeparatorCommand(GradesContext& c);
// "Schulnoten E/A": asks, converts the absent marks in the text and switches the table's school
// marks when something was converted, then reports the count.
void switchGradesMode(GradesContext& c);

// --- "Datenbank" and "Mathematik" (grades_database_menu.cpp) ---
// Rebuilds the database from the database list; the editor is left empty and locked.
void reloadDatabase(GradesContext& c);
void toggleDisplay(GradesContext& c);
void displayFormatting(GradesContext& c);
void toggleFieldsView(GradesContext& c);
// A mail-merge command, then the status line and the view follow.
void runMailMerge(GradesContext& c, void (*command)(GradesContext&));
// An evaluation, then the status line follows the caret it left below the table.
void evaluate(GradesContext& c, void (*command)(GradesContext&));

// --- the mail merge (grades_mail_merge.cpp) ---
// "Einen Serienbrief laden".
void loadTemplateCommand(GradesContext& c);
// "Neuen Serienbrief anlegen".
void newTemplateCommand(GradesContext& c);
// "Serienbrief speichern".
void saveTemplateCommand(GradesContext& c);
// "Serienbrief Vorschau (E/A)": fills the template from every record, or brings it back.
void previewCommand(GradesContext& c);
// "Serienbrief ausdrucken": after the question, the window's printing of the letters.
void printLettersCommand(GradesContext& c);

// --- the evaluations of "Mathematik" (grades_statistics.cpp) ---
// "Kommastellen": asks for 0 to 8 decimals; anything else gives 2.
void decimalsCommand(GradesContext& c);
// "Statistik - 1": statistics of one column below the table, then on request the frequency
// distribution as class lines and a bar, line or pie chart.
void statistics1Command(GradesContext& c);
// "Statistik - 2": two columns side by side with correlation and regression, then on request
// the scatter chart.
void statistics2Command(GradesContext& c);
// "Statistik - N": every row's and column's statistics and the correlation matrix, appended
// to the text in three pages.
void statisticsNCommand(GradesContext& c);

// --- "Mathematik": lines and functions, and the chart keys (grades_math_menu.cpp) ---
// F1, F11, the function table and graph, printing the chart: the command on the caret's line.
void runLineCommand(GradesContext& c, void (*command)(GradesContext&));
// F1: the caret's line rewritten with its result, or "Auswertungsfehler !" with the line kept.
void lineMathCommand(GradesContext& c);
// F4: the figures below the marked range, read as `reading` says; without a marked range
// "Kein Zahlenbereich markiert ! ".
void markedNumbersCommand(GradesContext& c, const MarkedTextReading& reading);
// F11: the character table appended to the text.
void characterTableCommand(GradesContext& c);
// "Funktion - Tabelle", Shift+F2: the table below the caret's line between two lines " ", or
// "Fehlerhafte Eingabe !" with the text unchanged.
void functionTableCommand(GradesContext& c);
// "Funktion - Grafik", F2: the graph of the caret's line; "Fehlerhafte Eingabe !" for an empty
// line.
void functionGraphCommand(GradesContext& c);
// "Grafik drucken", F6: after the print dialog the chart on one page.
void printChartCommand(GradesContext& c);
// A click on the chart: the coordinates of that pixel in a message.
void chartPressedCommand(GradesContext& c, Point pressed);
// F4, reading the marked text as the last statistics command read its table.
void markedNumbers(GradesContext& c);
// Loading a list, sorting, compressing and expanding leave their separator for F4.
void rememberSeparator(GradesContext& c);
// F5.
void toggleChart(GradesContext& c);
// "Grafik löschen", F7.
void clearChart(GradesContext& c);
// A click on the chart: the coordinates of that pixel.
void chartPressed(GradesContext& c, int x, int y);

}  // namespace korvale
