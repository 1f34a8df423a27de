// The picture "Drucken T" prints: the plan on the left, the list name and the list on the
// right, laid out as the window shows them.
#include <algorithm>

#include "classeditor/class_commands.h"

namespace korvale {

namespace {

constexpr int kGridLine = 2;
constexpr Color kGridLineColor = 0x808080;

// The design window's list column beside its 784 x 660 plan.
int panelWidth(const SeatingPlan& plan) {
  return plan.pixelWidth() * 209 / 784;
}
int gap(const SeatingPlan& plan) {
  return std::max(4, plan.pixelWidth() * 8 / 784);
}
int nameBoxHeight(const SeatingPlan& plan) {
  return std::max(16, plan.pixelHeight() * 24 / 660);
}

int gridHeight(const SeatingPlan& plan) {
  int height = 0;
  for (int row = 0; row < plan.rows(); ++row) height += plan.rowHeight(row) + kGridLine;
  return height;
}

// As much of the text as fits the width; the canvas does not clip.
Text fitted(Canvas& canvas, Text text, int width) {
  while (!text.empty() && canvas.textWidth(text) > width) text.pop_back();
  return text;
}

void drawLines(Canvas& canvas, const std::vector<Text>& lines, int left, int top, int width,
               int bottom) {
  const int lineHeight = canvas.textHeight(U"Ag");
  for (const Text& line : lines) {
    if (top + lineHeight > bottom) break;
    canvas.text({left, top}, fitted(canvas, line, width));
    top += lineHeight;
  }
}

void drawPlan(Canvas& canvas, const SeatingPlan& plan) {
  const int width = plan.columns() * (plan.columnWidth() + kGridLine);
  const int height = gridHeight(plan);
  canvas.setPen(kGridLineColor, kGridLine, PenStyle::Solid);
  canvas.setBrush(kTooltipBackground, BrushStyle::Solid);
  canvas.rectangle(0, 0, std::max(plan.pixelWidth(), width + kGridLine),
                   std::max(plan.pixelHeight(), height + kGridLine));
  CanvasMeasure measure(canvas);
  measure.use(plan.font());
  int top = kGridLine;
  for (int row = 0; row < plan.rows(); ++row) {
    canvas.line({0, top - 1}, {width, top - 1});
    int left = kGridLine;
    for (int column = 0; column < plan.columns(); ++column) {
      const int inset = SeatingPlan::kTextInset;
      drawLines(canvas, plan.cellLines(column, row, measure), left + inset, top + inset,
                plan.columnWidth() - 2 * inset, top + plan.rowHeight(row));
      left += plan.columnWidth() + kGridLine;
    }
    top += plan.rowHeight(row) + kGridLine;
  }
  canvas.line({0, top - 1}, {width, top - 1});
  for (int column = 0, left = 1; column <= plan.columns(); ++column) {
    canvas.line({left, 0}, {left, height});
    left += plan.columnWidth() + kGridLine;
  }
}

}  // namespace

PictureSize planPictureSize(const SeatingPlan& plan) {
  return {plan.pixelWidth() + gap(plan) + panelWidth(plan),
          std::max(plan.pixelHeight(), gridHeight(plan) + kGridLine)};
}

void drawPlanPicture(Canvas& canvas, const SeatingPlan& plan, const Text& nameBox,
                     const std::vector<Text>& listLines, const FontChoice& listFont) {
  canvas.clear(kWhite);
  drawPlan(canvas, plan);
  const int left = plan.pixelWidth() + gap(plan);
  const int width = panelWidth(plan);
  const int boxHeight = nameBoxHeight(plan);
  const int bottom = planPictureSize(plan).height;
  canvas.setPen(kGridLineColor, 1, PenStyle::Solid);
  canvas.setBrush(kWhite, BrushStyle::Solid);
  canvas.rectangle(left, 0, left + width, boxHeight);
  canvas.rectangle(left, boxHeight + 2, left + width, bottom);
  CanvasMeasure(canvas).use(listFont);
  drawLines(canvas, {nameBox}, left + 4, 3, width - 8, boxHeight);
  drawLines(canvas, listLines, left + 4, boxHeight + 6, width - 8, bottom);
}

}  // namespace korvale
