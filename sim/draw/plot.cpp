#include "sim/draw/plot.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "sim/draw/text_encoding.h"

namespace draw {
namespace {

double DistanceToSegment(Point p, Point a, Point b) {
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  const double length_squared = dx * dx + dy * dy;
  double t = 0.0;
  if (length_squared > 0.0) {
    t = std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length_squared, 0.0, 1.0);
  }
  return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

// Paints every pixel whose centre lies within half_width (plus half a pixel of
// soft edge) of the segment a-b; a point a == b gives a disc.
void FillNearSegment(Image& image, Point a, Point b, double half_width, Rgb colour) {
  if (!(half_width > 0.0) || !std::isfinite(a.x + a.y + b.x + b.y + half_width)) return;
  const double reach = half_width + 0.5;
  // Clamped before conversion: far-off points must not overflow an int.
  const auto column = [&](double v) {
    return static_cast<int>(std::clamp(v, -1.0, static_cast<double>(image.Width())));
  };
  const auto row = [&](double v) {
    return static_cast<int>(std::clamp(v, -1.0, static_cast<double>(image.Height())));
  };
  const int left = std::max(0, column(std::floor(std::min(a.x, b.x) - reach)));
  const int top = std::max(0, row(std::floor(std::min(a.y, b.y) - reach)));
  const int right = std::min(image.Width() - 1, column(std::ceil(std::max(a.x, b.x) + reach)));
  const int bottom = std::min(image.Height() - 1, row(std::ceil(std::max(a.y, b.y) + reach)));
  for (int y = top; y <= bottom; ++y) {
    for (int x = left; x <= right; ++x) {
      const double distance = DistanceToSegment(Point{x + 0.5, y + 0.5}, a, b);
      const double coverage = std::clamp(reach - distance, 0.0, 1.0);
      image.Blend(x, y, colour, static_cast<int>(std::lround(coverage * 255.0)));
    }
  }
}

}  // namespace

void DrawLine(Image& image, Point from, Point to, Rgb colour, double width) {
  FillNearSegment(image, from, to, width / 2.0, colour);
}

void FillCircle(Image& image, Point centre, double radius, Rgb colour) {
  FillNearSegment(image, centre, centre, radius, colour);
}

void DrawLabel(Image& image, const Font& font, int x, int y, std::string_view utf8, Rgb colour,
               Align align) {
  const std::u32string text = text_encoding::DecodeUtf8(utf8);
  const int width = TextWidth(font, text);
  int left = x;
  if (align == Align::kCenter) left -= width / 2;
  if (align == Align::kRight) left -= width;
  // A box wider than the text on both sides, centred on the pen position, so
  // that glyphs reaching past their advance are not cut.
  const int margin = font.PixelsPerEm();
  DrawText(image, font, TextBox{left - margin, y, width + 2 * margin, font.CellHeight()},
           Align::kCenter, colour, text);
}

}  // namespace draw
