// Opening and closing the window, and loading, saving and clearing lists.
#pragma once

#include "listtools/list_tools_context.h"

namespace korvale {

// The list commands of the left column rest while a projection is active or the mask is shown.
bool listCommandsFree(const ListToolsState& s);

// Each opening starts without a list; the separator and the font size stay.
void openWindow(ListToolsContext& c);
// The window closes (Exit or its close box): the list and its panels go.
void closeWindow(ListToolsContext& c);

// "Load": a list whose header lacks the window's separator is refused and the window stays as it
// was. A final end marker is dropped, missing final separators are added, and the records are
// expanded to their columns.
void loadList(ListToolsContext& c);
// "Load" of a file dropped on the window, without the file dialog.
void loadDroppedList(ListToolsContext& c, const Path& path);
// "Save": the header and the records, absent marks written as "0" in grades mode, into a file the
// user names, in the encoding the list came in. The records on the screen do not change.
void saveList(ListToolsContext& c);
// "Clear".
void clearList(ListToolsContext& c);
// "Exit": whether the window may close now.
bool exitAllowed(const ListToolsState& s);

}  // namespace korvale
