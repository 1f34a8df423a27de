#include "csvlist/table_text.h"

#include <algorithm>

#include "base/text_routines.h"

namespace korvale {

bool isEndMarker(const Text& line) {
  return trim(line) == kEndMarker;
}

bool takeEndMarker(std::vector<Text>& lines) {
  if (lines.empty() || !isEndMarker(lines.back())) return false;
  lines.pop_back();
  return true;
}

void restoreEndMarker(std::vector<Text>& lines, bool hadMarker) {
  if (hadMarker) lines.push_back(kEndMarker);
}

CharFormat tableFormat(int fontSize) {
  CharFormat format;
  format.font = U"Courier New";
  format.size = fontSize;
  return format;
}

CharFormat regular(CharFormat format) {
  format.bold = format.italic = format.underline = false;
  return format;
}

int fieldStartColumn(const Text& line, int fieldNumber, char32_t separator) {
  if (fieldNumber <= 1) return 0;
  return nthSeparatorPosition(line, separator, fieldNumber - 1);
}

}  // namespace korvale
