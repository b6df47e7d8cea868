// The names of the gps gauge's elements in chain order, as the module names
// them: the host shows elements by name to people and scripts.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace sim {

inline constexpr std::array<std::string_view, 69> kGpsElementNames = {
    "background",
    "savedSlot14",
    "savedSlot13",
    "savedSlot12",
    "savedSlot11",
    "savedSlot10",
    "savedSlot9",
    "savedSlot8",
    "savedSlot7",
    "savedSlot6",
    "savedSlot5",
    "savedSlot4",
    "savedSlot3",
    "savedSlot2",
    "savedSlot1",
    "savedSlot0",
    "savedHeader",
    "runwayIlsLine2",
    "runwayIlsLine1",
    "runwayDimensions",
    "runwayHeader",
    "navaidAircraftBearing",
    "navaidAircraftBearingLabel",
    "navaidAircraftRange",
    "navaidAircraftRangeLabel",
    "navaidAirportBearing",
    "navaidAirportBearingLabel",
    "navaidAirportRange",
    "navaidAirportRangeLabel",
    "navaidName",
    "navaidNameLabel",
    "navaidIdent",
    "navaidIdentLabel",
    "navaidFrequency",
    "navaidListLabel",
    "detailsMagVar",
    "detailsMagVarLabel",
    "detailsLonMinutes",
    "detailsLonDegrees",
    "detailsLonLabel",
    "detailsElevation",
    "detailsElevationLabel",
    "detailsLatMinutes",
    "detailsLatDegrees",
    "detailsLatLabel",
    "detailsCity",
    "detailsCityLabel",
    "detailsName",
    "detailsIdent",
    "airportEte",
    "airportEteLabel",
    "airportGroundSpeed",
    "airportGroundSpeedLabel",
    "airportDistance",
    "airportDistanceLabel",
    "airportRelBearing",
    "airportRelBearingLabel",
    "airportTrack",
    "airportTrackLabel",
    "airportBearing",
    "airportBearingLabel",
    "airportName",
    "airportNameLabel",
    "airportCity",
    "airportIdentChar3",
    "airportIdentChar2",
    "airportIdentChar1",
    "airportIdentChar0",
    "steeringIndicator",
};

// The chain index of the element with that name, if there is one.
inline std::optional<std::size_t> GpsElementIndex(std::string_view name) {
  for (std::size_t i = 0; i < kGpsElementNames.size(); ++i) {
    if (kGpsElementNames[i] == name) return i;
  }
  return std::nullopt;
}

}  // namespace sim
