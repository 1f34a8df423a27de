#include "ui/qt/qt_dialogs.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPushButton>

#include "base/text_routines.h"
#include "ui/qt/qt_text.h"

namespace korvale {

QString toQtMessage(const Text& text) {
  Text unified = replaceAll(text, U"\r\n", U"\n", CaseMode::Exact).text;
  for (char32_t& c : unified)
    if (c == '\r') c = '\n';
  return toQt(unified);
}

QString qtFileFilter(const Text& filter) {
  const std::vector<Text> parts = plainSplit(filter, '|');
  QStringList filters;
  for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
    Text label = parts[i];
    if (const std::size_t paren = label.find(U" ("); paren != Text::npos)
      label = trimRight(label.substr(0, paren));
    Text patterns = replaceAll(parts[i + 1], U";", U" ", CaseMode::Exact).text;
    if (patterns == U"*.*") patterns = U"*";
    filters << toQt(label + U" (" + patterns + U")");
  }
  return filters.join(QStringLiteral(";;"));
}

QWidget* QtDialogs::parent() const {
  return QApplication::activeWindow();
}

void QtDialogs::message(const Text& text) {
  QMessageBox::information(parent(), QStringLiteral("KORVALE"), toQtMessage(text));
}

namespace {
QMessageBox::Icon qtIcon(Icon icon) {
  switch (icon) {
    case Icon::Information:
      return QMessageBox::Information;
    case Icon::Warning:
      return QMessageBox::Warning;
    case Icon::Error:
      return QMessageBox::Critical;
    case Icon::Question:
      return QMessageBox::Question;
    case Icon::None:
      break;
  }
  return QMessageBox::NoIcon;
}
}  // namespace

void QtDialogs::error(const Text& caption, const Text& text, Icon icon) {
  QMessageBox box(qtIcon(icon), toQt(caption), toQtMessage(text), QMessageBox::Ok, parent());
  box.exec();
}

bool QtDialogs::confirm(const Text& text) {
  return question(U"Bestätigung", text, Icon::Question);
}

bool QtDialogs::question(const Text& caption, const Text& text, Icon icon) {
  QMessageBox box(qtIcon(icon), toQt(caption), toQtMessage(text), QMessageBox::NoButton, parent());
  QPushButton* yes = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
  box.addButton(QStringLiteral("Nein"), QMessageBox::NoRole);
  box.exec();
  return box.clickedButton() == yes;
}

std::optional<Text> QtDialogs::input(const Text& title, const Text& prompt,
                                     const Text& defaultText) {
  bool ok = false;
  const QString answer = QInputDialog::getText(parent(), toQt(title), toQtMessage(prompt),
                                               QLineEdit::Normal, toQt(defaultText), &ok);
  if (!ok) return std::nullopt;
  return fromQt(answer);
}

std::optional<Path> QtDialogs::openFile(const Text& filter, const Path& folder) {
  const QString path = QFileDialog::getOpenFileName(parent(), QStringLiteral("Öffnen"),
                                                    pathToQt(folder), qtFileFilter(filter));
  if (path.isEmpty()) return std::nullopt;
  return pathFromQt(path);
}

std::optional<Path> QtDialogs::saveFile(const Text& filter, const Path& folder,
                                        const Path& fileName) {
  const QString start = pathToQt(fileName.empty() ? folder : folder.join(fileName));
  const QString path = QFileDialog::getSaveFileName(parent(), QStringLiteral("Speichern unter"),
                                                    start, qtFileFilter(filter));
  if (path.isEmpty()) return std::nullopt;
  return pathFromQt(path);
}

std::optional<FontChoice> QtDialogs::font(const FontChoice& current) {
  QFont initial(toQt(current.name), current.size);
  initial.setBold(current.bold);
  initial.setItalic(current.italic);
  bool ok = false;
  const QFont chosen = QFontDialog::getFont(&ok, initial, parent());
  if (!ok) return std::nullopt;
  return FontChoice{fromQt(chosen.family()), chosen.pointSize(), chosen.bold(), chosen.italic()};
}

bool QtDialogs::print() {
  QPrintDialog dialog(&printer_.get(), parent());
  bool previewChosen = false;
  if (auto* buttons = dialog.findChild<QDialogButtonBox*>(); buttons != nullptr && preview) {
    QPushButton* button =
        buttons->addButton(QStringLiteral("&Vorschau"), QDialogButtonBox::ActionRole);
    QObject::connect(button, &QPushButton::clicked, &dialog, [&dialog, &previewChosen] {
      previewChosen = true;
      dialog.accept();
    });
  }
  const bool accepted = dialog.exec() == QDialog::Accepted;
  if (accepted && previewChosen) preview();
  return accepted;
}

void QtDialogs::printerSetup() {
  QPageSetupDialog dialog(&printer_.get(), parent());
  dialog.exec();
}

}  // namespace korvale
