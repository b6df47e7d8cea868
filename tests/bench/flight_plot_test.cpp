#include "sim/bench/flight_plot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <iterator>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

#include "sim/draw/font.h"

namespace bench_test {
namespace {

namespace colour = bench::chart_colour;
using draw::Image;
using draw::Point;
using draw::Rgb;
using sim::navdata::Airport;
using sim::navdata::GeoPoint;
using sim::navdata::VorKind;
using sim::navdata::World;

constexpr int kSide = 800;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNmPerDegree = sim::navdata::kEarthRadiusMetres * sim::navdata::kDegreesToRadians /
                                sim::navdata::kMetresPerNauticalMile;

GeoPoint Offset(GeoPoint from, double north_nm, double east_nm) {
  const double cos_latitude = std::cos(from.latitude * sim::navdata::kDegreesToRadians);
  return GeoPoint{from.latitude + north_nm / kNmPerDegree,
                  from.longitude + east_nm / (kNmPerDegree * cos_latitude)};
}

// A 3000 m north-south runway centred on the airport's position.
Airport TestAirport(GeoPoint position) {
  const double half_nm = 1500.0 / sim::navdata::kMetresPerNauticalMile;
  Airport airport{.ident = "KTST", .position = position};
  airport.runways.push_back(sim::navdata::Runway{
      .designation = "18-36",
      .widthMetres = 45.0,
      .ends = {{"18", Offset(position, half_nm, 0.0)}, {"36", Offset(position, -half_nm, 0.0)}}});
  return airport;
}

// Pixels of [left, right] x [top, bottom] that pass the test.
int Count(const Image& image, int left, int top, int right, int bottom,
          const std::function<bool(Rgb)>& test) {
  int count = 0;
  for (int y = std::max(0, top); y <= std::min(image.Height() - 1, bottom); ++y) {
    for (int x = std::max(0, left); x <= std::min(image.Width() - 1, right); ++x) {
      count += test(image.At(x, y)) ? 1 : 0;
    }
  }
  return count;
}
bool IsInk(Rgb pixel) { return pixel != colour::kPaper; }

// Centres of the pixels of exactly this colour.
std::vector<Point> PixelsOf(const Image& image, Rgb wanted) {
  std::vector<Point> pixels;
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) {
      if (image.At(x, y) == wanted) pixels.push_back(Point{x + 0.5, y + 0.5});
    }
  }
  return pixels;
}

Point Mean(const std::vector<Point>& points) {
  Point sum;
  for (const Point& p : points) sum = {sum.x + p.x, sum.y + p.y};
  return {sum.x / points.size(), sum.y / points.size()};
}

// The longest row of pixels of the colour: the scale bar among the furniture.
struct PixelRun {
  int row = -1, left = 0, length = 0;
};
PixelRun LongestRun(const Image& image, Rgb wanted) {
  PixelRun best;
  for (int y = 0; y < image.Height(); ++y) {
    int run = 0;
    for (int x = 0; x < image.Width(); ++x) {
      run = image.At(x, y) == wanted ? run + 1 : 0;
      if (run > best.length) best = PixelRun{y, x + 1 - run, run};
    }
  }
  return best;
}

struct StraightFlight {
  const char* name;
  GeoPoint airport;
  double north_nm, east_nm;  // where the flight starts, from the airport
  Point start_side;          // on the picture, where the start lies from the end
};

class FlightPlotTrack : public ::testing::TestWithParam<StraightFlight> {};

TEST_P(FlightPlotTrack, ShowsTheTrackNorthUpAtTheScaleItsBarClaims) {
  const StraightFlight& flight = GetParam();
  const Airport airport = TestAirport(flight.airport);
  const GeoPoint start = Offset(flight.airport, flight.north_nm, flight.east_nm);
  // Eleven points to the airport, with unusable ones among them.
  std::vector<GeoPoint> track;
  for (int i = 0; i <= 10; ++i) {
    track.push_back({start.latitude + (flight.airport.latitude - start.latitude) * i / 10,
                     start.longitude + (flight.airport.longitude - start.longitude) * i / 10});
    if (i == 4) track.push_back({kNaN, start.longitude});
    if (i == 6) track.push_back({start.latitude, kInfinity});
  }
  const Image image = bench::FlightPlot(World({airport}, {}, {}), airport, track);
  const bench::ChartFrame frame = bench::FrameOfFlight(airport, track, kSide, kSide);

  // Distances come out the same in every direction.
  const Point from = frame.Project(start), to = frame.Project(flight.airport);
  const double flown_pixels = std::hypot(to.x - from.x, to.y - from.y);
  const double flown_nm =
      sim::navdata::GreatCircleMetres(start, flight.airport) / sim::navdata::kMetresPerNauticalMile;
  EXPECT_NEAR(flown_pixels, flown_nm * frame.pixelsPerNm, 0.005 * flown_pixels);

  // The line runs unbroken from start to end, and only there.
  for (double t = 0.0; t <= 1.0; t += 0.025) {
    const Point p{from.x + (to.x - from.x) * t, from.y + (to.y - from.y) * t};
    EXPECT_EQ(image.At(static_cast<int>(p.x), static_cast<int>(p.y)), colour::kTrack) << t;
  }
  const std::vector<Point> line = PixelsOf(image, colour::kTrack);
  for (const Point& p : line) {
    const double across = (p.x - from.x) * (to.y - from.y) - (p.y - from.y) * (to.x - from.x);
    ASSERT_LE(std::abs(across) / flown_pixels, 3.0);
  }

  // North up: the start marker lies on the side the flight came from.
  const Point marker = Mean(PixelsOf(image, colour::kStart)), middle = Mean(line);
  EXPECT_GT(
      (marker.x - middle.x) * flight.start_side.x + (marker.y - middle.y) * flight.start_side.y,
      0.4 * flown_pixels);

  // The bar is the longest round length within a quarter of the width, as
  // long as the track's pixels say, and labelled with that length.
  const double round_lengths[] = {1, 2, 5, 10, 20, 50, 100};
  const double* chosen =
      std::find(std::begin(round_lengths), std::end(round_lengths) - 1, frame.scaleBarNm);
  ASSERT_NE(chosen, std::end(round_lengths) - 1) << frame.scaleBarNm;
  EXPECT_LE(frame.scaleBarNm * frame.pixelsPerNm, kSide / 4.0);
  EXPECT_GT(chosen[1] * frame.pixelsPerNm, kSide / 4.0);
  const PixelRun bar = LongestRun(image, colour::kFurniture);
  EXPECT_NEAR(bar.length, flown_pixels * frame.scaleBarNm / flown_nm + 1.0, 2.0);

  Image expected(200, 40, colour::kPaper);
  draw::DrawLabel(expected, draw::Font(draw::kLabelFontPath, bench::kChartLabelPixelsPerEm), 100,
                  10, std::to_string(static_cast<int>(frame.scaleBarNm)) + " NM",
                  colour::kFurniture, draw::Align::kCenter);
  EXPECT_EQ(Count(image, 0, bar.row - 40, bar.left + bar.length + 20, bar.row - 9, IsInk),
            Count(expected, 0, 0, 199, 39, IsInk));
}

INSTANTIATE_TEST_SUITE_P(
    FlightPlot, FlightPlotTrack,
    ::testing::Values(StraightFlight{"Northbound", {47.0, -122.0}, -10.0, 0.0, {0.0, 1.0}},
                      StraightFlight{"EastboundFarNorth", {60.0, 10.0}, 0.0, -10.0, {-1.0, 0.0}},
                      StraightFlight{
                          "FromTheSouthwest", {47.45, -122.3}, -21.2, -21.2, {-0.7071, 0.7071}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FlightPlot, WithoutAUsableTrackTheAirportStandsAloneAtTheLeastExtent) {
  const GeoPoint position{47.0, -122.0};
  const Airport airport = TestAirport(position);
  for (const std::vector<GeoPoint>& track :
       {std::vector<GeoPoint>{}, {{kNaN, kNaN}, {kInfinity, -122.0}, {91.0, -122.0}}}) {
    const Image image = bench::FlightPlot(World({airport}, {}, {}), airport, track);
    const bench::ChartFrame frame = bench::FrameOfFlight(airport, track, kSide, kSide);
    EXPECT_NEAR(frame.pixelsPerNm * 5.0, kSide * 0.8, 1.0) << track.size();
    EXPECT_TRUE(PixelsOf(image, colour::kTrack).empty());
    EXPECT_TRUE(PixelsOf(image, colour::kStart).empty());

    // The runway, 3000 m long, centred on the airport, and its ident beneath.
    const std::vector<Point> runway = PixelsOf(image, colour::kRunway);
    ASSERT_FALSE(runway.empty());
    const Point at = frame.Project(position), centre = Mean(runway);
    EXPECT_NEAR(centre.x, at.x, 1.0);
    EXPECT_NEAR(centre.y, at.y, 1.0);
    const auto [top, bottom] = std::minmax_element(runway.begin(), runway.end(),
                                                   [](Point a, Point b) { return a.y < b.y; });
    EXPECT_NEAR(bottom->y - top->y + 1.0,
                3000.0 / sim::navdata::kMetresPerNauticalMile * frame.pixelsPerNm + 2.0, 2.0);
    const int below = static_cast<int>(bottom->y);
    EXPECT_GT(Count(image, at.x - 25, below + 5, at.x + 25, below + 30, IsInk), 30);
  }
}

TEST(FlightPlot, DrawsTheNavaidsOnTheChartAndNoOthers) {
  const Airport airport = TestAirport({47.0, -122.0});
  const bench::ChartFrame frame = bench::FrameOfFlight(airport, {}, kSide, kSide);
  const auto at_pixel = [&](double x, double y) {
    return Offset(frame.centre, (kSide / 2.0 - y) / frame.pixelsPerNm,
                  (x - kSide / 2.0) / frame.pixelsPerNm);
  };
  struct Case {
    const char* name;
    bool ndb;
    VorKind kind;
    GeoPoint where;
    bool drawn;
  };
  // Those just beyond an edge would reach into the picture if drawn.
  const Case cases[] = {
      {"VOR", false, VorKind::Vor, at_pixel(150, 150), true},
      {"VORTAC", false, VorKind::Vortac, at_pixel(150, 400), true},
      {"DME", false, VorKind::Dme, at_pixel(150, 650), true},
      {"NDB", true, VorKind::Vor, at_pixel(550, 150), true},
      {"NDB in the far corner", true, VorKind::Vor, at_pixel(kSide - 60, kSide - 20), true},
      {"localizer", false, VorKind::Ils, at_pixel(550, 650), false},
      {"VOR north of the chart", false, VorKind::Vor, at_pixel(400, -4), false},
      {"NDB east of the chart", true, VorKind::Vor, at_pixel(kSide + 4, 400), false},
      {"VOR under the north arrow", false, VorKind::Vor, at_pixel(kSide - 28, 40), false},
  };
  std::vector<sim::navdata::Vor> vors;
  std::vector<sim::navdata::Ndb> ndbs;
  for (const Case& c : cases) {
    if (c.ndb) ndbs.push_back({.ident = "NB", .position = c.where});
    if (!c.ndb) vors.push_back({.kind = c.kind, .ident = "VR", .position = c.where});
  }
  const Image image = bench::FlightPlot(World({airport}, vors, ndbs), airport, {});

  for (const Case& c : cases) {
    const Point at = frame.Project(c.where);
    const int x = static_cast<int>(at.x), y = static_cast<int>(at.y);
    // Navaid inks are bluish; paper and the chart's other inks are not.
    const int ink = Count(image, x - 9, y - 9, x + 9, y + 9, [](Rgb p) { return p.b > p.r + 20; });
    if (c.drawn) {
      EXPECT_GT(ink, 20) << c.name;
      EXPECT_EQ(image.At(x, y), c.ndb ? colour::kNdb : colour::kVor) << c.name;
    } else {
      EXPECT_EQ(ink, 0) << c.name;
    }
  }
}

TEST(FlightPlot, AFlightOverTheDateLineIsChartedWhereItWas) {
  const Airport airport = TestAirport({0.0, -179.95});
  const std::vector<GeoPoint> track = {{0.0, 179.95}, {0.0, -179.95}};
  const bench::ChartFrame frame = bench::FrameOfFlight(airport, track, kSide, kSide);
  EXPECT_NEAR(frame.pixelsPerNm, kSide * 0.8 / (0.1 * kNmPerDegree), 0.1);
  EXPECT_LT(frame.Project(track.front()).x, frame.Project(track.back()).x);
  EXPECT_TRUE(frame.Contains(frame.Project(track.front())));
}

TEST(FlightPlot, RefusesAPictureTooSmallForAChart) {
  const Airport airport = TestAirport({47.0, -122.0});
  EXPECT_THROW(bench::FlightPlot(World(), airport, {}, {}, 99, 800), std::invalid_argument);
  EXPECT_THROW(bench::FlightPlot(World(), airport, {}, {}, 800, -1), std::invalid_argument);
}

}  // namespace
}  // namespace bench_test
