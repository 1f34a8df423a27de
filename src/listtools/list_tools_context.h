// What every List tools command works with: the state, the list view and the platform's dialogs.
#pragma once

#include <string>
#include <vector>

#include "base/path.h"
#include "base/random_source.h"
#include "base/text.h"
#include "formula/variable_table.h"
#include "listtools/list_tools_state.h"
#include "ui/ports/dialogs.h"
#include "ui/ports/key_state.h"
#include "ui/ports/printer.h"
#include "ui/ports/text_editor.h"

namespace korvale {

// The two folders the button "Ordner" offers.
struct FolderChoice {
  Path demoFolder;
  Path startFolder;
};

struct ListToolsContext {
  ListToolsState& state;
  TextEditor& listView;
  Dialogs& dialogs;
  Cursor& cursor;
  // Where the file dialogs start; shared with the Grades editor.
  Path& workingFolder;
  FolderChoice folders;
  // The random values of "Random FX" and the variables the formulas of "Replace FX" read.
  RandomSource& random;
  const VariableTable& variables;
  Printer& printer;
};

// The controls that can hold the input focus besides the list view (whose name is empty).
namespace listfocus {
inline std::string maskEdit(int field) {
  return "mask" + std::to_string(field);
}
inline const std::string kHeaderEditor = "headerEditor";
inline const std::string kFieldCount = "newListCount";
inline const std::string kFieldName = "newListName";
inline const std::string kFieldLength = "newListLength";
inline const std::string kFieldType = "newListType";
inline const std::string kAccept = "newListAccept";
inline const std::string kSelectField = "selectField";
inline const std::string kSelectOperator = "selectOperator";
inline const std::string kSelectTerm = "selectTerm";
inline const std::string kSelectRun = "selectRun";
}  // namespace listfocus

// The records as the list view holds them, and the list view filled with records. Filling keeps
// the caret where it was, inside the new text.
std::vector<Text> recordLines(const ListToolsContext& c);
void setRecordLines(ListToolsContext& c, const std::vector<Text>& lines);
// The same with the caret and the mark's other end put at these places, as far as they are inside.
void showRecordLines(ListToolsContext& c, const std::vector<Text>& lines, TextPos anchor,
                     TextPos caret);

// The records as they stand become what Restore brings back.
void takeBackup(ListToolsContext& c);
// The same with the records in hand.
void takeBackup(ListToolsContext& c, std::vector<Text> records);

// Bold "Courier New" in the window's size: every text of the window, so padded fields line up.
CharFormat listFormat(const ListSettings& settings);

}  // namespace korvale
