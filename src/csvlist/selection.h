// Selection of records by the value of one field, and Restore of the table before it.
#pragma once

#include <optional>
#include <vector>

#include "base/text.h"
#include "csvlist/field_table.h"
#include "csvlist/list_state.h"
#include "ui/ports/dialogs.h"
#include "ui/ports/key_state.h"
#include "ui/ports/text_editor.h"

namespace korvale {

// What a window keeps between a selection and Restore.
struct SelectionState {
  // The table (header and records, no end marker) before the last selection that replaced it.
  std::vector<Text> backup;
  bool selectionMade = false;
};

// The three edits of the selection panel, as typed.
struct SelectionRequest {
  Text fieldNumber;  // "Nummer des Datenfeldes"
  Text op;           // "Selektor (!,=,<,>,-,+)"
  Text term;         // "Suchbegriff"
};

enum class SelectionOutcome {
  Selected,
  BadFieldNumber,
  BadOperator,
  EmptyTerm,
  TermNotNumeric,
  NoHits,
};

struct SelectionResult {
  SelectionOutcome outcome = SelectionOutcome::NoHits;
  std::vector<Text> lines;  // Selected: the header followed by the matching records
};

// Filters the records of a table (line 1 the header, a final end marker allowed) by field k.
// The field is the text between the (k-1)-th and the k-th list separator, trimmed and with its
// ASCII letters in lower case (texts compare by character codes, "Ü" is not "ü" here, as the
// users of the lists know it); the column is numeric when the first record's value reads as a
// number. In a numeric column a value that is no number never satisfies "=", "<", ">", "-" or "+",
// and satisfies "!".
SelectionResult selectRecords(const std::vector<Text>& lines, char32_t listSeparator,
                              const SelectionRequest& request);

// The message for an outcome; empty for Selected.
Text selectionMessage(SelectionOutcome outcome);

// "Ausführen": runs the selection on the editor. On success the editor holds the header and the
// matching records, state.backup the table before, and the result is the lines the database
// list becomes (the caller then reloads, displays and puts the caret on the field). Otherwise
// the message is shown and the table stays. The caller hides the panel in every case.
std::optional<std::vector<Text>> runSelection(TextEditor& editor, const ListState& list,
                                              SelectionState& state, Dialogs& dialogs,
                                              Cursor& cursor, const SelectionRequest& request);

// "Restore": after the question, the lines the database list becomes (the table before the last
// selection); nothing when no selection was made or the user said no.
std::optional<std::vector<Text>> restoreSelection(SelectionState& state, Dialogs& dialogs);

}  // namespace korvale
