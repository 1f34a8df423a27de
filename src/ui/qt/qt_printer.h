// The printer port on a QPrinter; with a folder, every job becomes a PDF file there instead.
// Jobs may wait for a preview: Qt's preview dialog shows their pages, exactly as they print.
#pragma once

#include <QPrinter>
#include <functional>
#include <memory>
#include <vector>

#include "base/path.h"
#include "ui/ports/printer.h"

class QWidget;

namespace korvale {

// A QPrinter made when it is first needed: asking the print system for its printers takes longer
// than everything else the program does before its first window shows.
class PrinterOnDemand {
 public:
  explicit PrinterOnDemand(QPrinter::PrinterMode mode) : mode_(mode) {}
  QPrinter& get() {
    if (!printer_) printer_ = std::make_unique<QPrinter>(mode_);
    return *printer_;
  }

 private:
  QPrinter::PrinterMode mode_;
  std::unique_ptr<QPrinter> printer_;
};

class QtPrinter : public Printer {
 public:
  // `pdfFolder` empty: print on the printer the print dialogs set up.
  QtPrinter(QPrinter& printer, Path pdfFolder);
  QtPrinter(PrinterOnDemand& printer, Path pdfFolder);
  bool print(const PrintJob& job) override;

  // The jobs of the command now running wait for showHeldJobs() instead of printing.
  void holdForPreview() { holding_ = true; }
  // Shows the held jobs in the preview dialog, from which the user prints them or not.
  void showHeldJobs(QWidget* parent);

 private:
  std::function<QPrinter&()> printer_;
  Path pdfFolder_;
  int count_ = 0;
  bool holding_ = false;
  std::vector<PrintJob> held_;
};

// Draws the jobs one after the other on the printer's pages, each job from a new page.
bool printJobs(QPrinter& printer, const std::vector<PrintJob>& jobs);

}  // namespace korvale
