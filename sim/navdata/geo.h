#pragma once

// Positions and distances on a spherical earth.

#include <numbers>

namespace sim::navdata {

// Degrees, north and east positive.
struct GeoPoint {
  double latitude = 0.0;
  double longitude = 0.0;
};

// Mean earth radius; the gauge module measures with the same sphere.
inline constexpr double kEarthRadiusMetres = 6371000.0;
inline constexpr double kMetresPerNauticalMile = 1852.0;
inline constexpr double kMetresPerFoot = 0.3048;
inline constexpr double kDegreesToRadians = std::numbers::pi / 180.0;

// Great-circle distance in metres (haversine, exact for coincident points).
double GreatCircleMetres(GeoPoint from, GeoPoint to);

// True initial course from `from` to `to`, degrees in [0, 360).
double InitialCourseDegrees(GeoPoint from, GeoPoint to);

// Point on the unit sphere, for spatial searches by chord length.
struct UnitVector {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
};
UnitVector ToUnitVector(GeoPoint point);

// Squared chord length between two points of the unit sphere that lie `metres`
// apart along the surface; `metres` beyond half the circumference gives 4.
double ChordSquaredForMetres(double metres);

}  // namespace sim::navdata
