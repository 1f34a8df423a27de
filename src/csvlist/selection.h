// Selection of records by the value of one field, and Restore of the table before it.
#pragma once

#include <optional>
#include <vector>

#include "base/text.h"
#include "csvlist/field_table.h"
#include "csvlist/list_state.h"

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

}  // namespace korvale
