// A window on screen: it builds its menu bar, labels, buttons and panels from its controller's
// tables, shows them again after every event, and forwards clicks, keys and the close box.
#pragma once

#include <QBoxLayout>
#include <QDockWidget>
#include <QFrame>
#include <QLabel>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <functional>
#include <map>

#include "window/window.h"

namespace korvale {

class QtTextEditor;

// A raised panel with a caption that acts like a big button.
// Tab reaches it, and Enter or Space presses it, as they press a button.
class PanelLabel : public QLabel {
 public:
  PanelLabel(const QString& text, QWidget* parent);
  std::function<void()> clicked;

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
};

// What a view needs besides its controller.
struct ViewContext {
  WindowHost& host;
  QtTextEditor* editor = nullptr;  // the controller's main text, when it has one
  std::function<void()> afterEvent;
};

class WindowView : public QMainWindow {
 public:
  WindowView(Window& window, ViewContext context);

  Window& controller() { return window_; }
  // Re-reads caption, menus, labels, buttons and panels from the controller.
  virtual void refresh();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  // F10 that no key of the window took opens the first menu.
  void keyPressEvent(QKeyEvent* event) override;
  // A single local file dropped anywhere on the window goes to the controller; nothing else.
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  // Runs a controller action and lets every window catch up.
  void run(const std::function<void()>& action);
  virtual void placeControls() {}

  Window& window_;
  ViewContext context_;
  QtTextEditor* editor_;
  std::map<std::string, QWidget*> controls_;
  // The row of the main text with the fixed panels, and the row of controls below it.
  QHBoxLayout* middle_ = nullptr;
  QHBoxLayout* row_ = nullptr;

 private:
  // One panel's widgets: its content, and the dock or frame it stands in.
  struct PanelWidgets {
    Panel::Kind kind = Panel::Kind::Lines;
    QWidget* content = nullptr;
    QWidget* holder = nullptr;
    std::vector<Text> lines;
    int caretLine = -1;
  };

  void buildMenus();
  void refreshMenus();
  // Drag events of the main text: a drag carrying URLs is the window's, not the text's.
  bool filterDrag(QEvent* event);
  void buildControls(QWidget* host);
  void buildPanels(QWidget* host);
  QWidget* buildPanelContent(const Panel& panel, QWidget* host);
  void refreshPanel(const Panel& panel, PanelWidgets& widgets);
  std::vector<std::pair<QAction*, std::size_t>> actions_;
  // The main text is handling a key, a paste or a drop of the user's.
  bool userInput_ = false;
  std::map<std::string, PanelWidgets> panels_;
};

// The Calculator: its input line one line high on top, the help groups (or the variable display
// that covers them) stacked below it, the buttons at the bottom.
class CalculatorView : public WindowView {
 public:
  CalculatorView(Window& window, ViewContext context);
};

class StartWindowView : public WindowView {
 public:
  using WindowView::WindowView;
  // The factor by which the design sizes of the panels and the font are scaled.
  void setScale(double scale);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void placeControls() override;

 private:
  double scale_ = 1.0;
};

}  // namespace korvale
