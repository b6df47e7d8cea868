// Page 1: the facility's ident, name, city and country, position in degrees
// and minutes, elevation and magnetic variation; for a user waypoint its stored
// values. The variation shown here is kept for the runway page's directions.
#include <cmath>
#include <cstring>

#include "display/element_tree.h"
#include "display/string_callback.h"
#include "module/checked_integer.h"
#include "module/gps_properties.h"
#include "tables/country_of_ident.h"

namespace {

constexpr double kFeetPerMetre = 3.28084;
constexpr std::size_t kCityChars = 31;
// A city this long leaves no room worth having for a country behind it.
constexpr std::size_t kCityCharsWithCountry = 28;

enum class Shown { kFacility, kUserWaypoint, kNothing };

Shown WhatIsShown() {
  if (FacilityValid()) return Shown::kFacility;
  if (gaugeState.userWaypointValid == 1) return Shown::kUserWaypoint;
  return Shown::kNothing;
}

bool OnPage() { return gaugeState.currentPage == kPageDetails; }

FLOAT64 ShowLabel(ELEMENT_STRING* element, const char* label) {
  if (!OnPage()) return HideText(element);
  return ShowText(element, "%s", label);
}

// The sign stands on the degrees, without hemisphere letters: -0.5 reads -0°.
FLOAT64 ShowDegrees(ELEMENT_STRING* element, double angle) {
  const std::int32_t degrees = TruncateToInt32(angle);
  if (angle < 0) return ShowText(element, "-%lld\xB0", -static_cast<long long>(degrees));
  return ShowText(element, "%d\xB0", degrees);
}

FLOAT64 ShowMinutes(ELEMENT_STRING* element, double angle) {
  const std::int32_t degrees = TruncateToInt32(angle);
  return ShowText(element, "%2.2f'", std::fabs((angle - degrees) * 60.0));
}

// Degrees or minutes of the facility's or the user waypoint's coordinate.
FLOAT64 ShowCoordinate(ELEMENT_STRING* element, const char* property, double userWaypointValue,
                       FLOAT64 (*show)(ELEMENT_STRING*, double)) {
  if (!OnPage()) return HideText(element);
  switch (WhatIsShown()) {
    case Shown::kFacility:
      return show(element, GetGpsNumber(property));
    case Shown::kUserWaypoint:
      return show(element, userWaypointValue);
    case Shown::kNothing:
      break;
  }
  return HideText(element);
}

// The city cut to 31 characters, then as much of the country as fits in 31.
void ComposeCityAndCountry() {
  CopyTextCut(gaugeState.cityText, GetGpsString("WaypointAirportCity"), kCityChars);
  const std::size_t cityLength = std::strlen(gaugeState.cityText);
  if (cityLength >= kCityCharsWithCountry) return;
  AppendText(gaugeState.cityText, ", ");
  const char* const country = CountryOfIdent(GetGpsString("WaypointAirportIdent"));
  const std::size_t room = kCityChars - std::strlen(gaugeState.cityText);
  std::strncat(gaugeState.cityText, country, room);
}

}  // namespace

FLOAT64 FSAPI ShowDetailsIdent(ELEMENT_STRING* element) {
  if (!OnPage()) return HideText(element);
  switch (WhatIsShown()) {
    case Shown::kFacility:
      return ShowText(element, "%s:", GetGpsString("WaypointAirportIdent"));
    case Shown::kUserWaypoint:
      return ShowText(element, "%s:", gaugeState.typedIdent);
    case Shown::kNothing:
      break;
  }
  return HideText(element);
}

FLOAT64 FSAPI ShowDetailsName(ELEMENT_STRING* element) {
  if (!OnPage() || WhatIsShown() != Shown::kFacility) return HideText(element);
  return ShowText(element, " %s", GetGpsString("WaypointAirportName"));
}

FLOAT64 FSAPI ShowDetailsCityLabel(ELEMENT_STRING* element) {
  if (!OnPage()) return HideText(element);
  switch (WhatIsShown()) {
    case Shown::kFacility:
      return ShowText(element, "City:");
    case Shown::kUserWaypoint:
      return ShowText(element, "Name:");
    case Shown::kNothing:
      break;
  }
  return HideText(element);
}

FLOAT64 FSAPI ShowDetailsCity(ELEMENT_STRING* element) {
  if (!OnPage()) return HideText(element);
  switch (WhatIsShown()) {
    case Shown::kFacility:
      ComposeCityAndCountry();
      return ShowText(element, " %s", gaugeState.cityText);
    case Shown::kUserWaypoint:
      return ShowText(element, " %s", gaugeState.userWaypointName);
    case Shown::kNothing:
      break;
  }
  return HideText(element);
}

FLOAT64 FSAPI ShowDetailsLatLabel(ELEMENT_STRING* element) { return ShowLabel(element, "Lat:"); }

FLOAT64 FSAPI ShowDetailsLatDegrees(ELEMENT_STRING* element) {
  return ShowCoordinate(element, "WaypointAirportLatitude", gaugeState.userWaypointLat,
                        ShowDegrees);
}

FLOAT64 FSAPI ShowDetailsLatMinutes(ELEMENT_STRING* element) {
  return ShowCoordinate(element, "WaypointAirportLatitude", gaugeState.userWaypointLat,
                        ShowMinutes);
}

FLOAT64 FSAPI ShowDetailsLonLabel(ELEMENT_STRING* element) { return ShowLabel(element, "Lon:"); }

FLOAT64 FSAPI ShowDetailsLonDegrees(ELEMENT_STRING* element) {
  return ShowCoordinate(element, "WaypointAirportLongitude", gaugeState.userWaypointLon,
                        ShowDegrees);
}

FLOAT64 FSAPI ShowDetailsLonMinutes(ELEMENT_STRING* element) {
  return ShowCoordinate(element, "WaypointAirportLongitude", gaugeState.userWaypointLon,
                        ShowMinutes);
}

FLOAT64 FSAPI ShowDetailsElevationLabel(ELEMENT_STRING* element) {
  return ShowLabel(element, "Elev:");
}

// Metres only when the sim shows altitudes in metres; a user waypoint's
// elevation is shown as the settings file gives it.
FLOAT64 FSAPI ShowDetailsElevation(ELEMENT_STRING* element) {
  if (!OnPage()) return HideText(element);
  switch (WhatIsShown()) {
    case Shown::kFacility: {
      const double metres = GetGpsNumber("WaypointAirportElevation");
      if (gaugeState.unitsOfMeasure == 2.0) return ShowText(element, "%5.1f m", metres);
      return ShowText(element, "%5.0f ft", metres * kFeetPerMetre);
    }
    case Shown::kUserWaypoint:
      return ShowText(element, "%5.1f", gaugeState.userWaypointElevation);
    case Shown::kNothing:
      break;
  }
  return HideText(element);
}

FLOAT64 FSAPI ShowDetailsMagVarLabel(ELEMENT_STRING* element) { return ShowLabel(element, "Var:"); }

FLOAT64 FSAPI ShowDetailsMagVar(ELEMENT_STRING* element) {
  if (!OnPage()) return HideText(element);
  switch (WhatIsShown()) {
    case Shown::kFacility: {
      double variation = GetGpsNumber("FacilityMagneticVariation");
      if (variation > 180.0) variation -= 360.0;
      gaugeState.cachedMagVar = variation;
      return ShowText(element, "%2.1f\xB0", variation);
    }
    case Shown::kUserWaypoint:
      return ShowText(element, "%2.1f\xB0", gaugeState.userWaypointMagVar);
    case Shown::kNothing:
      break;
  }
  return HideText(element);
}
