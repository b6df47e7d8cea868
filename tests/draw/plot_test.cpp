#include "sim/draw/plot.h"

#include <gtest/gtest.h>

#include <limits>

#include "ink.h"

namespace {

using draw::Image;
using draw::Point;
using draw::Rgb;

const Rgb kWhite{255, 255, 255};
const Rgb kRed{255, 0, 0};

TEST(Plot, AHorizontalLineCoversItsRowBetweenTheEnds) {
  Image image(40, 20, kWhite);
  draw::DrawLine(image, Point{5.5, 10.5}, Point{30.5, 10.5}, kRed);
  for (int x = 5; x <= 30; ++x) EXPECT_EQ(image.At(x, 10), kRed) << x;
  const Ink ink = InkOf(image, kWhite);
  EXPECT_EQ(ink.top, 10);
  EXPECT_EQ(ink.bottom, 10);
  EXPECT_GE(ink.left, 4);
  EXPECT_LE(ink.right, 31);
}

TEST(Plot, ADiagonalLinePassesThroughItsMiddleAndSoftensItsEdges) {
  Image image(40, 40, kWhite);
  draw::DrawLine(image, Point{5, 5}, Point{35, 35}, kRed, 2.0);
  EXPECT_EQ(image.At(20, 20), kRed);
  EXPECT_EQ(image.At(30, 10), kWhite);
  bool partial = false;
  for (const Rgb& pixel : image.Pixels()) partial = partial || (pixel != kRed && pixel != kWhite);
  EXPECT_TRUE(partial);
}

TEST(Plot, ACircleIsFilledRoundItsCentreAndNoFurther) {
  Image image(41, 41, kWhite);
  draw::FillCircle(image, Point{20.5, 20.5}, 6.0, kRed);
  EXPECT_EQ(image.At(20, 20), kRed);
  EXPECT_EQ(image.At(25, 20), kRed);
  EXPECT_EQ(image.At(20, 15), kRed);
  const Ink ink = InkOf(image, kWhite);
  // Symmetric about the centre pixel, reaching about the radius.
  EXPECT_EQ(20 - ink.left, ink.right - 20);
  EXPECT_EQ(20 - ink.top, ink.bottom - 20);
  EXPECT_EQ(ink.right, 26);
  EXPECT_EQ(image.At(25, 25), kWhite);  // the corner of the bounding square stays clear
}

TEST(Plot, ShapesOffTheImageOrUnusableAreCutOrIgnored) {
  Image image(10, 10, kWhite);
  draw::FillCircle(image, Point{0, 0}, 3.0, kRed);
  EXPECT_EQ(image.At(0, 0), kRed);
  draw::DrawLine(image, Point{-1e12, 5.5}, Point{1e12, 5.5}, kRed);
  EXPECT_EQ(image.At(9, 5), kRed);
  Image untouched(10, 10, kWhite);
  draw::FillCircle(untouched, Point{100, 100}, 3.0, kRed);
  draw::DrawLine(untouched, Point{std::numeric_limits<double>::quiet_NaN(), 1}, Point{5, 5}, kRed);
  draw::FillCircle(untouched, Point{5, 5}, -1.0, kRed);
  EXPECT_EQ(InkOf(untouched, kWhite).count, 0);
}

TEST(Plot, LabelsAreAnchoredByAlignment) {
  const draw::Font font(draw::kLabelFontPath, 12);
  const auto ink_of = [&](draw::Align align) {
    Image image(100, 20, kWhite);
    draw::DrawLabel(image, font, 50, 2, "KSEA 12\u00B0", kRed, align);
    return InkOf(image, kWhite);
  };
  const Ink left = ink_of(draw::Align::kLeft);
  const Ink centre = ink_of(draw::Align::kCenter);
  const Ink right = ink_of(draw::Align::kRight);
  EXPECT_GE(left.left, 50);
  EXPECT_LE(left.left, 52);
  EXPECT_LE(right.right, 50);
  EXPECT_GE(right.right, 46);
  EXPECT_LT(centre.left, 50);
  EXPECT_GT(centre.right, 50);
  EXPECT_GE(left.top, 2);
  EXPECT_LT(left.bottom, 2 + 12);
}

}  // namespace
