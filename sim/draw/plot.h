// Anti-aliased drawing primitives for charts such as a flight's ground track.
// Coordinates are pixels with (0, 0) the top-left corner of the top-left pixel;
// a pixel's centre lies at (x + 0.5, y + 0.5). Everything is cut to the image.
#pragma once

#include <string_view>

#include "sim/draw/font.h"
#include "sim/draw/image.h"
#include "sim/draw/text.h"

namespace draw {

struct Point {
  double x = 0.0;
  double y = 0.0;
};

// A straight stroke of the given width with round ends.
void DrawLine(Image& image, Point from, Point to, Rgb colour, double width = 1.0);

// A disc, e.g. a marker at a position.
void FillCircle(Image& image, Point centre, double radius, Rgb colour);

// One line of UTF-8 text whose cell's top edge is at y and which starts at x
// (Align::kLeft), is centred on x, or ends at x (Align::kRight).
void DrawLabel(Image& image, const Font& font, int x, int y, std::string_view utf8, Rgb colour,
               Align align = Align::kLeft);

}  // namespace draw
