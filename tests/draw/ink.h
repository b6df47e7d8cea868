// Where drawing changed a picture: the tests' measure of placed text and shapes.
#pragma once

#include <algorithm>
#include <climits>

#include "sim/draw/image.h"

struct Ink {
  int left = INT_MAX;
  int top = INT_MAX;
  int right = INT_MIN;  // inclusive
  int bottom = INT_MIN;
  int count = 0;
};

inline Ink InkOf(const draw::Image& image, draw::Rgb background) {
  Ink ink;
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) {
      if (image.At(x, y) == background) continue;
      ink.left = std::min(ink.left, x);
      ink.right = std::max(ink.right, x);
      ink.top = std::min(ink.top, y);
      ink.bottom = std::max(ink.bottom, y);
      ++ink.count;
    }
  }
  return ink;
}
