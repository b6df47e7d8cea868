// The key events the host acts on, by id, with the names people read.
#pragma once

#include <cstdint>
#include <string_view>

namespace sim {

inline constexpr std::uint32_t kKeyTogglePanelWindow = 0x103CA;
inline constexpr std::uint32_t kKeyAutopilotOn = 0x10100;
inline constexpr std::uint32_t kKeyHeadingHoldToggle = 0x100BD;
inline constexpr std::uint32_t kKeyHeadingHoldOn = 0x1010F;
inline constexpr std::uint32_t kKeyHeadingHoldOff = 0x10117;
inline constexpr std::uint32_t kKeySelectedHeading = 0x101FA;

// The event's name, or "" for an id the host does not act on.
constexpr std::string_view KeyEventName(std::uint32_t id) {
  switch (id) {
    case kKeyTogglePanelWindow:
      return "toggle panel window";
    case kKeyAutopilotOn:
      return "autopilot on";
    case kKeyHeadingHoldToggle:
      return "heading hold toggle";
    case kKeyHeadingHoldOn:
      return "heading hold on";
    case kKeyHeadingHoldOff:
      return "heading hold off";
    case kKeySelectedHeading:
      return "selected heading";
    default:
      return "";
  }
}

}  // namespace sim
