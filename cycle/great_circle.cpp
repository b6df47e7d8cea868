#include "cycle/great_circle.h"

#include <cmath>

#include "cycle/gauge_state.h"
#include "module/panel_services.h"

namespace {
constexpr double kPi = 3.141592653589793;
constexpr double kTwoPi = 6.283185307179586;
}  // namespace

// The operation order and constants fix the displayed digits: one radian of
// arc is 6371.0 km x 0.54 NM/km.
std::int32_t GreatCircle(double lat1, double lon1, double lat2, double lon2, double* distanceOut,
                         double* bearingOut) {
  lat1 = lat1 * kPi / 180.0;
  lon1 = lon1 * kPi / 180.0;
  lat2 = lat2 * kPi / 180.0;
  lon2 = lon2 * kPi / 180.0;
  if (distanceOut == nullptr) return 0;

  const double deltaLon = lon2 - lon1;
  const double cosArc =
      std::sin(lat1) * std::sin(lat2) + std::cos(lat1) * std::cos(lat2) * std::cos(deltaLon);
  // Rounding can carry the cosine of coincident points just past 1, where
  // acos has no value: such points are 0 apart.
  const double arc = std::acos(cosArc > 1.0 ? 1.0 : (cosArc < -1.0 ? -1.0 : cosArc));
  *distanceOut = arc * 6371.0 * 0.00054 * 1000.0;
  if (bearingOut == nullptr) return 0;

  LookupVar(gaugeState.simMagVar);
  const double y = std::sin(deltaLon) * std::cos(lat2);
  const double x =
      std::cos(lat1) * std::sin(lat2) - std::sin(lat1) * std::cos(lat2) * std::cos(deltaLon);
  const double course = std::fmod(std::atan2(y, x), kTwoPi);
  double bearing = (course - gaugeState.simMagVar.var_value.n * kPi / 180.0) * 180.0 / kPi;
  if (bearing < 0) bearing += 360.0;
  if (bearing < 0) bearing += 360.0;
  *bearingOut = bearing;
  return 1;
}
