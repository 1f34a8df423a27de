#include "ui/qt/qt_printer.h"

#include <QPageLayout>
#include <QTextDocument>
#include <QTextOption>
#include <cstdio>

#include "base/files.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/qt_text_editor.h"

namespace korvale {

QtPrinter::QtPrinter(QPrinter& printer, std::string pdfFolder)
    : printer_(printer), pdfFolder_(std::move(pdfFolder)) {}

bool QtPrinter::print(const PrintJob& job) {
  if (!pdfFolder_.empty()) {
    if (!isDirectory(pdfFolder_) && !createDirectory(pdfFolder_)) return false;
    char name[32];
    std::snprintf(name, sizeof name, "job-%03d.pdf", ++count_);
    printer_.setOutputFormat(QPrinter::PdfFormat);
    printer_.setOutputFileName(QString::fromStdString(joinPath(pdfFolder_, name)));
  }
  printer_.setDocName(toQt(job.title));
  printer_.setPageOrientation(job.orientation == Orientation::Landscape ? QPageLayout::Landscape
                                                                        : QPageLayout::Portrait);
  // The editor port turns the formatted text into a document the way the screen shows it.
  QtTextEditor page;
  page.setRichText(job.content);
  // On screen long lines run on to the right; on paper they wrap, so no text is cut off.
  QTextDocument* document = page.widget()->document();
  QTextOption option = document->defaultTextOption();
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  document->setDefaultTextOption(option);
  document->print(&printer_);
  const bool ok = printer_.printerState() != QPrinter::Error;
  printer_.setPageOrientation(QPageLayout::Portrait);
  return ok;
}

}  // namespace korvale
