#include "listtools/list_files.h"

#include "base/files.h"
#include "base/plain_text.h"
#include "base/text_routines.h"
#include "csvlist/padded_marks.h"
#include "csvlist/table_text.h"
#include "listtools/list_text.h"
#include "listtools/structure.h"
#include "rtf/document_file.h"

namespace korvale {

namespace {

const Text kListFilter = U"CSV-Textdateien (*.csv)|*.csv";

// Everything of a list goes; what the window keeps for the run stays.
void forgetList(ListToolsContext& c) {
  ListToolsState& s = c.state;
  s.list.reset();
  s.structure.reset();
  s.mask.destroy();
  s.newList.reset();
  s.selection.reset();
  s.projection.reset();
  s.search.reset();
  s.view.reset();
  c.listView.clear();
  c.listView.setTypingFormat(listFormat(s.settings));
  s.view.locked = true;
  c.listView.setReadOnly(true);
}

}  // namespace

bool listCommandsFree(const ListToolsState& s) {
  return !s.projection.active && !s.mask.shown;
}

void openWindow(ListToolsContext& c) {
  forgetList(c);
}

void closeWindow(ListToolsContext& c) {
  forgetList(c);
}

void loadList(ListToolsContext& c) {
  if (!listCommandsFree(c.state)) return;
  if (const auto chosen = c.dialogs.openFile(kListFilter, c.workingFolder))
    loadDroppedList(c, *chosen);
}

void loadDroppedList(ListToolsContext& c, const Path& chosen) {
  ListToolsState& s = c.state;
  if (!listCommandsFree(s)) return;
  const Path path = chosen.trimmed();
  c.workingFolder = path.folder();
  const auto bytes = readUserFile(path);
  if (!bytes) {
    showDataError(c.dialogs);
    return;
  }
  Encoding encoding = Encoding::Cp1252;
  std::vector<Text> lines = splitLines(readPlainText(*bytes, encoding));
  const char32_t sep = s.settings.separator;
  if (lines.empty() || lines.front().find(sep) == Text::npos) {
    c.dialogs.message(U"Abbruch: Der Feld-Separator ist NICHT  \";\" ");
    return;
  }
  takeEndMarker(lines);
  if (lines.front().back() != sep) {
    for (Text& line : lines)
      if (line.empty() || line.back() != sep) line += sep;
  }

  forgetList(c);
  s.list.fileName = path.fileName();
  s.list.extension = path.extension();
  s.list.encoding = encoding;
  s.list.headerString = s.list.headerEditor = lines.front();
  lines.erase(lines.begin());
  s.list.present = true;
  c.listView.setLines(lines);
  takeBackup(c);

  // Expanded before the structure analysis turns absent marks into "a": a mark keeps the place
  // of the number it stands for, so the list saves back as it was loaded.
  std::vector<Text> records = recordLines(c);
  expandRecords(records, sep, Text(), true);
  c.listView.setLines(records);
  analyseStructure(c);
  s.list.expanded = true;
  s.list.compressed = false;
}

void saveList(ListToolsContext& c) {
  ListToolsState& s = c.state;
  if (!listCommandsFree(s) || c.listView.isEmpty()) return;
  std::vector<Text> lines = recordLines(c);
  // The end marker closes a table on the screen; it never goes into a file.
  std::erase_if(lines, [](const Text& line) { return isEndMarker(line); });
  if (s.structure.gradesMode) convertPaddedMarks(lines, U"a", U"0");
  lines.insert(lines.begin(), trim(s.list.headerEditor));

  if (auto chosen = c.dialogs.saveFile(kListFilter, c.workingFolder, s.list.fileName)) {
    Path path = chosen->trimmed();
    if (path.extension().empty()) path = path + ".csv";
    const RichText doc = RichText::fromLines(lines, listFormat(s.settings));
    if (saveUserDocument(path, doc, false, s.list.encoding, c.dialogs)) {
      s.list.typing.typed = false;
      c.workingFolder = path.folder();
      s.list.fileName = path.fileName();
      s.list.extension = path.extension();
    } else {
      showDataError(c.dialogs);
    }
  }
  refreshCountLabel(c);
  c.listView.setCaret({0, 0});
}

void clearList(ListToolsContext& c) {
  if (!listCommandsFree(c.state)) return;
  forgetList(c);
}

bool exitAllowed(const ListToolsState& s) {
  return listCommandsFree(s);
}

}  // namespace korvale
