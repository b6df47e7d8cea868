// The module's spherical distances and bearings, as the navaid page shows
// them from the airport to a VOR, against geodesics on the WGS84 ellipsoid.
#include <gtest/gtest.h>

#include <GeographicLib/Geodesic.hpp>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <random>

#include "display_fixture.h"

namespace skelbor_test {
namespace {

constexpr double kMetresPerNm = 1852.0;

double AngleBetween(double a, double b) {
  const double d = std::fmod(std::fabs(a - b), 360.0);
  return d > 180.0 ? 360.0 - d : d;
}

using GreatCircleTest = DisplayTest;

TEST_F(GreatCircleTest, AgreesWithTheEllipsoid) {
  DescribeAirport("KSEA", 0.0, 0.0);
  gps.SetStoredNumber("NearestVorItemsNumber", 1.0);
  Load();
  PressPage(2);

  std::mt19937 random(20240611);
  std::uniform_real_distribution<double> latitude(-60.0, 60.0);
  std::uniform_real_distribution<double> longitude(-180.0, 180.0);
  const GeographicLib::Geodesic& wgs84 = GeographicLib::Geodesic::WGS84();

  constexpr int kPairs = 3000;
  std::vector<double> distanceErrors;
  std::vector<double> bearingErrors;
  while (static_cast<int>(distanceErrors.size()) < kPairs) {
    const double lat1 = latitude(random), lon1 = longitude(random);
    const double lat2 = latitude(random), lon2 = longitude(random);
    double metres = 0.0, azimuth1 = 0.0, azimuth2 = 0.0;
    wgs84.Inverse(lat1, lon1, lat2, lon2, metres, azimuth1, azimuth2);
    // Away from near coincident and near antipodal pairs, where the initial
    // course is ill-conditioned on either model.
    if (metres < 200e3 || metres > 15000e3) continue;

    gps.SetStoredNumber("WaypointAirportLatitude", lat1);
    gps.SetStoredNumber("WaypointAirportLongitude", lon1);
    gps.SetStoredNumber("WaypointVorLatitude", lat2);
    gps.SetStoredNumber("WaypointVorLongitude", lon2);
    gps.ClearAccesses();
    panel->RunFrames(1);

    const std::string range = Line("navaidAirportRange");
    const std::string bearing = Line("navaidAirportBearing");
    ASSERT_TRUE(range.ends_with(" NM")) << range;
    ASSERT_TRUE(bearing.ends_with("\xB0")) << bearing;
    const double shownNm = std::strtod(range.c_str(), nullptr);
    const double shownBearing = std::strtod(bearing.c_str(), nullptr);
    ASSERT_GE(shownBearing, 0.0);
    ASSERT_LE(shownBearing, 360.0);
    const double geodesicNm = metres / kMetresPerNm;
    distanceErrors.push_back(std::fabs(shownNm - geodesicNm) / geodesicNm);
    bearingErrors.push_back(AngleBetween(shownBearing, azimuth1));
  }

  // A sphere differs from the ellipsoid by at most about half a percent in
  // length and a few tenths of a degree in initial course.
  std::sort(distanceErrors.begin(), distanceErrors.end());
  std::sort(bearingErrors.begin(), bearingErrors.end());
  const auto percentile = [](const std::vector<double>& sorted, double p) {
    return sorted[static_cast<std::size_t>(p * static_cast<double>(sorted.size() - 1))];
  };
  EXPECT_LT(distanceErrors.back(), 0.006);
  EXPECT_LT(percentile(distanceErrors, 0.5), 0.003);
  EXPECT_LT(percentile(bearingErrors, 0.5), 0.15);
  EXPECT_LT(percentile(bearingErrors, 0.99), 0.3);
  EXPECT_LT(bearingErrors.back(), 0.5);
  RecordProperty("median_distance_error", std::to_string(percentile(distanceErrors, 0.5)));
  RecordProperty("max_distance_error", std::to_string(distanceErrors.back()));
  RecordProperty("median_bearing_error", std::to_string(percentile(bearingErrors, 0.5)));
  RecordProperty("p99_bearing_error", std::to_string(percentile(bearingErrors, 0.99)));
  RecordProperty("max_bearing_error", std::to_string(bearingErrors.back()));
}

}  // namespace
}  // namespace skelbor_test
