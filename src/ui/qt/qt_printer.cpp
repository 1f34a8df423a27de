#include "ui/qt/qt_printer.h"

#include <QAbstractTextDocumentLayout>
#include <QPageLayout>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextOption>
#include <cstdio>
#include <memory>

#include "base/files.h"
#include "ui/qt/qt_canvas.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/qt_text_editor.h"

namespace korvale {

namespace {

// Laid out on the printer's own pages with margins of that many millimetres, and drawn page by
// page: Qt's own printing keeps 2 cm, and after a paged document it leaves the printer drawing
// pictures at the document's scale.
bool printWithMargins(const QTextDocument& source, QPrinter& printer, int millimetres) {
  std::unique_ptr<QTextDocument> document(source.clone());
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  document->documentLayout()->setPaintDevice(&printer);
  const QSizeF page(printer.width(), printer.height());
  document->setPageSize(page);
  QTextFrameFormat frame = document->rootFrame()->frameFormat();
  // The layout scales frame margins from the screen's 96 dots per inch to the printer's.
  frame.setMargin(millimetres * 96.0 / 25.4);
  document->rootFrame()->setFrameFormat(frame);
  for (int number = 0; number < document->pageCount(); ++number) {
    if (number > 0) printer.newPage();
    const QRectF shown(QPointF(0, number * page.height()), page);
    painter.save();
    painter.translate(0, -shown.top());
    document->drawContents(&painter, shown);
    painter.restore();
  }
  return painter.end();
}

}  // namespace

QtPrinter::QtPrinter(QPrinter& printer, Path pdfFolder)
    : printer_(printer), pdfFolder_(std::move(pdfFolder)) {}

bool QtPrinter::print(const PrintJob& job) {
  if (!pdfFolder_.empty()) {
    if (!isDirectory(pdfFolder_) && !createDirectory(pdfFolder_)) return false;
    char name[32];
    std::snprintf(name, sizeof name, "job-%03d.pdf", ++count_);
    printer_.setOutputFormat(QPrinter::PdfFormat);
    printer_.setOutputFileName(pathToQt(pdfFolder_.join(name)));
  }
  printer_.setDocName(toQt(job.title));
  printer_.setPageOrientation(job.orientation == Orientation::Landscape ? QPageLayout::Landscape
                                                                        : QPageLayout::Portrait);
  if (job.picture != nullptr) {
    // A chart fills the page inside the margins, keeping its proportions.
    const QImage* image = imageOf(job.picture);
    QPainter painter;
    if (image == nullptr || !painter.begin(&printer_)) return false;
    const QRect page = printer_.pageLayout().paintRectPixels(printer_.resolution());
    const QSize size = image->size().scaled(page.size(), Qt::KeepAspectRatio);
    painter.drawImage(QRect(QPoint(0, 0), size), *image);
    painter.end();
  } else {
    // The editor port turns the formatted text into a document the way the screen shows it.
    QtTextEditor page;
    page.setRichText(job.content);
    // On screen long lines run on to the right; on paper they wrap, so no text is cut off.
    QTextDocument* document = page.widget()->document();
    QTextOption option = document->defaultTextOption();
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document->setDefaultTextOption(option);
    // A line holding only a form feed ends the page.
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
      if (block.text() != QString(QChar(u'\f'))) continue;
      QTextCursor cursor(block);
      cursor.movePosition(QTextCursor::StartOfBlock);
      cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
      cursor.removeSelectedText();
      QTextBlockFormat format = block.blockFormat();
      format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysAfter);
      cursor.setBlockFormat(format);
    }
    if (job.marginMillimetres == kUsualMarginMillimetres) {
      document->print(&printer_);
    } else if (!printWithMargins(*document, printer_, job.marginMillimetres)) {
      return false;
    }
  }
  const bool ok = printer_.printerState() != QPrinter::Error;
  printer_.setPageOrientation(QPageLayout::Portrait);
  return ok;
}

}  // namespace korvale
