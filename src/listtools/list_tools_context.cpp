#include "listtools/list_tools_context.h"

#include <algorithm>

#include "csvlist/table_text.h"

namespace korvale {

std::vector<Text> recordLines(const ListToolsContext& c) {
  return readLines(c.listView);
}

void setRecordLines(ListToolsContext& c, const std::vector<Text>& lines) {
  showRecordLines(c, lines, c.listView.anchor(), c.listView.caret());
}

void showRecordLines(ListToolsContext& c, const std::vector<Text>& lines, TextPos anchor,
                     TextPos caret) {
  c.listView.setLines(lines);
  const int last = std::max(c.listView.lineCount() - 1, 0);
  auto inside = [&](TextPos p) {
    p.line = std::clamp(p.line, 0, last);
    p.column = std::clamp(p.column, 0, static_cast<int>(c.listView.line(p.line).size()));
    return p;
  };
  c.listView.setSelection(inside(anchor), inside(caret));
}

void takeBackup(ListToolsContext& c) {
  takeBackup(c, recordLines(c));
}

void takeBackup(ListToolsContext& c, std::vector<Text> records) {
  c.state.list.backup = std::move(records);
  c.state.list.backupSeparator = c.state.settings.separator;
}

CharFormat listFormat(const ListSettings& settings) {
  CharFormat format;
  format.font = U"Courier New";
  format.size = settings.fontSize;
  format.bold = true;
  return format;
}

}  // namespace korvale
