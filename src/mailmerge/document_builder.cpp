#include "mailmerge/document_builder.h"

#include <algorithm>

#include "base/text_routines.h"

namespace korvale {

void DocumentBuilder::append(TextView text, const CharFormat& format) {
  if (text.empty()) return;
  doc_.text.append(text);
  lineBreaks_ += static_cast<int>(std::count(text.begin(), text.end(), '\n'));
  if (!doc_.runs.empty() && doc_.runs.back().format == format)
    doc_.runs.back().length += text.size();
  else
    doc_.runs.push_back({text.size(), format});
}

void DocumentBuilder::appendRuns(TextView text, const std::vector<FormatRun>& runs) {
  std::size_t at = 0;
  for (const FormatRun& run : runs) {
    if (at >= text.size()) break;
    const std::size_t length = std::min(run.length, text.size() - at);
    append(text.substr(at, length), run.format);
    at += length;
  }
}

void DocumentBuilder::setAlignment(int line, Alignment alignment) {
  doc_.setAlignment(line, alignment);
}

const CharFormat& DocumentBuilder::lastFormat(const CharFormat& fallback) const {
  return doc_.runs.empty() ? fallback : doc_.runs.back().format;
}

RichText DocumentBuilder::take() {
  RichText out = std::move(doc_);
  out.normalize();
  doc_ = RichText();
  lineBreaks_ = 0;
  return out;
}

void collapseDoubleLineBreaks(RichText& doc) {
  doc.normalize();
  const Text& text = doc.text;
  Text kept;
  kept.reserve(text.size());
  std::vector<FormatRun> runs;
  std::vector<Alignment> alignments;
  const bool aligned = !doc.alignments.empty();

  std::size_t runIndex = 0;
  std::size_t runLeft = doc.runs.empty() ? 0 : doc.runs[0].length;
  int line = 0;               // line of text[i] in the original
  bool breakPending = false;  // text[i - 1] was a break that starts a pair
  if (aligned) alignments.push_back(doc.alignmentOf(0));
  for (std::size_t i = 0; i < text.size(); ++i) {
    while (runLeft == 0 && runIndex + 1 < doc.runs.size()) runLeft = doc.runs[++runIndex].length;
    const bool isBreak = text[i] == '\n';
    const bool drop = isBreak && breakPending;
    breakPending = isBreak && !breakPending;
    if (!drop) {
      kept += text[i];
      if (!doc.runs.empty()) {
        const CharFormat& format = doc.runs[runIndex].format;
        if (!runs.empty() && runs.back().format == format)
          ++runs.back().length;
        else
          runs.push_back({1, format});
      }
    }
    if (runLeft > 0) --runLeft;
    if (isBreak) {
      ++line;
      // A dropped break joins the empty line it ended to the next one, which keeps its own
      // alignment.
      if (aligned) {
        if (drop) alignments.pop_back();
        alignments.push_back(doc.alignmentOf(line));
      }
    }
  }
  doc.text = std::move(kept);
  doc.runs = std::move(runs);
  doc.alignments = std::move(alignments);
  doc.normalize();
}

void dropTrailingBlankLines(RichText& doc) {
  std::size_t end = doc.text.size();
  std::size_t lineStart = doc.text.rfind('\n', end == 0 ? 0 : end - 1);
  while (true) {
    const std::size_t from = lineStart == Text::npos ? 0 : lineStart + 1;
    const bool blank = std::all_of(doc.text.begin() + static_cast<std::ptrdiff_t>(from),
                                   doc.text.begin() + static_cast<std::ptrdiff_t>(end),
                                   [](char c) { return isTrimmable(c); });
    if (!blank) break;
    if (lineStart == Text::npos) {
      end = 0;
      break;
    }
    end = lineStart;
    lineStart = end == 0 ? Text::npos : doc.text.rfind('\n', end - 1);
  }
  if (end == doc.text.size()) return;
  doc.text.resize(end);
  doc.normalize();
}

}  // namespace korvale
