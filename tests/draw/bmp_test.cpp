#include "sim/draw/bmp.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using draw::Image;
using draw::Rgb;

void PutU16(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value) {
  out[at] = value & 0xFF;
  out[at + 1] = (value >> 8) & 0xFF;
}

void PutU32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value) {
  PutU16(out, at, value & 0xFFFF);
  PutU16(out, at + 2, value >> 16);
}

// A BMP file as a paint program writes it. rows are given top row first; each
// row holds palette indices (8 bit) or B, G, R byte triples (24 bit) without
// padding, which this adds.
std::vector<std::uint8_t> MakeBmp(int width, int bits, bool top_down,
                                  const std::vector<std::vector<std::uint8_t>>& rows,
                                  const std::vector<Rgb>& palette = {}) {
  const int height = static_cast<int>(rows.size());
  const std::size_t stride = (static_cast<std::size_t>(width) * bits + 31) / 32 * 4;
  const std::size_t pixels_at = 14 + 40 + palette.size() * 4;
  std::vector<std::uint8_t> file(pixels_at + stride * height, 0xEE);  // padding is junk
  file[0] = 'B';
  file[1] = 'M';
  PutU32(file, 2, static_cast<std::uint32_t>(file.size()));
  PutU32(file, 6, 0);
  PutU32(file, 10, static_cast<std::uint32_t>(pixels_at));
  PutU32(file, 14, 40);
  PutU32(file, 18, static_cast<std::uint32_t>(width));
  PutU32(file, 22, static_cast<std::uint32_t>(top_down ? -height : height));
  PutU16(file, 26, 1);
  PutU16(file, 28, static_cast<std::uint32_t>(bits));
  for (std::size_t at = 30; at < 54; at += 4) PutU32(file, at, 0);
  PutU32(file, 46, static_cast<std::uint32_t>(palette.size()));
  for (std::size_t i = 0; i < palette.size(); ++i) {
    file[54 + i * 4] = palette[i].b;
    file[54 + i * 4 + 1] = palette[i].g;
    file[54 + i * 4 + 2] = palette[i].r;
    file[54 + i * 4 + 3] = 0;
  }
  for (int y = 0; y < height; ++y) {
    const int stored = top_down ? y : height - 1 - y;
    std::copy(rows[y].begin(), rows[y].end(), file.begin() + pixels_at + stride * stored);
  }
  return file;
}

const Rgb kDarkBlue{0, 0, 32};
const Rgb kRed{255, 0, 0};
const Rgb kGreen{0, 200, 0};
const Rgb kWhite{255, 255, 255};

void ExpectPixels(const Image& image, const std::vector<std::vector<Rgb>>& expected) {
  ASSERT_EQ(image.Height(), static_cast<int>(expected.size()));
  ASSERT_EQ(image.Width(), static_cast<int>(expected[0].size()));
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) {
      EXPECT_EQ(image.At(x, y), expected[y][x]) << "pixel " << x << ", " << y;
    }
  }
}

TEST(Bmp, ReadsAPaletteImageBottomUpWithRowPadding) {
  // Width 3: each 8-bit row carries one byte of padding.
  const auto file = MakeBmp(3, 8, false, {{0, 1, 2}, {3, 2, 1}}, {kDarkBlue, kRed, kGreen, kWhite});
  ExpectPixels(draw::DecodeBmp(file), {{kDarkBlue, kRed, kGreen}, {kWhite, kGreen, kRed}});
}

TEST(Bmp, ReadsTrueColourImagesInBothRowOrders) {
  // Width 3: each 24-bit row carries three bytes of padding. Bytes are B, G, R.
  const std::vector<std::vector<std::uint8_t>> rows = {{32, 0, 0, 0, 0, 255, 0, 200, 0},
                                                       {255, 255, 255, 0, 200, 0, 32, 0, 0}};
  const std::vector<std::vector<Rgb>> expected = {{kDarkBlue, kRed, kGreen},
                                                  {kWhite, kGreen, kDarkBlue}};
  ExpectPixels(draw::DecodeBmp(MakeBmp(3, 24, false, rows)), expected);
  ExpectPixels(draw::DecodeBmp(MakeBmp(3, 24, true, rows)), expected);
}

TEST(Bmp, ReadsAResourceBitmapWithoutFileHeader) {
  const auto file = MakeBmp(2, 8, false, {{1, 0}}, {kDarkBlue, kRed});
  const std::vector<std::uint8_t> dib(file.begin() + 14, file.end());
  EXPECT_EQ(draw::DecodeDib(dib), draw::DecodeBmp(file));
}

TEST(Bmp, LoadsAFileAndNamesItInErrors) {
  const auto path = std::filesystem::path(testing::TempDir()) / "draw_bmp_test.bmp";
  {
    const auto file = MakeBmp(1, 8, false, {{0}}, {kRed});
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(file.data()),
              static_cast<std::streamsize>(file.size()));
  }
  ExpectPixels(draw::LoadBmp(path), {{kRed}});
  {
    std::ofstream out(path, std::ios::binary);
    out << "BMtruncated";
  }
  try {
    draw::LoadBmp(path);
    FAIL() << "a truncated file loaded";
  } catch (const std::runtime_error& error) {
    EXPECT_NE(std::string(error.what()).find(path.string()), std::string::npos) << error.what();
  }
  std::filesystem::remove(path);
  EXPECT_THROW(draw::LoadBmp(path), std::runtime_error);
}

TEST(Bmp, RejectsFilesItCannotRead) {
  const std::vector<Rgb> palette = {kRed, kGreen};
  auto wrong_magic = MakeBmp(1, 8, false, {{0}}, palette);
  wrong_magic[0] = 'X';
  auto four_bit = MakeBmp(1, 8, false, {{0}}, palette);
  PutU16(four_bit, 28, 4);
  auto compressed = MakeBmp(1, 8, false, {{0}}, palette);
  PutU32(compressed, 30, 1);
  auto short_pixels = MakeBmp(4, 24, false, {{0}, {0}});
  short_pixels.resize(short_pixels.size() - 1);
  auto zero_width = MakeBmp(1, 24, false, {{0, 0, 0}});
  PutU32(zero_width, 18, 0);
  auto huge = MakeBmp(1, 24, false, {{0, 0, 0}});
  PutU32(huge, 18, 1u << 30);
  auto index_beyond_palette = MakeBmp(1, 8, false, {{2}}, palette);

  for (const auto* file : {&wrong_magic, &four_bit, &compressed, &short_pixels, &zero_width, &huge,
                           &index_beyond_palette}) {
    EXPECT_THROW(draw::DecodeBmp(*file), std::runtime_error);
  }
}

}  // namespace
