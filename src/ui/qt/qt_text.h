// The one place where the program's text meets Qt's strings, character for character.
#pragma once

#include <QString>

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
inline QString pathToQt(const std::string& path) {
  return QString::fromStdString(path);
}
inline std::string pathFromQt(const QString& path) {
  return path.toStdString();
}

}  // namespace korvale
