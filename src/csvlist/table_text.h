// Helpers shared by the table operations: the end marker, fast field scanning, and the formats
// a table is shown in.
#pragma once

#include <vector>

#include "base/text.h"
#include "ui/ports/rich_text.h"

namespace korvale {

// The line "#" that closes a table in an editor; it never belongs to the data.
inline const Text kEndMarker = U"#";

bool isEndMarker(const Text& line);
// Removes a final end-marker line and tells whether there was one.
bool takeEndMarker(std::vector<Text>& lines);
void restoreEndMarker(std::vector<Text>& lines, bool hadMarker);

// The fields of a line as the trimmed split cuts them, except that the remainder after the
// last separator is trimmed too: blanks around a field never carry data.
// Calls visit(field) for each field in order; an empty line has none.
template <class Visit>
void forEachTrimmedField(TextView line, char32_t separator, Visit&& visit) {
  auto trimmed = [](TextView s) {
    std::size_t b = 0;
    std::size_t e = s.size();
    while (b < e && s[b] <= 32) ++b;
    while (e > b && s[e - 1] <= 32) --e;
    return s.substr(b, e - b);
  };
  std::size_t start = 0;
  while (true) {
    const std::size_t p = line.find(separator, start);
    if (p == TextView::npos) break;
    visit(trimmed(line.substr(start, p - start)));
    start = p + 1;
  }
  if (start < line.size()) visit(trimmed(line.substr(start)));
}

// Regular "Courier New" at the given size: how tables are shown.
CharFormat tableFormat(int fontSize);
// `format` without bold, italic and underline.
CharFormat regular(CharFormat format);

// The formats of a table in an editor: its header line and the lines below.
struct TableFormats {
  CharFormat header;
  CharFormat body;
};

// The 0-based column where field `fieldNumber` starts in `line`: just after the separator in
// front of it; 0 for field 1 and when the line has fewer fields.
int fieldStartColumn(const Text& line, int fieldNumber, char32_t separator);

}  // namespace korvale
