// Filling a letter template from every record of a list: the text of the mail-merge preview.
#pragma once

#include <vector>

#include "base/text.h"
#include "csvlist/field_table.h"
#include "formula/variable_table.h"
#include "ui/ports/key_state.h"
#include "ui/ports/rich_text.h"

namespace korvale {

// The page-break mark that printing starts a new page at.
inline constexpr char32_t kPageBreakMark = U'\u00B6';

// The list the letters are filled from.
struct MergeSource {
  const std::vector<Text>& lines;  // the header, then one record per line
  char32_t separator = ';';
  const FieldTable& fields;  // names, declared widths, longest name
};

struct MergeChoice {
  bool pageBreaks = true;   // a line "¶" after each copy; otherwise double breaks collapse
  bool compressed = false;  // values trimmed; otherwise padded or cut to the declared width
};

struct MergeResult {
  RichText letters;
  int copies = 0;
  bool aborted = false;  // Escape was down before a record; the copies so far are kept
};

// The value of a field as the letters show it.
Text mergeValue(const Text& field, int declaredWidth, bool compressed);

// One copy per record, in order. Escape is polled once before each record. Without page breaks
// the double line breaks of the result collapse once, so that every copy looks the same.
// Finished (not aborted) letters lose their trailing blank lines.
MergeResult mergeLetters(const RichText& letterTemplate, const MergeSource& source,
                         const MergeChoice& choice, const VariableTable& variables, KeyState& keys);

}  // namespace korvale
