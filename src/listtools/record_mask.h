// The record mask ("Maskeneditor"): one row per field, showing, appending and changing records.
#pragma once

#include "base/text.h"
#include "listtools/list_tools_context.h"

namespace korvale {

// A list holds at most this many lines that New and [ + ] can reach.
constexpr int kMaxAppendLines = 2000;

// "[" + k + "] " + name: the caption of field k's row.
Text maskCaption(const ListStructure& structure, int field);

// "Edit" and "[Edit]": the mask shows the record under the caret. On a list without records it
// opens empty, waiting for New.
void editRecord(ListToolsContext& c);

// True, after saying "Zuerst neuen Datensatz schreiben !", while a new record waits for Write or
// a new list's mask waits for New: the mask's other buttons rest meanwhile.
bool waitingForWrite(ListToolsContext& c);

enum class MaskStep { First, Previous, Next, Last };
// [<<] [<] [>] [>>] of the mask.
void maskNavigate(ListToolsContext& c, MaskStep step);
// "New": an empty record is appended and waits for Write.
void maskNew(ListToolsContext& c);
// "Write": the edits, each formatted to its field, become the record's line.
void maskWrite(ListToolsContext& c);
// "Exit": the mask closes; empty lines go.
void maskExit(ListToolsContext& c);
// Enter in the edit of field k: the focus goes to the next field, after the last to "Write".
void maskEnter(ListToolsContext& c, int field);

// The value of field k as Write stores it: text padded right; "I" and "N" read as numbers and
// written with 0 or 2 decimals, right-aligned. A separator in the value is dropped, and a value
// longer than the field is kept whole.
Text formatMaskValue(const Text& edit, const ListField& field, char32_t separator);

// Shows the mask with an empty record appended to the list: New, [ + ] and a new list's first
// record. The caller has checked the limits.
void startNewRecord(ListToolsContext& c);
// Shows record `index` (from 0) in the mask.
void showRecord(ListToolsContext& c, int index);

}  // namespace korvale
