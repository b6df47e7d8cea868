// Where a person clicks each button of the two gauges: its centre, in its
// gauge's pixels.
#pragma once

#include <string_view>

namespace bench {

struct ButtonPlace {
  const char* name;
  const char* gauge;
  int x;
  int y;
};

inline constexpr ButtonPlace kButtons[] = {
    {"LAST", "gps", 25, 92},  {"<", "gps", 75, 92},       {">", "gps", 125, 92},
    {"V", "gps", 175, 92},    {"^", "gps", 225, 92},      {"PAGE", "gps", 25, 117},
    {"ACT", "gps", 75, 117},  {"BLANK", "gps", 125, 117}, {"STO", "gps", 175, 117},
    {"RCL", "gps", 225, 117}, {"CLOSE", "gps", 242, 7},   {"ICON", "icon", 25, 12},
};

inline constexpr const char* kButtonNames = "LAST < > V ^ PAGE ACT BLANK STO RCL CLOSE ICON";

// The button of that name, or null.
inline const ButtonPlace* FindButton(std::string_view name) {
  for (const ButtonPlace& button : kButtons) {
    if (name == button.name) return &button;
  }
  return nullptr;
}

}  // namespace bench
