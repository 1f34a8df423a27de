// A live text control: lines, a caret, a marked range and character formats. Lines and columns
// count from 0 here; windows show them counted from 1.
#pragma once

#include <optional>
#include <vector>

#include "base/text.h"
#include "ui/ports/rich_text.h"

namespace korvale {

class TextEditor {
 public:
  virtual ~TextEditor() = default;

  // --- primitives each implementation provides ---
  virtual RichText richText() const = 0;
  virtual void setRichText(const RichText& content) = 0;
  virtual int lineCount() const = 0;
  virtual Text line(int index) const = 0;
  // Replaces the text between two positions; the new text takes the typing format.
  virtual void replaceRange(TextPos from, TextPos to, const Text& text) = 0;
  virtual void applyFormat(TextPos from, TextPos to, const CharFormat& format) = 0;
  virtual CharFormat formatAt(TextPos pos) const = 0;
  virtual CharFormat typingFormat() const = 0;
  virtual void setTypingFormat(const CharFormat& format) = 0;

  // The caret is the moving end of the marked range; anchor == caret means nothing is marked.
  virtual TextPos caret() const = 0;
  virtual TextPos anchor() const = 0;
  virtual void setSelection(TextPos anchor, TextPos caret) = 0;

  virtual bool readOnly() const = 0;
  virtual void setReadOnly(bool readOnly) = 0;
  virtual bool canUndo() const = 0;
  virtual void undo() = 0;

  // --- conveniences built on the primitives ---
  std::vector<Text> lines() const;
  Text plainText() const;  // lines joined with '\n'
  // Replaces the whole text; it takes the typing format.
  void setLines(const std::vector<Text>& lines);
  void setPlainText(const Text& text);
  void clear();
  bool isEmpty() const { return lineCount() == 0; }
  void setLine(int index, const Text& text);
  void insertLine(int index, const Text& text);
  void appendLine(const Text& text);
  void deleteLine(int index);
  TextPos endPos() const;

  void setCaret(TextPos pos) { setSelection(pos, pos); }
  void mark(TextPos from, TextPos to) { setSelection(from, to); }
  void markAll() { setSelection({0, 0}, endPos()); }
  bool hasMarked() const { return anchor() != caret(); }
  TextPos markStart() const { return std::min(anchor(), caret()); }
  TextPos markEnd() const { return std::max(anchor(), caret()); }
  // Marked text with '\n' between lines.
  Text markedText() const;
  Text textBetween(TextPos from, TextPos to) const;
  void replaceMarked(const Text& text);
  void formatAll(const CharFormat& format);

  // The first match at or after `from`, comparing letters without their case when asked.
  std::optional<TextPos> find(const Text& pattern, TextPos from, bool matchCase) const;
};

// The editor's lines, read in one pass over its text: an editor that finds each line by
// scanning from the start would make reading line by line quadratic in the text's size.
std::vector<Text> readLines(const TextEditor& editor);

}  // namespace korvale
