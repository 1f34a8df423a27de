#include "ui/ports/rich_text.h"

#include <algorithm>
#include <utility>

#include "base/text_routines.h"

namespace korvale {

RichText RichText::plain(Text text, const CharFormat& format) {
  RichText rt;
  rt.text = std::move(text);
  if (!rt.text.empty()) rt.runs.push_back({rt.text.size(), format});
  return rt;
}

RichText RichText::fromLines(const std::vector<Text>& lines, const CharFormat& format) {
  return plain(joinLines(lines, U"\n"), format);
}

std::vector<Text> RichText::lines() const {
  std::vector<Text> out;
  if (text.empty()) return out;
  std::size_t start = 0;
  while (true) {
    const std::size_t p = text.find('\n', start);
    if (p == Text::npos) {
      out.push_back(text.substr(start));
      break;
    }
    out.push_back(text.substr(start, p - start));
    start = p + 1;
  }
  return out;
}

int RichText::lineCount() const {
  if (text.empty()) return 0;
  return static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
}

CharFormat RichText::formatAt(std::size_t offset) const {
  std::size_t start = 0;
  for (const auto& run : runs) {
    if (offset < start + run.length) return run.format;
    start += run.length;
  }
  return runs.empty() ? CharFormat() : runs.back().format;
}

namespace {
// Splits the runs so that a run boundary falls at `offset`; returns the index of the run that
// starts there (runs.size() at the end).
std::size_t splitAt(std::vector<FormatRun>& runs, std::size_t offset) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < runs.size(); ++i) {
    if (offset == start) return i;
    if (offset < start + runs[i].length) {
      FormatRun tail{start + runs[i].length - offset, runs[i].format};
      runs[i].length = offset - start;
      runs.insert(runs.begin() + static_cast<std::ptrdiff_t>(i) + 1, tail);
      return i + 1;
    }
    start += runs[i].length;
  }
  return runs.size();
}
}  // namespace

void RichText::replace(std::size_t offset, std::size_t length, const Text& newText,
                       const CharFormat& format) {
  normalize(format);
  offset = std::min(offset, text.size());
  length = std::min(length, text.size() - offset);
  // Where the range starts matters only to the alignments, which plain text does not have.
  const TextPos start = alignments.empty() ? TextPos{} : posOf(offset);
  const int firstLine = start.line;
  const bool startsLine = start.column == 0;
  const auto removedBreaks =
      std::count(text.begin() + static_cast<std::ptrdiff_t>(offset),
                 text.begin() + static_cast<std::ptrdiff_t>(offset + length), '\n');
  const std::size_t from = splitAt(runs, offset);
  const std::size_t to = splitAt(runs, offset + length);
  runs.erase(runs.begin() + static_cast<std::ptrdiff_t>(from),
             runs.begin() + static_cast<std::ptrdiff_t>(to));
  if (!newText.empty())
    runs.insert(runs.begin() + static_cast<std::ptrdiff_t>(from), {newText.size(), format});
  text.replace(offset, length, newText);
  if (!alignments.empty()) {
    const auto addedBreaks =
        static_cast<std::size_t>(std::count(newText.begin(), newText.end(), '\n'));
    const auto first = static_cast<std::size_t>(firstLine);
    const auto removed = static_cast<std::size_t>(removedBreaks);
    alignments.resize(std::max(alignments.size(), first + removed + 1), Alignment::Left);
    // A range that starts at a line's start removes that line's own text: the line that the
    // range ends in survives, with its alignment.
    const Alignment keep = alignments[startsLine ? first + removed : first];
    const auto at = alignments.begin() + static_cast<std::ptrdiff_t>(first);
    alignments.erase(at + 1, at + 1 + static_cast<std::ptrdiff_t>(removed));
    alignments[first] = keep;
    alignments.insert(alignments.begin() + static_cast<std::ptrdiff_t>(first) + 1, addedBreaks,
                      keep);
  }
  normalize(format);
}

void RichText::applyFormat(std::size_t offset, std::size_t length, const CharFormat& format) {
  normalize(format);
  offset = std::min(offset, text.size());
  length = std::min(length, text.size() - offset);
  if (length == 0) return;
  const std::size_t from = splitAt(runs, offset);
  const std::size_t to = splitAt(runs, offset + length);
  for (std::size_t i = from; i < to; ++i) runs[i].format = format;
  normalize(format);
}

void RichText::normalize(const CharFormat& fallback) {
  std::size_t covered = 0;
  std::vector<FormatRun> merged;
  for (const auto& run : runs) {
    if (run.length == 0 || covered >= text.size()) continue;
    const std::size_t len = std::min(run.length, text.size() - covered);
    if (!merged.empty() && merged.back().format == run.format) {
      merged.back().length += len;
    } else {
      merged.push_back({len, run.format});
    }
    covered += len;
  }
  if (covered < text.size()) {
    const CharFormat last = merged.empty() ? fallback : merged.back().format;
    if (!merged.empty() && merged.back().format == last)
      merged.back().length += text.size() - covered;
    else
      merged.push_back({text.size() - covered, last});
  }
  runs = std::move(merged);
  if (alignments.empty()) return;  // the usual case, and no need to count the lines
  const auto lineTotal = static_cast<std::size_t>(lineCount());
  if (alignments.size() > lineTotal) alignments.resize(lineTotal);
  while (!alignments.empty() && alignments.back() == Alignment::Left) alignments.pop_back();
}

RichText RichText::slice(std::size_t offset, std::size_t length) const {
  RichText part;
  offset = std::min(offset, text.size());
  length = std::min(length, text.size() - offset);
  part.text = text.substr(offset, length);
  std::size_t start = 0;
  for (const auto& run : runs) {
    const std::size_t end = start + run.length;
    const std::size_t from = std::max(start, offset);
    const std::size_t to = std::min(end, offset + length);
    if (from < to) part.runs.push_back({to - from, run.format});
    start = end;
  }
  // Counting lines from the start costs a pass over the text; plain left text needs none.
  if (!alignments.empty()) {
    const int firstLine = posOf(offset).line;
    for (int line = 0; line < part.lineCount(); ++line)
      part.setAlignment(line, alignmentOf(firstLine + line));
  }
  part.normalize(formatAt(offset));
  return part;
}

void RichText::insert(std::size_t offset, const RichText& other) {
  if (other.text.empty()) return;
  RichText piece = other;
  piece.normalize();
  normalize(piece.runs.front().format);
  offset = std::min(offset, text.size());
  const TextPos at = posOf(offset);
  const std::size_t lineStart = offset - static_cast<std::size_t>(at.column);
  const bool lineWasEmpty = lineStart == text.size() || text[lineStart] == '\n';

  std::vector<Alignment> merged;
  if (!alignments.empty() || !piece.alignments.empty()) {
    for (int line = 0; line < at.line; ++line) merged.push_back(alignmentOf(line));
    merged.push_back(lineWasEmpty ? piece.alignmentOf(0) : alignmentOf(at.line));
    for (int line = 1; line < piece.lineCount(); ++line) merged.push_back(piece.alignmentOf(line));
    for (int line = at.line + 1; line < lineCount(); ++line) merged.push_back(alignmentOf(line));
  }

  const std::size_t index = splitAt(runs, offset);
  runs.insert(runs.begin() + static_cast<std::ptrdiff_t>(index), piece.runs.begin(),
              piece.runs.end());
  text.insert(offset, piece.text);
  alignments = std::move(merged);
  normalize();
}

std::size_t RichText::offsetOf(TextPos pos) const {
  std::size_t offset = 0;
  for (int line = 0; line < pos.line; ++line) {
    const std::size_t p = text.find('\n', offset);
    if (p == Text::npos) return text.size();
    offset = p + 1;
  }
  std::size_t end = text.find('\n', offset);
  if (end == Text::npos) end = text.size();
  return std::min(offset + static_cast<std::size_t>(std::max(pos.column, 0)), end);
}

TextPos RichText::posOf(std::size_t offset) const {
  offset = std::min(offset, text.size());
  TextPos pos;
  std::size_t lineStart = 0;
  for (std::size_t i = 0; i < offset; ++i) {
    if (text[i] == '\n') {
      ++pos.line;
      lineStart = i + 1;
    }
  }
  pos.column = static_cast<int>(offset - lineStart);
  return pos;
}

Alignment RichText::alignmentOf(int line) const {
  if (line < 0 || static_cast<std::size_t>(line) >= alignments.size()) return Alignment::Left;
  return alignments[static_cast<std::size_t>(line)];
}

void RichText::setAlignment(int line, Alignment alignment) {
  if (line < 0) return;
  const auto index = static_cast<std::size_t>(line);
  if (index >= alignments.size()) {
    if (alignment == Alignment::Left) return;
    alignments.resize(index + 1, Alignment::Left);
  }
  alignments[index] = alignment;
}

}  // namespace korvale
