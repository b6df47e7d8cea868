#include "sim/draw/png.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace {

using draw::Image;
using draw::Rgb;

TEST(Png, WritesEveryPixelAndTheSize) {
  Image image(7, 3);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 7; ++x) {
      image.At(x, y) = Rgb{static_cast<std::uint8_t>(x * 36), static_cast<std::uint8_t>(y * 100),
                           static_cast<std::uint8_t>(255 - x)};
    }
  }
  const auto path = std::filesystem::path(testing::TempDir()) / "draw_png_test.png";
  {
    std::ofstream old(path);
    old << "an older file that the picture replaces";
  }
  draw::WritePng(image, path);
  EXPECT_EQ(draw::ReadPng(path), image);
  auto partial = path;
  partial += ".partial";
  EXPECT_FALSE(std::filesystem::exists(partial));
  std::filesystem::remove(path);
}

TEST(Png, ReportsAPlaceItCannotWrite) {
  EXPECT_THROW(draw::WritePng(Image(2, 2), "/nonexistent-dir/face.png"), std::runtime_error);
  EXPECT_THROW(draw::WritePng(Image(), std::filesystem::path(testing::TempDir()) / "empty.png"),
               std::runtime_error);
}

TEST(Png, ReportsAFileThatIsNoPicture) {
  const auto path = std::filesystem::path(testing::TempDir()) / "draw_png_test.txt";
  std::ofstream(path) << "not a picture";
  EXPECT_THROW(draw::ReadPng(path), std::runtime_error);
  EXPECT_THROW(draw::ReadPng(path.parent_path() / "missing.png"), std::runtime_error);
  std::filesystem::remove(path);
}

TEST(Png, EncodesInMemoryEveryPixelOrRefusesAnEmptyPicture) {
  Image image(5, 2);
  for (int x = 0; x < 5; ++x) image.At(x, 1) = Rgb{static_cast<std::uint8_t>(x * 50), 7, 200};
  const std::vector<std::uint8_t> png = draw::EncodePngFast(image);
  const auto path = std::filesystem::path(testing::TempDir()) / "draw_png_fast_test.png";
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
  EXPECT_EQ(draw::ReadPng(path), image);
  std::filesystem::remove(path);
  EXPECT_THROW(draw::EncodePngFast(Image()), std::runtime_error);
}

}  // namespace
