// A gauge face put together as the host draws it: the background bitmap, then
// the shown string elements, then the icons.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "sim/draw/font.h"
#include "sim/draw/image.h"
#include "sim/draw/text.h"

namespace draw {

struct FaceText {
  TextBox box;
  Align align = Align::kLeft;
  std::uint32_t colorref = 0x00FFFFFF;
  std::string cp1252;
};

struct FaceIcon {
  Image image;
  int x = 0;
  int y = 0;
  std::optional<Rgb> transparent;  // pixels of this colour let the face show through
};

struct Face {
  Image background;
  std::vector<FaceText> texts;  // drawn in order
  std::vector<FaceIcon> icons;  // drawn in order, over the texts
};

// The face in gauge pixels, each enlarged to scale x scale pixels. Throws
// std::invalid_argument for a scale below 1.
Image RenderFace(const Face& face, const Font& font, int scale = 1);

}  // namespace draw
