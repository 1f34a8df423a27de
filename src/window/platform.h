// What the program needs from the platform it runs on: the Qt application, or the in-memory
// stand-ins of the tests.
#pragma once

#include <memory>

#include "ui/ports/canvas.h"
#include "ui/ports/clipboard.h"
#include "ui/ports/dialogs.h"
#include "ui/ports/key_state.h"
#include "ui/ports/printer.h"
#include "ui/ports/shell.h"
#include "ui/ports/text_editor.h"
#include "window/scaling.h"
#include "window/window.h"

namespace korvale {

class Platform {
 public:
  virtual ~Platform() = default;
  virtual Dialogs& dialogs() = 0;
  virtual KeyState& keys() = 0;
  virtual Cursor& cursor() = 0;
  virtual Printer& printer() = 0;
  virtual Clipboard& clipboard() = 0;
  virtual Shell& shell() = 0;
  virtual Screen screen() const = 0;
  // A text control for a window's main text.
  virtual std::unique_ptr<TextEditor> createEditor() = 0;
  // A drawing surface for a window's charts.
  virtual std::unique_ptr<Canvas> createCanvas() = 0;
  // A window became visible (modal over the ones below it) or was closed.
  virtual void windowShown(Window& window) = 0;
  virtual void windowHidden(Window& window) = 0;
  // The main window closed: the program ends.
  virtual void quit() = 0;
  // The host the views send their close boxes to; set once by the program.
  virtual void setHost(WindowHost&) {}
};

}  // namespace korvale
