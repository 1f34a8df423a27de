// The column operations of the left column ("... FX"): each changes or searches one field of
// every record at once. They work on a copy of the records that replaces the list view only when
// the operation gets that far; every wrong entry ends one with its message and the list as it was.
#pragma once

#include "base/text.h"
#include "listtools/list_tools_context.h"

namespace korvale {

// "Lower FX", with the first letter in capitals when the user wants it.
void lowerColumn(ListToolsContext& c);
// "Upper FX": "ß" becomes "SS", so the field may grow.
void upperColumn(ListToolsContext& c);
// "SetLen FX": every value trimmed and padded or cut to the new length.
void setColumnLength(ListToolsContext& c);
// "Remove FX": the column goes from the header and every record.
void removeColumn(ListToolsContext& c);
// "Insert FX": a new column with a name, a type and a length, filled with blanks, 0 or 0.00.
void insertColumn(ListToolsContext& c);
// "Random FX": random letters followed by random digits in every record.
void randomColumn(ListToolsContext& c);
// "Index FX": the records numbered 1, 2, 3, ... in an integer column.
void indexColumn(ListToolsContext& c);
// "Replace FX": every record's field built from its other fields (column_replace.cpp).
void replaceColumn(ListToolsContext& c);
// "Search FX" and F3, which visits the records found one after the other (column_search.cpp).
void searchColumn(ListToolsContext& c);
void searchColumnAgain(ListToolsContext& c);
// "Sort FX": the records ordered by one column (column_search.cpp).
void sortByColumn(ListToolsContext& c);

// The value of a field after "Lower FX" and "Upper FX".
Text lowerField(const Text& field, bool firstCapital);
Text upperField(const Text& field);

}  // namespace korvale
