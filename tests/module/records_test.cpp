// The records the host reads, on every build: what does not depend on the
// size of a pointer (leading offsets, field order, element types, ids, flags)
// and the values the module gives them. The 32-bit Windows build pins every
// offset where the records are declared.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <vector>

#include "module_fixture.h"
#include "sdk/gps_callbacks.h"

namespace skelbor_test {
namespace {

// Offsets before the first pointer of a record are the same on every build.
static_assert(sizeof(PIXPOINT) == 8 && sizeof(PIXBOX) == 16);
static_assert(offsetof(ELEMENT_HEADER, resource_id) == 4);
static_assert(offsetof(ELEMENT_HEADER, position) == 8);
static_assert(offsetof(ELEMENT_HEADER, previous_position) == 16);
static_assert(offsetof(ELEMENT_HEADER, ofs) == 24);
static_assert(offsetof(ELEMENT_HEADER, gauge_header) == 32);
static_assert(offsetof(MOUSERECT, relative_box) == 4);
static_assert(offsetof(MOUSERECT, cursor) == 20);
static_assert(offsetof(MOUSERECT, help_id) == 24);
static_assert(offsetof(MOUSERECT, mouse_flags) == 28);
static_assert(offsetof(MOUSERECT, event_id) == 32);

bool Increasing(const std::vector<std::size_t>& offsets) {
  for (std::size_t i = 1; i < offsets.size(); ++i) {
    if (offsets[i] <= offsets[i - 1]) return false;
  }
  return true;
}

TEST(Records, FieldsStandInTheHostsOrder) {
  EXPECT_TRUE(Increasing(
      {offsetof(ELEMENT_HEADER, gauge_header), offsetof(ELEMENT_HEADER, previous_element),
       offsetof(ELEMENT_HEADER, next_element), offsetof(ELEMENT_HEADER, failure_systems),
       offsetof(ELEMENT_HEADER, image_flags),
       offsetof(ELEMENT_HEADER, aircraft_special_instrumentation),
       offsetof(ELEMENT_HEADER, reserved), sizeof(ELEMENT_HEADER)}));
  EXPECT_TRUE(
      Increasing({offsetof(ELEMENT_STRING, source_var), offsetof(ELEMENT_STRING, save_var),
                  offsetof(ELEMENT_STRING, source_var_cb), offsetof(ELEMENT_STRING, string),
                  offsetof(ELEMENT_STRING, img_size), offsetof(ELEMENT_STRING, fg_color),
                  offsetof(ELEMENT_STRING, bg_color), offsetof(ELEMENT_STRING, hilite_color),
                  offsetof(ELEMENT_STRING, font_name), offsetof(ELEMENT_STRING, font_weight),
                  offsetof(ELEMENT_STRING, font_charset), offsetof(ELEMENT_STRING, draw_text_flags),
                  offsetof(ELEMENT_STRING, max_string_length), offsetof(ELEMENT_STRING, char_width),
                  offsetof(ELEMENT_STRING, char_height), offsetof(ELEMENT_STRING, update_cb),
                  offsetof(ELEMENT_STRING, user_color), sizeof(ELEMENT_STRING)}));
  // The character width is the two bytes right after the capacity.
  EXPECT_EQ(offsetof(ELEMENT_STRING, char_width), offsetof(ELEMENT_STRING, max_string_length) + 2);
  EXPECT_TRUE(Increasing({offsetof(ELEMENT_ICON, source_var), offsetof(ELEMENT_ICON, switch_type),
                          offsetof(ELEMENT_ICON, scale), offsetof(ELEMENT_ICON, offset),
                          offsetof(ELEMENT_ICON, num_icons), offsetof(ELEMENT_ICON, cur_icon),
                          offsetof(ELEMENT_ICON, dst_icon), offsetof(ELEMENT_ICON, update_cb),
                          sizeof(ELEMENT_ICON)}));
  EXPECT_TRUE(
      Increasing({offsetof(GAUGEHDR, elements_list), offsetof(GAUGEHDR, query_routine),
                  offsetof(GAUGEHDR, kill_routine), offsetof(GAUGEHDR, size_x_mm),
                  offsetof(GAUGEHDR, position), offsetof(GAUGEHDR, mouse_rect),
                  offsetof(GAUGEHDR, gauge_callback), offsetof(GAUGEHDR, parameters),
                  offsetof(GAUGEHDR, size), offsetof(GAUGEHDR, user_area), offsetof(GAUGEHDR, guid),
                  offsetof(GAUGEHDR, original_position), sizeof(GAUGEHDR)}));
  EXPECT_TRUE(Increasing({offsetof(MOUSERECT, event_id), offsetof(MOUSERECT, mouse_function),
                          offsetof(MOUSERECT, api_data), sizeof(MOUSERECT)}));
  EXPECT_TRUE(Increasing({offsetof(MODULE_VAR, var_ptr), offsetof(MODULE_VAR, var_type),
                          offsetof(MODULE_VAR, var_value), offsetof(MODULE_VAR, var_old),
                          sizeof(MODULE_VAR)}));
  EXPECT_TRUE(Increasing({offsetof(PANELS, element_list_query), offsetof(PANELS, element_list_kill),
                          offsetof(PANELS, lookup_var), offsetof(PANELS, element_use_color),
                          offsetof(PANELS, panel_get_registered_c_callback),
                          offsetof(PANELS, send_key_event), sizeof(PANELS)}));
  // The module's services are these words of the 86: six words of the host's
  // own module record, then one function pointer a word.
  const auto word = [](std::size_t offset) {
    return 6 + (offset - offsetof(PANELS, reserved_06_23)) / sizeof(PVOID);
  };
  EXPECT_EQ(word(sizeof(PANELS)), 86u);
  EXPECT_EQ(word(offsetof(PANELS, element_list_query)), 24u);
  EXPECT_EQ(word(offsetof(PANELS, element_list_kill)), 31u);
  EXPECT_EQ(word(offsetof(PANELS, lookup_var)), 40u);
  EXPECT_EQ(word(offsetof(PANELS, element_use_color)), 65u);
  EXPECT_EQ(word(offsetof(PANELS, panel_get_registered_c_callback)), 77u);
  EXPECT_EQ(word(offsetof(PANELS, panel_get_aircraft_c_callback)), 78u);
  EXPECT_EQ(word(offsetof(PANELS, send_key_event)), 79u);
}

class RecordsTest : public ModuleTest {};

TEST_F(RecordsTest, StringElementsCarryTheirFontBoxAndCapacityInline) {
  Load();
  panel->RunFrames(1);
  const std::vector<sim::ElementView> elements = gauge->Elements();
  ASSERT_EQ(elements.size(), 69u);
  for (std::size_t i = 1; i < 68; ++i) {
    const auto* record = reinterpret_cast<const ELEMENT_STRING*>(elements[i].record);
    SCOPED_TRACE(sim::kGpsElementNames[i]);
    EXPECT_EQ(record->header.resource_id, -1);
    EXPECT_EQ(record->header.gauge_header, gauge->Header());
    EXPECT_EQ(record->header.failure_systems, nullptr);
    EXPECT_EQ(std::memcmp(record->font_name, "Arial\0", 6), 0);
    EXPECT_EQ(record->font_charset, 1);
    EXPECT_EQ(record->img_size.x, elements[i].width);
    EXPECT_EQ(record->img_size.y, 17);
    EXPECT_EQ(record->char_height, 12);
    EXPECT_EQ(record->fg_color, 0x00FFFFFFu);
    EXPECT_EQ(record->source_var[0].id, 0);
    EXPECT_NE(record->string, nullptr);  // the host's buffer
  }
}

TEST_F(RecordsTest, LampIsAnIconOfTwoConsecutiveBitmaps) {
  Load();
  panel->RunFrames(1);
  const auto* lamp = reinterpret_cast<const ELEMENT_ICON*>(View("steeringIndicator").record);
  EXPECT_EQ(lamp->header.element_type, ELEMENT_TYPE_ICON);
  EXPECT_EQ(lamp->header.resource_id, 512);
  EXPECT_EQ(lamp->num_icons, 2);
  EXPECT_EQ(lamp->switch_type, ICON_SWITCH_TYPE_STEP_TO);
  EXPECT_EQ(lamp->scale, 1.0);
  EXPECT_EQ(lamp->offset, 0);
  EXPECT_EQ(lamp->header.next_element, nullptr);
}

TEST_F(RecordsTest, IconGaugeIsOneStaticImageWithItsOwnHelpId) {
  Load();
  sim::Gauge& icon = panel->CreateGauge("icon", "7");
  panel->RunFrames(1);
  const std::vector<sim::ElementView> elements = icon.Elements();
  ASSERT_EQ(elements.size(), 1u);
  EXPECT_EQ(elements[0].type, ELEMENT_TYPE_STATIC_IMAGE);
  EXPECT_EQ(elements[0].image, 768);
  EXPECT_EQ(elements[0].record->gauge_header, icon.Header());
  EXPECT_EQ(elements[0].record->image_flags, 0x83u);
  EXPECT_STREQ(icon.Header()->parameters, "7");  // written by the host
  EXPECT_EQ(icon.Tooltip(10, 10).helpId, 0xAB87);
}

#if GTEST_HAS_DEATH_TEST && !defined(_WIN32)
// A call through a word or a method the module must not use ends the run,
// naming it, instead of corrupting the stack.
TEST_F(RecordsTest, UnusedServicesAreTraps) {
  Load();
  const auto* table = static_cast<const IMPORTTABLE*>(panel->Library().Symbol("ImportTable"));
  const auto* services = static_cast<const PANELS*>(table->PANELSentry.fnptr);
  EXPECT_DEATH(services->reserved_41_64[0](), "PANELS word 41");
  EXPECT_DEATH(services->element_list_erase(nullptr), "PANELS word 30");
  auto* aircraft =
      static_cast<IAircraftCCallback*>(services->panel_get_aircraft_c_callback("fs9gps"));
  EXPECT_DEATH(aircraft->AddRef(), "IAircraftCCallback::AddRef");
  EXPECT_DEATH(aircraft->CreateGaugeCCallback()->Update(), "IGaugeCCallback::Update");
}
#endif

}  // namespace
}  // namespace skelbor_test
