// Page 0: the ident cells, the facility's city and name, and where it lies
// from the aircraft. A user waypoint stands in where the GPS module knows no
// facility. Elements come in chain order: the time en route is drawn before the
// distance and relative bearing of the same update, so it uses the previous
// update's values.
#include <cmath>

#include "cycle/cycle_steps.h"
#include "cycle/great_circle.h"
#include "display/element_tree.h"
#include "display/string_callback.h"
#include "module/gps_properties.h"

namespace {

constexpr double kKnotsPerMetrePerSecond = 1.944;
constexpr double kKmhPerMetrePerSecond = 3.6;
constexpr double kMetresPerNauticalMile = 1851.8518518518517;
constexpr double kDegreesPerRadian = 57.29577951308232;
constexpr double kCursorMarkSeconds = 120.0;
// Below this closing speed (nautical miles a minute, 6 knots) no time en route
// is worth showing.
constexpr double kMinimumClosingSpeed = 0.1;
constexpr std::size_t kNameChars = 31;

bool OnPage() { return gaugeState.currentPage == kPageAirport; }
bool Nautical() { return gaugeState.unitsOfMeasure == 0.0; }
bool UserWaypoint() { return gaugeState.userWaypointValid == 1; }
bool Located() { return FacilityValid() || UserWaypoint(); }

// A line shown whenever the facility or the user waypoint is located.
FLOAT64 ShowLocatedLabel(ELEMENT_STRING* element, const char* label) {
  if (!OnPage() || !Located()) return HideText(element);
  return ShowText(element, "%s", label);
}

FLOAT64 ShowIdentCell(ELEMENT_STRING* element, int cell, const char* character) {
  if (!OnPage()) return HideText(element);
  const bool marked =
      gaugeState.icaoCursorPos == cell && gaugeState.inputIdleTime < kCursorMarkSeconds;
  UseColor(element, marked ? kCyan : kWhite);
  return ShowText(element, "%s", character);
}

}  // namespace

FLOAT64 FSAPI ShowAirportIdentChar0(ELEMENT_STRING* element) {
  return ShowIdentCell(element, 0, gaugeState.icaoChar0);
}
FLOAT64 FSAPI ShowAirportIdentChar1(ELEMENT_STRING* element) {
  return ShowIdentCell(element, 1, gaugeState.icaoChar1);
}
FLOAT64 FSAPI ShowAirportIdentChar2(ELEMENT_STRING* element) {
  return ShowIdentCell(element, 2, gaugeState.icaoChar2);
}
FLOAT64 FSAPI ShowAirportIdentChar3(ELEMENT_STRING* element) {
  return ShowIdentCell(element, 3, gaugeState.icaoChar3);
}

FLOAT64 FSAPI ShowAirportCity(ELEMENT_STRING* element) {
  if (!OnPage()) return HideText(element);
  if (!FacilityValid()) return HideText(element, "  City: ");
  CopyTextCut(gaugeState.cityText, GetGpsString("WaypointAirportCity"), kNameChars);
  return ShowText(element, "  City: %s", gaugeState.cityText);
}

FLOAT64 FSAPI ShowAirportNameLabel(ELEMENT_STRING* element) {
  if (!OnPage()) return HideText(element);
  if (FacilityValid()) return ShowText(element, "Airport:");
  if (UserWaypoint()) return ShowText(element, "Name:");
  return HideText(element);
}

FLOAT64 FSAPI ShowAirportName(ELEMENT_STRING* element) {
  if (!OnPage()) return HideText(element);
  if (FacilityValid()) {
    CopyTextCut(gaugeState.airportNameText, GetGpsString("WaypointAirportName"), kNameChars);
    return ShowText(element, " %s", gaugeState.airportNameText);
  }
  if (UserWaypoint()) return ShowText(element, " %s", gaugeState.userWaypointName);
  return HideText(element);
}

FLOAT64 FSAPI ShowAirportBearingLabel(ELEMENT_STRING* element) {
  return ShowLocatedLabel(element, "Brg:");
}

FLOAT64 FSAPI ShowAirportBearing(ELEMENT_STRING* element) {
  if (!OnPage() || !Located()) return HideText(element);
  return ShowText(element, "%3.1f\xB0", gaugeState.lineBearing);
}

FLOAT64 FSAPI ShowAirportDistanceLabel(ELEMENT_STRING* element) {
  return ShowLocatedLabel(element, "Dist:");
}

// Measures the aircraft's way to the facility or user waypoint; the bearing
// lines drawn after it show the bearing of this measurement.
FLOAT64 FSAPI ShowAirportDistance(ELEMENT_STRING* element) {
  if (!OnPage()) return HideText(element);
  if (FacilityValid()) {
    const double lon = GetGpsNumber("FacilityLongitude");
    const double lat = GetGpsNumber("FacilityLatitude");
    GreatCircle(AircraftLatitude(), AircraftLongitude(), lat, lon, &gaugeState.lineDistance,
                &gaugeState.lineBearing);
  } else if (UserWaypoint()) {
    GreatCircle(AircraftLatitude(), AircraftLongitude(), gaugeState.userWaypointLat,
                gaugeState.userWaypointLon, &gaugeState.lineDistance, &gaugeState.lineBearing);
  } else {
    return HideText(element);
  }
  if (Nautical()) return ShowText(element, "%4.0f NM", gaugeState.lineDistance);
  return ShowText(element, "%4.0f km", gaugeState.lineDistance * kMetresPerNauticalMile / 1000.0);
}

FLOAT64 FSAPI ShowAirportGroundSpeedLabel(ELEMENT_STRING* element) {
  return ShowLocatedLabel(element, "GS:");
}

FLOAT64 FSAPI ShowAirportGroundSpeed(ELEMENT_STRING* element) {
  if (!OnPage() || !Located()) return HideText(element);
  const double speed = gaugeState.simGroundSpeed.var_value.n;
  if (Nautical()) return ShowText(element, "%3.0f Kts", speed * kKnotsPerMetrePerSecond);
  return ShowText(element, "%3.0f km/h", speed * kKmhPerMetrePerSecond);
}

FLOAT64 FSAPI ShowAirportTrackLabel(ELEMENT_STRING* element) {
  return ShowLocatedLabel(element, "Trk:");
}

FLOAT64 FSAPI ShowAirportTrack(ELEMENT_STRING* element) {
  if (!OnPage() || !Located()) return HideText(element);
  return ShowText(element, "%3.1f\xB0", gaugeState.groundTrackDeg);
}

FLOAT64 FSAPI ShowAirportRelBearingLabel(ELEMENT_STRING* element) {
  return ShowLocatedLabel(element, "RelBrg:");
}

FLOAT64 FSAPI ShowAirportRelBearing(ELEMENT_STRING* element) {
  if (!OnPage() || !Located()) return HideText(element);
  double relative = gaugeState.lineBearing - gaugeState.groundTrackDeg;
  if (relative > 180.0) relative -= 360.0;
  if (relative < -180.0) relative += 360.0;
  gaugeState.relativeBearing = relative;
  return ShowText(element, "%3.1f\xB0", relative);
}

FLOAT64 FSAPI ShowAirportEteLabel(ELEMENT_STRING* element) {
  return ShowLocatedLabel(element, "ETE:");
}

// Time at the speed with which the aircraft closes in on the target, in either
// unit system in minutes or hours.
FLOAT64 FSAPI ShowAirportEte(ELEMENT_STRING* element) {
  if (!OnPage() || !Located()) return HideText(element);
  const double closing = std::cos(gaugeState.relativeBearing / kDegreesPerRadian) *
                         gaugeState.averageGroundSpeed * kKnotsPerMetrePerSecond / 60.0;
  if (!(closing > kMinimumClosingSpeed)) return ShowText(element, "N/A");
  const double minutes = gaugeState.lineDistance / closing;
  if (minutes < 120.0) return ShowText(element, "%4.0f M", minutes);
  return ShowText(element, "%3.1f H", minutes / 60.0);
}
