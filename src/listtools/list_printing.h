// Printing from the List tools, in bold "Courier New": chosen lines of the list, the record of
// the mask, the info window and the help text. A job the printer refuses says "Daten-Fehler".
#pragma once

#include "listtools/list_tools_context.h"

namespace korvale {

// "Print": after the print dialog and the questions (header, size, lines, compression), the
// chosen lines as the list view shows them, also during a projection. A line starting with "."
// starts a new page instead.
void printListLines(ListToolsContext& c);

// "Print" of the mask: the record shown, one field a line, between two rules.
void printMaskRecord(ListToolsContext& c);

// F2 while the info window is shown, and a double click on the shown help window: the lines as
// the window shows them; a line starting with "." starts a new page instead.
void printInfoWindow(ListToolsContext& c);
void printHelpText(ListToolsContext& c);

}  // namespace korvale
