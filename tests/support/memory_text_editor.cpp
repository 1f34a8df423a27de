#include "support/memory_text_editor.h"

#include <algorithm>

namespace korvale {

void MemoryTextEditor::setRichText(const RichText& content) {
  remember();
  content_ = content;
  content_.normalize(typing_);
  caret_ = anchor_ = {0, 0};
}

const std::vector<std::size_t>& MemoryTextEditor::lineStarts() const {
  if (!lineStartsValid_) {
    lineStarts_.clear();
    if (!content_.text.empty()) {
      lineStarts_.push_back(0);
      for (std::size_t i = 0; i < content_.text.size(); ++i)
        if (content_.text[i] == '\n') lineStarts_.push_back(i + 1);
    }
    lineStartsValid_ = true;
  }
  return lineStarts_;
}

int MemoryTextEditor::lineCount() const {
  return static_cast<int>(lineStarts().size());
}

Text MemoryTextEditor::line(int index) const {
  if (index < 0 || index >= lineCount()) return Text();
  const std::size_t b = lineStarts()[static_cast<std::size_t>(index)];
  std::size_t e = content_.text.find('\n', b);
  if (e == Text::npos) e = content_.text.size();
  return content_.text.substr(b, e - b);
}

TextPos MemoryTextEditor::clamp(TextPos pos) const {
  return content_.posOf(content_.offsetOf({std::max(pos.line, 0), std::max(pos.column, 0)}));
}

void MemoryTextEditor::replaceRange(TextPos from, TextPos to, const Text& text) {
  remember();
  if (to < from) std::swap(from, to);
  const std::size_t b = content_.offsetOf(from);
  const std::size_t e = content_.offsetOf(to);
  content_.replace(b, e - b, text, typing_);
  caret_ = anchor_ = content_.posOf(b + text.size());
}

void MemoryTextEditor::applyFormat(TextPos from, TextPos to, const CharFormat& format) {
  if (to < from) std::swap(from, to);
  const std::size_t b = content_.offsetOf(from);
  content_.applyFormat(b, content_.offsetOf(to) - b, format);
}

CharFormat MemoryTextEditor::formatAt(TextPos pos) const {
  if (content_.runs.empty()) return typing_;
  return content_.formatAt(content_.offsetOf(pos));
}

void MemoryTextEditor::setSelection(TextPos anchor, TextPos caret) {
  anchor_ = clamp(anchor);
  caret_ = clamp(caret);
}

void MemoryTextEditor::remember() {
  lineStartsValid_ = false;
  undo_.push_back(content_);
  if (undo_.size() > 20) undo_.erase(undo_.begin());
}

void MemoryTextEditor::undo() {
  if (undo_.empty()) return;
  content_ = undo_.back();
  undo_.pop_back();
  lineStartsValid_ = false;
  caret_ = anchor_ = {0, 0};
}

}  // namespace korvale
