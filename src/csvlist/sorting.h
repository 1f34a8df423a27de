// Sorting the records of a table by one column.
#pragma once

#include <optional>
#include <vector>

#include "base/text.h"
#include "csvlist/list_state.h"

namespace korvale {

// The sort key of line `index`: field `column` of the trimmed split, the separator, the index.
Text sortKey(const Text& line, int column, char32_t separator, std::size_t index);

// Sorts the lines (no end marker) by field `column` (from 1). With `headerOnTop` line 1 stays
// first; otherwise it is sorted in among the records. The sort is numeric when the second key's
// value reads as a number; values that are no number then come after all numbers. A text sort
// compares whole keys by character codes, so equal values follow the text of their line
// number ("10" before "2"). The quicksort's exchanges order equal numbers. Fewer than two keys
// stay as they are.
std::vector<Text> sortLines(const std::vector<Text>& lines, int column, char32_t separator,
                            bool headerOnTop);

}  // namespace korvale
