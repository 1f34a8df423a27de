#include "grades/table_in_editor.h"

#include <algorithm>

#include "csvlist/layout.h"

namespace korvale {

TableFormats currentFormats(const TextEditor& editor) {
  TableFormats formats;
  if (editor.lineCount() == 0) {
    formats.header = formats.body = editor.typingFormat();
    return formats;
  }
  formats.header = editor.formatAt({0, 0});
  formats.body = editor.lineCount() > 1 ? editor.formatAt({1, 0}) : regular(formats.header);
  return formats;
}

void writeTable(TextEditor& editor, const std::vector<Text>& lines, const TableFormats& formats) {
  RichText content;
  std::size_t size = 0;
  for (const Text& line : lines) size += line.size() + 1;
  content.text.reserve(size);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) content.text += '\n';
    content.text += lines[i];
  }
  if (!lines.empty()) {
    // The line break after the header belongs to the body, as an editor formats a new line.
    const std::size_t headerLength = lines.front().size();
    if (headerLength > 0) content.runs.push_back({headerLength, formats.header});
    if (content.text.size() > headerLength)
      content.runs.push_back({content.text.size() - headerLength, formats.body});
  }
  content.normalize(formats.body);
  editor.setRichText(content);
  editor.setCaret({0, 0});
}

void writeTableKeepingCaret(TextEditor& editor, const std::vector<Text>& lines,
                            const TableFormats& formats, TextPos caret) {
  writeTable(editor, lines, formats);
  if (lines.empty()) return;
  const int line = std::clamp(caret.line, 0, static_cast<int>(lines.size()) - 1);
  const int column =
      std::clamp(caret.column, 0, static_cast<int>(lines[static_cast<std::size_t>(line)].size()));
  editor.setCaret({line, column});
}

void rewriteIfChanged(TextEditor& editor, void (*operation)(std::vector<Text>&)) {
  const std::vector<Text> before = readLines(editor);
  std::vector<Text> after = before;
  operation(after);
  if (after != before)
    writeTableKeepingCaret(editor, after, currentFormats(editor), editor.caret());
}

void boldHeaderLine(TextEditor& editor) {
  if (editor.lineCount() == 0) return;
  const int length = static_cast<int>(editor.line(0).size());
  if (length == 0) return;
  CharFormat format = editor.formatAt({0, 0});
  format.bold = true;
  editor.applyFormat({0, 0}, {0, length}, format);
}

bool caretToField(TextEditor& editor, int fieldNumber, char32_t separator) {
  if (editor.lineCount() <= 2) return false;
  const int header = static_cast<int>(editor.line(0).size());
  const int column = std::min(fieldStartColumn(editor.line(2), fieldNumber, separator), header);
  editor.setSelection({0, column}, {0, std::min(column + 1, header)});
  return true;
}

void applyDisplayFormatting(TextEditor& editor, ListState& state, Cursor& cursor, int tableFontSize,
                            bool databaseLoaded) {
  if (editor.isEmpty()) return;
  std::vector<Text> lines = readLines(editor);
  {
    BusyCursor busy(cursor);
    formatDisplayLines(lines, state, databaseLoaded);
  }
  TableFormats formats{tableFormat(tableFontSize), tableFormat(tableFontSize)};
  formats.header.bold = true;
  writeTable(editor, lines, formats);
}

}  // namespace korvale
