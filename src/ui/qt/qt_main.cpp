#include "ui/qt/qt_main.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <clocale>
#include <cstdlib>
#include <functional>
#include <iostream>

#include "app/application.h"
#include "app/command_line.h"
#include "app/script_runner.h"
#include "base/files.h"
#include "ui/qt/qt_canvas.h"
#include "ui/qt/qt_platform.h"
#include "ui/qt/qt_printer.h"

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
  QApplication::setApplicationVersion(QString::fromLatin1(kVersion));
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

// A script shows what would be opened instead of starting the desktop's programs.
class TranscriptShell : public Shell {
 public:
  explicit TranscriptShell(std::function<void(const Path&)> sink) : sink_(std::move(sink)) {}
  bool openDocument(const Path& path) override {
    sink_(path);
    return true;
  }

 private:
  std::function<void(const Path&)> sink_;
};

StartOptions startOptions() {
  return {currentDirectory(), temporaryFolder(std::getenv("TMPDIR")), currentLogin()};
}
}  // namespace

int runProgram(int argc, char** argv) {
  QApplication qt(argc, argv);
  setUpApplication(qt);
  setWindowIcon();
  keepNumbersInC();
  QtPlatform platform(nullptr, nullptr, true);
  Application app(platform);
  platform.attach(app);
  if (!app.start(startOptions())) return 1;
  return QApplication::exec();
}

int runScriptProgram(int argc, char** argv, const Path& scriptPath, const Path& printFolder) {
  const auto script = readFileBytes(scriptPath);
  if (!script) {
    std::cerr << "korvale: cannot read " << scriptPath << "\n";
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication qt(argc, argv);
  setUpApplication(qt);
  keepNumbersInC();
  Path folder = scriptPath.folder();
  if (!folder.isAbsolute()) folder = currentDirectory().join(folder);

  Application* appPtr = nullptr;
  ScriptedDialogs dialogs([](const std::string& line) { std::cout << line << "\n"; },
                          [&](const Path& path) {
                            return appPtr ? shortenScriptPath(path, *appPtr, folder) : path.bytes();
                          });
  ScriptKeyState keys;
  // With --print-to every job is also written as a PDF file there.
  QPrinter pdf(QPrinter::HighResolution);
  QtPrinter pdfPrinter(pdf, printFolder);
  RecordingPrinter printer(printFolder.empty() ? nullptr : &pdfPrinter);
  MemoryClipboard clipboard;
  TranscriptShell shell([&](const Path& path) {
    std::cout << "[shell] "
              << ScriptedDialogs::show(
                     fromUtf8(appPtr ? shortenScriptPath(path, *appPtr, folder) : path.bytes()))
              << "\n";
  });
  QtPlatform platform(&dialogs, &keys, true, &printer, &clipboard, &shell);
  Application app(platform);
  appPtr = &app;
  platform.attach(app);
  if (!app.start(startOptions())) {
    std::cerr << scriptPath << ": the program ended at start-up\n";
    return 2;
  }
  ScriptContext context{app,
                        dialogs,
                        keys,
                        std::cout,
                        folder,
                        [&platform] {
                          QCoreApplication::processEvents();
                          platform.refreshAll();
                        },
                        &printer.jobs,
                        [](const Canvas& chart, const Path& path) {
                          const auto* image = dynamic_cast<const QtCanvas*>(&chart);
                          return image != nullptr && image->savePng(path);
                        }};
  const ScriptResult result = runScript(*script, context);
  std::cout.flush();
  if (result.exitCode != 0) std::cerr << scriptPath << ": " << result.error << "\n";
  return result.exitCode;
}

}  // namespace korvale
