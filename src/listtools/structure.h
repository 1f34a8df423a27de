// The structure analysis every List tools operation relies on, the labels it sets, the header
// strip and the structure text of the info window.
#pragma once

#include <vector>

#include "base/text.h"
#include "listtools/list_tools_context.h"

namespace korvale {

// The type of a field from its value in the first record: "N" or "I" for a number (or the absent
// mark "a"), "N" when it holds a decimal point; "T" otherwise.
char fieldTypeOf(const Text& value);

// Field names from the header editor; lengths, types, record count and grades mode from the
// records (in new-list mode lengths and types from the new structure). In grades mode the
// absent marks "0" of the records show as "a". Sets the count label, refreshes the header strip.
void analyseStructure(ListToolsContext& c);
// The same on records in hand instead of the list view's; true when it changed absent marks in
// `lines`, which the caller then shows.
bool analyseStructure(ListToolsContext& c, std::vector<Text>& lines);

// The names padded to their field lengths; list view and header strip become read-only.
void refreshHeaderStrip(ListToolsContext& c);

// "Sätze = " + records + " / Felder = " + fields + " / " + file name.
void refreshCountLabel(ListToolsContext& c);

// The position label from the caret: "Zeile: " + line + " / Spalte: " + field + " / " + name,
// the field becoming the current column.
void refreshPosition(ListToolsContext& c);

// Puts the caret at a column and line counted from 1 (a line beyond the last is the last),
// refreshes the position label and gives the list view the focus; while the list is locked the
// character at the caret is marked.
void goTo(ListToolsContext& c, int column, int line);

// The structure of the list as the info window shows it; `records` is the list view's line count.
std::vector<Text> structureText(const ListToolsState& s, int records);
// The structure a new list will have, shown while its fields are confirmed.
std::vector<Text> newListStructureText(const ListToolsState& s);

}  // namespace korvale
