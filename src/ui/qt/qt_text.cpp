#include "ui/qt/qt_text.h"

namespace korvale {

QString toQt(TextView text) {
  qsizetype units = static_cast<qsizetype>(text.size());
  for (const char32_t c : text)
    if (c > 0xFFFF && c <= 0x10FFFF) ++units;
  QString out(units, Qt::Uninitialized);
  QChar* p = out.data();
  for (const char32_t c : text) {
    if (c <= 0xFFFF) {
      *p++ = QChar(static_cast<char16_t>(c));
    } else if (c <= 0x10FFFF) {
      *p++ = QChar(QChar::highSurrogate(c));
      *p++ = QChar(QChar::lowSurrogate(c));
    } else {
      *p++ = QChar(QChar::ReplacementCharacter);
    }
  }
  return out;
}

Text fromQt(const QString& text) {
  Text out;
  out.reserve(static_cast<std::size_t>(text.size()));
  const char16_t* p = reinterpret_cast<const char16_t*>(text.utf16());
  const char16_t* end = p + text.size();
  while (p < end) {
    const char16_t unit = *p++;
    if (QChar::isHighSurrogate(unit) && p < end && QChar::isLowSurrogate(*p)) {
      out.push_back(QChar::surrogateToUcs4(unit, *p++));
    } else {
      out.push_back(unit);
    }
  }
  return out;
}

}  // namespace korvale
