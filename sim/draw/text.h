// One line of text laid into a box as a gauge's string element shows it.
#pragma once

#include <cstdint>
#include <string_view>

#include "sim/draw/font.h"
#include "sim/draw/image.h"

namespace draw {

struct TextBox {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// Horizontal placement in the box; the values are the DrawText flags.
enum class Align : std::uint32_t { kLeft = 0, kCenter = 1, kRight = 2 };

// The horizontal placement of a DrawText flag word; other bits are ignored.
constexpr Align AlignFromDrawTextFlags(std::uint32_t flags) {
  if ((flags & 0x1) != 0) return Align::kCenter;
  if ((flags & 0x2) != 0) return Align::kRight;
  return Align::kLeft;
}

// The sum of the glyph advances (no kerning, as DrawText).
int TextWidth(const Font& font, std::u32string_view text);

// Draws text with the top of the font's cell at the box's top (DT_TOP) and the line
// placed left, centred or right in the box. A text wider than the box runs over
// the side away from its alignment (both sides when centred). Nothing is drawn
// outside the box or the image; coverage is blended over what is there.
void DrawText(Image& image, const Font& font, TextBox box, Align align, Rgb colour,
              std::u32string_view text);

// The same for the module's 8-bit texts (Windows code page 1252).
void DrawCp1252Text(Image& image, const Font& font, TextBox box, Align align, Rgb colour,
                    std::string_view cp1252);

}  // namespace draw
