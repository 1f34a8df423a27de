#include "listtools/column_fields.h"

#include <algorithm>

#include "base/numbers.h"
#include "base/text_routines.h"
#include "listtools/list_files.h"
#include "listtools/list_text.h"
#include "listtools/structure.h"

namespace korvale {

bool columnOperationReady(const ListToolsContext& c) {
  return listCommandsFree(c.state) && !c.listView.isEmpty();
}

std::optional<int> askColumn(ListToolsContext& c, const Text& title, int highest) {
  // Cancel ends the operation: taking the default would change the current column unasked.
  const auto answer = c.dialogs.input(title, U"Nummer der Spalte 1 <= X <= " + intToText(highest),
                                      intToText(c.state.view.currentColumn));
  if (!answer) return std::nullopt;
  const std::optional<int> column = readWholeNumber(*answer);
  if (!column || *column < 1 || *column > highest) {
    c.dialogs.message(U"Abbruch: Falsche Spaltennummer !");
    return std::nullopt;
  }
  return column;
}

std::optional<int> askNumber(ListToolsContext& c, const Text& title, const Text& prompt,
                             const Text& defaultText, int lowest, int highest,
                             const Text& refusal) {
  const auto answer = c.dialogs.input(title, prompt, defaultText);
  if (!answer) return std::nullopt;
  const std::optional<int> number = readWholeNumber(trim(*answer));
  if (!number || *number < lowest || *number > highest) {
    c.dialogs.message(refusal);
    return std::nullopt;
  }
  return number;
}

bool askQuestion(ListToolsContext& c, const Text& text) {
  return c.dialogs.question(U"Frage", text, Icon::Question);
}

std::optional<FieldSpan> fieldSpan(const Text& line, char32_t separator, int field) {
  if (field < 1 || line.empty()) return std::nullopt;
  std::size_t start = 0;
  for (int k = 1; k < field; ++k) {
    const std::size_t p = line.find(separator, start);
    if (p == Text::npos) return std::nullopt;
    start = p + 1;
  }
  const std::size_t p = line.find(separator, start);
  if (p == Text::npos && start == line.size()) return std::nullopt;
  return FieldSpan{start, p == Text::npos ? line.size() : p};
}

Text fieldText(const Text& line, char32_t separator, int field) {
  const auto span = fieldSpan(line, separator, field);
  return span ? line.substr(span->start, span->end - span->start) : Text();
}

Text withField(const Text& line, char32_t separator, int field, const Text& value) {
  const auto span = fieldSpan(line, separator, field);
  if (!span) return line;
  return line.substr(0, span->start) + value + line.substr(span->end);
}

Text withoutField(const Text& line, char32_t separator, int field) {
  const auto span = fieldSpan(line, separator, field);
  if (!span) return line;
  if (span->end < line.size()) return line.substr(0, span->start) + line.substr(span->end + 1);
  return line.substr(0, span->start > 0 ? span->start - 1 : 0) +
         (span->start > 0 ? Text(1, separator) : Text());
}

Text withInsertedField(const Text& line, char32_t separator, int field, const Text& value) {
  std::vector<Text> fields = splitFields(line, separator);
  const auto at = static_cast<std::size_t>(field - 1);
  if (fields.size() < at) fields.resize(at);
  fields.insert(fields.begin() + static_cast<std::ptrdiff_t>(at), value);
  return joinFields(fields, separator);
}

namespace {

// Where a place in the list view stands once it shows `lines`, as setRecordLines keeps it.
TextPos inside(const std::vector<Text>& lines, TextPos p) {
  const int last = std::max(static_cast<int>(lines.size()) - 1, 0);
  p.line = std::clamp(p.line, 0, last);
  const auto line = static_cast<std::size_t>(p.line);
  p.column =
      std::clamp(p.column, 0, line < lines.size() ? static_cast<int>(lines[line].size()) : 0);
  return p;
}

}  // namespace

void reexpand(ListToolsContext& c) {
  if (!columnOperationReady(c)) return;
  showReexpanded(c, recordLines(c));
}

void showReexpanded(ListToolsContext& c, std::vector<Text> lines) {
  // One empty line is no text at all in the list view.
  if (!listCommandsFree(c.state) || lines.empty() || (lines.size() == 1 && lines[0].empty())) {
    setRecordLines(c, lines);
    return;
  }
  const char32_t separator = c.state.settings.separator;
  BusyCursor busy(c.cursor);
  // The work is done on the lines in hand; the caret and the mark end where showing each step
  // would have put them: on the compressed lines at the latest, which are the shortest.
  TextPos anchor = inside(lines, c.listView.anchor());
  TextPos caret = inside(lines, c.listView.caret());
  compressRecords(lines, separator);
  anchor = inside(lines, anchor);
  caret = inside(lines, caret);
  analyseStructure(c, lines);
  expandRecords(lines, separator, Text());
  showRecordLines(c, lines, anchor, caret);
  if (analyseStructure(c, lines)) setRecordLines(c, lines);
}

void CaretMemory::restore(ListToolsContext& c) const {
  goTo(c, at_.column + 1, at_.line + 1);
}

}  // namespace korvale
