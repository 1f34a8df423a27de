// The dialogs port with Qt's message boxes, input dialog and file, font and print dialogs.
#pragma once

#include <QWidget>
#include <functional>

#include "ui/ports/dialogs.h"
#include "ui/qt/qt_printer.h"

namespace korvale {

// "Text (*.csv)|*.csv|Alle Dateien (*.*)|*.*" as a Qt name filter list.
QString qtFileFilter(const Text& filter);

class QtDialogs : public Dialogs {
 public:
  explicit QtDialogs(PrinterOnDemand& printer) : printer_(printer) {}

  void message(const Text& text) override;
  void error(const Text& caption, const Text& text, Icon icon) override;
  bool confirm(const Text& text) override;
  bool question(const Text& caption, const Text& text, Icon icon) override;
  std::optional<Text> input(const Text& title, const Text& prompt,
                            const Text& defaultText) override;
  std::optional<Path> openFile(const Text& filter, const Path& folder) override;
  std::optional<Path> saveFile(const Text& filter, const Path& folder,
                               const Path& fileName) override;
  std::optional<FontChoice> font(const FontChoice& current) override;
  // The print dialog carries a button "Vorschau": the command prints as after "Drucken", and
  // `preview` is called first, so its pages wait for the preview.
  bool print() override;
  void printerSetup() override;
  std::function<void()> preview;

 private:
  QWidget* parent() const;
  PrinterOnDemand& printer_;
};

}  // namespace korvale
