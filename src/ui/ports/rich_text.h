// A formatted document: cp1252 text with character-format runs, shared by the editors, the RTF
// reader and writer and printing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/text.h"

namespace korvale {

struct CharFormat {
  Text font = U"Arial";
  int size = 14;  // points
  bool bold = false;
  bool italic = false;
  bool underline = false;
  std::uint32_t color = 0;  // 0xRRGGBB

  bool operator==(const CharFormat&) const = default;
};

enum class Alignment { Left, Center, Right, Justify };

// A stretch of `length` characters (line breaks included) in one format.
struct FormatRun {
  std::size_t length = 0;
  CharFormat format;

  bool operator==(const FormatRun&) const = default;
};

// A position in a text: 0-based line and 0-based column (characters before it in the line).
struct TextPos {
  int line = 0;
  int column = 0;

  auto operator<=>(const TextPos&) const = default;
};

struct RichText {
  Text text;                          // lines separated by '\n', no final line break
  std::vector<FormatRun> runs;        // consecutive, covering the whole text
  std::vector<Alignment> alignments;  // one per line; missing entries are Left

  bool operator==(const RichText&) const = default;

  // Taken by value: a list read from a file is megabytes of characters, moved rather than copied.
  static RichText plain(Text text, const CharFormat& format);
  static RichText fromLines(const std::vector<Text>& lines, const CharFormat& format);

  std::vector<Text> lines() const;
  int lineCount() const;

  // Format of the character at an offset (the last format for the end of the text).
  CharFormat formatAt(std::size_t offset) const;
  // Replaces `length` characters at `offset`; the new text takes `format`.
  void replace(std::size_t offset, std::size_t length, const Text& newText,
               const CharFormat& format);
  void applyFormat(std::size_t offset, std::size_t length, const CharFormat& format);
  // Merges neighbouring runs of equal format and drops empty ones; makes the runs cover the
  // text (a text without runs gets `fallback`). Alignments past the last line and trailing Left
  // entries are dropped, so equal documents compare equal.
  void normalize(const CharFormat& fallback = CharFormat());

  // The characters [offset, offset + length) with their formats and the alignments of the lines
  // they touch.
  RichText slice(std::size_t offset, std::size_t length) const;
  // Inserts a formatted text. The line at `offset` keeps its alignment unless it was empty; the
  // lines that `other` starts take other's alignments.
  void insert(std::size_t offset, const RichText& other);
  void append(const RichText& other) { insert(text.size(), other); }

  std::size_t offsetOf(TextPos pos) const;
  TextPos posOf(std::size_t offset) const;
  Alignment alignmentOf(int line) const;
  void setAlignment(int line, Alignment alignment);
};

}  // namespace korvale
