// The help text of the Grades editor, shown beside the text and printed on a double click.
#pragma once

#include <vector>

#include "base/text.h"

namespace korvale {

// Lines consisting of "." end a printed page.
const std::vector<Text>& gradesHelpText();

}  // namespace korvale
