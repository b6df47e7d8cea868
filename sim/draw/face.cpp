#include "sim/draw/face.h"

namespace draw {

Image RenderFace(const Face& face, const Font& font, int scale) {
  Image picture = face.background;
  for (const FaceText& text : face.texts) {
    DrawCp1252Text(picture, font, text.box, text.align, RgbFromColorref(text.colorref),
                   text.cp1252);
  }
  for (const FaceIcon& icon : face.icons)
    Blit(picture, icon.image, icon.x, icon.y, icon.transparent);
  return scale == 1 ? picture : ScaleNearest(picture, scale);
}

}  // namespace draw
