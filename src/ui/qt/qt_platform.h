// The platform of the running program: Qt widgets, dialogs, printer, Escape tracking.
#pragma once

#include <QObject>
#include <functional>
#include <map>
#include <memory>

#include "ui/qt/qt_printer.h"
#include "window/platform.h"

namespace korvale {

class WindowView;
class QtTextEditor;
class QtPrinter;
struct ViewContext;

// The views of windows whose widgets are special; every other window gets the generic view.
using ViewFactory = std::function<WindowView*(Window&, ViewContext, const Screen&)>;
std::map<WindowId, ViewFactory> specialViews();

// Tracks whether Escape is held down, for long loops that poll it.
class QtKeyState : public QObject, public KeyState {
 public:
  QtKeyState();
  bool escapeDown() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool down_ = false;
};

class QtCursor : public Cursor {
 public:
  void set(CursorShape shape) override;

 private:
  int depth_ = 0;
};

class QtPlatform : public Platform {
 public:
  // `dialogs`, `keys` and `printer` replace Qt's own where given (the script runner answers
  // dialogs and keeps what was printed).
  QtPlatform(Dialogs* dialogs, KeyState* keys, bool showWindows, Printer* printer = nullptr,
             Clipboard* clipboard = nullptr, Shell* shell = nullptr);
  ~QtPlatform() override;

  void attach(WindowHost& host) { host_ = &host; }
  void setHost(WindowHost& host) override { attach(host); }
  Dialogs& dialogs() override { return *dialogs_; }
  KeyState& keys() override { return *keys_; }
  Cursor& cursor() override { return cursor_; }
  Printer& printer() override { return *printerPort_; }
  Clipboard& clipboard() override { return *clipboard_; }
  Shell& shell() override { return *shell_; }
  // The QPrinter the print dialogs set up.
  QPrinter& qprinter() { return printer_.get(); }
  Screen screen() const override;
  std::unique_ptr<TextEditor> createEditor() override;
  std::unique_ptr<Canvas> createCanvas() override;
  void windowShown(Window& window) override;
  void windowHidden(Window& window) override;
  void quit() override;
  void refreshAll();

 private:
  WindowView* viewFor(Window& window);

  PrinterOnDemand printer_{QPrinter::ScreenResolution};
  std::unique_ptr<Dialogs> ownDialogs_;
  std::unique_ptr<QtKeyState> ownKeys_;
  std::unique_ptr<QtPrinter> ownPrinter_;
  Printer* printerPort_;
  std::unique_ptr<Clipboard> ownClipboard_;
  Clipboard* clipboard_;
  std::unique_ptr<Shell> ownShell_;
  Shell* shell_;
  Dialogs* dialogs_;
  KeyState* keys_;
  QtCursor cursor_;
  bool showWindows_;
  WindowHost* host_ = nullptr;
  std::vector<QtTextEditor*> pendingEditors_;  // created, not yet shown in a window
  std::map<WindowId, WindowView*> views_;
};

}  // namespace korvale
