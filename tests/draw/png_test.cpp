#include "sim/draw/png.h"

#include <gtest/gtest.h>
#include <png.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <vector>

namespace {

using draw::Image;
using draw::Rgb;

// Read back with libpng itself, not through the library under test.
Image FinishRead(png_image& description) {
  description.format = PNG_FORMAT_RGB;
  std::vector<std::uint8_t> bytes(PNG_IMAGE_SIZE(description));
  if (png_image_finish_read(&description, nullptr, bytes.data(), 0, nullptr) == 0) {
    ADD_FAILURE() << description.message;
    return {};
  }
  Image image(static_cast<int>(description.width), static_cast<int>(description.height));
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) {
      const std::size_t at = (static_cast<std::size_t>(y) * image.Width() + x) * 3;
      image.At(x, y) = Rgb{bytes[at], bytes[at + 1], bytes[at + 2]};
    }
  }
  return image;
}

Image ReadPng(const std::filesystem::path& path) {
  png_image description;
  std::memset(&description, 0, sizeof description);
  description.version = PNG_IMAGE_VERSION;
  if (png_image_begin_read_from_file(&description, path.c_str()) == 0) {
    ADD_FAILURE() << description.message;
    return {};
  }
  return FinishRead(description);
}

Image DecodePng(const std::vector<std::uint8_t>& png) {
  png_image description;
  std::memset(&description, 0, sizeof description);
  description.version = PNG_IMAGE_VERSION;
  if (png_image_begin_read_from_memory(&description, png.data(), png.size()) == 0) {
    ADD_FAILURE() << description.message;
    return {};
  }
  return FinishRead(description);
}

Image Gradient() {
  Image image(7, 3);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 7; ++x) {
      image.At(x, y) = Rgb{static_cast<std::uint8_t>(x * 36), static_cast<std::uint8_t>(y * 100),
                           static_cast<std::uint8_t>(255 - x)};
    }
  }
  return image;
}

TEST(Png, WritesEveryPixelAndTheSize) {
  const Image image = Gradient();
  const auto path = std::filesystem::path(testing::TempDir()) / "draw_png_test.png";
  {
    std::ofstream old(path);
    old << "an older file that the picture replaces";
  }
  draw::WritePng(image, path);
  EXPECT_EQ(ReadPng(path), image);
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

TEST(Png, EncodesInMemoryEveryPixelOrRefusesAnEmptyPicture) {
  EXPECT_EQ(DecodePng(draw::EncodePngFast(Gradient())), Gradient());
  EXPECT_THROW(draw::EncodePngFast(Image()), std::runtime_error);
}

}  // namespace
