// The aircraft as the host keeps it, in ordinary units, and its conversion
// into the sim variables the module looks up.
#pragma once

#include <cstdint>
#include <optional>

namespace sim {

struct Aircraft {
  double latitude = 0.0;     // degrees, north positive
  double longitude = 0.0;    // degrees, east positive
  double trueHeading = 0.0;  // degrees
  double groundSpeedKnots = 0.0;
  std::optional<double> trueTrack;  // degrees; the heading when not set
  double magneticVariation = 0.0;   // degrees, east positive
  bool autopilotMaster = false;
  bool headingHold = false;
  double selectedHeading = 0.0;  // degrees magnetic
  int units = 0;                 // 0 English, 1 metric, 2 metric with metres
  // Flown aircraft: with an airspeed set, each Advance turns the heading under
  // the autopilot's heading hold and derives ground speed and track from the
  // airspeed and the wind. Without one the aircraft moves as placed.
  std::optional<double> airspeedKnots;
  double windFromDegrees = 0.0;  // true
  double windKnots = 0.0;
  static constexpr double kTurnDegreesPerSecond = 3.0;

  double TrueTrack() const { return trueTrack.value_or(trueHeading); }
  // Flies (see airspeedKnots), then moves the aircraft along its track for
  // `seconds` on a spherical earth.
  void Advance(double seconds);

 private:
  void Fly(double seconds);
};

// The value lookup_var yields for a sim variable id; nullopt for an id the
// host does not know.
std::optional<double> SimVariableValue(const Aircraft& aircraft, std::int32_t id, double simTime);

}  // namespace sim
