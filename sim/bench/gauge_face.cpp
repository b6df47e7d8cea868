#include "sim/bench/gauge_face.h"

#include <algorithm>
#include <string>

#include "sim/draw/bmp.h"

namespace bench {

const draw::Image& BitmapFolder::Bitmap(int id) {
  auto found = bitmaps_.find(id);
  if (found == bitmaps_.end()) {
    found = bitmaps_.emplace(id, draw::LoadBmp(folder_ / (std::to_string(id) + ".bmp"))).first;
  }
  return found->second;
}

draw::Face FaceOf(const sim::Gauge& gauge, BitmapFolder& bitmaps) {
  draw::Face face;
  bool have_background = false;
  for (const sim::ElementView& element : gauge.Elements()) {
    if (element.hidden) continue;
    switch (element.type) {
      case ELEMENT_TYPE_STRING:
        face.texts.push_back(draw::FaceText{
            draw::TextBox{element.x, element.y, element.width, element.height},
            draw::AlignFromDrawTextFlags(element.align), element.color, element.text});
        break;
      case ELEMENT_TYPE_STATIC_IMAGE:
        if (!have_background) {
          face.background = bitmaps.Bitmap(element.image);
          have_background = true;
          break;
        }
        [[fallthrough]];
      case ELEMENT_TYPE_ICON:
        face.icons.push_back(
            draw::FaceIcon{bitmaps.Bitmap(element.image), element.x, element.y, std::nullopt});
        break;
      default:
        break;
    }
  }
  return face;
}

draw::Image FacesSideBySide(const std::vector<draw::Face>& faces, const draw::Font& font,
                            int scale) {
  constexpr int kGap = 10;
  std::vector<draw::Image> drawn;
  int width = 0;
  int height = 0;
  for (const draw::Face& face : faces) {
    drawn.push_back(draw::RenderFace(face, font, scale));
    width += drawn.back().Width() + (drawn.size() > 1 ? kGap * scale : 0);
    height = std::max(height, drawn.back().Height());
  }
  draw::Image sheet(width, height, draw::Rgb{96, 96, 96});
  int x = 0;
  for (const draw::Image& image : drawn) {
    draw::Blit(sheet, image, x, 0);
    x += image.Width() + kGap * scale;
  }
  return sheet;
}

}  // namespace bench
