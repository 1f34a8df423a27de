#include "ui/qt/qt_clipboard.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QMimeDatabase>
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

namespace {

bool isDocumentType(const QMimeType& type) {
  const QString name = type.name();
  for (const char* prefix : {"image/", "audio/", "video/", "application/vnd.oasis.opendocument.",
                             "application/vnd.openxmlformats-officedocument."})
    if (name.startsWith(QLatin1String(prefix))) return true;
  // Exact names only: scripts and launchers descend from text/plain.
  for (const char* exact : {"text/plain", "text/csv", "text/tab-separated-values", "text/rtf",
                            "application/rtf", "application/pdf", "application/msword",
                            "application/vnd.ms-excel", "application/vnd.ms-powerpoint"})
    if (name == QLatin1String(exact)) return true;
  return false;
}

}  // namespace

bool isDocumentForTheDesktop(const Path& path) {
  static const QMimeDatabase types;
  const QFileInfo file(pathToQt(path));
  const QMimeType byName = types.mimeTypeForFile(file, QMimeDatabase::MatchExtension);
  const QMimeType byContent = types.mimeTypeForFile(file, QMimeDatabase::MatchContent);
  if (!isDocumentType(byName)) return false;
  // The content must agree: a program or script named like a picture stays where it is. A
  // content the database cannot tell, or only by the family of the name's type (an office file
  // is a ZIP), is taken by its name.
  return isDocumentType(byContent) || byName.inherits(byContent.name()) ||
         byContent.name() == QLatin1String("application/octet-stream") ||
         byContent.name() == QLatin1String("application/x-zerosize");
}

bool QtShell::openDocument(const Path& path) {
  if (!isDocumentForTheDesktop(path)) return false;
  return QDesktopServices::openUrl(QUrl::fromLocalFile(pathToQt(path)));
}

bool QtShell::startProgram(const Path& program) {
  // The program itself, no shell: nothing of the user's text reaches a command line.
  return QProcess::startDetached(pathToQt(program), QStringList());
}

}  // namespace korvale
