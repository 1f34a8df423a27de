// The editor port kept in memory, for tests of controllers.
#pragma once

#include <vector>

#include "ui/ports/text_editor.h"

namespace korvale {

class MemoryTextEditor : public TextEditor {
 public:
  RichText richText() const override { return content_; }
  void setRichText(const RichText& content) override;
  int lineCount() const override;
  Text line(int index) const override;
  void replaceRange(TextPos from, TextPos to, const Text& text) override;
  void applyFormat(TextPos from, TextPos to, const CharFormat& format) override;
  CharFormat formatAt(TextPos pos) const override;
  CharFormat typingFormat() const override { return typing_; }
  void setTypingFormat(const CharFormat& format) override { typing_ = format; }
  TextPos caret() const override { return caret_; }
  TextPos anchor() const override { return anchor_; }
  void setSelection(TextPos anchor, TextPos caret) override;
  bool readOnly() const override { return readOnly_; }
  void setReadOnly(bool readOnly) override { readOnly_ = readOnly; }
  bool canUndo() const override { return !undo_.empty(); }
  void undo() override;

 private:
  TextPos clamp(TextPos pos) const;
  void remember();
  // Offsets where the lines start, rebuilt after a change, so reading all lines stays linear.
  const std::vector<std::size_t>& lineStarts() const;

  RichText content_;
  CharFormat typing_;
  TextPos caret_;
  TextPos anchor_;
  bool readOnly_ = false;
  std::vector<RichText> undo_;
  mutable std::vector<std::size_t> lineStarts_;
  mutable bool lineStartsValid_ = false;
};

}  // namespace korvale
