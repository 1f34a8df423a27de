#include "ui/ports/text_editor.h"

#include <algorithm>

#include "base/text_routines.h"

namespace korvale {

std::vector<Text> readLines(const TextEditor& editor) {
  return editor.richText().lines();
}

std::vector<Text> TextEditor::lines() const {
  std::vector<Text> out;
  const int n = lineCount();
  out.reserve(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) out.push_back(line(i));
  return out;
}

Text TextEditor::plainText() const {
  return joinLines(lines(), U"\n");
}

void TextEditor::setLines(const std::vector<Text>& lines) {
  setRichText(RichText::fromLines(lines, typingFormat()));
}

void TextEditor::setPlainText(const Text& text) {
  setRichText(RichText::plain(text, typingFormat()));
}

void TextEditor::clear() {
  setRichText(RichText());
}

TextPos TextEditor::endPos() const {
  const int n = lineCount();
  if (n == 0) return {0, 0};
  return {n - 1, static_cast<int>(line(n - 1).size())};
}

void TextEditor::setLine(int index, const Text& text) {
  if (index < 0 || index >= lineCount()) return;
  replaceRange({index, 0}, {index, static_cast<int>(line(index).size())}, text);
}

void TextEditor::insertLine(int index, const Text& text) {
  const int n = lineCount();
  if (index >= n) {
    appendLine(text);
  } else {
    replaceRange({std::max(index, 0), 0}, {std::max(index, 0), 0}, text + U"\n");
  }
}

void TextEditor::appendLine(const Text& text) {
  // An empty text has no lines, so a first empty line cannot be told from no line at all.
  if (lineCount() == 0) {
    replaceRange({0, 0}, {0, 0}, text);
    return;
  }
  const TextPos end = endPos();
  replaceRange(end, end, U"\n" + text);
}

void TextEditor::deleteLine(int index) {
  const int n = lineCount();
  if (index < 0 || index >= n) return;
  if (n == 1) {
    clear();
  } else if (index < n - 1) {
    replaceRange({index, 0}, {index + 1, 0}, Text());
  } else {
    const int prevLength = static_cast<int>(line(index - 1).size());
    replaceRange({index - 1, prevLength}, {index, static_cast<int>(line(index).size())}, Text());
  }
}

Text TextEditor::textBetween(TextPos from, TextPos to) const {
  if (to < from) std::swap(from, to);
  Text out;
  for (int l = from.line; l <= to.line && l < lineCount(); ++l) {
    const Text text = line(l);
    const auto b = static_cast<std::size_t>(l == from.line ? std::max(from.column, 0) : 0);
    const std::size_t e =
        l == to.line ? std::min(static_cast<std::size_t>(std::max(to.column, 0)), text.size())
                     : text.size();
    if (l > from.line) out += '\n';
    if (b < e) out += text.substr(b, e - b);
  }
  return out;
}

Text TextEditor::markedText() const {
  return textBetween(markStart(), markEnd());
}

void TextEditor::replaceMarked(const Text& text) {
  const TextPos from = markStart();
  replaceRange(from, markEnd(), text);
}

void TextEditor::formatAll(const CharFormat& format) {
  applyFormat({0, 0}, endPos(), format);
  setTypingFormat(format);
}

std::optional<TextPos> TextEditor::find(const Text& pattern, TextPos from, bool matchCase) const {
  if (pattern.empty()) return std::nullopt;
  const Text needle = matchCase ? pattern : foldCase(pattern);
  const Text all = matchCase ? plainText() : foldCase(plainText());
  const RichText positions = RichText::plain(all, CharFormat());
  const std::size_t p = all.find(needle, positions.offsetOf(from));
  if (p == Text::npos) return std::nullopt;
  return positions.posOf(p);
}

}  // namespace korvale
