// The Grades editor: a rich-text editor around a CSV list or a document. A list that is opened
// becomes the database: a hidden copy is kept, its field table is built, and the table is shown
// aligned, closed by the end marker "#" and locked. Its commands live in the grades_*_menu files
// and work on the window's GradesContext.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "grades/grades_context.h"
#include "window/registry.h"
#include "window/window.h"

namespace korvale {

class GradesEditor : public Window {
 public:
  using Services = GradesPorts;

  explicit GradesEditor(Services services);

  WindowId id() const override { return WindowId::GradesEditor; }
  std::string objectName() const override { return "TForm24"; }
  Text caption() const override {
    return U"TABULON  -  Editor zur Auswertung von CSV-Listen (Statistik und Serienbriefe)";
  }
  std::uint32_t background() const override { return 0x506478; }
  int fontSize() const override;
  double textZoom() const override;
  std::vector<Control> controls() const override;
  std::vector<std::pair<std::string, Text>> tooltips() const override {
    return {{"first", U"Zum Anfang des Textes"},
            {"last", U"Zum Ende des Textes"},
            {"fields", U"Datenfelder-Ansicht ein/aus"},
            {"selectionRun", U"Datensätze nach dem Feld auswählen"},
            {"selectionCancel", U"Datenselektion schließen"}};
  }
  // The fields view, the help text, the chart and the selection panel.
  std::vector<Panel> panels() const override;
  TextEditor* mainText() override { return &c_.ports.editor; }
  Text status() const override { return c_.statusLine; }
  // The fields view while it is shown; nothing while it is hidden.
  std::vector<Text> fieldsView() const;

  // Activation: the database, the evaluations' settings and the variables start afresh.
  void opened() override;
  void closed() override;
  // A double click on the help text prints it.
  void panelDoubleClicked(const std::string& panel) override;
  // A click on the chart shows the coordinates of that point.
  void canvasPressed(const std::string& /*panel*/, int x, int y) override {
    chartPressed(c_, x, y);
  }
  void textClicked() override;
  // Opens the file named in the field under the caret.
  void textRightClicked() override { openFieldDocument(c_); }
  void caretMoved() override;
  void textTyped() override { c_.document.typing.typed = true; }
  // A list (".csv", ".dat") opens as "Öffnen (CSV)" opens it, any other file as "Öffnen (Text)".
  bool takesDroppedFiles() const override { return true; }
  void fileDropped(const Path& path) override;
  // Typing that closing would lose is asked about first.
  bool mayClose() override;

  // --- state the evaluations and the tests read ---
  bool listLoaded() const { return c_.db.listLoaded; }
  bool databaseLoaded() const { return c_.db.loaded(); }
  bool databaseDisplayed() const { return c_.db.displayed(); }
  bool textMode() const { return c_.document.textMode; }
  bool locked() const { return c_.locked; }
  const ListState& list() const { return c_.db.list; }
  int currentField() const { return c_.currentField; }
  int tableFontSize() const { return c_.tableFontSize; }
  // Whether the statistics read line 1 as a record, not a header; a sort without one sets it.
  bool statisticsHeaderChoice() const { return c_.stats.headerAndMargin; }
  const StatsState& stats() const { return c_.stats; }
  const MailMergeState& mailMerge() const { return c_.mailMerge; }
  bool lettersShown() const { return c_.db.lettersShown(); }
  bool chartShown() const { return c_.stats.chart.panelVisible; }
  Text rulerText() const { return c_.ruler; }
  bool selectionPanelShown() const { return c_.selection.panelShown; }
  bool helpShown() const { return c_.helpShown; }

  void setLocked(bool locked) { korvale::setLocked(c_, locked); }
  GradesContext& context() { return c_; }
  void printHelp() { korvale::printHelp(c_); }

 private:
  void buildMenu();
  void buildKeys();
  void afterKey() override;
  // "Öffnen (CSV)" and "Öffnen (Text)", after the question about typing that would be lost.
  void open(bool asText, const std::optional<Path>& dropped);

  GradesContext c_;
};

// The Grades editor on the program's ports, folders and shared variables.
std::unique_ptr<Window> makeGradesEditor(WindowServices& services);

}  // namespace korvale
