// Page 3: the current runway's number, designation and direction, its
// dimensions and surface, and the lines of its two ends that the runway
// refresh composes. Page 3 is reached only with a valid facility, so the lines
// show whenever it is the page.
#include <cmath>

#include "display/element_tree.h"
#include "display/string_callback.h"
#include "module/checked_integer.h"
#include "module/gps_properties.h"
#include "tables/runway_attribute_names.h"

namespace {

constexpr double kFeetPerMetre = 3.28084;

bool OnPage() { return gaugeState.currentPage == kPageRunways; }

// Into 0 to 360, where 360 itself stays 360. Bounded whatever the GPS module
// reports: a remainder instead of repeated steps for values far outside.
double FoldDirection(double direction) {
  if (!std::isfinite(direction)) return direction;
  if (direction > 360.0) {
    direction = std::fmod(direction, 360.0);
    if (direction == 0.0) direction = 360.0;
  }
  if (direction < 0.0) {
    direction = std::fmod(direction, 360.0);
    direction = direction < 0.0 ? direction + 360.0 : 0.0;
  }
  return direction;
}

}  // namespace

// The GPS module's direction corrected by the variation last shown on page 1.
FLOAT64 FSAPI ShowRunwayHeader(ELEMENT_STRING* element) {
  if (!OnPage()) return HideText(element);
  const double direction =
      FoldDirection(GetGpsNumber("WaypointAirportRunwayDirection") + gaugeState.cachedMagVar);
  const char* const designation = GetGpsString("WaypointAirportRunwayDesignation");
  if (gaugeState.runwayCount > 1) {
    // In 64 bits: the GPS module may report the largest integer as the current
    // runway.
    return ShowText(element, "Runway(%lld): %s  Dir: %3.1f\xB0",
                    static_cast<long long>(gaugeState.runwayIndex) + 1, designation, direction);
  }
  return ShowText(element, "Runway: %s  Dir: %3.1f\xB0", designation, direction);
}

// Lengths and widths come in metres; feet unless the sim shows metric units.
FLOAT64 FSAPI ShowRunwayDimensions(ELEMENT_STRING* element) {
  if (!OnPage()) return HideText(element);
  const auto surface = TruncateToInt32(GetGpsNumber("WaypointAirportRunwaySurface"));
  const char* const surfaceName = RunwaySurfaceName(surface);
  const double length = GetGpsNumber("WaypointAirportRunwayLength");
  const double width = GetGpsNumber("WaypointAirportRunwayWidth");
  if (gaugeState.unitsOfMeasure == 0.0) {
    return ShowText(element, "%3.0f ft   x   %2.0f ft  Surf: %s", length * kFeetPerMetre,
                    width * kFeetPerMetre, surfaceName);
  }
  return ShowText(element, "%3.0f m   x   %2.0f m  Surf: %s", length, width, surfaceName);
}

FLOAT64 FSAPI ShowRunwayIlsLine1(ELEMENT_STRING* element) {
  if (!OnPage()) return HideText(element);
  return ShowText(element, "%s", gaugeState.runwayLine1Text);
}

FLOAT64 FSAPI ShowRunwayIlsLine2(ELEMENT_STRING* element) {
  if (!OnPage()) return HideText(element);
  return ShowText(element, "%s", gaugeState.runwayLine2Text);
}
