#include "sim/draw/text.h"

#include <algorithm>

#include "sim/draw/text_encoding.h"

namespace draw {

int TextWidth(const Font& font, std::u32string_view text) {
  int width = 0;
  for (const char32_t c : text) width += font.GlyphOf(c).advance;
  return width;
}

void DrawText(Image& image, const Font& font, TextBox box, Align align, Rgb colour,
              std::u32string_view text) {
  const int clip_left = std::max(box.x, 0);
  const int clip_top = std::max(box.y, 0);
  // Wide arithmetic: a box is the host's data and may reach past any int.
  const int clip_right = static_cast<int>(
      std::min<long long>(static_cast<long long>(box.x) + box.width, image.Width()));
  const int clip_bottom = static_cast<int>(
      std::min<long long>(static_cast<long long>(box.y) + box.height, image.Height()));
  if (clip_left >= clip_right || clip_top >= clip_bottom) return;

  int pen = box.x;
  if (align != Align::kLeft) {
    const int spare = box.width - TextWidth(font, text);
    // Integer halving as Windows does, also for a negative spare.
    pen += align == Align::kCenter ? spare / 2 : spare;
  }
  const int baseline = box.y + font.Ascent();
  for (const char32_t c : text) {
    const Glyph& glyph = font.GlyphOf(c);
    const int left = pen + glyph.left;
    const int top = baseline - glyph.top;
    for (int row = std::max(0, clip_top - top); row < glyph.rows && top + row < clip_bottom;
         ++row) {
      for (int column = std::max(0, clip_left - left);
           column < glyph.width && left + column < clip_right; ++column) {
        image.Blend(left + column, top + row, colour,
                    glyph.coverage[static_cast<std::size_t>(row) * glyph.width + column]);
      }
    }
    pen += glyph.advance;
  }
}

void DrawCp1252Text(Image& image, const Font& font, TextBox box, Align align, Rgb colour,
                    std::string_view cp1252) {
  DrawText(image, font, box, align, colour, text_encoding::Cp1252ToCodePoints(cp1252));
}

}  // namespace draw
