// A table in the Grades editor: reading its formats, writing it back in one step, and the
// display formatting. The line work itself is csvlist's; these only move text and formats in
// and out of the editor.
#pragma once

#include <vector>

#include "base/text.h"
#include "csvlist/list_state.h"
#include "csvlist/table_text.h"
#include "ui/ports/key_state.h"
#include "ui/ports/text_editor.h"

namespace korvale {

// The formats the editor shows now, read from the start of line 1 and line 2.
TableFormats currentFormats(const TextEditor& editor);

// Replaces the editor's whole text in one step (one undo step, one repaint), line 1 in the
// header format and the rest in the body format. The caret goes to the start.
void writeTable(TextEditor& editor, const std::vector<Text>& lines, const TableFormats& formats);
// The same, then the caret back to `caret`, held inside the new text.
void writeTableKeepingCaret(TextEditor& editor, const std::vector<Text>& lines,
                            const TableFormats& formats, TextPos caret);
// Runs a line operation on the editor's text and rewrites it only when something changed.
void rewriteIfChanged(TextEditor& editor, void (*operation)(std::vector<Text>&));

// Makes line 1 bold, keeping its font.
void boldHeaderLine(TextEditor& editor);

// After a selection or a sort: when the editor has more than two lines, marks the character on
// line 1 above the start of the field in line 3, so that the caret rests on the field's name.
// Line 1 and line 3 are aligned by the display formatting. Returns whether it moved the caret.
bool caretToField(TextEditor& editor, int fieldNumber, char32_t separator);

// The display formatting of the Grades editor: the whole text in "Courier New" at
// `tableFontSize`, line 1 bold. The caret goes to the start.
void applyDisplayFormatting(TextEditor& editor, ListState& state, Cursor& cursor, int tableFontSize,
                            bool databaseLoaded);

}  // namespace korvale
