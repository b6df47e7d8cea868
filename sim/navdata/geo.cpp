#include "sim/navdata/geo.h"

#include <algorithm>
#include <cmath>

namespace sim::navdata {

double GreatCircleMetres(GeoPoint from, GeoPoint to) {
  const double lat1 = from.latitude * kDegreesToRadians;
  const double lat2 = to.latitude * kDegreesToRadians;
  const double halfDLat = (lat2 - lat1) / 2.0;
  const double halfDLon = (to.longitude - from.longitude) * kDegreesToRadians / 2.0;
  const double a = std::sin(halfDLat) * std::sin(halfDLat) +
                   std::cos(lat1) * std::cos(lat2) * std::sin(halfDLon) * std::sin(halfDLon);
  const double c = 2.0 * std::atan2(std::sqrt(a), std::sqrt(std::max(0.0, 1.0 - a)));
  return kEarthRadiusMetres * c;
}

double InitialCourseDegrees(GeoPoint from, GeoPoint to) {
  const double lat1 = from.latitude * kDegreesToRadians;
  const double lat2 = to.latitude * kDegreesToRadians;
  const double dLon = (to.longitude - from.longitude) * kDegreesToRadians;
  const double y = std::sin(dLon) * std::cos(lat2);
  const double x =
      std::cos(lat1) * std::sin(lat2) - std::sin(lat1) * std::cos(lat2) * std::cos(dLon);
  double course = std::atan2(y, x) / kDegreesToRadians;
  if (course < 0.0) course += 360.0;
  return course >= 360.0 ? 0.0 : course;
}

UnitVector ToUnitVector(GeoPoint point) {
  const double lat = point.latitude * kDegreesToRadians;
  const double lon = point.longitude * kDegreesToRadians;
  return {std::cos(lat) * std::cos(lon), std::cos(lat) * std::sin(lon), std::sin(lat)};
}

double ChordSquaredForMetres(double metres) {
  const double angle = std::min(metres / kEarthRadiusMetres, std::numbers::pi);
  const double chord = 2.0 * std::sin(angle / 2.0);
  return chord * chord;
}

}  // namespace sim::navdata
