#include "ui/qt/qt_main.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QProxyStyle>
#include <QTranslator>
#include <clocale>

#include "ui/qt/qt_canvas.h"
#include "ui/qt/qt_platform.h"
#include "ui/qt/qt_printer.h"
#include "ui/qt/qt_text.h"

namespace korvale {

namespace {
// Qt takes over the user's locale; numbers in texts and files keep their "." all the same.
void keepNumbersInC() {
  std::setlocale(LC_NUMERIC, "C");
}

// Qt's own dialogs and buttons speak the user's language (German under a German locale, English
// where no translation exists); the desktop matches the windows to our menu entry and icon.
void setUpApplication(QApplication& qt) {
  QApplication::setApplicationName(QStringLiteral("korvale"));
  QApplication::setApplicationVersion(QStringLiteral(KORVALE_VERSION));
  QGuiApplication::setDesktopFileName(QStringLiteral("de.korvale.Korvale"));
  auto* translator = new QTranslator(&qt);
  if (translator->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(translator);
  }
}

// Every window carries the program's icon. Offscreen windows have no frame to show it in, and
// reading the pictures costs a scan of Qt's image plugins, so script runs go without it.
void setWindowIcon() {
  QIcon icon;
  for (const int size : {16, 32, 48}) {
    icon.addFile(QStringLiteral(":/korvale/icon-%1.png").arg(size), QSize(size, size));
  }
  QApplication::setWindowIcon(icon);
}

// Alt pressed and released alone takes the keyboard to the menu bar, on every desktop style.
class MenuBarAltStyle : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returned) const override {
    if (hint == QStyle::SH_MenuBar_AltKeyNavigation) return 1;
    return QProxyStyle::styleHint(hint, option, widget, returned);
  }
};

// Qt reads the platform from the environment while it starts.
bool requestOffscreen(bool offscreen) {
  if (offscreen) qputenv("QT_QPA_PLATFORM", "offscreen");
  return offscreen;
}
}  // namespace

struct QtProgram::Parts {
  Parts(int& argc, char** argv, bool offscreen)
      : offscreen(requestOffscreen(offscreen)), qt(argc, argv) {}
  bool offscreen;
  QApplication qt;
  std::unique_ptr<QtPlatform> platform;
  PrinterOnDemand pdf{QPrinter::HighResolution};
  std::unique_ptr<QtPrinter> pdfPrinter;
};

QtProgram::QtProgram(int& argc, char** argv, bool offscreen)
    : parts_(std::make_unique<Parts>(argc, argv, offscreen)) {
  setUpApplication(parts_->qt);
  if (!offscreen) {
    setWindowIcon();
    QApplication::setStyle(new MenuBarAltStyle);
  }
  keepNumbersInC();
}

QtProgram::~QtProgram() = default;

Platform& QtProgram::platform(const Ports& p) {
  if (!parts_->platform)
    parts_->platform =
        std::make_unique<QtPlatform>(p.dialogs, p.keys, true, p.printer, p.clipboard, p.shell);
  return *parts_->platform;
}

Printer& QtProgram::pdfPrinter(const Path& folder) {
  if (!parts_->pdfPrinter) parts_->pdfPrinter = std::make_unique<QtPrinter>(parts_->pdf, folder);
  return *parts_->pdfPrinter;
}

void QtProgram::settle() {
  QCoreApplication::processEvents();
  if (parts_->platform) parts_->platform->refreshAll();
}

bool QtProgram::savePng(const Canvas& chart, const Path& path) {
  const QImage* image = imageOf(&chart);
  return image != nullptr && image->save(pathToQt(path), "PNG");
}

int QtProgram::exec() {
  return QApplication::exec();
}

}  // namespace korvale
