#include "sim/draw/png.h"

#include <png.h>

#include <cstring>
#include <stdexcept>
#include <string>
#include <system_error>

namespace draw {

void WritePng(const Image& image, const std::filesystem::path& path) {
  if (image.Width() == 0 || image.Height() == 0) {
    throw std::runtime_error("cannot write " + path.string() + ": the image is empty");
  }
  png_image description;
  std::memset(&description, 0, sizeof description);
  description.version = PNG_IMAGE_VERSION;
  description.width = static_cast<png_uint_32>(image.Width());
  description.height = static_cast<png_uint_32>(image.Height());
  description.format = PNG_FORMAT_RGB;
  static_assert(sizeof(Rgb) == 3, "pixels are handed to libpng as packed RGB bytes");

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

}  // namespace draw
