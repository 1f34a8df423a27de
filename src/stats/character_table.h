// The character table (F11): one line per code 1 to 255 with the code page 1252 character of
// that code, so a teacher can look up a character the keyboard lacks.
#pragma once

#include <vector>

#include "base/text.h"

namespace korvale {

// " " + code right-aligned in 3 + "  " + character. A control character, or a code the code page
// leaves undefined, shows nothing after the blanks: a line break there would split the table,
// and the other controls are invisible or would make a saved text unreadable.
std::vector<Text> characterTableLines();

}  // namespace korvale
