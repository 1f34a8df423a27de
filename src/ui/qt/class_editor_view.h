// The Class editor: the seating plan at its own pixel size on the left with the help text over
// it, the name box and the name list in a column on the right with the print panel over the list.
// The plan draws its grid lines at the controller's width and wraps its texts when told to.
#pragma once

#include <QTableWidget>

#include "ui/qt/window_view.h"

namespace korvale {

class PlanDelegate;

class ClassEditorView : public WindowView {
 public:
  ClassEditorView(Window& window, ViewContext context, double scale);
  void refresh() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QTableWidget* plan_ = nullptr;
  PlanDelegate* delegate_ = nullptr;
};

}  // namespace korvale
