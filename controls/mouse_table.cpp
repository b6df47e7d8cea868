// The gps gauge's mouse table. Every button's box stands twice: as a parent
// that carries only the tooltip, and as a child of the whole-gauge area with
// the cursor, the accepted events and the handler.
#include "controls/button_handlers.h"
#include "cycle/gauge_state.h"
#include "module/gauges.h"

namespace {

constexpr FLAGS32 kClick = MOUSE_LEFTSINGLE;
constexpr FLAGS32 kClickRepeat = MOUSE_LEFTSINGLE | MOUSE_DOWN_REPEAT;
constexpr FLAGS32 kLeftOrRight = MOUSE_LEFTSINGLE | MOUSE_RIGHTSINGLE;

constexpr PIXBOX kCloseBox = {235, 0, 15, 15};
constexpr PIXBOX kUpperRow[] = {
    {0, 80, 50, 25}, {50, 80, 50, 25}, {100, 80, 50, 25}, {150, 80, 50, 25}, {200, 80, 50, 25}};
constexpr PIXBOX kLowerRow[] = {{0, 105, 50, 25},
                                {50, 105, 50, 25},
                                {100, 105, 50, 25},
                                {150, 105, 50, 25},
                                {200, 105, 50, 25}};

constexpr MOUSERECT Parent(PIXBOX box, SINT32 help_id = 0) {
  return {.rect_type = MOUSE_RECT_PARENT,
          .relative_box = box,
          .cursor = CURSOR_NONE,
          .help_id = help_id};
}
constexpr MOUSERECT EndParent() {
  return {.rect_type = MOUSE_RECT_END_PARENT, .cursor = CURSOR_NONE};
}
constexpr MOUSERECT Tooltip(const char* text) {
  return {.rect_type = MOUSE_RECT_USER, .cursor = CURSOR_NONE, .tooltip_text = text};
}
constexpr MOUSERECT Child(PIXBOX box, SINT32 cursor, FLAGS32 flags, PMOUSE_FUNCTION handler) {
  return {.rect_type = MOUSE_RECT_CHILD,
          .relative_box = box,
          .cursor = cursor,
          .mouse_flags = flags,
          .mouse_function = handler};
}

}  // namespace

MOUSERECT gpsMouseTable[] = {
    Parent({0, 0, 0, 0}),
    Parent(kCloseBox, 0xAB87),
    EndParent(),

    Parent(kUpperRow[0]),
    Tooltip(gaugeState.tooltipText[0]),
    EndParent(),
    Parent(kUpperRow[1]),
    Tooltip(gaugeState.tooltipText[1]),
    EndParent(),
    Parent(kUpperRow[2]),
    Tooltip(gaugeState.tooltipText[2]),
    EndParent(),
    Parent(kUpperRow[3]),
    Tooltip(gaugeState.tooltipText[3]),
    EndParent(),
    Parent(kUpperRow[4]),
    Tooltip(gaugeState.tooltipText[4]),
    EndParent(),

    Child(kCloseBox, CURSOR_HAND, kClick, CloseBoxClicked),
    Child(kUpperRow[0], CURSOR_HAND, kClickRepeat, LastClicked),
    Child(kUpperRow[1], CURSOR_DOWNARROW, kClickRepeat, PreviousClicked),
    Child(kUpperRow[2], CURSOR_UPARROW, kClickRepeat, NextClicked),
    Child(kUpperRow[3], CURSOR_DOWNARROW, kLeftOrRight, DownClicked),
    Child(kUpperRow[4], CURSOR_UPARROW, kLeftOrRight, UpClicked),

    Parent(kLowerRow[0]),
    Tooltip("Next Page"),
    EndParent(),
    Parent(kLowerRow[1]),
    Tooltip("Activate"),
    EndParent(),
    Parent(kLowerRow[2]),
    Tooltip(gaugeState.blankTooltip),
    EndParent(),
    Parent(kLowerRow[3]),
    Tooltip("Save Current Airport"),
    EndParent(),
    Parent(kLowerRow[4]),
    Tooltip("Load Saved Airport"),
    EndParent(),

    Child(kLowerRow[0], CURSOR_HAND, kClickRepeat, PageClicked),
    Child(kLowerRow[1], CURSOR_HAND, kLeftOrRight, ActClicked),
    Child(kLowerRow[2], CURSOR_NONE, kClickRepeat, BlankClicked),
    Child(kLowerRow[3], CURSOR_HAND, kClickRepeat, StoreClicked),
    Child(kLowerRow[4], CURSOR_HAND, kClickRepeat, RecallClicked),

    EndParent(),
    {.rect_type = MOUSE_RECT_EOL, .cursor = CURSOR_NONE},
};
