#include "stats/charts.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "base/numbers.h"
#include "base/text_routines.h"
#include "stats/number_output.h"

namespace korvale {

int roundEven(double value) {
  return static_cast<int>(std::nearbyint(value));
}

namespace {

// Margins of the distribution charts.
struct Frame {
  int w, h;
  int left, right, top, bottom;  // D, E, F, G

  explicit Frame(const Canvas& c)
      : w(c.width()), h(c.height()), left(w / 8), right(w - w / 8), top(h / 4), bottom(h - h / 4) {}
};

void drawFrame(Canvas& canvas, int penWidth) {
  canvas.setBrush(kWhite, BrushStyle::Clear);
  canvas.setPen(kBlack, penWidth, PenStyle::Solid);
  canvas.rectangle(0, 0, canvas.width(), canvas.height());
}

void drawAxes(Canvas& canvas, const Frame& f) {
  canvas.setPen(kBlack, 2, PenStyle::Solid);
  canvas.line({f.left / 2, f.bottom}, {f.left / 2 + f.right, f.bottom});
  canvas.line({f.left, f.top / 2}, {f.left, f.top / 2 + f.bottom});
}

int barWidth(const Frame& f, const Distribution& d) {
  return roundEven(static_cast<double>(f.right - f.left) / d.entry.classCount);
}

// Without any value in a class the largest count is 0 and every bar stays flat.
int barHeight(const Frame& f, const Distribution& d, int classIndex) {
  const int largest = d.largestCount();
  if (largest == 0) return 0;
  return roundEven(static_cast<double>(f.bottom - f.top) / largest *
                   d.counts[static_cast<std::size_t>(classIndex)]);
}

Text percentText(double percentage) {
  return trim(formatFixed(percentage, 5, 1)) + U"%";
}

void drawTitle(Canvas& canvas, const Text& xName) {
  canvas.text({20, 20}, U"Merkmal " + xName);
}

Point onCircle(Point centre, double degrees, double radius) {
  const double a = degrees * std::numbers::pi / 180.0;
  return {centre.x + roundEven(std::cos(a) * radius), centre.y - roundEven(std::sin(a) * radius)};
}

}  // namespace

void drawBarChart(Canvas& canvas, const Distribution& d, const Text& xName, int decimals) {
  const Frame f(canvas);
  canvas.clear(kTooltipBackground);
  canvas.setFont(0, false);
  drawFrame(canvas, 3);
  drawAxes(canvas, f);
  const int p = barWidth(f, d);
  int x = f.left;
  for (int i = 0; i < d.entry.classCount; ++i) {
    const int h = barHeight(f, d, i);
    x = i * p + f.left;
    canvas.setPen(kWhite, 6, PenStyle::Solid);
    canvas.setBrush(kWhite, BrushStyle::Clear);
    canvas.rectangle(x, f.bottom - h, x + p, f.bottom);
    canvas.setPen(kBlack, 2, PenStyle::Solid);
    canvas.setBrush(rgb(240, 200, 200), BrushStyle::Solid);
    canvas.rectangle(x, f.bottom - h, x + p, f.bottom);
    canvas.text({x + p / 4, f.bottom - h - f.top / 4}, percentText(d.percentage(i)));
    canvas.text({x, f.bottom + f.top / 16}, numberText(d.lower(i), decimals));
  }
  if (d.entry.classCount > 0)
    canvas.text({x + p, f.bottom + f.top / 16},
                numberText(d.upper(d.entry.classCount - 1), decimals));
  drawAxes(canvas, f);
  drawTitle(canvas, xName);
}

void drawLineChart(Canvas& canvas, const Distribution& d, const Text& xName) {
  const Frame f(canvas);
  canvas.clear(kTooltipBackground);
  canvas.setFont(0, false);
  drawFrame(canvas, 2);
  drawAxes(canvas, f);
  const int p = barWidth(f, d);
  Point previous;
  for (int i = 0; i < d.entry.classCount; ++i) {
    const Point point{p / 2 + f.left + i * p, f.bottom - barHeight(f, d, i)};
    if (i > 0) {
      canvas.setPen(kBlack, 3, PenStyle::Solid);
      canvas.line(point, previous);
    }
    canvas.setPen(kBlack, 2, PenStyle::Solid);
    canvas.setBrush(kRed, BrushStyle::Solid);
    canvas.rectangle(point.x - 5, point.y - 5, point.x + 5, point.y + 5);
    canvas.text({point.x, point.y - f.top / 4}, intToText(d.counts[static_cast<std::size_t>(i)]));
    canvas.rectangle(point.x - 1, f.bottom - 5, point.x, f.bottom + 5);
    canvas.text({point.x, f.bottom + f.top / 16}, U"Kl." + intToText(i + 1));
    previous = point;
  }
  drawAxes(canvas, f);
  drawTitle(canvas, xName);
}

void drawPieChart(Canvas& canvas, const Distribution& d, const Text& xName) {
  canvas.clear(kTooltipBackground);
  canvas.setFont(0, true);
  drawFrame(canvas, 3);
  const Point centre{canvas.width() / 2, canvas.height() / 2};
  const int r = canvas.width() / 3;
  canvas.ellipse(centre.x - r, centre.y - r, centre.x + r, centre.y + r);
  double angle = 0;
  Point previous = onCircle(centre, 0, r);
  int shade = 0;
  for (int i = 0; i < d.entry.classCount && d.used > 0; ++i) {
    const int count = d.counts[static_cast<std::size_t>(i)];
    // An empty class has no sector: drawn and filled, it would cover the whole circle or
    // recolour its neighbour.
    if (count == 0) continue;
    const double start = angle;
    angle += count * 360.0 / d.used;
    const Point next = onCircle(centre, angle, r);
    canvas.setBrush(kWhite, BrushStyle::Clear);
    canvas.setPen(kWhite, 6, PenStyle::Solid);
    canvas.pie(centre.x - r, centre.y - r, centre.x + r, centre.y + r, previous, next);
    canvas.setPen(kBlack, 2, PenStyle::Solid);
    canvas.pie(centre.x - r, centre.y - r, centre.x + r, centre.y + r, previous, next);
    shade += roundEven(count * 255.0 / (4.0 * d.used));
    const int light = std::clamp(255 - 2 * shade, 0, 255);
    const Point inside = onCircle(centre, (start + angle) / 2, 0.75 * r);
    canvas.floodFill(inside, rgb(255, light, light), kBlack);
    const Text label = intToText(i + 1) + U".KL: " + percentText(d.percentage(i));
    canvas.text({inside.x - canvas.textWidth(label) / 2, inside.y - canvas.textHeight(label) / 2},
                label);
    previous = next;
  }
  drawTitle(canvas, xName);
}

void drawScatterChart(Canvas& canvas, const PairSummary& pair, const std::vector<double>& xs,
                      const std::vector<double>& ys, int decimals) {
  const int w = canvas.width();
  const int h = canvas.height();
  const int b = w / 16;
  const int right = w - b;
  const int top = h / 12;
  const int bottom = h - top;
  const int plotWidth = w - 2 * b;
  const int plotHeight = h - 2 * top;
  const double rangeX = pair.x.range == 0 ? 1.0 : pair.x.range;
  const double rangeY = pair.y.range == 0 ? 1.0 : pair.y.range;
  auto pixel = [&](double x, double y) {
    return Point{roundEven((x - pair.x.minimum) * plotWidth / rangeX + b),
                 roundEven(-(y - pair.y.minimum) * plotHeight / rangeY + bottom)};
  };
  auto num = [&](double v) { return numberText(v, decimals); };

  canvas.clear(kTooltipBackground);
  canvas.setFont(0, false);
  drawFrame(canvas, 3);
  canvas.setPen(kBlack, 2, PenStyle::Solid);
  canvas.rectangle(b, top, right, bottom);

  const Point mean = pixel(pair.x.mean, pair.y.mean);
  canvas.setPen(kBlack, 1, PenStyle::Dot);
  canvas.line({b, mean.y}, {right, mean.y});
  canvas.line({mean.x, top}, {mean.x, bottom});
  canvas.setPen(kBlack, 1, PenStyle::Solid);

  auto place = [&](const Text& text, auto&& at) {
    canvas.text(at(canvas.textWidth(text), canvas.textHeight(text)), text);
  };
  place(U"Regression: Y = " + num(pair.slope) + U" * X  +  (" + num(pair.intercept) + U")",
        [&](int tw, int th) {
          return Point{w / 2 - tw / 2, top - th - 5};
        });
  place(num(pair.x.mean) + U"/" + num(pair.y.mean), [&](int, int) {
    return Point{mean.x + 5, mean.y + 5};
  });
  place(U"MX", [&](int, int th) { return Point{mean.x, bottom + th - 5}; });
  place(U"MY", [&](int tw, int) { return Point{b - tw - 5, mean.y}; });
  place(num(pair.x.minimum) + U"/" + num(pair.y.minimum), [&](int, int th) {
    return Point{b, bottom + th - 5};
  });
  place(num(pair.x.maximum) + U"/" + num(pair.y.minimum), [&](int tw, int th) {
    return Point{right - tw, bottom + th - 5};
  });
  place(num(pair.x.maximum) + U"/" + num(pair.y.maximum), [&](int tw, int th) {
    return Point{right - tw, top - th - 5};
  });
  place(num(pair.x.minimum) + U"/" + num(pair.y.maximum), [&](int, int th) {
    return Point{b, top - th - 5};
  });

  // One dot per pixel column; the step count is bounded so that a step too small to change
  // x cannot stall the loop.
  const double step = rangeX / plotWidth;
  double x = pair.x.minimum + step;
  for (int steps = 0; x < pair.x.maximum && steps <= plotWidth + 1; ++steps) {
    x += step;
    const double y = pair.slope * x + pair.intercept;
    if (pair.y.minimum < y && y < pair.y.maximum) canvas.setPixel(pixel(x, y), kBlack);
  }

  canvas.setPen(kBlack, 1, PenStyle::Solid);
  canvas.setBrush(kRed, BrushStyle::Solid);
  const std::size_t n = std::min(xs.size(), ys.size());
  for (std::size_t i = 0; i < n; ++i) {
    if (isMissing(xs[i]) || isMissing(ys[i])) continue;
    const Point p = pixel(xs[i], ys[i]);
    canvas.rectangle(p.x - 3, p.y - 3, p.x + 3, p.y + 3);
  }
}

}  // namespace korvale
