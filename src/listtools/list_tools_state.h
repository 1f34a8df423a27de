// What the List tools keep, in parts that each know how to start afresh. The records of the list
// are the list view's lines; nothing here copies them.
#pragma once

#include <string>
#include <vector>

#include "base/encoding.h"
#include "base/path.h"
#include "base/text.h"
#include "ui/ports/rich_text.h"
#include "window/typing_guard.h"

namespace korvale {

// A field of the list: its trimmed name, its type ('T' text, 'N' decimal number, 'I' integer)
// and its width in characters.
struct ListField {
  Text name;
  char type = 'T';
  int length = 0;

  bool operator==(const ListField&) const = default;
};

// What the window keeps while the program runs, also when it is closed and opened again.
struct ListSettings {
  char32_t separator = U';';  // changed only by the separator exchange and by Restore
  int fontSize = 10;          // of the list view, the header strip and the header editor
  Text replaceExpression;     // the last expression of "Replace FX"
};

// The list that is loaded or being made, apart from its records.
struct ListDocument {
  Text headerString;      // the header line as last read or set
  Text headerEditor;      // its editable copy; the structure analysis reads the names here
  Text headerStrip;       // the names padded to the field lengths, above the list view
  Path fileName;          // without folder; "newfile.csv" for a new list
  std::string extension;  // of the last file opened or saved
  Encoding encoding = Encoding::Cp1252;  // the file is written back in it
  std::vector<Text> backup;              // the records Restore brings back
  char32_t backupSeparator = U';';       // the separator they were taken with
  bool present = false;                  // a list was loaded or entered
  bool expanded = false;
  bool compressed = false;
  TypingGuard typing;  // typed into the list view since it was loaded, saved or cleared

  void reset() { *this = ListDocument(); }
};

// What the structure analysis found in the header and the records.
struct ListStructure {
  std::vector<ListField> fields;  // fields[0] is field 1
  int recordCount = 0;
  int longestNameLength = 0;
  bool gradesMode = false;

  int fieldCount() const { return static_cast<int>(fields.size()); }
  // Field `number` from 1; an empty field beyond the count.
  const ListField& field(int number) const;
  void reset() { *this = ListStructure(); }
};

// The record mask: one row per field, an edit in each.
struct RecordMask {
  bool shown = false;
  bool built = false;          // its rows belong to the current list
  bool recordPending = false;  // a new line waits for Write
  bool entry = false;          // the mask waits for New before anything can be written
  int current = 0;             // the record shown, from 0; while a record is pending, the count
  std::vector<Text> edits;     // edits[k - 1] belongs to field k

  // The rows go with their list.
  void destroy() { *this = RecordMask(); }
};

// The panel "Neue Datenliste erzeugen" and the field structure it collects.
struct NewListDraft {
  bool panelShown = false;
  bool mode = false;  // a new structure was accepted: lengths and types come from `fields`
  std::vector<ListField> fields;
  int position = 1;
  Text fieldNumberLabel = U"Feldnummer =  1";
  Text count = U"3";
  Text name = U"Feld1";
  Text length = U"10";
  Text type = U"T";

  void reset() { *this = NewListDraft(); }
};

// The panel "Datenselektion" with its three edits.
struct SelectionPanel {
  bool shown = false;
  Text fieldNumber;
  Text op;
  Text term;
  TextPos savedCaret;

  void reset() { *this = SelectionPanel(); }
};

// A view of chosen fields of the list; while it is active almost every button rests.
struct Projection {
  bool active = false;
  bool edited = false;      // a one-field projection was opened in the mask
  std::vector<int> fields;  // the field numbers shown, in the order entered
  Text header;              // the header strip of the fields shown

  void reset() { *this = Projection(); }
};

// "Search FX" and F3: the records whose field holds the term, visited one after the other.
struct ColumnSearch {
  bool active = false;        // F3 continues only after a search
  Text term;                  // lower case, trimmed
  std::vector<TextPos> hits;  // the term's place in each record that holds it
  int visited = 0;            // hits F3 has shown; 0 after a search and after the last hit

  void reset() { *this = ColumnSearch(); }
};

// The window around the list: lock, side windows, labels and the focus.
struct ListWindowView {
  bool locked = false;
  bool headerEditorShown = false;
  bool helpShown = false;
  bool infoShown = false;
  bool infoWide = false;
  std::vector<Text> infoLines;
  Text positionLabel = U"Zeile: ";
  Text countLabel = U"Sätze = ";
  int currentColumn = 1;  // the field under the caret; default of column prompts
  std::string focus;      // the control with the input focus; empty for the list view

  void reset() { *this = ListWindowView(); }
};

struct ListToolsState {
  ListSettings settings;
  ListDocument list;
  ListStructure structure;
  RecordMask mask;
  NewListDraft newList;
  SelectionPanel selection;
  Projection projection;
  ColumnSearch search;
  ListWindowView view;
};

}  // namespace korvale
