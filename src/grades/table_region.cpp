#include "grades/table_region.h"

#include <algorithm>

#include "base/text_routines.h"
#include "csvlist/table_text.h"

namespace korvale {

void setFontKeepingStyle(TextEditor& editor, TextPos from, TextPos to, const Text& font, int size) {
  const RichText content = editor.richText();
  const std::size_t begin = content.offsetOf(from);
  const std::size_t end = content.offsetOf(to);
  std::size_t offset = 0;
  for (const FormatRun& run : content.runs) {
    const std::size_t runEnd = offset + run.length;
    const std::size_t a = std::max(offset, begin);
    const std::size_t b = std::min(runEnd, end);
    if (a < b) {
      CharFormat format = run.format;
      format.font = font;
      format.size = size;
      editor.applyFormat(content.posOf(a), content.posOf(b), format);
    }
    offset = runEnd;
    if (offset >= end) break;
  }
}

TableRegion prepareTableRegion(TextEditor& editor, int fontSize) {
  const RichText content = editor.richText();
  const std::size_t marker = content.text.find('#');
  TableRegion region;
  TextPos regionEnd = editor.endPos();
  std::size_t regionLength = content.text.size();
  if (marker != Text::npos) {
    const TextPos markerPos = content.posOf(marker);
    editor.replaceRange(content.posOf(marker + 1), editor.endPos(), Text());
    regionEnd = markerPos;
    regionLength = marker;
    region.markerLine = markerPos.line;
  }
  region.lines = splitLines(content.text.substr(0, regionLength));
  setFontKeepingStyle(editor, {0, 0}, regionEnd, U"Courier New", fontSize);
  editor.mark({0, 0}, regionEnd);
  return region;
}

int appendOutput(TextEditor& editor, TableRegion& region, const std::vector<Text>& lines,
                 int fontSize) {
  if (region.markerLine < 0) {
    const TextPos end = editor.endPos();
    editor.replaceRange(end, end, editor.isEmpty() ? kEndMarker : U"\n" + kEndMarker);
    region.markerLine = editor.lineCount() - 1;
  }
  const int first = editor.lineCount();
  if (lines.empty()) return first;
  const TextPos end = editor.endPos();
  editor.replaceRange(end, end, U"\n" + joinLines(lines, U"\n"));
  editor.applyFormat({first, 0}, editor.endPos(), tableFormat(fontSize));
  return first;
}

void insertOutput(TextEditor& editor, int at, const std::vector<Text>& lines, int fontSize) {
  if (lines.empty()) return;
  const int count = editor.lineCount();
  if (at >= count) {
    const TextPos end = editor.endPos();
    editor.replaceRange(end, end, U"\n" + joinLines(lines, U"\n"));
  } else {
    editor.replaceRange({at, 0}, {at, 0}, joinLines(lines, U"\n") + U"\n");
  }
  const int last = at + static_cast<int>(lines.size()) - 1;
  editor.applyFormat({at, 0}, {last, static_cast<int>(lines.back().size())}, tableFormat(fontSize));
}

}  // namespace korvale
