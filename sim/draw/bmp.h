// Windows bitmaps, as the module's resources hold them: uncompressed, 8 bits
// per pixel with a palette or 24 bits per pixel, rows bottom-up or top-down.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

#include "sim/draw/image.h"

namespace draw {

// A .bmp file. Throws std::runtime_error naming the file and the fault for a
// file that cannot be read or is not a bitmap of a supported kind.
Image LoadBmp(const std::filesystem::path& path);

// The bytes of a .bmp file (file header first).
Image DecodeBmp(std::span<const std::uint8_t> file);

// A device-independent bitmap without the file header, as a bitmap resource
// stores it: the info header, the palette, then the pixel rows.
Image DecodeDib(std::span<const std::uint8_t> dib);

}  // namespace draw
