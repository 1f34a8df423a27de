#include "classeditor/seating_plan.h"

#include <algorithm>

#include "base/text_routines.h"

namespace korvale {

void CanvasMeasure::use(const FontChoice& font) {
  canvas_.setFontFamily(font.name);
  canvas_.setFont(font.size, font.bold);
}

int CanvasMeasure::textWidth(const Text& text, const FontChoice& font) {
  use(font);
  return canvas_.textWidth(text);
}

int CanvasMeasure::lineHeight(const FontChoice& font) {
  use(font);
  return canvas_.textHeight(U"Ag");
}

std::vector<Text> wrapText(const Text& text, int width, TextMeasure& measure,
                           const FontChoice& font) {
  std::vector<Text> lines;
  for (const Text& paragraph : splitLines(text)) {
    // Blanks stay where they are, a leading one included, so every word keeps its place.
    Text line;
    std::size_t start = 0;
    while (true) {
      const std::size_t end = std::min(paragraph.find(U' ', start), paragraph.size());
      const Text word = paragraph.substr(start, end - start);
      if (start == 0) {
        line = word;
      } else if (Text longer = line + U' ' + word;
                 trim(line).empty() || measure.textWidth(longer, font) <= width) {
        line = std::move(longer);
      } else {
        lines.push_back(std::move(line));
        line = word;
      }
      if (end == paragraph.size()) break;
      start = end + 1;
    }
    lines.push_back(std::move(line));
  }
  if (lines.empty()) lines.emplace_back();
  return lines;
}

SeatingPlan::SeatingPlan(int pixelWidth, int pixelHeight)
    : pixelWidth_(pixelWidth),
      pixelHeight_(pixelHeight),
      columnWidth_(std::max(1, (pixelWidth - kFrame) / kMaxSize)),
      defaultRowHeight_(std::max(1, (pixelHeight - kFrame) / kMaxSize)) {
  rowHeights_.fill(defaultRowHeight_);
}

int SeatingPlan::rowHeight(int row) const {
  return row >= 0 && row < kMaxSize ? rowHeights_[static_cast<std::size_t>(row)]
                                    : defaultRowHeight_;
}

void SeatingPlan::clearCells() {
  cells_ = TextGrid(kMaxSize, kMaxSize);
}

void SeatingPlan::resize(int columns, int rows) {
  columns_ = std::clamp(columns, 1, kMaxSize);
  rows_ = std::clamp(rows, 1, kMaxSize);
  columnWidth_ = std::max(1, (pixelWidth_ - kFrame) / columns_);
  rowHeights_.fill(defaultRowHeight_);
}

void SeatingPlan::growRowsToWrappedTexts(TextMeasure& measure) {
  const int textWidth = columnWidth_ - 2 * kTextInset;
  const int lineHeight = measure.lineHeight(font_);
  for (int column = 0; column < columns_; ++column) {
    for (int row = 0; row < rows_; ++row) {
      const Text& text = cell(column, row);
      if (text.empty()) continue;
      const int lines = static_cast<int>(wrapText(text, textWidth, measure, font_).size());
      int& height = rowHeights_[static_cast<std::size_t>(row)];
      height = std::max(height, lines * lineHeight + 2 * kTextInset);
    }
  }
}

TextGrid SeatingPlan::shownCells() const {
  TextGrid shown(columns_, rows_);
  for (int row = 0; row < rows_; ++row)
    for (int column = 0; column < columns_; ++column) shown.setCell(column, row, cell(column, row));
  return shown;
}

std::vector<Text> SeatingPlan::cellLines(int column, int row, TextMeasure& measure) const {
  const Text& text = cell(column, row);
  if (!wordWrap_ || text.empty()) return {text};
  return wrapText(text, columnWidth_ - 2 * kTextInset, measure, font_);
}

Text transferredName(const Text& marked, NameOrder order) {
  const std::size_t blank = marked.find(U' ');
  if (blank == Text::npos) return marked;
  const Text surname = upperAscii(marked.substr(0, blank));
  const Text rest = marked.substr(blank + 1);
  return order == NameOrder::SurnameFirst ? U" " + surname + U" " + rest
                                          : U" " + rest + U" " + surname;
}

}  // namespace korvale
