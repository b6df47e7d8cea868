#include "module/icon_gauge.h"

#include <cstdint>
#include <cstdlib>

#include "cycle/gauge_state.h"
#include "module/gauges.h"
#include "module/panel_services.h"

namespace {

constexpr SINT32 kDefaultWindowId = 225;
constexpr SINT32 kIconBitmap = 768;
constexpr FLAGS32 kImageFlags = 0x83;

ELEMENT_STATIC_IMAGE iconFace = {
    .header = {.element_type = ELEMENT_TYPE_STATIC_IMAGE,
               .resource_id = kIconBitmap,
               .position = {0, 0},
               .gauge_header = &iconGaugeHeader,
               .image_flags = kImageFlags},
};

// A number beyond the 32-bit integers is held at the nearest end, as a 32-bit
// strtol holds it, on every platform.
std::int32_t WindowIdOf(const char* parameters) {
  const long long value = std::strtoll(parameters, nullptr, 10);
  if (value > INT32_MAX) return INT32_MAX;
  if (value < INT32_MIN) return INT32_MIN;
  return static_cast<std::int32_t>(value);
}

BOOL FSAPI IconClicked(PIXPOINT* /*relative_point*/, FLAGS32 /*mouse_flags*/) {
  SendKeyEvent(kKeyTogglePanelWindow, static_cast<UINT32>(gaugeState.windowId));
  return 0;
}

}  // namespace

ELEMENT_HEADER* iconElementList[] = {&iconFace.header, nullptr};

MOUSERECT iconMouseTable[] = {
    {.rect_type = MOUSE_RECT_PARENT,
     .relative_box = {0, 0, 0, 0},
     .cursor = CURSOR_NONE,
     .help_id = 0xAB87},
    {.rect_type = MOUSE_RECT_CHILD,
     .relative_box = {0, 0, 50, 25},
     .cursor = CURSOR_HAND,
     .mouse_flags = MOUSE_LEFTSINGLE,
     .mouse_function = IconClicked},
    {.rect_type = MOUSE_RECT_END_PARENT, .cursor = CURSOR_NONE},
    {.rect_type = MOUSE_RECT_EOL, .cursor = CURSOR_NONE},
};

// The window id comes from the first icon gauge whose parameter string the
// host has filled in; a second icon gauge keeps the first one's id.
void FSAPI IconGaugeCallback(GAUGEHDR* gauge, SINT32 service_id, UINT32 /*extra_data*/) {
  if (service_id != PANEL_SERVICE_PRE_UPDATE || gaugeState.iconParameterRead != 0) return;
  if (gauge == nullptr || gauge->parameters == nullptr) return;
  if (gauge->parameters[0] != '\0') {
    gaugeState.windowId = WindowIdOf(gauge->parameters);
  } else {
    gaugeState.windowId = kDefaultWindowId;
  }
  gaugeState.iconParameterRead = 1;
}

BOOL FSAPI CloseBoxClicked(PIXPOINT* /*relative_point*/, FLAGS32 /*mouse_flags*/) {
  if (gaugeState.windowId == 0) gaugeState.windowId = kDefaultWindowId;
  SendKeyEvent(kKeyTogglePanelWindow, static_cast<UINT32>(gaugeState.windowId));
  return 0;
}
