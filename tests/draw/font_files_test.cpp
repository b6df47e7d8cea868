#include "sim/draw/font_files.h"

#include <gtest/gtest.h>

namespace {

TEST(FontFiles, FontconfigFindsTheFamilysFaceAndNoLookAlike) {
  EXPECT_EQ(draw::GaugeFontFile().filename(), "LiberationSans-Bold.ttf");
  EXPECT_EQ(draw::LabelFontFile().filename(), "LiberationSans-Regular.ttf");
  EXPECT_TRUE(std::filesystem::is_regular_file(draw::GaugeFontFile()));
  // fontconfig answers every question with some font; one of another family
  // would draw other widths, so the fallback stands instead.
  EXPECT_EQ(draw::FontFile("No Such Family Anywhere", "Bold", "/fallback.ttf"), "/fallback.ttf");
  EXPECT_EQ(draw::FontFile("Liberation Sans", "No Such Style", "/fallback.ttf"), "/fallback.ttf");
}

}  // namespace
