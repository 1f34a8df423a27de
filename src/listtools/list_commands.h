// The left column's buttons besides Load, Save, Clear and Exit, and the navigation strip under
// the list view.
#pragma once

#include "listtools/list_tools_context.h"
#include "listtools/record_mask.h"

namespace korvale {

// "Header": shows the header editor with the header, or hides it and, when the user agrees,
// takes the edited names.
void toggleHeaderEditor(ListToolsContext& c);

// [<<] [ < ] [ > ] [>>] of the strip: the caret moves to another record, keeping its column.
void stripNavigate(ListToolsContext& c, MaskStep step);
// [ + ]: after the question, an empty record in the mask.
void appendRecord(ListToolsContext& c);
// [ - ]: after the question, deletes the line the user names.
void deleteRecord(ListToolsContext& c);

// "Struc.": the structure analysed afresh, then the info window shown with it, or hidden.
void showStructure(ListToolsContext& c);

// "Help on/off".
void toggleHelp(ListToolsContext& c);
// "Ordner": the demo folder or the start folder becomes the working folder.
void switchFolder(ListToolsContext& c);
// "P-Setup".
void printerSetup(ListToolsContext& c);

// "Select" shows the selection panel; "Ausführen" runs it, "Abbrechen" hides it.
void showSelection(ListToolsContext& c);
void runSelection(ListToolsContext& c);
void cancelSelection(ListToolsContext& c);
// Enter in one of the panel's edits: field number, operator, term, then "Ausführen".
void selectionEnter(ListToolsContext& c, const std::string& edit);
// "Restore": the separator ";" again, and the records as they were loaded or last appended.
void restoreList(ListToolsContext& c);

// "Separ.", "Compress", "Expand".
void exchangeSeparator(ListToolsContext& c);
void compressList(ListToolsContext& c);
void expandList(ListToolsContext& c);

}  // namespace korvale
