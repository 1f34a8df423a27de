// A canvas that records what is drawn on it, for tests of charts. Text is measured as 7 pixels
// per character and 13 pixels high.
#pragma once

#include <vector>

#include "ui/ports/canvas.h"

namespace korvale {

struct CanvasOp {
  enum class Kind { Clear, Rectangle, Ellipse, Pie, Line, Pixel, FloodFill, Text };
  Kind kind = Kind::Clear;
  // Rectangle, Ellipse: left, top, right, bottom; Pie: the box, then from.x, from.y, to.x,
  // to.y; Line: from.x, from.y, to.x, to.y; Pixel, FloodFill, Text: x, y.
  std::vector<int> args;
  Color color = 0;  // Clear, Pixel: the colour; FloodFill: the fill colour
  Text text;
  // The pen, brush and font in force.
  Color penColor = kBlack;
  int penWidth = 1;
  PenStyle penStyle = PenStyle::Solid;
  Color brushColor = kWhite;
  BrushStyle brushStyle = BrushStyle::Solid;
  bool bold = false;
};

class RecordingCanvas : public Canvas {
 public:
  explicit RecordingCanvas(int width = 428, int height = 428) : width_(width), height_(height) {}

  int width() const override { return width_; }
  int height() const override { return height_; }
  void clear(Color color) override { add(CanvasOp::Kind::Clear, {}).color = color; }
  void resize(int width, int height) override {
    width_ = width;
    height_ = height;
  }
  void setPen(Color color, int width, PenStyle style) override {
    state_.penColor = color;
    state_.penWidth = width;
    state_.penStyle = style;
  }
  void setBrush(Color color, BrushStyle style) override {
    state_.brushColor = color;
    state_.brushStyle = style;
  }
  void setFont(int, bool bold) override { state_.bold = bold; }
  void setFontFamily(const Text&) override {}
  void rectangle(int left, int top, int right, int bottom) override {
    add(CanvasOp::Kind::Rectangle, {left, top, right, bottom});
  }
  void ellipse(int left, int top, int right, int bottom) override {
    add(CanvasOp::Kind::Ellipse, {left, top, right, bottom});
  }
  void pie(int left, int top, int right, int bottom, Point from, Point to) override {
    add(CanvasOp::Kind::Pie, {left, top, right, bottom, from.x, from.y, to.x, to.y});
  }
  void line(Point from, Point to) override {
    add(CanvasOp::Kind::Line, {from.x, from.y, to.x, to.y});
  }
  void setPixel(Point at, Color color) override {
    add(CanvasOp::Kind::Pixel, {at.x, at.y}).color = color;
  }
  void floodFill(Point at, Color fill, Color) override {
    add(CanvasOp::Kind::FloodFill, {at.x, at.y}).color = fill;
  }
  void text(Point at, const Text& text) override {
    add(CanvasOp::Kind::Text, {at.x, at.y}).text = text;
  }
  int textWidth(const Text& text) override { return 7 * static_cast<int>(text.size()); }
  int textHeight(const Text&) override { return 13; }

  std::vector<CanvasOp> ops;

  std::vector<CanvasOp> all(CanvasOp::Kind kind) const {
    std::vector<CanvasOp> out;
    for (const CanvasOp& op : ops)
      if (op.kind == kind) out.push_back(op);
    return out;
  }
  // The text drawn with exactly this content; nullptr when there is none.
  const CanvasOp* findText(const Text& text) const {
    for (const CanvasOp& op : ops)
      if (op.kind == CanvasOp::Kind::Text && op.text == text) return &op;
    return nullptr;
  }

 private:
  CanvasOp& add(CanvasOp::Kind kind, std::vector<int> args) {
    CanvasOp op = state_;
    op.kind = kind;
    op.args = std::move(args);
    ops.push_back(op);
    return ops.back();
  }

  int width_;
  int height_;
  CanvasOp state_;
};

}  // namespace korvale
