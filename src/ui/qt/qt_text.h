// The one place where the program's text meets Qt's strings, character for character.
#pragma once

#include <QFile>
#include <QString>

#include "base/path.h"
#include "base/text.h"

namespace korvale {

// Written out by hand: Qt's own UTF-32 conversion made opening a large list half as slow again.
// A surrogate the text holds on its own stays as it is, both ways; a value beyond U+10FFFF
// (which no decoder produces) becomes U+FFFD.
QString toQt(TextView text);
Text fromQt(const QString& text);
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
