// The Grades editor on screen: the ruler above the editor, the fields view beside it, the status
// line, the file label and the buttons below.
#pragma once

#include <QBoxLayout>
#include <QDockWidget>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>

#include "ui/qt/window_view.h"

namespace korvale {

class GradesEditorView : public WindowView {
 public:
  GradesEditorView(Window& window, Application& app, QtTextEditor* editor,
                   std::function<void()> afterEvent);

  void refresh() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QFrame* buildSelectionPanel(QWidget* host, QVBoxLayout* column);
  QDockWidget* addPanel(QWidget* content, const QString& title, const char* name);

  // Built after the base class, which already forwards the editor's events.
  QPlainTextEdit* fieldsView_ = nullptr;
  QPlainTextEdit* help_ = nullptr;
  QLabel* chart_ = nullptr;
  QFrame* selectionPanel_ = nullptr;
  QDockWidget* fieldsDock_ = nullptr;
  QDockWidget* chartDock_ = nullptr;
  QDockWidget* selectionDock_ = nullptr;
};

}  // namespace korvale
