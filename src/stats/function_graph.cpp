#include "stats/function_graph.h"

#include <algorithm>
#include <cmath>

#include "base/numbers.h"
#include "base/text_routines.h"
#include "stats/charts.h"
#include "stats/function_line.h"

namespace korvale {

namespace {

// Larger half-widths would overflow the pixel arithmetic; they count as unreadable.
constexpr double kLargestHalfWidth = 1E9;

Point centreOf(const Canvas& canvas) {
  return {canvas.width() / 2, canvas.height() / 2};
}

void drawAxes(Canvas& canvas) {
  const Point c = centreOf(canvas);
  canvas.setPen(kBlue, 1, PenStyle::Solid);
  canvas.line({0, c.y}, {canvas.width(), c.y});
  canvas.line({c.x, 0}, {c.x, canvas.height()});
}

void drawFrame(Canvas& canvas, int penWidth) {
  canvas.setBrush(kWhite, BrushStyle::Clear);
  canvas.setPen(kBlack, penWidth, PenStyle::Solid);
  canvas.rectangle(0, 0, canvas.width(), canvas.height());
}

// Frame, axes, their end values, the origin and the unit tick.
void drawCoordinateSystem(Canvas& canvas, int h) {
  const int w = canvas.width();
  const int ht = canvas.height();
  const Point c = centreOf(canvas);
  drawFrame(canvas, 1);
  canvas.setFont(8, false);
  drawAxes(canvas);
  const Text top = U" " + intToText(h) + U" ";
  const Text bottom = U" " + intToText(-h) + U" ";
  const int below = c.y + 4;
  canvas.text({c.x - canvas.textWidth(U"0") - 2, below}, U"0");
  canvas.text({c.x + 2, 2}, top);
  canvas.text({w - canvas.textWidth(top) - 2, below}, top);
  canvas.text({c.x + 2, ht - canvas.textHeight(bottom) - 2}, bottom);
  canvas.text({2, below}, bottom);
  const int tick = c.x + w / (2 * h);
  canvas.line({tick, c.y - 3}, {tick, c.y + 3});
  const Text one = U" 1 ";
  canvas.text({tick - canvas.textWidth(one) / 2, below}, one);
}

// The curve point by point, one pixel column apart. A jump over the whole height is a pole and
// stays open; next to a point where F fails the curve is led to the edge or the axis it heads
// for, judged by the value two steps further on.
void drawCurve(Canvas& canvas, const GraphFrame& frame, FunctionOfX& f) {
  const double h = frame.halfWidth;
  const double dx = 2 * h / frame.width;
  const auto clamped = [h](double y) { return std::clamp(y, -h, h); };
  canvas.setPen(kRed, 1, PenStyle::Solid);

  double previousX = -h;
  FunctionPoint previous = f.point(previousX);
  previous.y = clamped(previous.y);
  for (int i = 1; i <= frame.width; ++i) {
    const double u = f.point(previousX - 2 * dx).y;
    const double w = f.point(previousX + 2 * dx).y;
    const double x = -h + i * dx;
    FunctionPoint p = f.point(x);
    p.y = clamped(p.y);
    const auto join = [&] {
      if (std::fabs(p.y - previous.y) < 2 * h)
        canvas.line(frame.pixel(previousX, previous.y), frame.pixel(x, p.y));
    };
    if (!previous.valid && p.valid) {
      // The curve restarts here.
      if (std::fabs(w) < std::fabs(p.y)) p.y = w >= p.y ? -h : h;
      if (std::fabs(w) > std::fabs(p.y) && std::fabs(p.y) != h && std::fabs(previous.y) != h)
        p.y = 0;
    } else if (previous.valid && !p.valid) {
      if (std::fabs(u) < std::fabs(previous.y)) {
        p.y = u >= previous.y ? -h : h;
        join();
      }
      if (std::fabs(u) > std::fabs(previous.y) && std::fabs(p.y) != h &&
          std::fabs(previous.y) != h) {
        p.y = 0;
        join();
      }
    } else if (previous.valid && p.valid) {
      join();
    }
    previous = p;
    previousX = x;
  }
}

}  // namespace

Point GraphFrame::pixel(double x, double y) const {
  const double h = halfWidth;
  return {roundEven((h + x) * width / (2 * h)), roundEven(height - (h + y) * height / (2 * h))};
}

double GraphFrame::xAt(int px) const {
  return (2.0 * halfWidth * px - static_cast<double>(halfWidth) * width) / width;
}

double GraphFrame::yAt(int py) const {
  return (-2.0 * halfWidth * py + static_cast<double>(halfWidth) * height) / height;
}

int graphHalfWidth(const Text& line, const VariableTable& variables) {
  const std::vector<Text> fields = functionLineFields(line);
  if (fields.size() < 2) return 10;
  const auto b = readParameter(fields[1], variables);
  if (!b) return 10;
  const double h = std::fabs(std::nearbyint(*b));
  if (h == 0 || !(h <= kLargestHalfWidth)) return 10;
  return static_cast<int>(h);
}

bool drawFunctionGraph(Canvas& canvas, ChartState& chart, const Text& line,
                       VariableTable& variables) {
  const int h = graphHalfWidth(line, variables);
  if (h != chart.halfWidth) {
    canvas.clear(kWhite);
    chart.drawAxes = true;
  }
  chart.halfWidth = h;
  const std::vector<Text> fields = functionLineFields(line);
  if (fields.empty()) return false;
  chart.panelVisible = true;
  if (chart.drawAxes) {
    // A statistics chart may still be on the image; the graph gets a clean one.
    canvas.clear(kWhite);
    drawCoordinateSystem(canvas, h);
    chart.drawAxes = false;
  }
  FunctionOfX f(fields.front(), variables);
  drawCurve(canvas, GraphFrame{h, canvas.width(), canvas.height()}, f);
  drawAxes(canvas);
  drawFrame(canvas, 3);
  return true;
}

Text coordinatesMessage(Point pressed, const ChartState& chart, const Canvas& canvas) {
  const GraphFrame frame{chart.halfWidth, canvas.width(), canvas.height()};
  const auto number = [](double v) { return trim(formatFixed(v, 8, 2)); };
  return U" X = " + number(frame.xAt(pressed.x)) + U" \r Y = " + number(frame.yAt(pressed.y)) +
         U" ";
}

void resetChart(StatsState& state, Canvas& canvas) {
  canvas.clear(kWhite);
  state.chart.panelVisible = false;
  state.chart.halfWidth = 10;
  state.chart.drawAxes = true;
}

}  // namespace korvale
