// The one place where the program's text meets Qt's strings, character for character.
#pragma once

#include <QFile>
#include <QString>

#include "base/path.h"
#include "base/text.h"

namespace korvale {

inline QString toQt(const Text& text) {
  return QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
}
inline Text fromQt(const QString& text) {
  return text.toStdU32String();
}
// Message texts break their lines with CR; Qt wants LF.
QString toQtMessage(const Text& text);
// File names go through the system's encoding of names, as Qt's own file classes do.
inline QString pathToQt(const Path& path) {
  return QFile::decodeName(QByteArray::fromStdString(path.bytes()));
}
inline Path pathFromQt(const QString& path) {
  return Path(QFile::encodeName(path).toStdString());
}

}  // namespace korvale
