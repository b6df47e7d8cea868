// An RGB picture in memory, the canvas every drawing routine paints on.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace draw {

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// A Windows COLORREF is 0x00BBGGRR.
constexpr Rgb RgbFromColorref(std::uint32_t colorref) {
  return Rgb{static_cast<std::uint8_t>(colorref & 0xFF),
             static_cast<std::uint8_t>((colorref >> 8) & 0xFF),
             static_cast<std::uint8_t>((colorref >> 16) & 0xFF)};
}

// Rows top to bottom, pixels left to right.
class Image {
 public:
  Image() = default;
  // Throws std::invalid_argument for negative or oversized dimensions.
  Image(int width, int height, Rgb fill = {});

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  // Unchecked: the caller keeps (x, y) inside the picture.
  Rgb& At(int x, int y) { return pixels_[Index(x, y)]; }
  const Rgb& At(int x, int y) const { return pixels_[Index(x, y)]; }

  const std::vector<Rgb>& Pixels() const { return pixels_; }

  // Mixes colour into the pixel by coverage 0 (unchanged) to 255 (colour);
  // points outside the picture are ignored.
  void Blend(int x, int y, Rgb colour, int coverage);

  friend bool operator==(const Image&, const Image&) = default;

 private:
  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
           static_cast<std::size_t>(x);
  }

  int width_ = 0;
  int height_ = 0;
  std::vector<Rgb> pixels_;
};

// Copies source onto target with its top-left corner at (x, y), cut to the
// target; pixels of the transparent colour, when one is given, are skipped.
void Blit(Image& target, const Image& source, int x, int y,
          std::optional<Rgb> transparent = std::nullopt);

// Every pixel becomes a factor x factor block. Throws std::invalid_argument
// for a factor below 1 or a result too large.
Image ScaleNearest(const Image& source, int factor);

}  // namespace draw
