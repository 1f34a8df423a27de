// The toolkit's side of the korvale program: the Qt application, its platform, and what only the
// toolkit can do. The program's assembly (src/app) drives it; this header holds no Qt type.
#pragma once

#include <memory>
#include <string>

#include "base/path.h"
#include "window/platform.h"

namespace korvale {

class QtProgram {
 public:
  // Ports that replace Qt's own where given (a script answers dialogs and keeps what was
  // printed).
  struct Ports {
    Dialogs* dialogs = nullptr;
    KeyState* keys = nullptr;
    Printer* printer = nullptr;
    Clipboard* clipboard = nullptr;
    Shell* shell = nullptr;
  };

  // `offscreen`: the windows are never on a screen and carry no icon (script runs).
  QtProgram(int& argc, char** argv, bool offscreen);
  ~QtProgram();

  // Created on the first call, with the ports of that call.
  Platform& platform(const Ports& ports);
  // A printer that writes every job as a PDF file (job-001.pdf, ...) into `folder`.
  Printer& pdfPrinter(const Path& folder);
  // Lets the toolkit catch up after a command: pending events, every view shown again.
  void settle();
  // Writes a chart drawn by this platform as a PNG file; false when it cannot.
  static bool savePng(const Canvas& chart, const Path& path);
  // The event loop, until the main window closes.
  int exec();

 private:
  struct Parts;
  std::unique_ptr<Parts> parts_;
};

}  // namespace korvale
