#include "sim/host/aircraft.h"

#include <algorithm>
#include <cmath>

namespace sim {
namespace {
constexpr double kPi = 3.14159265358979323846;
constexpr double kDegrees = kPi / 180.0;
constexpr double kEarthRadiusNm = 3440.065;
constexpr double kMetresPerSecondPerKnot = 1852.0 / 3600.0;

double Wrap360(double degrees) {
  degrees = std::fmod(degrees, 360.0);
  return degrees < 0 ? degrees + 360.0 : degrees;
}
}  // namespace

void Aircraft::Fly(double seconds) {
  if (autopilotMaster && headingHold) {
    const double target = Wrap360(selectedHeading + magneticVariation);
    // The shorter way round: the difference in [-180, 180).
    const double turn = Wrap360(target - trueHeading + 180.0) - 180.0;
    const double most = kTurnDegreesPerSecond * seconds;
    trueHeading = Wrap360(trueHeading + std::clamp(turn, -most, most));
  }
  // Air vector plus the wind's, which blows toward the opposite of where it comes from.
  const double heading = trueHeading * kDegrees;
  const double windTo = (windFromDegrees + 180.0) * kDegrees;
  const double north = *airspeedKnots * std::cos(heading) + windKnots * std::cos(windTo);
  const double east = *airspeedKnots * std::sin(heading) + windKnots * std::sin(windTo);
  groundSpeedKnots = std::hypot(north, east);
  trueTrack = groundSpeedKnots > 0.0 ? Wrap360(std::atan2(east, north) / kDegrees) : trueHeading;
}

void Aircraft::Advance(double seconds) {
  if (airspeedKnots) Fly(seconds);
  const double distance = groundSpeedKnots * seconds / 3600.0 / kEarthRadiusNm;  // radians
  if (distance == 0.0) return;
  const double lat1 = latitude * kDegrees;
  const double lon1 = longitude * kDegrees;
  const double course = TrueTrack() * kDegrees;
  const double lat2 = std::asin(std::sin(lat1) * std::cos(distance) +
                                std::cos(lat1) * std::sin(distance) * std::cos(course));
  const double lon2 = lon1 + std::atan2(std::sin(course) * std::sin(distance) * std::cos(lat1),
                                        std::cos(distance) - std::sin(lat1) * std::sin(lat2));
  latitude = lat2 / kDegrees;
  longitude = std::remainder(lon2 / kDegrees, 360.0);
}

std::optional<double> SimVariableValue(const Aircraft& aircraft, std::int32_t id, double simTime) {
  switch (id) {
    case 71:  // latitude, metres north of the equator
      return aircraft.latitude * 111130.555557;
    case 72: {  // longitude, an unsigned 48-bit angle
      const double east = aircraft.longitude < 0 ? aircraft.longitude + 360.0 : aircraft.longitude;
      return east * 781874935307.4;
    }
    case 81:  // heading, degrees magnetic
      return Wrap360(aircraft.trueHeading - aircraft.magneticVariation);
    case 832:  // ground speed, metres per second
      return aircraft.groundSpeedKnots * kMetresPerSecondPerKnot;
    case 834:  // ground track, radians magnetic
      return Wrap360(aircraft.TrueTrack() - aircraft.magneticVariation) * kDegrees;
    case 103:
      return aircraft.autopilotMaster ? 1.0 : 0.0;
    case 106:
      return aircraft.headingHold ? 1.0 : 0.0;
    case 604:
      return simTime;
    case 335:
      return static_cast<double>(aircraft.units);
    case 82:
      return aircraft.magneticVariation;
    default:
      return std::nullopt;
  }
}

}  // namespace sim
