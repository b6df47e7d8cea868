#include "sim/draw/font.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <unordered_map>

namespace draw {

struct Font::Face {
  FT_Library library = nullptr;
  FT_Face face = nullptr;
  int cell_height = 0;
  int pixels_per_em = 0;
  int ascent = 0;
  std::unordered_map<char32_t, Glyph> glyphs;

  ~Face() {
    if (face != nullptr) FT_Done_Face(face);
    if (library != nullptr) FT_Done_FreeType(library);
  }
};

namespace {

[[noreturn]] void Fail(const std::filesystem::path& path, const std::string& what, FT_Error code) {
  throw std::runtime_error("font " + path.string() + ": " + what + " (FreeType error " +
                           std::to_string(code) + ")");
}

}  // namespace

Font::Font(const std::filesystem::path& path, int pixels_per_em) : face_(std::make_unique<Face>()) {
  if (pixels_per_em < 1) {
    throw std::invalid_argument("font size " + std::to_string(pixels_per_em) + " is below 1");
  }
  if (const FT_Error error = FT_Init_FreeType(&face_->library)) {
    Fail(path, "cannot start FreeType", error);
  }
  if (const FT_Error error = FT_New_Face(face_->library, path.c_str(), 0, &face_->face)) {
    Fail(path, "cannot load (is the fonts-liberation package installed?)", error);
  }
  FT_Face face = face_->face;
  if (!FT_IS_SCALABLE(face)) Fail(path, "not a scalable font", 0);

  // Windows measures the cell by the OS/2 table's Windows ascent and descent.
  double ascender = face->ascender;
  double descender = -face->descender;
  if (const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
      os2 != nullptr && os2->usWinAscent + os2->usWinDescent > 0) {
    ascender = os2->usWinAscent;
    descender = os2->usWinDescent;
  }
  if (const FT_Error error = FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixels_per_em))) {
    Fail(path, "cannot size to " + std::to_string(pixels_per_em) + " pixels", error);
  }
  const double scale = static_cast<double>(pixels_per_em) / face->units_per_EM;
  face_->pixels_per_em = pixels_per_em;
  face_->ascent = static_cast<int>(std::lround(ascender * scale));
  face_->cell_height = face_->ascent + static_cast<int>(std::lround(descender * scale));
}

Font::~Font() = default;
Font::Font(Font&&) noexcept = default;
Font& Font::operator=(Font&&) noexcept = default;

int Font::CellHeight() const { return face_->cell_height; }
int Font::PixelsPerEm() const { return face_->pixels_per_em; }
int Font::Ascent() const { return face_->ascent; }

const Glyph& Font::GlyphOf(char32_t code_point) const {
  if (const auto found = face_->glyphs.find(code_point); found != face_->glyphs.end()) {
    return found->second;
  }
  FT_Face face = face_->face;
  const FT_UInt index = FT_Get_Char_Index(face, code_point);
  // Outlines only: embedded bitmaps would bring one-bit glyphs without coverage.
  if (const FT_Error error =
          FT_Load_Glyph(face, index, FT_LOAD_RENDER | FT_LOAD_TARGET_NORMAL | FT_LOAD_NO_BITMAP)) {
    char name[16];
    std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(code_point));
    throw std::runtime_error(std::string("cannot render character ") + name + " (FreeType error " +
                             std::to_string(error) + ")");
  }
  const FT_GlyphSlot slot = face->glyph;
  const FT_Bitmap& bitmap = slot->bitmap;
  Glyph glyph;
  glyph.left = slot->bitmap_left;
  glyph.top = slot->bitmap_top;
  glyph.width = static_cast<int>(bitmap.width);
  glyph.rows = static_cast<int>(bitmap.rows);
  glyph.advance = static_cast<int>((slot->advance.x + 32) >> 6);
  glyph.coverage.resize(static_cast<std::size_t>(glyph.width) * glyph.rows);
  for (int row = 0; row < glyph.rows; ++row) {
    // A negative pitch stores the rows bottom-up.
    const unsigned char* source =
        bitmap.pitch >= 0 ? bitmap.buffer + static_cast<std::ptrdiff_t>(row) * bitmap.pitch
                          : bitmap.buffer + static_cast<std::ptrdiff_t>(glyph.rows - 1 - row) *
                                                std::abs(bitmap.pitch);
    for (int x = 0; x < glyph.width; ++x) {
      glyph.coverage[static_cast<std::size_t>(row) * glyph.width + x] = source[x];
    }
  }
  return face_->glyphs.emplace(code_point, std::move(glyph)).first->second;
}

}  // namespace draw
