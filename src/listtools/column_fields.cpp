#include "listtools/column_fields.h"

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

void reexpand(ListToolsContext& c) {
  if (!columnOperationReady(c)) return;
  const char32_t separator = c.state.settings.separator;
  BusyCursor busy(c.cursor);
  std::vector<Text> lines = recordLines(c);
  compressRecords(lines, separator);
  setRecordLines(c, lines);
  analyseStructure(c);
  lines = recordLines(c);
  expandRecords(lines, separator, Text());
  setRecordLines(c, lines);
  analyseStructure(c);
}

void CaretMemory::restore(ListToolsContext& c) const {
  goTo(c, at_.column + 1, at_.line + 1);
}

}  // namespace korvale
