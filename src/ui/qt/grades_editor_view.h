// The Grades editor on screen: the ruler above the editor, the fields view beside it, the status
// line, the file label and the buttons below.
#pragma once

#include <QPlainTextEdit>

#include "ui/qt/window_view.h"

namespace korvale {

class GradesEditorView : public WindowView {
 public:
  GradesEditorView(Window& window, Application& app, QtTextEditor* editor,
                   std::function<void()> afterEvent);

  void refresh() override;

 private:
  QPlainTextEdit* fieldsView_;
};

}  // namespace korvale
