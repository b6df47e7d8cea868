#include "sim/draw/image.h"

#include <stdexcept>
#include <string>

namespace draw {
namespace {

// Large enough for any face at any useful scale, small enough that a corrupt
// size cannot ask for gigabytes.
constexpr long long kMaxPixels = 64LL * 1024 * 1024;

std::uint8_t Mix(std::uint8_t from, std::uint8_t to, int coverage) {
  return static_cast<std::uint8_t>((from * (255 - coverage) + to * coverage + 127) / 255);
}

}  // namespace

Image::Image(int width, int height, Rgb fill) : width_(width), height_(height) {
  if (width < 0 || height < 0 || static_cast<long long>(width) * height > kMaxPixels) {
    throw std::invalid_argument("image size " + std::to_string(width) + " x " +
                                std::to_string(height) + " is out of range");
  }
  pixels_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill);
}

void Image::Blend(int x, int y, Rgb colour, int coverage) {
  if (!Contains(x, y) || coverage <= 0) return;
  Rgb& pixel = At(x, y);
  if (coverage >= 255) {
    pixel = colour;
    return;
  }
  pixel = Rgb{Mix(pixel.r, colour.r, coverage), Mix(pixel.g, colour.g, coverage),
              Mix(pixel.b, colour.b, coverage)};
}

void Blit(Image& target, const Image& source, int x, int y, std::optional<Rgb> transparent) {
  for (int sy = 0; sy < source.Height(); ++sy) {
    for (int sx = 0; sx < source.Width(); ++sx) {
      const Rgb pixel = source.At(sx, sy);
      if (transparent && pixel == *transparent) continue;
      if (target.Contains(x + sx, y + sy)) target.At(x + sx, y + sy) = pixel;
    }
  }
}

Image ScaleNearest(const Image& source, int factor) {
  if (factor < 1) {
    throw std::invalid_argument("scale factor " + std::to_string(factor) + " is below 1");
  }
  const long long width = static_cast<long long>(source.Width()) * factor;
  const long long height = static_cast<long long>(source.Height()) * factor;
  if (width * height > kMaxPixels) {
    throw std::invalid_argument("scale factor " + std::to_string(factor) +
                                " makes the image too large");
  }
  Image scaled(static_cast<int>(width), static_cast<int>(height));
  for (int y = 0; y < scaled.Height(); ++y) {
    for (int x = 0; x < scaled.Width(); ++x) scaled.At(x, y) = source.At(x / factor, y / factor);
  }
  return scaled;
}

}  // namespace draw
