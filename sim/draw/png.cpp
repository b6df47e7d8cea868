#include "sim/draw/png.h"

#include <png.h>

#include <cstring>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

namespace draw {

namespace {

png_image DescriptionOf(const Image& image) {
  png_image description;
  std::memset(&description, 0, sizeof description);
  description.version = PNG_IMAGE_VERSION;
  description.width = static_cast<png_uint_32>(image.Width());
  description.height = static_cast<png_uint_32>(image.Height());
  description.format = PNG_FORMAT_RGB;
  static_assert(sizeof(Rgb) == 3, "pixels are handed to libpng as packed RGB bytes");
  return description;
}

}  // namespace

void WritePng(const Image& image, const std::filesystem::path& path) {
  if (image.Width() == 0 || image.Height() == 0) {
    throw std::runtime_error("cannot write " + path.string() + ": the image is empty");
  }
  png_image description = DescriptionOf(image);

  std::filesystem::path temporary = path;
  temporary += ".partial";
  const int written = png_image_write_to_file(&description, temporary.c_str(), 0,
                                              image.Pixels().data(), 0, nullptr);
  if (written == 0) {
    const std::string reason = description.message;
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    throw std::runtime_error("cannot write " + path.string() + ": " + reason);
  }
  std::error_code error;
  std::filesystem::rename(temporary, path, error);
  if (error) {
    const std::string reason = error.message();
    std::filesystem::remove(temporary, error);
    throw std::runtime_error("cannot write " + path.string() + ": " + reason);
  }
}

std::vector<std::uint8_t> EncodePngFast(const Image& image) {
  if (image.Width() == 0 || image.Height() == 0) {
    throw std::runtime_error("cannot encode a PNG: the image is empty");
  }
  png_image description = DescriptionOf(image);
  description.flags = PNG_IMAGE_FLAG_FAST;
  png_alloc_size_t size = PNG_IMAGE_PNG_SIZE_MAX(description);
  std::vector<std::uint8_t> png(size);
  if (png_image_write_to_memory(&description, png.data(), &size, 0, image.Pixels().data(), 0,
                                nullptr) == 0) {
    throw std::runtime_error(std::string("cannot encode a PNG: ") + description.message);
  }
  png.resize(size);
  return png;
}

Image ReadPng(const std::filesystem::path& path) {
  png_image description;
  std::memset(&description, 0, sizeof description);
  description.version = PNG_IMAGE_VERSION;
  if (png_image_begin_read_from_file(&description, path.c_str()) == 0) {
    throw std::runtime_error("cannot read " + path.string() + ": " + description.message);
  }
  description.format = PNG_FORMAT_RGB;
  Image image(static_cast<int>(description.width), static_cast<int>(description.height));
  std::vector<std::uint8_t> bytes(PNG_IMAGE_SIZE(description));
  if (png_image_finish_read(&description, nullptr, bytes.data(), 0, nullptr) == 0) {
    const std::string reason = description.message;
    png_image_free(&description);
    throw std::runtime_error("cannot read " + path.string() + ": " + reason);
  }
  std::size_t at = 0;
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x, at += 3) {
      image.At(x, y) = Rgb{bytes[at], bytes[at + 1], bytes[at + 2]};
    }
  }
  return image;
}

}  // namespace draw
