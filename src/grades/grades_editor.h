// The Grades editor: a rich-text editor around a CSV list or a document. A list that is opened
// becomes the database: a hidden copy is kept, its field table is built, and the table is shown
// aligned, closed by the end marker "#" and locked.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "base/encoding.h"
#include "csvlist/list_state.h"
#include "csvlist/search.h"
#include "csvlist/selection.h"
#include "formula/variable_table.h"
#include "mailmerge/mail_merge_commands.h"
#include "stats/stats_commands.h"
#include "stats/stats_state.h"
#include "ui/ports/canvas.h"
#include "ui/ports/clipboard.h"
#include "ui/ports/dialogs.h"
#include "ui/ports/key_state.h"
#include "ui/ports/printer.h"
#include "ui/ports/shell.h"
#include "ui/ports/text_editor.h"
#include "window/folders.h"
#include "window/registry.h"
#include "window/scaling.h"
#include "window/window.h"

namespace korvale {

class GradesEditor : public Window {
 public:
  struct Services {
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

  explicit GradesEditor(Services services);

  WindowId id() const override { return WindowId::GradesEditor; }
  std::string objectName() const override { return "TForm24"; }
  Text caption() const override {
    return U"TABULON  -  Editor zur Auswertung von CSV-Listen (Statistik und Serienbriefe)";
  }
  std::uint32_t background() const override { return 0x506478; }
  int fontSize() const override;
  std::vector<Control> controls() const override;
  // The fields view, the help text, the chart and the selection panel.
  std::vector<Panel> panels() const override;
  TextEditor* mainText() override { return &s_.editor; }
  Text status() const override { return statusLine_; }
  // The fields view while it is shown; nothing while it is hidden.
  std::vector<Text> fieldsView() const;

  void opened() override;
  void closed() override;
  // A double click on the help text prints it.
  void panelDoubleClicked(const std::string& panel) override;
  void textClicked() override;
  // Opens the file named in the field under the caret.
  void textRightClicked() override;
  void caretMoved() override;

  // --- state the evaluations and the tests read ---
  bool listLoaded() const { return listLoaded_; }
  bool databaseLoaded() const { return databaseLoaded_; }
  bool databaseDisplayed() const { return databaseDisplayed_; }
  bool textMode() const { return textMode_; }
  bool locked() const { return locked_; }
  const ListState& list() const { return list_; }
  // The header and the records of the loaded list, without the end marker.
  const std::vector<Text>& databaseCopy() const { return databaseCopy_; }
  int currentField() const { return currentField_; }
  int tableFontSize() const { return tableFontSize_; }
  // Whether the statistics read line 1 as a record rather than a header; a sort without a
  // header line sets it.
  bool statisticsHeaderChoice() const { return stats_.headerAndMargin; }
  const StatsState& stats() const { return stats_; }
  const MailMergeState& mailMerge() const { return mm_; }
  bool chartShown() const { return stats_.chart.panelVisible; }
  Canvas& chart() { return s_.chart; }
  const Path& fileName() const { return fileName_; }
  Text rulerText() const { return ruler_; }
  const Screen& screen() const { return s_.screen; }

  // --- operations (menu entries and other windows' parts) ---
  void reset();
  void openList();
  void openText();
  void save();
  // "Drucken": after the print dialog, one job per page.
  void print();
  // The pages "Drucken" prints now.
  std::vector<RichText> pagesToPrint() const;
  // Rebuilds the database from the database list; the editor is left empty and locked.
  void reloadDatabase();
  void toggleDisplay();
  void displayFormatting();
  void toggleFieldsView();
  void switchFolder();
  // Line and column counted from 1.
  void caretTo(int line, int column);
  void updateStatus();
  void setLocked(bool locked);
  // "Sortieren" and "Restore": the result becomes the database, shown with the caret on the
  // field that was current.
  void sort();
  void restore();
  // The database list replaced by `lines`, reloaded and shown.
  void takeAsDatabase(const std::vector<Text>& lines, int field);
  // The selection panel: "Select" shows it, "Ausführen" runs it, "Abbrechen" hides it.
  void showSelectionPanel();
  void runSelectionPanel();
  void hideSelectionPanel();
  bool selectionPanelShown() const { return selectionPanelShown_; }
  // "Sperren E/A".
  void toggleLock();
  // The clipboard commands; with nothing marked they take the whole text.
  void copy();
  void cut();
  void paste();
  // "Schriftart", "Schriftgröße", "Courier New", "Normalschrift".
  void chooseFont();
  void chooseMarkedSize();
  void chooseTableFont();
  void normalFont();
  // "Hilfe ein/aus", and printing the help text (a double click on it).
  void toggleHelp();
  bool helpShown() const { return helpShown_; }
  void printHelp();

 private:
  void buildMenu();
  void buildKeys();
  void afterKey() override;
  void open(bool asText);
  // Reads the chosen file into the editor; false when it could not be read.
  bool loadIntoEditor(const Path& path);
  // The separator appended, the end marker added: the editor shows a list as loaded.
  void prepareLoadedList();
  void takeDatabaseFromEditor();
  std::vector<Text> fieldsViewLines() const;
  // Whether line 1 of the editor is the loaded header as formatted for the screen.
  bool showsLoadedHeader(const Text& line) const;
  std::vector<Text> linesToSave(bool asList) const;
  void setClipboardEntriesEnabled(bool enabled);
  void markCharacterAtCaret();
  // Runs a mail-merge command on this window.
  void mailMerge(void (*command)(MailMergeWindow&));
  // Runs an evaluation of the "Mathematik" menu.
  using EvaluationCommand = void (*)(TextEditor&, ListState&, StatsState&, Dialogs&, Canvas&,
                                     const StatsContext&);
  void evaluate(EvaluationCommand command);
  RichText markedOrWholeText() const;
  void setFileLabel() { fileLabel_ = U" Datei: " + fileName_.displayText(); }
  void removeTrailingEmptyLines();
  CharFormat textFont() const { return textFont_; }

  Services s_;

  // Window state.
  bool listLoaded_ = false;
  bool databaseLoaded_ = false;
  bool databaseDisplayed_ = false;
  bool textMode_ = false;
  bool locked_ = false;
  bool showHint_ = false;
  bool fieldsViewShown_ = false;
  bool helpShown_ = false;
  Path fileName_;
  std::string fileExtension_;
  // What the file was read in, and so what a save as text writes.
  Encoding fileEncoding_ = Encoding::Cp1252;
  Path databaseName_;
  int tableFontSize_ = 10;
  CharFormat textFont_;  // "Arial", regular, 14
  int currentField_ = 0;
  StatsState stats_;
  MailMergeState mm_;
  SelectionState selection_;
  SelectionRequest selectionRequest_;
  bool selectionPanelShown_ = false;
  SearchState search_;

  // The database.
  ListState list_;
  std::vector<Text> databaseCopy_;
  std::vector<Text> databaseList_;  // source of the reload
  RichText savedEditorText_;

  // Visible texts.
  Text statusLine_ = U"Zeile/Spalte";
  Text fileLabel_ = U"Datei: ";
  Text ruler_;
  std::vector<Text> fieldsViewText_;
};

// The Grades editor on the program's ports, folders and shared variables.
std::unique_ptr<Window> makeGradesEditor(WindowServices& services);

}  // namespace korvale
