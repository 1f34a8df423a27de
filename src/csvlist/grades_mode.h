// The grades-mode switch "Schulnoten E/A": absent marks "a" in a table against "0".
#pragma once

#include <vector>

#include "base/text.h"
#include "csvlist/list_state.h"

namespace korvale {

// Every field followed by ";" whose value without the blanks around it is "a" or "A" gets "0"
// in place of the letter; returns the number of such fields.
int absentMarksToZero(std::vector<Text>& lines);
// Every "0" standing alone between two ";" becomes "a"; returns the number of changes. A "0"
// in a line's first field has no ";" before it and stays.
int zerosToAbsentMarks(std::vector<Text>& lines);

}  // namespace korvale
