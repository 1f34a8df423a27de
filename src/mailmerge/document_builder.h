// Building a long formatted document piece by piece, and the line clean-ups of the letters.
#pragma once

#include <cstddef>

#include "base/text.h"
#include "ui/ports/rich_text.h"

namespace korvale {

// Appends text with its format in constant time per piece (RichText::append normalises the
// whole document on each call, which a preview of thousands of letters cannot afford).
class DocumentBuilder {
 public:
  void reserve(std::size_t characters) { doc_.text.reserve(characters); }
  void append(TextView text, const CharFormat& format);
  void appendRuns(TextView text, const std::vector<FormatRun>& runs);
  void setAlignment(int line, Alignment alignment);

  // The 0-based line that the next character goes into.
  int currentLine() const { return lineBreaks_; }
  bool empty() const { return doc_.text.empty(); }
  // Format of the last character; `fallback` for an empty document.
  const CharFormat& lastFormat(const CharFormat& fallback) const;

  // The finished document, normalised.
  RichText take();

 private:
  RichText doc_;
  int lineBreaks_ = 0;
};

// Every pair of consecutive line breaks becomes one, pairs taken left to right without
// overlapping (three breaks become two). The line that a removed break ended loses its
// alignment; the formats of the remaining characters stay.
void collapseDoubleLineBreaks(RichText& doc);

// Removes the lines at the end that hold only blanks and control characters.
void dropTrailingBlankLines(RichText& doc);

}  // namespace korvale
