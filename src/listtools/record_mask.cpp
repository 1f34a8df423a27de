#include "listtools/record_mask.h"

#include <algorithm>

#include "base/numbers.h"
#include "base/text_routines.h"
#include "listtools/list_text.h"
#include "listtools/projection.h"
#include "listtools/structure.h"

namespace korvale {

namespace {

const Text kWriteFirst = U"Zuerst neuen Datensatz schreiben !";

void buildRows(ListToolsContext& c) {
  RecordMask& m = c.state.mask;
  m.built = true;
  m.edits.assign(static_cast<std::size_t>(c.state.structure.fieldCount()), Text());
}

void focusFirstEdit(ListToolsContext& c) {
  c.state.view.focus = listfocus::maskEdit(1);
}

}  // namespace

bool waitingForWrite(ListToolsContext& c) {
  if (!c.state.mask.recordPending && !c.state.mask.entry) return false;
  c.dialogs.message(kWriteFirst);
  return true;
}

Text maskCaption(const ListStructure& structure, int field) {
  return U"[" + intToText(field) + U"] " + structure.field(field).name;
}

Text formatMaskValue(const Text& edit, const ListField& field, char32_t separator) {
  const Text value = trim(removeCharacter(edit, separator));
  const int length = field.length;
  if (field.type == 'T') return padRight(value, std::max(length, static_cast<int>(value.size())));
  const Text number = trim(formatFixed(leadingNumber(value), length, field.type == 'N' ? 2 : 0));
  return padLeft(number, std::max(length, static_cast<int>(number.size())));
}

void showRecord(ListToolsContext& c, int index) {
  RecordMask& m = c.state.mask;
  const int n = c.state.structure.fieldCount();
  m.edits.assign(static_cast<std::size_t>(n), Text());
  const std::vector<Text> fields = splitFields(c.listView.line(index), c.state.settings.separator);
  m.current = index;
  // A projection on one field shows that field alone, in its own row.
  if (const int projected = projectedField(c.state)) {
    if (projected <= n && !fields.empty())
      m.edits[static_cast<std::size_t>(projected - 1)] = trim(fields.front());
    c.state.list.headerStrip = c.state.projection.header;
    c.state.view.focus = listfocus::maskEdit(projected);
    return;
  }
  for (int k = 0; k < n && k < static_cast<int>(fields.size()); ++k)
    m.edits[static_cast<std::size_t>(k)] = trim(fields[static_cast<std::size_t>(k)]);
  focusFirstEdit(c);
}

void editRecord(ListToolsContext& c) {
  ListToolsState& s = c.state;
  if (s.mask.shown || s.structure.fieldCount() == 0) return;
  if (s.projection.active) {
    if (projectedField(s) == 0) return;
    s.projection.edited = true;
  }
  if (!s.mask.built) buildRows(c);
  if (c.listView.isEmpty()) {
    s.mask.shown = s.mask.entry = true;
    s.view.locked = true;
    std::fill(s.mask.edits.begin(), s.mask.edits.end(), Text());
    focusFirstEdit(c);
    return;
  }
  const int line = c.listView.caret().line;
  if (line >= c.listView.lineCount()) {
    goTo(c, 1, 1);
    return;
  }
  s.mask.shown = true;
  showRecord(c, line);
}

void maskNavigate(ListToolsContext& c, MaskStep step) {
  if (waitingForWrite(c)) return;
  const int last = std::max(c.listView.lineCount() - 1, 0);
  int& current = c.state.mask.current;
  switch (step) {
    case MaskStep::First:
      current = 0;
      break;
    case MaskStep::Previous:
      current = std::max(current - 1, 0);
      break;
    case MaskStep::Next:
      current = std::min(current + 1, last);
      break;
    case MaskStep::Last:
      current = last;
      break;
  }
  c.listView.setCaret({current, 0});
  showRecord(c, current);
}

void startNewRecord(ListToolsContext& c) {
  ListToolsState& s = c.state;
  if (!s.mask.built) buildRows(c);
  s.mask.shown = true;
  s.mask.edits.assign(static_cast<std::size_t>(s.structure.fieldCount()), Text());
  c.listView.appendLine(U" ");
  const int lines = c.listView.lineCount();
  s.structure.recordCount = lines;
  s.mask.current = lines;
  c.listView.setCaret({lines - 1, 0});
  focusFirstEdit(c);
  s.mask.recordPending = true;
  s.mask.entry = false;
}

void maskNew(ListToolsContext& c) {
  ListToolsState& s = c.state;
  if (s.projection.active) {
    c.dialogs.message(U" Bei <View> gesperrt !");
    return;
  }
  if (c.listView.lineCount() >= kMaxAppendLines) return;
  if (s.mask.recordPending) {
    c.dialogs.message(kWriteFirst);
    focusFirstEdit(c);
    return;
  }
  startNewRecord(c);
}

void maskWrite(ListToolsContext& c) {
  ListToolsState& s = c.state;
  RecordMask& m = s.mask;
  if (m.entry) {
    c.dialogs.message(U"Zuerst <New> ausführen !");
    return;
  }
  if (std::all_of(m.edits.begin(), m.edits.end(), [](const Text& e) { return trim(e).empty(); })) {
    c.dialogs.message(U"Leere Records sind NICHT erlaubt !");
    focusFirstEdit(c);
    return;
  }
  if (m.recordPending) --m.current;
  if (const int projected = projectedField(s)) {
    // The list view shows the one field; the structure still describes the full records.
    const char32_t sep = s.settings.separator;
    const auto i = static_cast<std::size_t>(projected - 1);
    c.listView.setLine(m.current, formatMaskValue(i < m.edits.size() ? m.edits[i] : Text(),
                                                  s.structure.field(projected), sep) +
                                      sep);
    const int next = std::min(m.current + 1, c.listView.lineCount() - 1);
    c.listView.setCaret({next, 0});
    showRecord(c, next);
    return;
  }

  // The field lengths must fit the list as it stands now.
  analyseStructure(c);
  const char32_t sep = s.settings.separator;
  std::vector<Text> values;
  std::vector<int> widened;  // fields whose value is longer than the field
  for (int k = 1; k <= s.structure.fieldCount(); ++k) {
    const auto i = static_cast<std::size_t>(k - 1);
    const ListField& field = s.structure.field(k);
    values.push_back(formatMaskValue(i < m.edits.size() ? m.edits[i] : Text(), field, sep));
    if (static_cast<int>(values.back().size()) > field.length) widened.push_back(k);
  }
  if (widened.empty()) {
    c.listView.setLine(m.current, joinFields(values, sep));
  } else {
    // A value is never cut to its field: the field grows in every record, so the columns stay
    // in line.
    std::vector<Text> lines = recordLines(c);
    if (m.current < static_cast<int>(lines.size()))
      lines[static_cast<std::size_t>(m.current)] = joinFields(values, sep);
    for (int k : widened) {
      const auto i = static_cast<std::size_t>(k - 1);
      const ListField& field = s.structure.field(k);
      widenField(lines, k, static_cast<int>(values[i].size()), field.type != 'T', sep);
      if (s.newList.mode && i < s.newList.fields.size())
        s.newList.fields[i].length = static_cast<int>(values[i].size());
    }
    setRecordLines(c, lines);
  }
  if (m.recordPending || !widened.empty()) analyseStructure(c);
  if (m.recordPending) takeBackup(c);
  m.recordPending = false;
  focusFirstEdit(c);
}

void maskExit(ListToolsContext& c) {
  ListToolsState& s = c.state;
  if (waitingForWrite(c)) {
    focusFirstEdit(c);
    return;
  }
  s.mask.shown = false;
  std::vector<Text> lines = recordLines(c);
  const std::size_t before = lines.size();
  std::erase_if(lines, [](const Text& line) { return trim(line).empty(); });
  if (lines.size() != before) setRecordLines(c, lines);
  if (s.newList.mode) {
    s.list.present = true;
    analyseStructure(c);
    s.newList.mode = false;
    s.structure.recordCount = c.listView.lineCount();
    refreshCountLabel(c);
  } else if (lines.size() != before) {
    analyseStructure(c);
  }
  goTo(c, 1, s.mask.current + 1);
}

void maskEnter(ListToolsContext& c, int field) {
  c.state.view.focus =
      field < c.state.structure.fieldCount() ? listfocus::maskEdit(field + 1) : "maskWrite";
}

}  // namespace korvale
