// The table of field names, widths and types of a loaded list, and what is read from it.
#pragma once

#include <vector>

#include "base/text.h"

namespace korvale {

struct FieldInfo {
  Text name;
  int width = 0;
  char type = 'T';  // 'T' text, 'N' number

  bool operator==(const FieldInfo&) const = default;
};

struct FieldTable {
  std::vector<FieldInfo> fields;  // fields[0] is field 1
  int recordLineCount = 0;        // header plus records
  int longestNameLength = 1;
  bool schoolMarks = false;
  bool supplementaryColumn = false;

  int fieldCount() const { return static_cast<int>(fields.size()); }
  int recordCount() const { return recordLineCount - 1; }
  // 1-based access; an empty FieldInfo beyond the count.
  const FieldInfo& field(int number) const;
};

// A field is a number in a list when an integer conversion accepts it, or it is an absent mark.
bool isWholeNumberField(const Text& field);

// The separator of a list by the detection rule on its first record; but a separator the header
// does not hold gives way to the first candidate (";", ",", TAB) that splits the header and the
// record into as many fields: a comma inside a name does not make a TAB list a comma list.
char32_t detectListSeparator(const Text& header, const Text& firstRecord);

// Builds the table from the loaded header and the first record (which may be missing).
FieldTable buildFieldTable(const Text& header, const Text* firstRecord, char32_t separator,
                           int recordLineCount);

// Absent marks of school-mark lists: every field that is followed by the separator and whose
// value without its surrounding blanks is exactly `from` becomes `to`; the blanks stay.
Text convertMarks(const Text& line, char32_t separator, const Text& from, const Text& to);
void convertMarks(std::vector<Text>& lines, char32_t separator, const Text& from, const Text& to);

// The 1-based number of the field under the caret: separators before the caret plus 1.
int currentFieldNumber(const Text& line, int caretColumn);
// The trimmed field under the caret; empty when no separator follows the caret.
Text fieldUnderCaret(const Text& line, int caretColumn);

}  // namespace korvale
