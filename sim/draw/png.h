// PNG files of pictures.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "sim/draw/image.h"

namespace draw {

// Writes an 8-bit RGB PNG. The file appears complete or not at all: the data
// go to a temporary beside it that replaces it at the end. Throws
// std::runtime_error naming the file when it cannot be written.
void WritePng(const Image& image, const std::filesystem::path& path);

// The PNG of a picture in memory, compressed for speed rather than size: for
// pictures shown at once and thrown away, such as live frames. Throws
// std::runtime_error when the picture is empty.
std::vector<std::uint8_t> EncodePngFast(const Image& image);

// Reads a PNG of any colour type as 8-bit RGB (transparency composed over
// black). Throws std::runtime_error naming the file when it cannot be read.
Image ReadPng(const std::filesystem::path& path);

}  // namespace draw
