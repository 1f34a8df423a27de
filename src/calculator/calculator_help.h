// The help beside the Calculator's input line: three framed groups of labels.
#pragma once

#include <vector>

#include "base/text.h"

namespace korvale {

// The first label of the third group names the variables once the Calculator has been opened
// (and is then shown in blue).
std::vector<std::vector<Text>> calculatorHelp(bool everOpened);

}  // namespace korvale
