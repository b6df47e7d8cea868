// The key events the module sends to the simulator, by id and by the name the
// simulator's event list gives them: one table for everything that prints or
// reads key events.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace sim {

struct KeyEventKind {
  std::uint32_t id;
  std::string_view name;
  std::string_view meaning;  // what the simulator does with it
};

inline constexpr std::uint32_t kKeyPanelIdToggle = 0x103CA;
inline constexpr std::uint32_t kKeyAutopilotOn = 0x10100;
inline constexpr std::uint32_t kKeyHeadingHoldToggle = 0x100BD;
inline constexpr std::uint32_t kKeyHeadingHoldOn = 0x1010F;
inline constexpr std::uint32_t kKeyHeadingHoldOff = 0x10117;
inline constexpr std::uint32_t kKeyHeadingBugSet = 0x101FA;

inline constexpr KeyEventKind kKeyEventKinds[] = {
    {kKeyPanelIdToggle, "PANEL_ID_TOGGLE",
     "opens or closes the panel window whose id is the value"},
    {kKeyAutopilotOn, "AUTOPILOT_ON", "autopilot master on"},
    {kKeyHeadingHoldToggle, "AP_HDG_HOLD", "heading hold toggle: on when off, off when on"},
    {kKeyHeadingHoldOn, "AP_HDG_HOLD_ON", "heading hold on"},
    {kKeyHeadingHoldOff, "AP_HDG_HOLD_OFF", "heading hold off"},
    {kKeyHeadingBugSet, "HEADING_BUG_SET",
     "the autopilot's selected heading becomes the value (degrees)"},
};

// The event's name, or "UNKNOWN" for an id outside the table.
constexpr std::string_view KeyEventName(std::uint32_t id) {
  for (const KeyEventKind& kind : kKeyEventKinds) {
    if (kind.id == id) return kind.name;
  }
  return "UNKNOWN";
}

constexpr std::optional<std::uint32_t> KeyEventId(std::string_view name) {
  for (const KeyEventKind& kind : kKeyEventKinds) {
    if (kind.name == name) return kind.id;
  }
  return std::nullopt;
}

}  // namespace sim
