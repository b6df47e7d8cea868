#include "sim/draw/face.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "ink.h"

namespace {

using draw::Align;
using draw::Face;
using draw::Image;
using draw::Rgb;

const Rgb kScreen{0, 0, 32};
const Rgb kBlack{0, 0, 0};
const Rgb kRed{255, 0, 0};

const draw::Font& GaugeFont() {
  static const draw::Font font(draw::kGaugeFontPath, draw::kGaugeFontPixelsPerEm);
  return font;
}

// A red disc on black, as the steering lamp.
Image Lamp() {
  Image lamp(4, 4, kBlack);
  lamp.At(1, 1) = lamp.At(2, 1) = lamp.At(1, 2) = lamp.At(2, 2) = kRed;
  return lamp;
}

Face SampleFace() {
  Face face;
  face.background = Image(60, 40, kScreen);
  face.background.At(0, 0) = Rgb{200, 200, 200};
  face.texts.push_back({{2, 2, 30, 17}, Align::kLeft, 0x00FFFF00, "K"});
  face.icons.push_back({Lamp(), 40, 20, std::nullopt});
  face.icons.push_back({Lamp(), 50, 30, kBlack});
  return face;
}

TEST(Face, DrawsBackgroundTextsAndIcons) {
  const Image picture = draw::RenderFace(SampleFace(), GaugeFont());
  ASSERT_EQ(picture.Width(), 60);
  ASSERT_EQ(picture.Height(), 40);
  EXPECT_EQ(picture.At(0, 0), (Rgb{200, 200, 200}));

  // The text in its COLORREF colour, inside its box.
  Image text_area = picture;
  for (int y = 20; y < 40; ++y) {
    for (int x = 40; x < 60; ++x) text_area.At(x, y) = kScreen;
  }
  text_area.At(0, 0) = kScreen;
  const Ink ink = InkOf(text_area, kScreen);
  EXPECT_GE(ink.left, 2);
  EXPECT_LT(ink.right, 32);
  EXPECT_GE(ink.top, 2);
  EXPECT_LT(ink.bottom, 19);
  bool cyan = false;
  for (const Rgb& pixel : text_area.Pixels()) cyan = cyan || pixel == Rgb{0, 255, 255};
  EXPECT_TRUE(cyan);

  // The opaque icon brings its black; the keyed one lets the screen through.
  EXPECT_EQ(picture.At(40, 20), kBlack);
  EXPECT_EQ(picture.At(41, 21), kRed);
  EXPECT_EQ(picture.At(50, 30), kScreen);
  EXPECT_EQ(picture.At(51, 31), kRed);
}

TEST(Face, ScalesByReplicatingEveryPixel) {
  const Image one = draw::RenderFace(SampleFace(), GaugeFont());
  const Image three = draw::RenderFace(SampleFace(), GaugeFont(), 3);
  ASSERT_EQ(three.Width(), 180);
  ASSERT_EQ(three.Height(), 120);
  for (int y = 0; y < three.Height(); ++y) {
    for (int x = 0; x < three.Width(); ++x) {
      ASSERT_EQ(three.At(x, y), one.At(x / 3, y / 3)) << "pixel " << x << ", " << y;
    }
  }
  EXPECT_THROW(draw::RenderFace(SampleFace(), GaugeFont(), 0), std::invalid_argument);
}

TEST(Face, IconsReachingPastTheEdgeAreCut) {
  Face face;
  face.background = Image(5, 5, kScreen);
  face.icons.push_back({Lamp(), 3, -2, std::nullopt});
  const Image picture = draw::RenderFace(face, GaugeFont());
  EXPECT_EQ(picture.At(4, 0), kRed);  // lamp pixel (1, 2)
  EXPECT_EQ(picture.At(3, 1), kBlack);
  EXPECT_EQ(picture.At(2, 0), kScreen);
}

}  // namespace
