// The mouse table as the host meets it: which rows take which clicks, held
// buttons, cursors and tooltips.
#include <gtest/gtest.h>

#include "module_fixture.h"

namespace skelbor_test {
namespace {

struct RowCase {
  Button button;
  bool takesRight;
  std::int32_t cursor;
  const char* tooltip;  // null: one of the changing upper-row texts
};

class MouseTableTest : public ModuleTest, public ::testing::WithParamInterface<RowCase> {};

TEST_P(MouseTableTest, RowAcceptsItsEventsWithItsCursorAndTooltip) {
  const RowCase& row = GetParam();
  Load();
  panel->RunFrames(1);
  gps.ClearAccesses();
  panel->ClearKeyEvents();
  const std::vector<std::string> tooltips_before = UpperTooltips();

  EXPECT_EQ(Click(row.button, sim::MouseButton::kRight), row.takesRight);
  if (!row.takesRight) {
    // Nothing ran: no GPS access, no key event, no tooltip changed.
    EXPECT_TRUE(gps.Accesses().empty());
    EXPECT_TRUE(panel->KeyEvents().empty());
    EXPECT_EQ(UpperTooltips(), tooltips_before);
  }
  const Point point = Centre(row.button);
  EXPECT_EQ(gauge->CursorAt(point.x, point.y), row.cursor);
  if (row.tooltip != nullptr) {
    EXPECT_EQ(TooltipOf(row.button), row.tooltip);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MouseTableTest,
    ::testing::Values(RowCase{Button::kClose, false, CURSOR_HAND, ""},
                      RowCase{Button::kLast, false, CURSOR_HAND, "Load Last Active Airport"},
                      RowCase{Button::kPrevious, false, CURSOR_DOWNARROW, nullptr},
                      RowCase{Button::kNext, false, CURSOR_UPARROW, nullptr},
                      RowCase{Button::kDown, true, CURSOR_DOWNARROW, nullptr},
                      RowCase{Button::kUp, true, CURSOR_UPARROW, nullptr},
                      RowCase{Button::kPage, false, CURSOR_HAND, "Next Page"},
                      RowCase{Button::kAct, true, CURSOR_HAND, "Activate"},
                      RowCase{Button::kBlank, false, CURSOR_NONE, nullptr},
                      RowCase{Button::kStore, false, CURSOR_HAND, "Save Current Airport"},
                      RowCase{Button::kRecall, false, CURSOR_HAND, "Load Saved Airport"}));

TEST_F(MouseTableTest, CloseBoxShowsTheHostsHelpId) {
  Load();
  const sim::TooltipView view = gauge->Tooltip(240, 5);
  EXPECT_TRUE(view.found);
  EXPECT_EQ(view.helpId, 0xAB87);
  EXPECT_EQ(view.text, "");
}

TEST_F(MouseTableTest, BlankTooltipIsEmptyUntilTheGaugeIsConnectedToItsWindow) {
  sim::PanelOptions options;
  options.moduleFile = SKELBOR_MODULE_FILE;
  options.gps = &gps;
  panel = std::make_unique<sim::Panel>(options);
  panel->SetWindowOpen(sim::Panel::kGpsWindow, false);
  gauge = &panel->CreateGauge("gps", "", sim::Panel::kGpsWindow);
  EXPECT_EQ(TooltipOf(Button::kBlank), "");
  panel->SetWindowOpen(sim::Panel::kGpsWindow, true);
  EXPECT_EQ(TooltipOf(Button::kBlank), "qov");
}

TEST_F(MouseTableTest, HeldRowsRepeatAndOthersStepOncePerClick) {
  gps.SetStoredNumber("FacilityValid", 1.0);
  Load();

  // PAGE held: the press and two repeats land on pages 1, 2 and 3.
  const Point page = Centre(Button::kPage);
  gauge->Press(page.x, page.y);
  panel->RunFrames(sim::Gauge::kRepeatDelayFrames + sim::Gauge::kRepeatIntervalFrames);
  gauge->Release();
  panel->RunFrames(20);
  EXPECT_EQ(TooltipOf(Button::kPrevious), "Previous Runway");

  // V does not repeat: holding it steps the character once.
  Click(Button::kPage);  // back to page 0
  gps.ClearAccesses();
  const Point down = Centre(Button::kDown);
  gauge->Press(down.x, down.y);
  panel->RunFrames(3 * sim::Gauge::kRepeatDelayFrames);
  gauge->Release();
  int steps = 0;
  for (const auto& access : gps.Accesses()) {
    steps += access.write && access.name == "IcaoSearchAdvanceCharacter" ? 1 : 0;
  }
  EXPECT_EQ(steps, 1);
}

}  // namespace
}  // namespace skelbor_test
