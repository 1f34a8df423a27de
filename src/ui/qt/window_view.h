// A window on screen: it builds its menu bar, labels and buttons from its controller's tables,
// shows them again after every event, and forwards clicks, keys and the close box.
#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <map>

#include "app/application.h"
#include "app/window.h"

namespace korvale {

class QtTextEditor;

// A raised panel with a caption that acts like a big button.
class PanelLabel : public QLabel {
 public:
  using QLabel::QLabel;
  std::function<void()> clicked;

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

class WindowView : public QMainWindow {
 public:
  WindowView(Window& window, Application& app, QtTextEditor* editor,
             std::function<void()> afterEvent);

  Window& controller() { return window_; }
  // Re-reads caption, menus, labels and buttons from the controller.
  virtual void refresh();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  // Runs a controller action and lets every window catch up.
  void run(const std::function<void()>& action);
  virtual void placeControls() {}

  Window& window_;
  Application& app_;
  QtTextEditor* editor_;
  std::function<void()> afterEvent_;
  std::map<std::string, QWidget*> controls_;

 private:
  void buildMenus();
  void buildControls(QWidget* host);
  std::vector<std::pair<QAction*, std::size_t>> actions_;
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
