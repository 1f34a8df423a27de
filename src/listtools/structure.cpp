#include "listtools/structure.h"

#include <algorithm>

#include "base/numbers.h"
#include "base/text_routines.h"
#include "csvlist/padded_marks.h"
#include "csvlist/table_text.h"
#include "listtools/list_text.h"

namespace korvale {

namespace {

// The untrimmed length of each field of a line, raising `lengths` where it is longer.
void measure(const Text& line, char32_t separator, std::vector<int>& lengths) {
  std::size_t start = 0;
  for (int& length : lengths) {
    const std::size_t p = line.find(separator, start);
    const std::size_t end = p == Text::npos ? line.size() : p;
    if (end > start) length = std::max(length, static_cast<int>(end - start));
    if (p == Text::npos) break;
    start = p + 1;
  }
}

bool isGradesList(const ListStructure& s) {
  const int n = s.fieldCount();
  if (n < 1 || s.field(1).type != 'T') return false;
  for (int k = 2; k <= n - 2; ++k)
    if (s.field(k).type == 'I' && s.field(k).length > 1) return false;
  return true;
}

Text separatorShown(char32_t separator) {
  return separator == kTab ? Text(U"TAB") : Text(1, separator);
}

void appendFieldLines(std::vector<Text>& out, const std::vector<ListField>& fields) {
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const ListField& f = fields[i];
    out.push_back(U" " + padLeft(intToText(static_cast<long long>(i + 1)), 2) + U": " +
                  trim(f.name) + U" (" + Text(1, static_cast<char32_t>(f.type)) + U"," +
                  intToText(f.length) + U")");
  }
}

void appendClosing(std::vector<Text>& out) {
  out.insert(out.end(), {Text(), U" -----------------------", U" <F1>  = Window on/off",
                         U" <F2>  = Print Window ", U" -----------------------"});
}

}  // namespace

const ListField& ListStructure::field(int number) const {
  static const ListField none;
  if (number < 1 || number > fieldCount()) return none;
  return fields[static_cast<std::size_t>(number - 1)];
}

char fieldTypeOf(const Text& value) {
  const Text v = trim(value);
  if (!readNumber(v) && v != U"a" && v != U"A") return 'T';
  return v.find(U'.') != Text::npos ? 'N' : 'I';
}

namespace {

// The names from the header editor; false when the records are not to be read (a new list's
// mask waiting for New, or a new list's structure, which gives lengths and types itself).
bool analyseHeader(ListToolsContext& c) {
  ListToolsState& s = c.state;
  const char32_t sep = s.settings.separator;
  s.list.headerString = trim(s.list.headerEditor);
  ListStructure& st = s.structure;
  std::vector<ListField> fields;
  st.longestNameLength = 0;
  for (const Text& name : splitFields(s.list.headerString, sep)) {
    fields.push_back({trim(name), 'T', 0});
    st.longestNameLength =
        std::max(st.longestNameLength, static_cast<int>(fields.back().name.size()));
  }
  // Lengths and types stay as they were until the records are read.
  for (std::size_t i = 0; i < fields.size() && i < st.fields.size(); ++i) {
    fields[i].type = st.fields[i].type;
    fields[i].length = st.fields[i].length;
  }
  st.fields = std::move(fields);
  if (s.mask.entry && !s.newList.mode) return false;

  if (s.newList.mode) {
    st.recordCount = 0;
    for (std::size_t i = 0; i < st.fields.size(); ++i) {
      const ListField planned = i < s.newList.fields.size() ? s.newList.fields[i] : ListField();
      st.fields[i].type = planned.type;
      st.fields[i].length = planned.length;
    }
    refreshHeaderStrip(c);
    return false;
  }
  return true;
}

// Lengths, types and grades mode from the records; true when absent marks in `lines` changed.
bool analyseRecords(ListToolsContext& c, std::vector<Text>& lines) {
  ListToolsState& s = c.state;
  const char32_t sep = s.settings.separator;
  ListStructure& st = s.structure;
  st.recordCount = static_cast<int>(lines.size());
  std::vector<int> lengths(st.fields.size(), 0);
  for (const Text& line : lines) measure(line, sep, lengths);
  const std::vector<Text> first = lines.empty() ? std::vector<Text>() : splitFields(lines[0], sep);
  for (std::size_t i = 0; i < st.fields.size(); ++i) {
    st.fields[i].length = lengths[i];
    st.fields[i].type = i < first.size() ? fieldTypeOf(first[i]) : 'T';
  }
  st.gradesMode = isGradesList(st);
  return st.gradesMode && convertPaddedMarks(lines, U"0", U"a") > 0;
}

}  // namespace

void analyseStructure(ListToolsContext& c) {
  if (!analyseHeader(c)) return;
  std::vector<Text> lines = recordLines(c);
  if (analyseRecords(c, lines)) setRecordLines(c, lines);
  refreshCountLabel(c);
  refreshHeaderStrip(c);
}

bool analyseStructure(ListToolsContext& c, std::vector<Text>& lines) {
  if (!analyseHeader(c)) return false;
  const bool changed = analyseRecords(c, lines);
  refreshCountLabel(c);
  refreshHeaderStrip(c);
  return changed;
}

void refreshHeaderStrip(ListToolsContext& c) {
  ListToolsState& s = c.state;
  const char32_t sep = s.settings.separator;
  Text strip;
  int k = 1;
  for (const Text& name : splitFields(s.list.headerEditor, sep))
    strip += padRight(trim(name), s.structure.field(k++).length) + sep;
  s.list.headerStrip = strip;
  c.listView.setReadOnly(true);
}

void refreshCountLabel(ListToolsContext& c) {
  const ListToolsState& s = c.state;
  c.state.view.countLabel = U"Sätze = " + intToText(s.structure.recordCount) + U" / Felder = " +
                            intToText(s.structure.fieldCount()) + U" / " +
                            s.list.fileName.displayText();
}

void refreshPosition(ListToolsContext& c) {
  ListToolsState& s = c.state;
  const TextPos at = c.listView.caret();
  const Text line = c.listView.line(at.line);
  const auto before =
      static_cast<std::size_t>(std::clamp(at.column, 0, static_cast<int>(line.size())));
  const int field =
      static_cast<int>(std::count(line.begin(), line.begin() + static_cast<std::ptrdiff_t>(before),
                                  s.settings.separator)) +
      1;
  s.view.currentColumn = field;
  const std::vector<Text> names = splitFields(s.list.headerEditor, s.settings.separator);
  const Text name =
      field <= static_cast<int>(names.size()) ? names[static_cast<std::size_t>(field - 1)] : Text();
  s.view.positionLabel =
      U"Zeile: " + intToText(at.line + 1) + U" / Spalte: " + intToText(field) + U" / " + name;
}

void goTo(ListToolsContext& c, int column, int line) {
  const int count = c.listView.lineCount();
  const int l = std::clamp(line, 1, std::max(count, 1)) - 1;
  const int length = static_cast<int>(c.listView.line(l).size());
  const int col = std::clamp(column - 1, 0, length);
  c.listView.setCaret({l, col});
  refreshPosition(c);
  c.state.view.focus.clear();
  // The caret stays in front of the marked character, so the label keeps its column.
  if (c.state.view.locked && col < length) c.listView.setSelection({l, col + 1}, {l, col});
}

std::vector<Text> structureText(const ListToolsState& s, int records) {
  const auto fieldCount = static_cast<long long>(
      s.list.headerEditor.empty() ? 0
                                  : splitFields(s.list.headerEditor, s.settings.separator).size());
  std::vector<Text> out = {Text(),
                           U" -----------------------",
                           U" Struktur der CSV-Liste:",
                           U" -----------------------",
                           Text(),
                           U" Datei = " + s.list.fileName.displayText(),
                           U" Separator   = " + separatorShown(s.settings.separator),
                           U" Datenfelder = " + intToText(fieldCount),
                           U" Datensätze  = " + intToText(records),
                           U" Schulnoten  = " + Text(s.structure.gradesMode ? U"ja" : U"nein"),
                           Text()};
  appendFieldLines(out, s.structure.fields);
  appendClosing(out);
  return out;
}

std::vector<Text> newListStructureText(const ListToolsState& s) {
  std::vector<Text> out = {
      Text(),
      U" -----------------------",
      U" Struktur der CSV-Liste ",
      U" -----------------------",
      Text(),
      U" Datei = \"newfile.csv\"",
      U" Separator = " + separatorShown(s.settings.separator),
      U" Datenfelder = " + intToText(static_cast<long long>(s.newList.fields.size())),
      U" Datensätze  = 0",
      U" Schulnoten  = " + Text(s.structure.gradesMode ? U"ja" : U"nein"),
      Text()};
  appendFieldLines(out, s.newList.fields);
  appendClosing(out);
  return out;
}

}  // namespace korvale
