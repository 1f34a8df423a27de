#include "mailmerge/letter_template.h"

#include <algorithm>
#include <optional>

#include "base/numbers.h"
#include "base/text_routines.h"
#include "formula/evaluator.h"

namespace korvale {

namespace {

bool isDigit(char32_t c) {
  return c >= '0' && c <= '9';
}

struct Placeholder {
  bool isName = false;
  int number = 0;
  std::size_t length = 0;
};

// The placeholder that starts at `at`, if one does; numbers beyond the field count are text.
std::optional<Placeholder> placeholderAt(const Text& text, std::size_t at, int fieldCount) {
  if (text[at] != '<' || at + 3 >= text.size()) return std::nullopt;
  const char32_t kind = text[at + 1] & ~char32_t{0x20};  // ASCII upper case
  if (kind != 'F' && kind != 'N') return std::nullopt;
  std::size_t end = at + 2;
  if (text[end] == '0') return std::nullopt;
  long long number = 0;
  while (end < text.size() && isDigit(text[end])) {
    number = number * 10 + static_cast<int>(text[end] - '0');
    if (number > fieldCount) return std::nullopt;
    ++end;
  }
  if (end == at + 2 || end >= text.size() || text[end] != '>') return std::nullopt;
  return Placeholder{kind == 'N', static_cast<int>(number), end + 1 - at};
}

std::vector<FormatRun> runsOf(const RichText& doc, std::size_t offset, std::size_t length) {
  std::vector<FormatRun> out;
  std::size_t start = 0;
  for (const FormatRun& run : doc.runs) {
    const std::size_t end = start + run.length;
    const std::size_t from = std::max(start, offset);
    const std::size_t to = std::min(end, offset + length);
    if (from < to) out.push_back({to - from, run.format});
    if (end >= offset + length) break;
    start = end;
  }
  return out;
}

}  // namespace

Text computedFieldText(const Text& content, const VariableTable& variables) {
  int code = kFormulaMalformed;
  const double value = EvaluateFormula(content, code, variables);
  if (code > 3) return U"Error";
  return trim(formatFixed(value, 8, 2));
}

LetterTemplate::LetterTemplate(const RichText& doc, int fieldCount) : doc_(doc) {
  doc_.normalize();
  const Text& text = doc_.text;
  const std::size_t open = text.find('{');
  const std::size_t close = text.find('}');
  const bool computed = open != Text::npos && close != Text::npos && close > open;

  std::size_t literalStart = 0;
  for (std::size_t i = 0; i < text.size();) {
    if (computed && (i == open || i == close)) {
      addLiteral(literalStart, i - literalStart);
      (i == open ? openPiece_ : closePiece_) = pieces_.size();
      addLiteral(i, 1);
      literalStart = ++i;
      continue;
    }
    const auto placeholder = placeholderAt(text, i, fieldCount);
    if (!placeholder) {
      ++i;
      continue;
    }
    addLiteral(literalStart, i - literalStart);
    Piece piece;
    piece.kind = placeholder->isName ? Piece::Kind::Name : Piece::Kind::Field;
    piece.offset = i;
    piece.length = placeholder->length;
    piece.number = placeholder->number;
    // The value takes the format of the placeholder's first character, as a replaced selection
    // takes the format of its start.
    piece.runs = {{0, doc_.formatAt(i)}};
    pieces_.push_back(std::move(piece));
    i += placeholder->length;
    literalStart = i;
  }
  addLiteral(literalStart, text.size() - literalStart);
}

void LetterTemplate::addLiteral(std::size_t offset, std::size_t length) {
  if (length == 0) return;
  Piece piece;
  piece.offset = offset;
  piece.length = length;
  piece.runs = runsOf(doc_, offset, length);
  pieces_.push_back(std::move(piece));
}

TextView LetterTemplate::pieceText(const Piece& piece, const std::vector<Text>& values,
                                   const std::vector<Text>& names) const {
  const auto index = static_cast<std::size_t>(piece.number - 1);
  switch (piece.kind) {
    case Piece::Kind::Field:
      return index < values.size() ? TextView(values[index]) : TextView();
    case Piece::Kind::Name:
      return index < names.size() ? TextView(names[index]) : TextView();
    case Piece::Kind::Literal:
      break;
  }
  return TextView(doc_.text).substr(piece.offset, piece.length);
}

void LetterTemplate::appendCopy(DocumentBuilder& out, const std::vector<Text>& values,
                                const std::vector<Text>& names,
                                const VariableTable& variables) const {
  const int firstLine = out.currentLine();
  for (std::size_t i = 0; i < pieces_.size(); ++i) {
    if (i == openPiece_) {
      Text content;
      for (std::size_t k = openPiece_ + 1; k < closePiece_; ++k)
        content.append(pieceText(pieces_[k], values, names));
      if (!content.empty()) {
        out.append(computedFieldText(content, variables), pieces_[i].runs.front().format);
        i = closePiece_;
        continue;
      }
    }
    const Piece& piece = pieces_[i];
    if (piece.kind == Piece::Kind::Literal)
      out.appendRuns(pieceText(piece, values, names), piece.runs);
    else
      out.append(pieceText(piece, values, names), piece.runs.front().format);
  }
  // Values hold no line breaks, so every line of the copy is the template's line.
  for (std::size_t line = 0; line < doc_.alignments.size(); ++line)
    out.setAlignment(firstLine + static_cast<int>(line), doc_.alignments[line]);
}

}  // namespace korvale
