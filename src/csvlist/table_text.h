// Helpers shared by the table operations: the end marker, fast field scanning, and writing a
// table back into an editor in one step.
#pragma once

#include <vector>

#include "base/text.h"
#include "ui/ports/rich_text.h"
#include "ui/ports/text_editor.h"

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

// The editor's lines, read in one pass over its text: an editor that finds each line by
// scanning from the start would make reading line by line quadratic in the table's size.
std::vector<Text> readLines(const TextEditor& editor);

// Regular "Courier New" at the given size: how tables are shown.
CharFormat tableFormat(int fontSize);
// `format` without bold, italic and underline.
CharFormat regular(CharFormat format);

// The formats of a table in an editor: its header line and the lines below.
struct TableFormats {
  CharFormat header;
  CharFormat body;
};
// The formats the editor shows now, read from the start of line 1 and line 2.
TableFormats currentFormats(const TextEditor& editor);

// Replaces the editor's whole text in one step (one undo step, one repaint), line 1 in the
// header format and the rest in the body format. The caret goes to the start.
void writeTable(TextEditor& editor, const std::vector<Text>& lines, const TableFormats& formats);
// The same, then the caret back to `caret`, held inside the new text.
void writeTableKeepingCaret(TextEditor& editor, const std::vector<Text>& lines,
                            const TableFormats& formats, TextPos caret);

// Makes line 1 bold, keeping its font.
void boldHeaderLine(TextEditor& editor);

// The 0-based column where field `fieldNumber` starts in `line`: just after the separator in
// front of it; 0 for field 1 and when the line has fewer fields.
int fieldStartColumn(const Text& line, int fieldNumber, char32_t separator);

// After a selection or a sort: when the editor has more than two lines, marks the character on
// line 1 above the start of the field in line 3, so that the caret rests on the field's name.
// Line 1 and line 3 are aligned by the display formatting. Returns whether it moved the caret.
bool caretToField(TextEditor& editor, int fieldNumber, char32_t separator);

}  // namespace korvale
