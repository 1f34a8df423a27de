#include "ui/ports/rich_text.h"

#include <algorithm>

#include "base/text_routines.h"

namespace korvale {

RichText RichText::plain(const Text& text, const CharFormat& format) {
  RichText rt;
  rt.text = text;
  if (!text.empty()) rt.runs.push_back({text.size(), format});
  return rt;
}

RichText RichText::fromLines(const std::vector<Text>& lines, const CharFormat& format) {
  return plain(joinLines(lines, "\n"), format);
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
  const int firstLine = posOf(offset).line;
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
    const auto addedBreaks = std::count(newText.begin(), newText.end(), '\n');
    const Alignment keep = alignmentOf(firstLine);
    auto first = alignments.begin() + std::min<std::ptrdiff_t>(firstLine + 1, alignments.size());
    auto last = first + std::min<std::ptrdiff_t>(removedBreaks, alignments.end() - first);
    alignments.erase(first, last);
    first = alignments.begin() + std::min<std::ptrdiff_t>(firstLine + 1, alignments.size());
    alignments.insert(first, static_cast<std::size_t>(addedBreaks), keep);
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

}  // namespace korvale
