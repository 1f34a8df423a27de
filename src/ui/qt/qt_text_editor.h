// The editor port on a QTextEdit.
#pragma once

#include <QTextEdit>
#include <memory>

#include "ui/ports/text_editor.h"

namespace korvale {

class QtTextEditor : public TextEditor {
 public:
  QtTextEditor();
  ~QtTextEditor() override;

  // The widget; the window that shows the editor takes it into its layout.
  QTextEdit* widget() const { return edit_; }

  RichText richText() const override;
  void setRichText(const RichText& content) override;
  int lineCount() const override;
  Text line(int index) const override;
  void replaceRange(TextPos from, TextPos to, const Text& text) override;
  void applyFormat(TextPos from, TextPos to, const CharFormat& format) override;
  CharFormat formatAt(TextPos pos) const override;
  CharFormat typingFormat() const override { return typing_; }
  void setTypingFormat(const CharFormat& format) override;
  TextPos caret() const override;
  TextPos anchor() const override;
  void setSelection(TextPos anchor, TextPos caret) override;
  bool readOnly() const override;
  void setReadOnly(bool readOnly) override;
  bool canUndo() const override;
  void undo() override;

  // Shows the text `zoom` times as large as its point sizes, as the window's controls are shown
  // larger on a larger screen; the port reads and writes the sizes themselves, so saving,
  // printing and copying keep them.
  void setZoom(double zoom);

 private:
  int position(TextPos pos) const;
  TextPos posOf(int position) const;

  QTextEdit* edit_;  // deleted with the window that shows it, or with this port
  QMetaObject::Connection watch_;
  CharFormat typing_;
  double zoom_ = 1.0;
};

}  // namespace korvale
