// The text of the help window.
#pragma once

#include <vector>

#include "base/text.h"

namespace korvale {

// The lines of the help window: the lists, the buttons, a line "." (a printout starts the keys on
// a new page), the keys, selection, mask, new lists, media files and the movable panels.
const std::vector<Text>& listToolsHelp();

}  // namespace korvale
