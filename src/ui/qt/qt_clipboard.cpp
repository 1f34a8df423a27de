#include "ui/qt/qt_clipboard.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMimeData>
#include <QProcess>
#include <QTextDocument>
#include <QUrl>

#include "ui/qt/qt_text.h"
#include "ui/qt/qt_text_editor.h"

namespace korvale {

void QtClipboard::setText(const RichText& text) {
  own_ = text;
  QtTextEditor document;
  document.setRichText(text);
  auto* data = new QMimeData();
  data->setText(toQt(text.text));
  data->setHtml(document.widget()->document()->toHtml());
  QGuiApplication::clipboard()->setMimeData(data);
}

RichText QtClipboard::text() const {
  const Text now = fromQt(QGuiApplication::clipboard()->text());
  if (now == own_.text) return own_;
  CharFormat plain;
  return RichText::plain(now, plain);
}

void QtClipboard::clear() {
  own_ = RichText();
  QGuiApplication::clipboard()->clear();
}

bool QtShell::openDocument(const Path& path) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(pathToQt(path)));
}

bool QtShell::startProgram(const Path& program) {
  // The program itself, no shell: nothing of the user's text reaches a command line.
  return QProcess::startDetached(pathToQt(program), QStringList());
}

}  // namespace korvale
