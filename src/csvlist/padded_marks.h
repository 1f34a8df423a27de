// Absent marks in a table whose columns are padded with blanks, as the List tools keep theirs.
#pragma once

#include <vector>

#include "base/text.h"

namespace korvale {

// Every field after a line's first one that is followed by ";" and whose value without the
// blanks around it is `from` (ASCII letters in either case) becomes `to`, its blanks kept:
// ";0;", "; 0;" and neighbouring marks ";0;0;" alike. The first field holds the pupil's name and
// is never a mark. Returns the number of fields changed.
int convertPaddedMarks(std::vector<Text>& lines, const Text& from, const Text& to);

}  // namespace korvale
