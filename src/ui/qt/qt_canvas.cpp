#include "ui/qt/qt_canvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <cmath>
#include <numbers>
#include <vector>

#include "ui/qt/qt_text.h"

namespace korvale {

namespace {

QColor toQColor(Color color) {
  return QColor::fromRgb(static_cast<QRgb>(0xFF000000u | color));
}

// The box of a shape whose right and bottom edges lie just outside it; QPainter outlines a
// rectangle one pixel wider than its size.
QRect box(int left, int top, int right, int bottom) {
  return QRect(left, top, right - left - 1, bottom - top - 1);
}

double degreesOf(Point p, QPointF centre) {
  return std::atan2(-(p.y - centre.y()), p.x - centre.x()) * 180.0 / std::numbers::pi;
}

constexpr int kDefaultFontPixels = 12;

}  // namespace

QtCanvas::QtCanvas(int width, int height, double pixelRatio)
    : ratio_(std::max(pixelRatio, 1.0)), width_(0), height_(0), pen_(Qt::black), brush_(Qt::white) {
  resize(width, height);
  font_.setPixelSize(kDefaultFontPixels);
  pen_.setWidth(1);
}

QRect QtCanvas::physical(int x, int y, int width, int height) const {
  const auto at = [this](int v) { return static_cast<int>(std::floor(v * ratio_)); };
  return QRect(QPoint(at(x), at(y)), QPoint(at(x + width) - 1, at(y + height) - 1));
}

bool QtCanvas::savePng(const Path& path) const {
  return image_.save(pathToQt(path), "PNG");
}

void QtCanvas::clear(Color color) {
  image_.fill(toQColor(color));
}

void QtCanvas::resize(int width, int height) {
  width_ = std::max(width, 1);
  height_ = std::max(height, 1);
  const QRect pixels = physical(0, 0, width_, height_);
  image_ = QImage(pixels.width(), pixels.height(), QImage::Format_RGB32);
  image_.setDevicePixelRatio(ratio_);
  image_.fill(Qt::white);
}

void QtCanvas::setPen(Color color, int width, PenStyle style) {
  pen_ = QPen(toQColor(color));
  pen_.setWidth(std::max(width, 1));
  pen_.setStyle(style == PenStyle::Dot ? Qt::DotLine : Qt::SolidLine);
}

void QtCanvas::setBrush(Color color, BrushStyle style) {
  brush_ = style == BrushStyle::Clear ? QBrush(Qt::NoBrush) : QBrush(toQColor(color));
}

void QtCanvas::setFont(int size, bool bold) {
  // Point sizes at the 96 dots per inch the charts were laid out for.
  font_.setPixelSize(size > 0 ? (size * 96 + 36) / 72 : kDefaultFontPixels);
  font_.setBold(bold);
}

void QtCanvas::setFontFamily(const Text& family) {
  font_.setFamily(family.empty() ? QFont().family() : toQt(family));
}

void QtCanvas::rectangle(int left, int top, int right, int bottom) {
  QPainter p(&image_);
  p.setPen(pen_);
  p.setBrush(brush_);
  p.drawRect(box(left, top, right, bottom));
}

void QtCanvas::ellipse(int left, int top, int right, int bottom) {
  QPainter p(&image_);
  p.setPen(pen_);
  p.setBrush(brush_);
  p.drawEllipse(box(left, top, right, bottom));
}

void QtCanvas::pie(int left, int top, int right, int bottom, Point from, Point to) {
  const QRect r = box(left, top, right, bottom);
  const QPointF centre((left + right) / 2.0, (top + bottom) / 2.0);
  const double start = degreesOf(from, centre);
  double span = std::fmod(degreesOf(to, centre) - start + 720.0, 360.0);
  if (span < 1.0 / 16) span = 360.0;  // equal rays: the whole ellipse
  QPainter p(&image_);
  p.setPen(pen_);
  p.setBrush(brush_);
  p.drawPie(r, static_cast<int>(std::lround(start * 16)), static_cast<int>(std::lround(span * 16)));
}

void QtCanvas::line(Point from, Point to) {
  QPainter p(&image_);
  p.setPen(pen_);
  p.drawLine(QPoint(from.x, from.y), QPoint(to.x, to.y));
}

void QtCanvas::setPixel(Point at, Color color) {
  if (at.x < 0 || at.y < 0 || at.x >= width_ || at.y >= height_) return;
  const QRect pixels = physical(at.x, at.y, 1, 1);
  for (int y = pixels.top(); y <= pixels.bottom(); ++y)
    for (int x = pixels.left(); x <= pixels.right(); ++x)
      image_.setPixel(x, y, 0xFF000000u | color);
}

void QtCanvas::floodFill(Point at, Color fill, Color border) {
  if (at.x < 0 || at.y < 0 || at.x >= width_ || at.y >= height_) return;
  // The fill runs over the image's own pixels, from the first one under the window pixel.
  const int w = image_.width();
  const int h = image_.height();
  at = {physical(at.x, at.y, 1, 1).left(), physical(at.x, at.y, 1, 1).top()};
  auto isBorder = [&](int x, int y) { return (image_.pixel(x, y) & 0xFFFFFFu) == border; };
  if (isBorder(at.x, at.y)) return;
  // Scan lines with a visited map, so that a fill colour already present cannot loop.
  std::vector<bool> visited(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
  auto seen = [&](int x, int y) {
    return visited[static_cast<std::size_t>(y) * static_cast<std::size_t>(w) +
                   static_cast<std::size_t>(x)];
  };
  const QRgb colour = 0xFF000000u | fill;
  std::vector<QPoint> stack = {QPoint(at.x, at.y)};
  while (!stack.empty()) {
    const QPoint seed = stack.back();
    stack.pop_back();
    const int y = seed.y();
    if (seen(seed.x(), y) || isBorder(seed.x(), y)) continue;
    int x0 = seed.x();
    while (x0 > 0 && !isBorder(x0 - 1, y) && !seen(x0 - 1, y)) --x0;
    int x1 = seed.x();
    while (x1 + 1 < w && !isBorder(x1 + 1, y) && !seen(x1 + 1, y)) ++x1;
    for (int x = x0; x <= x1; ++x) {
      visited[static_cast<std::size_t>(y) * static_cast<std::size_t>(w) +
              static_cast<std::size_t>(x)] = true;
      image_.setPixel(x, y, colour);
    }
    for (const int ny : {y - 1, y + 1}) {
      if (ny < 0 || ny >= h) continue;
      for (int x = x0; x <= x1; ++x)
        if (!seen(x, ny) && !isBorder(x, ny) && (x == x0 || isBorder(x - 1, ny) || seen(x - 1, ny)))
          stack.emplace_back(x, ny);
    }
  }
}

void QtCanvas::text(Point at, const Text& text) {
  QPainter p(&image_);
  p.setFont(font_);
  p.setPen(Qt::black);
  const QFontMetrics metrics(font_);
  p.drawText(QPoint(at.x, at.y + metrics.ascent()), toQt(text));
}

int QtCanvas::textWidth(const Text& text) {
  return QFontMetrics(font_).horizontalAdvance(toQt(text));
}

int QtCanvas::textHeight(const Text&) {
  return QFontMetrics(font_).height();
}

}  // namespace korvale
