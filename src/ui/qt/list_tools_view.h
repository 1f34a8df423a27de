// The List tools: the header strip above the list view follows its horizontal scrolling, the
// navigation strip and the labels stand below it, and every text is bold "Courier New" so padded
// fields line up.
#pragma once

#include <QScrollArea>

#include "ui/qt/window_view.h"

namespace korvale {

class ListToolsView : public WindowView {
 public:
  ListToolsView(Window& window, ViewContext context);
  void refresh() override;

 protected:
  // The function keys reach the window from every control.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QScrollArea* stripArea_ = nullptr;
};

}  // namespace korvale
