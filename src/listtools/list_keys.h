// The function keys of the List tools window; each acts when it is released.
#pragma once

#include "listtools/list_tools_context.h"

namespace korvale {

// F1 to F12 by number. F2 (printing the info window) and F3 (continuing a field search) belong
// to the printing and the column tools and do nothing here.
void functionKey(ListToolsContext& c, int number);

// F1 and the mask's "<<Help>>": the structure of the list in the info window, or the info window
// hidden; a widened info window comes back at its normal width.
void toggleInfoWindow(ListToolsContext& c);

// F12: grades mode on or off, the absent marks of the records turned accordingly.
void toggleGradesMode(ListToolsContext& c);

}  // namespace korvale
