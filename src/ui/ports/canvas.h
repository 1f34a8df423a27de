// A drawing surface for charts: pen, brush and font state, shapes, pixels, flood fill and text.
// Coordinates are pixels, y pointing down. Rectangles and ellipses take the corners
// (left, top) and (right, bottom) with the right and bottom edges just outside the shape.
#pragma once

#include <cstdint>

#include "base/text.h"

namespace korvale {

using Color = std::uint32_t;  // 0xRRGGBB

constexpr Color rgb(int r, int g, int b) {
  return (static_cast<Color>(r & 0xFF) << 16) | (static_cast<Color>(g & 0xFF) << 8) |
         static_cast<Color>(b & 0xFF);
}

inline constexpr Color kBlack = 0x000000;
inline constexpr Color kWhite = 0xFFFFFF;
inline constexpr Color kRed = 0xFF0000;
inline constexpr Color kBlue = 0x0000FF;
// The light yellow of tooltips, on which charts are drawn.
inline constexpr Color kTooltipBackground = 0xFFFFE1;

enum class PenStyle { Solid, Dot };
enum class BrushStyle { Solid, Clear };

struct Point {
  int x = 0;
  int y = 0;

  bool operator==(const Point&) const = default;
};

class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual int width() const = 0;
  virtual int height() const = 0;

  // Fills the whole surface; pen and brush stay.
  virtual void clear(Color color) = 0;
  // A new surface of that size, white; pen, brush and font stay.
  virtual void resize(int width, int height) = 0;

  virtual void setPen(Color color, int width, PenStyle style) = 0;
  virtual void setBrush(Color color, BrushStyle style) = 0;
  // A size of 0 keeps the surface's default size.
  virtual void setFont(int size, bool bold) = 0;
  // An empty family is the surface's default one.
  virtual void setFontFamily(const Text& family) = 0;

  // Outlined with the pen, filled with the brush.
  virtual void rectangle(int left, int top, int right, int bottom) = 0;
  virtual void ellipse(int left, int top, int right, int bottom) = 0;
  // The sector of the ellipse in the box that runs counter-clockwise from the ray through
  // `from` to the ray through `to`; equal rays give the whole ellipse.
  virtual void pie(int left, int top, int right, int bottom, Point from, Point to) = 0;
  virtual void line(Point from, Point to) = 0;
  virtual void setPixel(Point at, Color color) = 0;
  // Fills the area around `at` that is bounded by pixels of `border` colour.
  virtual void floodFill(Point at, Color fill, Color border) = 0;

  // Text in black with its top-left corner at `at`, without a background.
  virtual void text(Point at, const Text& text) = 0;
  virtual int textWidth(const Text& text) = 0;
  virtual int textHeight(const Text& text) = 0;

  // The toolkit's own image behind the surface, for its views and printer; nullptr for a surface
  // of another kind.
  virtual const void* nativeImage() const { return nullptr; }
};

}  // namespace korvale
