// The clipboard: formatted text in and out.
#pragma once

#include "ui/ports/rich_text.h"

namespace korvale {

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  virtual void setText(const RichText& text) = 0;
  // What another program put there arrives as plain text.
  virtual RichText text() const = 0;
  virtual void clear() = 0;
};

// A clipboard of the program's own, for the tests and the script runner.
class MemoryClipboard : public Clipboard {
 public:
  void setText(const RichText& text) override { text_ = text; }
  RichText text() const override { return text_; }
  void clear() override { text_ = RichText(); }

 private:
  RichText text_;
};

}  // namespace korvale
