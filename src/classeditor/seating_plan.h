// The seating plan: up to 8 x 8 text cells with their column widths and row heights. The cells
// are kept for the largest plan, so narrowing the plan hides texts and widening shows them again.
#pragma once

#include <array>
#include <vector>

#include "base/text.h"
#include "classeditor/grid_file.h"
#include "ui/ports/canvas.h"
#include "ui/ports/dialogs.h"

namespace korvale {

// How wide and high the plan's font draws a text; the window measures with the real font.
class TextMeasure {
 public:
  virtual ~TextMeasure() = default;
  virtual int textWidth(const Text& text, const FontChoice& font) = 0;
  virtual int lineHeight(const FontChoice& font) = 0;
};

// Measures on a drawing surface in the font asked for; the surface keeps that font afterwards.
class CanvasMeasure : public TextMeasure {
 public:
  explicit CanvasMeasure(Canvas& canvas) : canvas_(canvas) {}
  int textWidth(const Text& text, const FontChoice& font) override;
  int lineHeight(const FontChoice& font) override;
  void use(const FontChoice& font);

 private:
  Canvas& canvas_;
};

// The lines a text takes when it is wrapped at blanks within `width`; a word wider than that
// keeps a line of its own.
std::vector<Text> wrapText(const Text& text, int width, TextMeasure& measure,
                           const FontChoice& font);

class SeatingPlan {
 public:
  static constexpr int kMaxSize = GridFile_u::kMaxDimension;
  // Room the grid's frame and lines take from its pixel size.
  static constexpr int kFrame = 24;
  // Between a cell's edge and its text.
  static constexpr int kTextInset = 2;

  // The pixel size of the plan on the screen; the default row height stays fixed from here on.
  SeatingPlan(int pixelWidth, int pixelHeight);

  int columns() const { return columns_; }
  int rows() const { return rows_; }
  int pixelWidth() const { return pixelWidth_; }
  int pixelHeight() const { return pixelHeight_; }
  int columnWidth() const { return columnWidth_; }
  int defaultRowHeight() const { return defaultRowHeight_; }
  int rowHeight(int row) const;

  // Cells outside the shown rectangle keep their texts; they read as stored.
  bool shows(int column, int row) const {
    return column >= 0 && row >= 0 && column < columns_ && row < rows_;
  }
  const Text& cell(int column, int row) const { return cells_.cell(column, row); }
  void setCell(int column, int row, Text text) { cells_.setCell(column, row, std::move(text)); }
  void clearCells();

  // New counts (1 ... 8): the column width follows them, every row returns to the default height.
  void resize(int columns, int rows);
  void setColumns(int columns) { resize(columns, rows_); }
  void setRows(int rows) { resize(columns_, rows); }

  bool wordWrap() const { return wordWrap_; }
  void setWordWrap(bool on) { wordWrap_ = on; }
  // Rows grow to the wrapped height of their texts; they never shrink here.
  void growRowsToWrappedTexts(TextMeasure& measure);

  const FontChoice& font() const { return font_; }
  void setFont(const FontChoice& font) { font_ = font; }

  // The shown rectangle as the grid file stores it, and the stored cells put back: the caller
  // sizes the plan first, stored cells outside it are passed over.
  TextGrid shownCells() const;
  TextGrid& allCells() { return cells_; }

  // The lines a cell shows: wrapped within the cell when word wrap is on, else one line.
  std::vector<Text> cellLines(int column, int row, TextMeasure& measure) const;

 private:
  int pixelWidth_;
  int pixelHeight_;
  int columns_ = kMaxSize;
  int rows_ = kMaxSize;
  int columnWidth_;
  int defaultRowHeight_;
  std::array<int, kMaxSize> rowHeights_{};
  bool wordWrap_ = false;
  FontChoice font_{U"Times New Roman", 10, true, false};
  TextGrid cells_{kMaxSize, kMaxSize};
};

enum class NameOrder { SurnameFirst, FirstNameFirst };

// What a marked line of the list becomes in a cell: " HUBER Anna" or " Anna HUBER" for
// "Huber Anna" (only ASCII letters of the surname in capitals, the first blank separates); a
// text without a blank goes in unchanged.
Text transferredName(const Text& marked, NameOrder order);

}  // namespace korvale
