// The one place where cp1252 text meets Qt's Unicode strings.
#pragma once

#include <QString>

#include "base/text.h"

namespace korvale {

inline QString toQt(const Text& text) {
  return QString::fromStdString(cp1252ToUtf8(text));
}
inline Text fromQt(const QString& text) {
  return utf8ToCp1252(text.toStdString());
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
