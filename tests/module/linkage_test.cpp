// The records through which the simulator finds the module and its gauges.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "module_fixture.h"

namespace skelbor_test {
namespace {

class LinkageTest : public ModuleTest {};

TEST_F(LinkageTest, ModuleRecordNamesBothGaugesAndTheStartUp) {
  Load();
  const GAUGESLINKAGE& linkage = panel->Linkage();
  EXPECT_EQ(linkage.ModuleID, 0x13u);
  EXPECT_EQ(linkage.ModuleVersion, 0x900u);
  EXPECT_EQ(linkage.ModuleFlags, 0u);
  EXPECT_EQ(linkage.ModulePriority, 0u);
  ASSERT_NE(linkage.ModuleInit, nullptr);
  ASSERT_NE(linkage.ModuleDeinit, nullptr);
  ASSERT_NE(linkage.gauge_header_ptr[0], nullptr);
  ASSERT_NE(linkage.gauge_header_ptr[1], nullptr);
  EXPECT_EQ(linkage.gauge_header_ptr[2], nullptr);

  const GAUGEHDR& gps_header = *linkage.gauge_header_ptr[0];
  const GAUGEHDR& icon_header = *linkage.gauge_header_ptr[1];
  EXPECT_STREQ(gps_header.gauge_name, "gps");
  EXPECT_STREQ(icon_header.gauge_name, "icon");
  EXPECT_EQ(gps_header.gauge_header_version, 800u);
  EXPECT_EQ(icon_header.gauge_header_version, 800u);
  EXPECT_EQ(gps_header.size_x_mm, 250u);
  EXPECT_EQ(icon_header.size_x_mm, 30u);
  EXPECT_NE(panel->GetIcao, nullptr);
  EXPECT_NE(panel->SetIcao, nullptr);
}

TEST_F(LinkageTest, GpsDisplayIsBackgroundStringsAndIndicatorInChainOrder) {
  Load();
  panel->RunFrames(1);
  const std::vector<sim::ElementView> elements = gauge->Elements();
  ASSERT_EQ(elements.size(), 69u);
  EXPECT_EQ(elements.front().type, ELEMENT_TYPE_STATIC_IMAGE);
  EXPECT_EQ(elements.front().image, 256);
  for (std::size_t i = 1; i < 68; ++i) {
    EXPECT_EQ(elements[i].type, ELEMENT_TYPE_STRING) << i;
    EXPECT_EQ(elements[i].height, 17) << i;
    const auto* record = reinterpret_cast<const ELEMENT_STRING*>(elements[i].record);
    EXPECT_STREQ(record->font_name, "Arial");
    EXPECT_EQ(record->font_weight, 725);
    EXPECT_EQ(record->header.image_flags & ~IMAGE_HIDDEN, 0x83u);
  }
  EXPECT_EQ(elements.back().type, ELEMENT_TYPE_ICON);
  EXPECT_EQ(elements.back().x, 235);
  EXPECT_EQ(elements.back().y, 65);
  EXPECT_EQ(elements.back().image, 512);  // not steering: the dark lamp
}

TEST_F(LinkageTest, GaugeCallbackActsOnlyOnItsFourServiceCodes) {
  Load();
  panel->ClearLookedUpVariables();
  GAUGEHDR* header = gauge->Header();
  for (SINT32 code : {-1, 0, 1, 2, 3, 5, 7, 8, 9, 11, 12, 13, 15, 100}) {
    header->gauge_callback(header, code, 0);
  }
  EXPECT_TRUE(panel->LookedUpVariables().empty());
  header->gauge_callback(header, PANEL_SERVICE_PRE_DRAW, 0);
  EXPECT_EQ(panel->LookedUpVariables(), (std::vector<std::int32_t>{335}));
}

TEST_F(LinkageTest, LookupRecordKeepsOnlyTheMostRecentLookups) {
  Load();
  panel->ClearLookedUpVariables();
  panel->RunFrames(1);
  const std::vector<std::int32_t> one_frame = panel->LookedUpVariables();
  ASSERT_FALSE(one_frame.empty());
  // Far more lookups than the record holds: it stays full, ending with the last frame's.
  const std::size_t frames = 4 * sim::Panel::kLookedUpCapacity / one_frame.size() + 1;
  panel->RunFrames(static_cast<int>(frames));
  const std::vector<std::int32_t> kept = panel->LookedUpVariables();
  ASSERT_EQ(kept.size(), sim::Panel::kLookedUpCapacity);
  EXPECT_TRUE(std::equal(one_frame.rbegin(), one_frame.rend(), kept.rbegin()));
}

}  // namespace
}  // namespace skelbor_test
