#include "listtools/projection.h"

#include "base/numbers.h"
#include "base/text_routines.h"
#include "listtools/column_fields.h"
#include "listtools/list_text.h"
#include "listtools/structure.h"

namespace korvale {

namespace {

void startProjection(ListToolsContext& c) {
  ListToolsState& s = c.state;
  Projection& p = s.projection;
  const char32_t separator = s.settings.separator;
  p.fields.clear();
  const std::vector<Text> full = recordLines(c);
  s.structure.recordCount = static_cast<int>(full.size());
  takeBackup(c, full);
  const auto count = static_cast<int>(splitFields(s.list.headerEditor, separator).size());
  Text fullList;
  for (int k = 1; k <= count; ++k) fullList += (k > 1 ? U"," : U"") + intToText(k);
  const auto answer = c.dialogs.input(U" Projektion auf Feldnummern 0,1, ... ", Text(), fullList);
  if (!answer) return;
  const Text entry = trim(*answer);
  // An entry that is no list of whole numbers shows no field at all.
  for (const Text& piece : plainSplit(endsWith(entry, U",") ? entry : entry + U",", U',')) {
    const auto field = readWholeNumber(trim(piece));
    if (!field) {
      p.fields.clear();
      break;
    }
    p.fields.push_back(*field);
  }
  for (const int field : p.fields) {
    if (field < 1 || field > count) {
      c.dialogs.message(U"Abbruch: Falsche Feldnummer !");
      p.reset();
      return;
    }
  }
  p.active = true;

  std::vector<Text> lines;
  lines.reserve(full.size());
  std::vector<std::size_t> separators;
  for (const Text& record : full) {
    // Each record is searched for its separators once, not once for every field.
    separators.clear();
    for (std::size_t i = 0; i < record.size(); ++i)
      if (record[i] == separator) separators.push_back(i);
    Text line;
    for (const int field : p.fields) {
      const ListField& f = s.structure.field(field);
      const auto k = static_cast<std::size_t>(field - 1);
      Text value;
      if (k == 0 || k - 1 < separators.size()) {
        const std::size_t start = k == 0 ? 0 : separators[k - 1] + 1;
        const std::size_t end = k < separators.size() ? separators[k] : record.size();
        value = record.substr(start, end - start);
      }
      line += (f.type == 'T' ? padRight(value, f.length) : padLeft(value, f.length)) + separator;
    }
    lines.push_back(std::move(line));
  }
  p.header.clear();
  for (const int field : p.fields)
    p.header += fieldText(s.list.headerStrip, separator, field) + separator;
  s.list.headerStrip = p.header;
  if (entry != fullList) {
    setRecordLines(c, lines);
    c.dialogs.message(
        U"Bei Datenprojektionen ist nur die Operation <Print> möglich.\r"
        U"Die Datenprojektionen werden mit <View> wieder aufgehoben.");
    goTo(c, 1, 1);
    return;
  }
  p.reset();
  showReexpanded(c, std::move(lines));
}

void endProjection(ListToolsContext& c) {
  ListToolsState& s = c.state;
  Projection& p = s.projection;
  const char32_t separator = s.settings.separator;
  std::vector<Text> lines = s.list.backup;
  if (p.edited && !p.fields.empty()) {
    const std::vector<Text> shown = recordLines(c);
    for (std::size_t i = 0; i < lines.size() && i < shown.size(); ++i) {
      const Text& value = shown[i];
      lines[i] = withField(
          lines[i], separator, p.fields.front(),
          endsWith(value, Text(1, separator)) ? value.substr(0, value.size() - 1) : value);
    }
  }
  p.reset();
  showReexpanded(c, std::move(lines));
}

}  // namespace

void toggleProjection(ListToolsContext& c) {
  if (c.state.mask.shown) return;
  if (c.state.projection.active)
    endProjection(c);
  else if (!c.listView.isEmpty())
    startProjection(c);
}

int projectedField(const ListToolsState& s) {
  const Projection& p = s.projection;
  return p.active && p.fields.size() == 1 ? p.fields.front() : 0;
}

}  // namespace korvale
