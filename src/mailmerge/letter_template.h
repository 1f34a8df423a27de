// A letter template taken apart once into literal stretches and placeholders, so that each
// record's copy is put together in one pass over the template. Values are inserted as they
// are: a pupil's note holding "<F1>" or "{" is never filled or evaluated again.
//
// Placeholders, in either case: "<F" + field number + ">" is the record's value of that field,
// "<N" + field number + ">" the field's name; numbers run from 1 to the field count and are
// written without leading zeros. The computed field is the stretch from the first "{" to the
// first "}" of the template; filled, it must hold at least one character, and it is replaced
// by the value of the formula it holds, with two decimals ("Error" after a math error).
#pragma once

#include <cstddef>
#include <vector>

#include "base/text.h"
#include "formula/variable_table.h"
#include "mailmerge/document_builder.h"
#include "ui/ports/rich_text.h"

namespace korvale {

// The text that stands in place of a computed field with the given content.
Text computedFieldText(const Text& content, const VariableTable& variables);

class LetterTemplate {
 public:
  LetterTemplate(const RichText& doc, int fieldCount);

  // Appends one filled copy at the end of `out`, which must be at the start of a line.
  // values[i] and names[i] stand for field i + 1, ready to be inserted (compressed or
  // padded); missing entries are empty.
  void appendCopy(DocumentBuilder& out, const std::vector<Text>& values,
                  const std::vector<Text>& names, const VariableTable& variables) const;

  std::size_t size() const { return doc_.text.size(); }

 private:
  struct Piece {
    enum class Kind { Literal, Field, Name };
    Kind kind = Kind::Literal;
    std::size_t offset = 0;  // in the template
    std::size_t length = 0;
    int number = 0;               // Field, Name: 1-based field number
    std::vector<FormatRun> runs;  // Literal: its formats; otherwise the one the value takes
  };

  void addLiteral(std::size_t offset, std::size_t length);
  TextView pieceText(const Piece& piece, const std::vector<Text>& values,
                     const std::vector<Text>& names) const;

  RichText doc_;
  std::vector<Piece> pieces_;
  // Pieces of the braces of the computed field; both npos when the template has none.
  std::size_t openPiece_ = static_cast<std::size_t>(-1);
  std::size_t closePiece_ = static_cast<std::size_t>(-1);
};

}  // namespace korvale
