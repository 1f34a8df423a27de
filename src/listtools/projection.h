// "View": the list shown on chosen fields in a chosen order, and back. While a projection is
// shown only View, Print and (on one field) the mask act; a field edited in the mask goes back
// into the full records when the projection ends.
#pragma once

#include "listtools/list_tools_context.h"

namespace korvale {

// Starts a projection, or ends the one shown.
void toggleProjection(ListToolsContext& c);

// The one field a projection shows, or 0 while none or several are shown.
int projectedField(const ListToolsState& s);

}  // namespace korvale
