// A gauge's face as the simulator draws it: the elements as they stand after
// the last update, in chain order, with the module's bitmaps.
#pragma once

#include <filesystem>
#include <map>

#include "sim/draw/face.h"
#include "sim/draw/font.h"
#include "sim/draw/image.h"
#include "sim/host/gauge.h"

namespace bench {

// The module's bitmaps NNN.bmp in one folder, each read once.
class BitmapFolder {
 public:
  explicit BitmapFolder(std::filesystem::path folder) : folder_(std::move(folder)) {}
  // Throws std::runtime_error when the bitmap cannot be read.
  const draw::Image& Bitmap(int id);

 private:
  std::filesystem::path folder_;
  std::map<int, draw::Image> bitmaps_;
};

// The first static image is the background; later images and the icons are
// drawn over the texts; hidden elements are left out.
draw::Face FaceOf(const sim::Gauge& gauge, BitmapFolder& bitmaps);

// The faces side by side, top-aligned, on a grey ground, each enlarged by scale.
draw::Image FacesSideBySide(const std::vector<draw::Face>& faces, const draw::Font& font,
                            int scale);

}  // namespace bench
