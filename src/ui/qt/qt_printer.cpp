#include "ui/qt/qt_printer.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextOption>
#include <QWidget>
#include <cstdio>
#include <memory>

#include "base/files.h"
#include "ui/qt/qt_canvas.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/qt_text_editor.h"

namespace korvale {

namespace {

// The job's text as the editor shows it, with its page breaks, wrapping on paper.
std::unique_ptr<QTextDocument> documentOf(const PrintJob& job) {
  // The editor port turns the formatted text into a document the way the screen shows it.
  QtTextEditor page;
  page.setRichText(job.content);
  std::unique_ptr<QTextDocument> document(page.widget()->document()->clone());
  // On screen long lines run on to the right; on paper they wrap, so no text is cut off.
  QTextOption option = document->defaultTextOption();
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  document->setDefaultTextOption(option);
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
    QTextCursor cursor(block);
    // A line holding only a form feed ends the page.
    if (block.text() == QString(QChar(u'\f'))) {
      cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
      cursor.removeSelectedText();
      QTextBlockFormat format = block.blockFormat();
      format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysAfter);
      cursor.setBlockFormat(format);
    } else if (job.leadingTabIsMargin && block.text().startsWith(QLatin1Char('\t'))) {
      // The page's margin keeps the text off the paper's edge; the tab would indent the first
      // line of each paragraph alone, which the screen does not.
      cursor.deleteChar();
    }
  }
  return document;
}

// Laid out on the printer's pages with margins of that many millimetres, and drawn page by
// page: Qt's own printing keeps 2 cm, numbers the pages, and after a paged document it leaves
// the printer drawing pictures at the document's scale.
bool drawText(QPainter& painter, QPrinter& printer, const PrintJob& job) {
  const std::unique_ptr<QTextDocument> document = documentOf(job);
  document->documentLayout()->setPaintDevice(&printer);
  const QSizeF page(printer.width(), printer.height());
  document->setPageSize(page);
  QTextFrameFormat frame = document->rootFrame()->frameFormat();
  // The layout scales frame margins from the screen's 96 dots per inch to the printer's.
  frame.setMargin(job.marginMillimetres * 96.0 / 25.4);
  document->rootFrame()->setFrameFormat(frame);
  for (int number = 0; number < document->pageCount(); ++number) {
    if (number > 0 && !printer.newPage()) return false;
    const QRectF shown(QPointF(0, number * page.height()), page);
    painter.save();
    painter.translate(0, -shown.top());
    document->drawContents(&painter, shown);
    painter.restore();
  }
  return true;
}

// A chart fills the page inside the margins, keeping its proportions.
bool drawPicture(QPainter& painter, QPrinter& printer, const PrintJob& job) {
  const QImage* image = imageOf(job.picture);
  if (image == nullptr) return false;
  const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
  const QSize size =
      image->deviceIndependentSize().toSize().scaled(page.size(), Qt::KeepAspectRatio);
  painter.drawImage(QRect(QPoint(0, 0), size), *image);
  return true;
}

QPageLayout::Orientation orientationOf(const PrintJob& job) {
  return job.orientation == Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

}  // namespace

bool printJobs(QPrinter& printer, const std::vector<PrintJob>& jobs) {
  if (jobs.empty()) return true;
  printer.setDocName(toQt(jobs.front().title));
  printer.setPageOrientation(orientationOf(jobs.front()));
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  bool drawn = true;
  for (std::size_t i = 0; i < jobs.size() && drawn; ++i) {
    if (i > 0) {
      printer.setPageOrientation(orientationOf(jobs[i]));
      drawn = printer.newPage();
    }
    if (drawn)
      drawn = jobs[i].picture != nullptr ? drawPicture(painter, printer, jobs[i])
                                         : drawText(painter, printer, jobs[i]);
  }
  const bool ended = painter.end();
  const bool ok = drawn && ended && printer.printerState() != QPrinter::Error;
  printer.setPageOrientation(QPageLayout::Portrait);
  return ok;
}

QtPrinter::QtPrinter(QPrinter& printer, Path pdfFolder)
    : printer_([&printer]() -> QPrinter& { return printer; }), pdfFolder_(std::move(pdfFolder)) {}

QtPrinter::QtPrinter(PrinterOnDemand& printer, Path pdfFolder)
    : printer_([&printer]() -> QPrinter& { return printer.get(); }),
      pdfFolder_(std::move(pdfFolder)) {}

bool QtPrinter::print(const PrintJob& job) {
  if (holding_) {
    held_.push_back(job);
    return true;
  }
  if (!pdfFolder_.empty()) {
    if (!isDirectory(pdfFolder_) && !createDirectory(pdfFolder_)) return false;
    char name[32];
    std::snprintf(name, sizeof name, "job-%03d.pdf", ++count_);
    printer_().setOutputFormat(QPrinter::PdfFormat);
    printer_().setOutputFileName(pathToQt(pdfFolder_.join(name)));
  }
  return printJobs(printer_(), {job});
}

void QtPrinter::showHeldJobs(QWidget* parent) {
  holding_ = false;
  if (held_.empty()) return;
  const std::vector<PrintJob> jobs = std::move(held_);
  held_.clear();
  // The pages are drawn for the preview and again, on the chosen printer, when it prints.
  QPrintPreviewDialog preview(&printer_(), parent);
  // Large enough to read a page.
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (parent != nullptr)
    preview.resize(parent->size() * 0.9);
  else if (screen != nullptr)
    preview.resize(screen->availableSize() * 0.8);
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested,
                   [&jobs](QPrinter* printer) { printJobs(*printer, jobs); });
  preview.exec();
}

}  // namespace korvale
