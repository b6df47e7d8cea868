#include "sim/draw/bmp.h"

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace draw {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::uint32_t kUncompressed = 0;  // BI_RGB
constexpr std::int32_t kMaxSide = 16384;

[[noreturn]] void Fail(const std::string& fault) { throw std::runtime_error("bitmap: " + fault); }

std::uint32_t ReadU32(std::span<const std::uint8_t> bytes, std::size_t at) {
  return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
         static_cast<std::uint32_t>(bytes[at + 2]) << 16 |
         static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

std::uint16_t ReadU16(std::span<const std::uint8_t> bytes, std::size_t at) {
  return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

// dib holds the info header from its start; the pixel rows begin pixel_offset
// bytes into it.
Image DecodeRows(std::span<const std::uint8_t> dib, std::size_t pixel_offset) {
  if (dib.size() < kInfoHeaderSize) Fail("truncated info header");
  const std::uint32_t header_size = ReadU32(dib, 0);
  if (header_size < kInfoHeaderSize || header_size > dib.size()) {
    Fail("unsupported info header of " + std::to_string(header_size) + " bytes");
  }
  const auto width = static_cast<std::int32_t>(ReadU32(dib, 4));
  const auto signed_height = static_cast<std::int32_t>(ReadU32(dib, 8));
  const std::uint16_t bit_count = ReadU16(dib, 14);
  const std::uint32_t compression = ReadU32(dib, 16);
  const std::uint32_t colours_used = ReadU32(dib, 32);

  const bool top_down = signed_height < 0;
  const std::int64_t height = top_down ? -static_cast<std::int64_t>(signed_height) : signed_height;
  if (width <= 0 || width > kMaxSide || height == 0 || height > kMaxSide) {
    Fail("unsupported size " + std::to_string(width) + " x " + std::to_string(signed_height));
  }
  if (bit_count != 8 && bit_count != 24) {
    Fail("unsupported depth of " + std::to_string(bit_count) + " bits (8 or 24 are read)");
  }
  if (compression != kUncompressed) {
    Fail("unsupported compression " + std::to_string(compression));
  }

  std::vector<Rgb> palette;
  if (bit_count == 8) {
    const std::uint32_t count = colours_used == 0 ? 256 : colours_used;
    if (count > 256) Fail("palette of " + std::to_string(count) + " colours");
    const std::size_t palette_end = header_size + std::size_t{count} * 4;
    if (palette_end > dib.size()) Fail("truncated palette");
    for (std::size_t at = header_size; at < palette_end; at += 4) {
      palette.push_back(Rgb{dib[at + 2], dib[at + 1], dib[at]});  // stored as B, G, R, 0
    }
  }

  // Each row is padded to a multiple of four bytes.
  const std::size_t stride = (static_cast<std::size_t>(width) * bit_count + 31) / 32 * 4;
  const std::size_t rows_size = stride * static_cast<std::size_t>(height);
  if (pixel_offset > dib.size() || dib.size() - pixel_offset < rows_size) {
    Fail("truncated pixel data");
  }

  Image image(width, static_cast<int>(height));
  for (int y = 0; y < image.Height(); ++y) {
    const int stored_row = top_down ? y : image.Height() - 1 - y;
    const std::size_t row = pixel_offset + stride * static_cast<std::size_t>(stored_row);
    for (int x = 0; x < width; ++x) {
      if (bit_count == 8) {
        const std::uint8_t index = dib[row + static_cast<std::size_t>(x)];
        if (index >= palette.size()) {
          Fail("palette index " + std::to_string(index) + " beyond " +
               std::to_string(palette.size()) + " colours");
        }
        image.At(x, y) = palette[index];
      } else {
        const std::size_t at = row + static_cast<std::size_t>(x) * 3;
        image.At(x, y) = Rgb{dib[at + 2], dib[at + 1], dib[at]};
      }
    }
  }
  return image;
}

}  // namespace

Image DecodeDib(std::span<const std::uint8_t> dib) {
  if (dib.size() < kInfoHeaderSize) Fail("truncated info header");
  const std::uint32_t header_size = ReadU32(dib, 0);
  const std::uint16_t bit_count = ReadU16(dib, 14);
  const std::uint32_t colours_used = ReadU32(dib, 32);
  const std::size_t palette_size =
      bit_count == 8 ? std::size_t{colours_used == 0 ? 256u : colours_used} * 4 : 0;
  return DecodeRows(dib, std::size_t{header_size} + palette_size);
}

Image DecodeBmp(std::span<const std::uint8_t> file) {
  if (file.size() < kFileHeaderSize || file[0] != 'B' || file[1] != 'M') {
    Fail("not a BMP file (no BM header)");
  }
  const std::uint32_t pixel_offset = ReadU32(file, 10);
  if (pixel_offset < kFileHeaderSize) Fail("pixel data offset inside the file header");
  return DecodeRows(file.subspan(kFileHeaderSize), pixel_offset - kFileHeaderSize);
}

Image LoadBmp(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open bitmap " + path.string());
  const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                        std::istreambuf_iterator<char>()};
  if (in.bad()) throw std::runtime_error("cannot read bitmap " + path.string());
  try {
    return DecodeBmp(bytes);
  } catch (const std::runtime_error& error) {
    throw std::runtime_error(path.string() + ": " + error.what());
  }
}

}  // namespace draw
