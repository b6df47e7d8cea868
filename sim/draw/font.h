// A TrueType font rasterised by FreeType into anti-aliased glyph coverage.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

namespace draw {

// Liberation Sans has the metrics of Arial. The gauge's string elements ask for
// Arial at weight 725, which Windows serves with the bold face. Where Debian
// keeps the two faces: the bench asks fontconfig first (font_files.h).
inline constexpr const char* kGaugeFontPath =
    "/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf";
inline constexpr const char* kLabelFontPath =
    "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf";

// One glyph's coverage bitmap, 0 (none) to 255 (full), placed relative to the
// pen on the baseline: its top-left pixel is left pixels right of the pen and
// top pixels above the baseline.
struct Glyph {
  int left = 0;
  int top = 0;
  int width = 0;
  int rows = 0;
  int advance = 0;  // whole pixels, as hinted
  std::vector<std::uint8_t> coverage;
};

// The size of the gauge's text. The 17-pixel string elements are laid out for
// 12 pixels per em: at that size the tightest labels just fill their boxes
// ("Airport:" takes 44 of its 45 pixels, "RelBrg:" ends where the value beside
// it begins, "123.4°" takes 36 of 38). A 17-pixel em (Windows' meaning of a
// height of -17) or a 17-pixel cell (+17, 15 pixels per em) would cut those
// labels and run them into their neighbours. The line's cell, 11 pixels of
// ascent and 3 of descent, sits at the top of the box as DrawText puts it.
inline constexpr int kGaugeFontPixelsPerEm = 12;

// Glyphs are rasterised on first use and kept; a Font is not for concurrent
// use from several threads.
class Font {
 public:
  // Throws std::runtime_error when the font cannot be loaded or sized, and
  // std::invalid_argument for a size below 1.
  Font(const std::filesystem::path& path, int pixels_per_em);
  ~Font();
  Font(Font&&) noexcept;
  Font& operator=(Font&&) noexcept;

  int PixelsPerEm() const;
  // Pixels from the top of the line's cell down to the baseline, and the whole
  // cell, from the font's Windows ascent and descent (the room accented
  // capitals and descenders need).
  int Ascent() const;
  int CellHeight() const;

  // The font's missing-glyph shape for a character it lacks.
  const Glyph& GlyphOf(char32_t code_point) const;

 private:
  struct Face;
  std::unique_ptr<Face> face_;
};

}  // namespace draw
