// The state of a loaded list that the table operations read and change.
#pragma once

#include "base/text.h"
#include "csvlist/field_table.h"

namespace korvale {

struct ListState {
  FieldTable table;
  Text loadedHeader;                  // line 1 exactly as read from the file
  Text displayedHeader;               // line 1 as last formatted for display
  char32_t listSeparator = U';';      // detected on open, changed by the Separator command
  char32_t detectedSeparator = U';';  // found in line 1 by the last layout operation
  Text extraBlank;                    // " " only while the Expand command runs
};

}  // namespace korvale
