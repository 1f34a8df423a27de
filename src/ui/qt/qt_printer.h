// The printer port on a QPrinter; with a folder, every job becomes a PDF file there instead.
#pragma once

#include <QPrinter>

#include "base/path.h"
#include "ui/ports/printer.h"

namespace korvale {

class QtPrinter : public Printer {
 public:
  // `pdfFolder` empty: print on the printer the print dialogs set up.
  QtPrinter(QPrinter& printer, Path pdfFolder);
  bool print(const PrintJob& job) override;

 private:
  QPrinter& printer_;
  Path pdfFolder_;
  int count_ = 0;
};

}  // namespace korvale
