// The chart canvas on a QImage: shapes drawn with QPainter, without antialiasing, so that flood
// fills find exact borders. Sizes and positions are the window's pixels; the image holds as
// many of the screen's pixels as its device pixel ratio asks, so the chart stays sharp.
#pragma once

#include <QFont>
#include <QImage>
#include <QPen>

#include "base/path.h"
#include "ui/ports/canvas.h"

namespace korvale {

class QtCanvas : public Canvas {
 public:
  explicit QtCanvas(int width = 428, int height = 428, double pixelRatio = 1.0);

  const QImage& image() const { return image_; }
  // Writes the image as a PNG file; false when it could not be written.
  bool savePng(const Path& path) const;

  int width() const override { return width_; }
  int height() const override { return height_; }
  void clear(Color color) override;
  void resize(int width, int height) override;
  void setPen(Color color, int width, PenStyle style) override;
  void setBrush(Color color, BrushStyle style) override;
  void setFont(int size, bool bold) override;
  void setFontFamily(const Text& family) override;
  void rectangle(int left, int top, int right, int bottom) override;
  void ellipse(int left, int top, int right, int bottom) override;
  void pie(int left, int top, int right, int bottom, Point from, Point to) override;
  void line(Point from, Point to) override;
  void setPixel(Point at, Color color) override;
  void floodFill(Point at, Color fill, Color border) override;
  void text(Point at, const Text& text) override;
  int textWidth(const Text& text) override;
  int textHeight(const Text& text) override;
  const void* nativeImage() const override { return &image_; }

 private:
  // The image's pixels under a window pixel.
  QRect physical(int x, int y, int width, int height) const;

  double ratio_;
  int width_;
  int height_;
  QImage image_;
  QPen pen_;
  QBrush brush_;
  QFont font_;
};

// The image of a surface drawn by a QtCanvas; nullptr for any other.
inline const QImage* imageOf(const Canvas* canvas) {
  return canvas == nullptr ? nullptr : static_cast<const QImage*>(canvas->nativeImage());
}

}  // namespace korvale
