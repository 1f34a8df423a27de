#include "ui/qt/grades_editor_view.h"

#include <QBoxLayout>
#include <QDockWidget>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QTextDocument>

#include "grades/grades_editor.h"
#include "grades/help_text.h"
#include "grades/screen_fit.h"
#include "ui/qt/qt_canvas.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/qt_text_editor.h"

namespace korvale {

GradesEditorView::GradesEditorView(Window& window, Application& app, QtTextEditor* editor,
                                   std::function<void()> afterEvent)
    : WindowView(window, app, editor, std::move(afterEvent)) {
  QWidget* host = centralWidget();
  auto* column = static_cast<QVBoxLayout*>(host->layout());
  // Qt scales point sizes to the screen's resolution itself, so only its size counts here.
  Screen screen;
  if (auto* grades = dynamic_cast<GradesEditor*>(&window)) screen = grades->screen();
  screen.dpi = 96;
  const GradesScreenFit fit = gradesScreenFit(screen);
  QFont windowFont = font();
  windowFont.setPointSize(fit.windowFontSize);
  setFont(windowFont);

  fieldsView_ = new QPlainTextEdit(host);
  fieldsView_->setObjectName(QStringLiteral("fieldsView"));
  fieldsView_->setReadOnly(true);
  fieldsView_->setFixedWidth(fit.fieldsViewWidth);
  // Its names are padded to line up.
  fieldsView_->setFont(QFont(QStringLiteral("Courier New"), fit.panelFontSize));
  help_ = new QPlainTextEdit(host);
  help_->setObjectName(QStringLiteral("help"));
  help_->setReadOnly(true);
  QFont helpFont(QStringLiteral("Courier New"), fit.panelFontSize);
  helpFont.setBold(true);
  help_->setFont(helpFont);
  QStringList lines;
  for (const Text& line : gradesHelpText()) lines << toQt(line);
  help_->setPlainText(lines.join(QLatin1Char('\n')));
  help_->setPalette(QPalette(QColor(240, 240, 250)));
  help_->viewport()->installEventFilter(this);
  help_->hide();
  auto* middle = new QHBoxLayout();
  middle->addWidget(help_, 1);
  if (editor != nullptr) {
    QTextEdit* edit = editor->widget();
    column->removeWidget(edit);
    edit->document()->setDocumentMargin(10);
    middle->addWidget(edit, 1);
  }
  chart_ = new QLabel(host);
  chart_->setObjectName(QStringLiteral("chart"));
  chart_->setAlignment(Qt::AlignTop);
  // The fields view, the chart and the selection panel stand beside the editor; the user may
  // drag each by its title bar to another place, or off the window.
  fieldsDock_ = addPanel(fieldsView_, QStringLiteral("Datenfelder"), "fieldsDock");
  chartDock_ = addPanel(chart_, QStringLiteral("Grafik"), "chartDock");
  selectionDock_ = addPanel(buildSelectionPanel(host, column), QStringLiteral("Datenselektion"),
                            "selectionDock");
  column->insertLayout(0, middle, 1);

  // The ruler's blanks end where an A4 page ends; it must not widen the window.
  if (const auto it = controls_.find("ruler"); it != controls_.end()) {
    auto* ruler = static_cast<QLabel*>(it->second);
    if (auto* row = column->itemAt(1) != nullptr ? column->itemAt(1)->layout() : nullptr)
      row->removeWidget(ruler);
    ruler->setFont(QFont(QStringLiteral("Arial"), 12));
    ruler->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    column->insertWidget(0, ruler);
  }
}

// The selection panel "Datenselektion": its labels, edits and buttons gathered in a frame of
// their own beside the editor, out of the row below it.
QFrame* GradesEditorView::buildSelectionPanel(QWidget* host, QVBoxLayout* column) {
  selectionPanel_ = new QFrame(host);
  selectionPanel_->setObjectName(QStringLiteral("selectionPanel"));
  selectionPanel_->setFrameStyle(QFrame::Panel | QFrame::Raised);
  selectionPanel_->setLineWidth(2);
  selectionPanel_->setAutoFillBackground(true);
  selectionPanel_->setPalette(QPalette(QColor(240, 240, 240)));
  auto* grid = new QGridLayout(selectionPanel_);
  const auto take = [&](const char* name) -> QWidget* {
    const auto it = controls_.find(name);
    if (it == controls_.end()) return nullptr;
    for (int i = 0; i < column->count(); ++i)
      if (QLayout* row = column->itemAt(i)->layout(); row != nullptr) row->removeWidget(it->second);
    it->second->setParent(selectionPanel_);
    return it->second;
  };
  if (QWidget* title = take("selectionTitle")) grid->addWidget(title, 0, 0, 1, 2);
  const std::pair<const char*, const char*> rows[] = {
      {"selectionFieldLabel", "selectionField"},
      {"selectionOperatorLabel", "selectionOperator"},
      {"selectionTermLabel", "selectionTerm"}};
  int line = 1;
  for (const auto& [label, edit] : rows) {
    if (QWidget* l = take(label)) grid->addWidget(l, line, 0);
    if (QWidget* e = take(edit)) grid->addWidget(e, line, 1);
    ++line;
  }
  if (QWidget* run = take("selectionRun")) grid->addWidget(run, line, 0);
  if (QWidget* cancel = take("selectionCancel")) grid->addWidget(cancel, line, 1);
  return selectionPanel_;
}

QDockWidget* GradesEditorView::addPanel(QWidget* content, const QString& title, const char* name) {
  auto* dock = new QDockWidget(title, this);
  dock->setObjectName(QString::fromLatin1(name));
  // Closing a panel is the controller's business, through its menu entries and buttons.
  dock->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
  dock->setWidget(content);
  addDockWidget(Qt::RightDockWidgetArea, dock);
  dock->hide();
  return dock;
}

bool GradesEditorView::eventFilter(QObject* watched, QEvent* event) {
  if (help_ != nullptr && watched == help_->viewport() &&
      event->type() == QEvent::MouseButtonDblClick) {
    if (auto* grades = dynamic_cast<GradesEditor*>(&window_))
      run([grades] { grades->printHelp(); });
    return true;
  }
  return WindowView::eventFilter(watched, event);
}

void GradesEditorView::refresh() {
  WindowView::refresh();
  if (auto* grades = dynamic_cast<GradesEditor*>(&window_)) {
    help_->setVisible(grades->helpShown());
    selectionDock_->setVisible(grades->selectionPanelShown());
    const auto* canvas = dynamic_cast<const QtCanvas*>(&grades->chart());
    const bool shown = grades->chartShown() && canvas != nullptr;
    if (shown) chart_->setPixmap(QPixmap::fromImage(canvas->image()));
    chartDock_->setVisible(shown);
  }
  const std::vector<Text> lines = window_.fieldsView();
  QStringList shown;
  for (const Text& line : lines) shown << toQt(line);
  const QString text = shown.join(QLatin1Char('\n'));
  if (fieldsView_->toPlainText() != text) fieldsView_->setPlainText(text);
  fieldsDock_->setVisible(!lines.empty());
}

}  // namespace korvale
