// The icon gauge and the close box of gps share one panel window id.
#include <gtest/gtest.h>

#include "module_fixture.h"

namespace skelbor_test {
namespace {

constexpr std::uint32_t kToggleWindow = 0x103CA;

struct IconCase {
  const char* parameter;
  std::uint32_t iconSends;       // the first icon click
  std::uint32_t closeBoxSends;   // a close-box click after it
  std::uint32_t iconSendsAfter;  // an icon click after that
};

class IconGaugeTest : public ModuleTest, public ::testing::WithParamInterface<IconCase> {};

TEST_P(IconGaugeTest, IconAndCloseBoxToggleTheWindowOfTheParameter) {
  const IconCase& c = GetParam();
  Load();
  sim::Gauge& icon = panel->CreateGauge("icon", c.parameter);
  panel->RunFrames(1);

  EXPECT_TRUE(icon.Click(25, 12, sim::MouseButton::kLeft));
  EXPECT_TRUE(Click(Button::kClose));
  EXPECT_TRUE(icon.Click(1, 1, sim::MouseButton::kLeft));
  EXPECT_EQ(panel->KeyEvents(), (std::vector<sim::KeyEvent>{{kToggleWindow, c.iconSends},
                                                            {kToggleWindow, c.closeBoxSends},
                                                            {kToggleWindow, c.iconSendsAfter}}));
}

INSTANTIATE_TEST_SUITE_P(Parameters, IconGaugeTest,
                         ::testing::Values(IconCase{"3", 3, 3, 3}, IconCase{"", 225, 225, 225},
                                           IconCase{"  -12x", 0xFFFFFFF4u, 0xFFFFFFF4u,
                                                    0xFFFFFFF4u},
                                           IconCase{"letters", 0, 225, 225}));

TEST_F(IconGaugeTest, CloseBoxWithoutIconGaugeSends225AndTogglesTheGpsWindow) {
  Load();
  ASSERT_TRUE(panel->WindowOpen(sim::Panel::kGpsWindow));
  Click(Button::kClose);
  EXPECT_EQ(panel->KeyEvents(), (std::vector<sim::KeyEvent>{{kToggleWindow, 225}}));
  EXPECT_FALSE(panel->WindowOpen(sim::Panel::kGpsWindow));
}

TEST_F(IconGaugeTest, SecondIconGaugeKeepsTheFirstOnesWindow) {
  Load();
  sim::Gauge& first = panel->CreateGauge("icon", "7");
  panel->RunFrames(1);
  sim::Gauge& second = panel->CreateGauge("icon", "9");
  panel->RunFrames(1);
  second.Click(10, 10, sim::MouseButton::kLeft);
  first.Click(10, 10, sim::MouseButton::kLeft);
  EXPECT_EQ(panel->KeyEvents(),
            (std::vector<sim::KeyEvent>{{kToggleWindow, 7}, {kToggleWindow, 7}}));
}

TEST_F(IconGaugeTest, IconIgnoresRightClicksAndShowsItsBitmap) {
  Load();
  sim::Gauge& icon = panel->CreateGauge("icon", "");
  panel->RunFrames(1);
  EXPECT_FALSE(icon.Click(10, 10, sim::MouseButton::kRight));
  EXPECT_TRUE(panel->KeyEvents().empty());
  const auto elements = icon.Elements();
  ASSERT_EQ(elements.size(), 1u);
  EXPECT_EQ(elements[0].image, 768);
  EXPECT_EQ(icon.CursorAt(10, 10), CURSOR_HAND);
}

}  // namespace
}  // namespace skelbor_test
