// The four bitmaps are resources of the module file (beside it off Windows),
// with the sizes and colour depths the display's records rely on.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "module_fixture.h"

namespace skelbor_test {
namespace {

std::int32_t Field32(const std::vector<std::uint8_t>& dib, std::size_t at) {
  return static_cast<std::int32_t>(dib[at] | dib[at + 1] << 8 | dib[at + 2] << 16 |
                                   static_cast<std::uint32_t>(dib[at + 3]) << 24);
}

struct BitmapCase {
  int id;
  int width;
  int height;
  int bitsPerPixel;
};

class BitmapResourcesTest : public ModuleTest, public ::testing::WithParamInterface<BitmapCase> {};

TEST_P(BitmapResourcesTest, ResourceHasItsSizeAndDepth) {
  const BitmapCase& c = GetParam();
  Load();
  const std::vector<std::uint8_t> dib = panel->Library().BitmapResource(c.id);
  ASSERT_GE(dib.size(), 40u) << c.id;
  EXPECT_EQ(Field32(dib, 0), 40) << "info header size of " << c.id;
  EXPECT_EQ(Field32(dib, 4), c.width) << c.id;
  EXPECT_EQ(Field32(dib, 8) < 0 ? -Field32(dib, 8) : Field32(dib, 8), c.height) << c.id;
  EXPECT_EQ(dib[14] | dib[15] << 8, c.bitsPerPixel) << c.id;
}

INSTANTIATE_TEST_SUITE_P(Bitmaps, BitmapResourcesTest,
                         ::testing::Values(BitmapCase{256, 250, 130, 8}, BitmapCase{512, 10, 10, 8},
                                           BitmapCase{513, 10, 10, 8},
                                           BitmapCase{768, 50, 25, 24}));

TEST_F(BitmapResourcesTest, UnknownIdHasNoResource) {
  Load();
  EXPECT_TRUE(panel->Library().BitmapResource(257).empty());
}

}  // namespace
}  // namespace skelbor_test
