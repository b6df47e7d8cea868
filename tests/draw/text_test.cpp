#include "sim/draw/text.h"

#include <gtest/gtest.h>

#include <string>

#include "ink.h"
#include "sim/draw/font.h"
#include "sim/draw/image.h"

namespace {

using draw::Align;
using draw::Image;
using draw::Rgb;
using draw::TextBox;

const Rgb kScreen{0, 0, 32};
const Rgb kWhite{255, 255, 255};

const draw::Font& GaugeFont() {
  static const draw::Font font(draw::kGaugeFontPath, draw::kGaugeFontPixelsPerEm);
  return font;
}

Image Drawn(TextBox box, Align align, const std::string& cp1252, Rgb colour = kWhite) {
  Image image(250, 80, kScreen);
  draw::DrawCp1252Text(image, GaugeFont(), box, align, colour, cp1252);
  return image;
}

TEST(Text, TheGaugeFontFitsThePageLayout) {
  // The line's cell fits the 17-pixel elements.
  EXPECT_EQ(GaugeFont().Ascent(), 11);
  EXPECT_LE(GaugeFont().CellHeight(), 17);
  // The tightest texts of the airport page fit the room their boxes leave.
  struct Case {
    std::u32string text;
    int room;
  };
  const Case cases[] = {
      {U"Airport:", 45},  // right-aligned in its box
      {U"RelBrg:", 44},   // left-aligned, up to where its value's box begins
      {U"123.4\u00B0", 38}, {U"Trk:", 38},
      {U"GS:", 38},         {U"120 Kts", 53},  // "%3.0f Kts" lives in 53 pixels
      {U"9999 NM", 53},     {U"  City: Seattle", 182},
  };
  for (const Case& c : cases) {
    EXPECT_LE(draw::TextWidth(GaugeFont(), c.text), c.room) << c.room;
  }
}

TEST(Text, StaysInsideItsBoxForEveryAlignmentAndLength) {
  const TextBox box{40, 20, 38, 17};
  for (const Align align : {Align::kLeft, Align::kCenter, Align::kRight}) {
    for (const std::string text : {"Brg:", "123.4\xB0", "  City: Seattle-Tacoma International"}) {
      const Ink ink = InkOf(Drawn(box, align, text), kScreen);
      SCOPED_TRACE(text + " aligned " + std::to_string(static_cast<int>(align)));
      ASSERT_GT(ink.count, 20);
      EXPECT_GE(ink.left, box.x);
      EXPECT_LT(ink.right, box.x + box.width);
      EXPECT_GE(ink.top, box.y);
      EXPECT_LT(ink.bottom, box.y + box.height);
    }
  }
}

TEST(Text, ATooLongTextKeepsTheEndOnItsAlignedSide) {
  const TextBox box{40, 20, 38, 17};
  const std::string text = "WWWWWWWWWW";
  const Ink left = InkOf(Drawn(box, Align::kLeft, text), kScreen);
  const Ink right = InkOf(Drawn(box, Align::kRight, text), kScreen);
  // Left-aligned starts at the box's left edge and runs out at the right one;
  // right-aligned the other way about.
  EXPECT_LE(left.left, box.x + 1);
  EXPECT_EQ(left.right, box.x + box.width - 1);
  EXPECT_EQ(right.left, box.x);
  EXPECT_GE(right.right, box.x + box.width - 3);
}

TEST(Text, LettersDeeperThanTheBaselineAndAccentsFitTheCell) {
  // A tall box shows whether the line's cell would have cut anything.
  const std::string text = "gjpqy \xC9\xC0\xD4 Qg";
  const Ink ink = InkOf(Drawn(TextBox{10, 10, 200, 40}, Align::kLeft, text), kScreen);
  EXPECT_GE(ink.top, 10);
  EXPECT_LT(ink.bottom, 10 + GaugeFont().CellHeight());
  EXPECT_GE(ink.bottom, 10 + GaugeFont().Ascent() + 2);  // the descenders are there
}

TEST(Text, ShowsCp1252BytesAsTheirOwnCharacters) {
  // The degree sign is a small ring above the baseline, not a missing-glyph box.
  const Ink degree = InkOf(Drawn(TextBox{10, 10, 40, 17}, Align::kLeft, "\xB0"), kScreen);
  EXPECT_LT(degree.bottom, 10 + GaugeFont().Ascent() - 4);
  EXPECT_LT(degree.bottom - degree.top, 8);
  // o circumflex: an o with a mark above x-height, taller than a plain o.
  const Ink o = InkOf(Drawn(TextBox{10, 10, 40, 17}, Align::kLeft, "o"), kScreen);
  const Ink o_circumflex = InkOf(Drawn(TextBox{10, 10, 40, 17}, Align::kLeft, "\xF4"), kScreen);
  EXPECT_EQ(o_circumflex.bottom, o.bottom);
  EXPECT_LT(o_circumflex.top, o.top - 2);
}

TEST(Text, CentreAndRightAlignmentPlaceTheLineByItsAdvanceWidth) {
  const TextBox box{100, 20, 80, 17};
  const std::string text = "K";
  const int width = draw::TextWidth(GaugeFont(), U"K");
  const Ink left = InkOf(Drawn(box, Align::kLeft, text), kScreen);
  const Ink centre = InkOf(Drawn(box, Align::kCenter, text), kScreen);
  const Ink right = InkOf(Drawn(box, Align::kRight, text), kScreen);
  EXPECT_EQ(centre.left - left.left, (box.width - width) / 2);
  EXPECT_EQ(right.left - left.left, box.width - width);
  EXPECT_EQ(centre.count, left.count);
  EXPECT_EQ(right.count, left.count);
  // Ink stays near the advance box: a bold K starts within two pixels of the pen.
  EXPECT_LE(left.left - box.x, 2);
  EXPECT_LE(box.x + box.width - 1 - right.right, 2);
}

TEST(Text, DrawsInTheGivenColourBlendedOverTheBackground) {
  const Rgb cyan = draw::RgbFromColorref(0x00FFFF00);
  ASSERT_EQ(cyan, (Rgb{0, 255, 255}));
  const Image image = Drawn(TextBox{10, 10, 60, 17}, Align::kLeft, "HIL", cyan);
  int full = 0;
  for (const Rgb& pixel : image.Pixels()) {
    if (pixel == cyan) ++full;
    // Every pixel lies between the background and the colour: red stays 0,
    // green and blue rise together.
    EXPECT_EQ(pixel.r, 0);
    EXPECT_GE(pixel.g, kScreen.g);
    EXPECT_GE(pixel.b, kScreen.b);
  }
  EXPECT_GT(full, 30);  // the hinted stems are fully covered
}

TEST(Text, ABoxPartlyOutsideTheImageDrawsOnlyWhatIsInside) {
  Image image(30, 12, kScreen);
  draw::DrawCp1252Text(image, GaugeFont(), TextBox{-20, -5, 80, 17}, Align::kCenter, kWhite,
                       "WWWWWWWWWWWW");
  EXPECT_GT(InkOf(image, kScreen).count, 0);
  Image empty(30, 12, kScreen);
  draw::DrawCp1252Text(empty, GaugeFont(), TextBox{10, 10, 0, 17}, Align::kLeft, kWhite, "W");
  EXPECT_EQ(InkOf(empty, kScreen).count, 0);
}

TEST(Text, MapsDrawTextFlagsToAlignment) {
  EXPECT_EQ(draw::AlignFromDrawTextFlags(0), Align::kLeft);
  EXPECT_EQ(draw::AlignFromDrawTextFlags(1), Align::kCenter);
  EXPECT_EQ(draw::AlignFromDrawTextFlags(2), Align::kRight);
  EXPECT_EQ(draw::AlignFromDrawTextFlags(0x20 | 2), Align::kRight);  // DT_SINGLELINE beside it
}

TEST(Text, ReportsAMissingFontFile) {
  EXPECT_THROW(draw::Font("/nonexistent/font.ttf", 12), std::runtime_error);
  EXPECT_THROW(draw::Font(draw::kGaugeFontPath, 0), std::invalid_argument);
}

}  // namespace
