// The module's user-waypoint line parser: any line of the settings file's
// capacity parses without reading past it, and every number it yields is
// finite.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include "module/user_waypoint_line.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  constexpr std::size_t kLineCapacity = 260;  // the settings value's field
  if (size >= kLineCapacity) return 0;
  char line[kLineCapacity];
  std::memcpy(line, data, size);
  line[size] = '\0';
  UserWaypoint waypoint{};
  const int valid = ParseUserWaypointLine(line, waypoint);
  if (valid != 0 && valid != 1) std::abort();
  if (std::memchr(waypoint.name, '\0', sizeof waypoint.name) == nullptr) std::abort();
  for (const double number : {waypoint.lat, waypoint.lon, waypoint.elevation, waypoint.magVar}) {
    if (!std::isfinite(number)) std::abort();
  }
  return 0;
}
