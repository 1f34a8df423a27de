// A new list from a field structure: the panel "Neue Datenliste erzeugen" collects name, length
// and type of each field, and the mask then takes the first record.
#pragma once

#include <string>

#include "listtools/list_tools_context.h"

namespace korvale {

// "NewList": clears the window and shows the panel with its defaults.
void newList(ListToolsContext& c);
// "Übernehmen": checks the four edits and takes the field; after the last field asks whether
// the structure is right and, on yes, starts the entry of the first record.
void acceptField(ListToolsContext& c);
// "Abbrechen".
void cancelNewList(ListToolsContext& c);
// Enter in one of the panel's edits: count, name, length, type, then "Übernehmen".
void newListEnter(ListToolsContext& c, const std::string& edit);

}  // namespace korvale
