#include "sim/bench/flight_plot.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <optional>
#include <stdexcept>
#include <string>

#include "sim/draw/font.h"
#include "sim/draw/font_files.h"

namespace bench {
namespace {

using draw::Point;
using sim::navdata::GeoPoint;

constexpr int kMinimumSide = 100;
constexpr double kMinimumSpanNm = 5.0;
// Nearest first, so a crowded chart keeps the navaids closest to its centre.
constexpr std::size_t kMaximumNavaids = 300;

constexpr double kNmPerDegree = sim::navdata::kEarthRadiusMetres * sim::navdata::kDegreesToRadians /
                                sim::navdata::kMetresPerNauticalMile;

// Longitudes compare across the date line: a difference in [-180, 180].
double LongitudeDifference(double to, double from) { return std::remainder(to - from, 360.0); }

bool IsPosition(GeoPoint point) {
  return std::isfinite(point.latitude) && std::isfinite(point.longitude) &&
         std::abs(point.latitude) <= 90.0;
}

// The longest 1, 2 or 5 times a power of ten that does not exceed limit.
double RoundLengthAtMost(double limit) {
  const double decade = std::pow(10.0, std::floor(std::log10(limit)));
  for (const double step : {5.0, 2.0}) {
    if (step * decade <= limit) return step * decade;
  }
  return decade;
}

// A part of the picture, in pixels.
struct Box {
  double left = 0.0;
  double top = 0.0;
  double right = 0.0;
  double bottom = 0.0;
  bool Overlaps(const Box& other) const {
    return left <= other.right && other.left <= right && top <= other.bottom && other.top <= bottom;
  }
};

// Where the scale bar sits: bottom left, its label above it.
constexpr double kScaleBarInset = 20.5;
constexpr double kScaleBarLabelGap = 8.0;
// Where the north arrow sits: top right, its "N" above it.
constexpr double kNorthArrowInset = 28.5;
constexpr double kNorthArrowLength = 40.0;

Box ScaleBarBox(const ChartFrame& frame, const draw::Font& font) {
  const double bar_y = frame.height - kScaleBarInset;
  return Box{kScaleBarInset - 10.0, bar_y - kScaleBarLabelGap - font.CellHeight() - 4.0,
             kScaleBarInset + frame.scaleBarNm * frame.pixelsPerNm + 10.0, bar_y + 10.0};
}

double NorthArrowTip(const draw::Font& font) { return 10.0 + font.CellHeight(); }

Box NorthArrowBox(const ChartFrame& frame, const draw::Font& font) {
  const double x = frame.width - kNorthArrowInset;
  return Box{x - 16.0, 2.0, x + 16.0, NorthArrowTip(font) + kNorthArrowLength + 4.0};
}

// A navaid's symbol and the ident to its right.
Box NavaidBox(Point at, const std::string& ident, const draw::Font& font) {
  return Box{at.x - 9.0, at.y - 9.0,
             at.x + 11.0 + static_cast<double>(ident.size() * font.PixelsPerEm()), at.y + 9.0};
}

void DrawNavaidLabel(draw::Image& image, const draw::Font& font, Point at, const std::string& ident,
                     draw::Rgb colour) {
  draw::DrawLabel(image, font, static_cast<int>(at.x) + 11,
                  static_cast<int>(at.y) - font.CellHeight() / 2, ident, colour);
}

void DrawPolygon(draw::Image& image, Point centre, double radius, int corners,
                 double first_angle_degrees, draw::Rgb colour) {
  const auto corner = [&](int i) {
    const double angle =
        (first_angle_degrees + 360.0 * i / corners) * sim::navdata::kDegreesToRadians;
    return Point{centre.x + radius * std::cos(angle), centre.y - radius * std::sin(angle)};
  };
  for (int i = 0; i < corners; ++i) draw::DrawLine(image, corner(i), corner(i + 1), colour, 1.5);
}

void DrawVor(draw::Image& image, const draw::Font& font, Point at, const sim::navdata::Vor& vor) {
  const bool distance_only =
      vor.kind == sim::navdata::VorKind::Dme || vor.kind == sim::navdata::VorKind::Tacan;
  if (distance_only) {
    DrawPolygon(image, at, 7.0, 4, 45.0, chart_colour::kVor);
  } else {
    DrawPolygon(image, at, 7.0, 6, 0.0, chart_colour::kVor);
  }
  draw::FillCircle(image, at, 1.5, chart_colour::kVor);
  DrawNavaidLabel(image, font, at, vor.ident, chart_colour::kVor);
}

// A dot in a ring of dots, as NDBs are charted.
void DrawNdb(draw::Image& image, const draw::Font& font, Point at, const sim::navdata::Ndb& ndb) {
  draw::FillCircle(image, at, 2.5, chart_colour::kNdb);
  constexpr int kDots = 10;
  for (int i = 0; i < kDots; ++i) {
    const double angle = 2.0 * std::numbers::pi * i / kDots;
    draw::FillCircle(image, Point{at.x + 7.0 * std::cos(angle), at.y + 7.0 * std::sin(angle)}, 1.1,
                     chart_colour::kNdb);
  }
  DrawNavaidLabel(image, font, at, ndb.ident, chart_colour::kNdb);
}

// The title's place at the top left.
constexpr int kTitleInset = 8;

Box TitleBox(const std::string& title, const draw::Font& font) {
  if (title.empty()) return Box{-10.0, -10.0, -10.0, -10.0};
  return Box{0.0, 0.0, kTitleInset + static_cast<double>(title.size() * font.PixelsPerEm()),
             kTitleInset + font.CellHeight() + 4.0};
}

void DrawNavaids(draw::Image& image, const draw::Font& font, const sim::navdata::World& world,
                 const ChartFrame& frame, const std::string& title) {
  // Those under the scale bar, the north arrow or the title are left out
  // rather than drawn into them.
  const Box furniture[] = {ScaleBarBox(frame, font), NorthArrowBox(frame, font),
                           TitleBox(title, font)};
  const auto fits = [&](Point at, const std::string& ident) {
    const Box box = NavaidBox(at, ident, font);
    return frame.Contains(at) && std::none_of(std::begin(furniture), std::end(furniture),
                                              [&](const Box& b) { return b.Overlaps(box); });
  };
  // Out to the chart's corners, with room for the projection's distortion.
  const double reach_metres = 1.1 * std::hypot(frame.width, frame.height) / 2.0 /
                              frame.pixelsPerNm * sim::navdata::kMetresPerNauticalMile;
  for (const auto& hit :
       world.NearestVors(frame.centre, reach_metres, kMaximumNavaids, sim::navdata::kAllVorKinds)) {
    const sim::navdata::Vor& vor = world.Vors()[hit.item];
    // Localizers belong to the runways they serve, which are drawn already.
    if (vor.kind == sim::navdata::VorKind::Ils) continue;
    const Point at = frame.Project(vor.position);
    if (fits(at, vor.ident)) DrawVor(image, font, at, vor);
  }
  for (const auto& hit : world.NearestNdbs(frame.centre, reach_metres, kMaximumNavaids)) {
    const sim::navdata::Ndb& ndb = world.Ndbs()[hit.item];
    const Point at = frame.Project(ndb.position);
    if (fits(at, ndb.ident)) DrawNdb(image, font, at, ndb);
  }
}

void DrawAirport(draw::Image& image, const draw::Font& font, const sim::navdata::Airport& airport,
                 const ChartFrame& frame) {
  // The picture's box round the runways and the airport's position.
  std::optional<Point> low;  // least x and y
  std::optional<Point> high;
  const auto extend = [&](Point p) {
    low = low ? Point{std::min(low->x, p.x), std::min(low->y, p.y)} : p;
    high = high ? Point{std::max(high->x, p.x), std::max(high->y, p.y)} : p;
  };
  for (const sim::navdata::Runway& runway : airport.runways) {
    if (!IsPosition(runway.ends[0].position) || !IsPosition(runway.ends[1].position)) continue;
    const Point from = frame.Project(runway.ends[0].position);
    const Point to = frame.Project(runway.ends[1].position);
    const double width =
        runway.widthMetres / sim::navdata::kMetresPerNauticalMile * frame.pixelsPerNm;
    draw::DrawLine(image, from, to, chart_colour::kRunway, std::clamp(width, 3.0, 12.0));
    extend(from);
    extend(to);
  }
  if (IsPosition(airport.position)) {
    const Point at = frame.Project(airport.position);
    if (!low) draw::FillCircle(image, at, 5.0, chart_colour::kRunway);
    extend(at);
  }
  if (!low) return;
  // Below the runways, or above them when that would leave the picture.
  const int centre_x = static_cast<int>(std::lround((low->x + high->x) / 2.0));
  int label_top = static_cast<int>(high->y) + 10;
  if (label_top + font.CellHeight() > frame.height) {
    label_top = static_cast<int>(low->y) - 10 - font.CellHeight();
  }
  draw::DrawLabel(image, font, centre_x, label_top, airport.ident, chart_colour::kFurniture,
                  draw::Align::kCenter);
}

void DrawTrack(draw::Image& image, const std::vector<GeoPoint>& track, const ChartFrame& frame) {
  std::vector<Point> points;
  points.reserve(track.size());
  for (const GeoPoint& point : track) {
    if (IsPosition(point)) points.push_back(frame.Project(point));
  }
  if (points.empty()) return;
  // Under the line, so that the track stays whole where it starts.
  draw::FillCircle(image, points.front(), 6.0, chart_colour::kStart);
  constexpr double kTrackWidth = 3.0;
  if (points.size() == 1)
    draw::FillCircle(image, points.front(), kTrackWidth / 2.0, chart_colour::kTrack);
  for (std::size_t i = 1; i < points.size(); ++i) {
    draw::DrawLine(image, points[i - 1], points[i], chart_colour::kTrack, kTrackWidth);
  }
}

// A tick across the track at every minute, numbered every fifth.
void DrawMinuteTicks(draw::Image& image, const draw::Font& font, const std::vector<GeoPoint>& track,
                     int seconds_per_point, const ChartFrame& frame) {
  if (seconds_per_point <= 0) return;
  const std::size_t step = static_cast<std::size_t>(60 / seconds_per_point);
  if (step == 0) return;
  for (std::size_t i = step; i + 1 < track.size(); i += step) {
    if (!IsPosition(track[i - 1]) || !IsPosition(track[i + 1]) || !IsPosition(track[i])) continue;
    const Point before = frame.Project(track[i - 1]);
    const Point after = frame.Project(track[i + 1]);
    const Point at = frame.Project(track[i]);
    const double length = std::hypot(after.x - before.x, after.y - before.y);
    if (length == 0.0) continue;
    // Across the direction of flight.
    const Point across{-(after.y - before.y) / length, (after.x - before.x) / length};
    constexpr double kHalfTick = 6.0;
    draw::DrawLine(image, Point{at.x - across.x * kHalfTick, at.y - across.y * kHalfTick},
                   Point{at.x + across.x * kHalfTick, at.y + across.y * kHalfTick},
                   chart_colour::kFurniture, 1.5);
    const std::size_t minute = i / step;
    if (minute % 5 == 0) {
      const Point label{at.x + across.x * 30.0, at.y + across.y * 30.0};
      draw::DrawLabel(image, font, static_cast<int>(std::lround(label.x)),
                      static_cast<int>(std::lround(label.y)) - font.CellHeight() / 2,
                      std::to_string(minute) + " min", chart_colour::kFurniture,
                      draw::Align::kCenter);
    }
  }
}

// A dashed circle of the radius round the point.
void DrawDashedCircle(draw::Image& image, Point centre, double radius, draw::Rgb colour) {
  constexpr int kDashes = 36;
  for (int i = 0; i < kDashes; ++i) {
    const double from = 2.0 * std::numbers::pi * i / kDashes;
    const double to = 2.0 * std::numbers::pi * (i + 0.5) / kDashes;
    draw::DrawLine(
        image, Point{centre.x + radius * std::cos(from), centre.y + radius * std::sin(from)},
        Point{centre.x + radius * std::cos(to), centre.y + radius * std::sin(to)}, colour, 1.5);
  }
}

// A ring round the track's last point.
void DrawEnd(draw::Image& image, const std::vector<GeoPoint>& track, const ChartFrame& frame) {
  if (track.empty() || !IsPosition(track.back())) return;
  const Point at = frame.Project(track.back());
  draw::FillCircle(image, at, 7.0, chart_colour::kFurniture);
  draw::FillCircle(image, at, 4.5, chart_colour::kPaper);
  draw::FillCircle(image, at, 2.0, chart_colour::kTrack);
}

void DrawScaleBar(draw::Image& image, const draw::Font& font, const ChartFrame& frame) {
  const double length = frame.scaleBarNm * frame.pixelsPerNm;
  const Point left{kScaleBarInset, frame.height - kScaleBarInset};
  const Point right{left.x + length, left.y};
  const int label_top = static_cast<int>(left.y - kScaleBarLabelGap) - font.CellHeight();
  draw::DrawLine(image, left, right, chart_colour::kFurniture, 2.0);
  draw::DrawLine(image, left, Point{left.x, left.y - 6.0}, chart_colour::kFurniture, 2.0);
  draw::DrawLine(image, right, Point{right.x, right.y - 6.0}, chart_colour::kFurniture, 2.0);
  char label[32];
  std::snprintf(label, sizeof label, "%g NM", frame.scaleBarNm);
  draw::DrawLabel(image, font, static_cast<int>(std::lround(left.x + length / 2.0)), label_top,
                  label, chart_colour::kFurniture, draw::Align::kCenter);
}

void DrawNorthArrow(draw::Image& image, const draw::Font& font, const ChartFrame& frame) {
  const double x = frame.width - kNorthArrowInset;
  const double tip = NorthArrowTip(font);
  draw::DrawLabel(image, font, static_cast<int>(x), 6, "N", chart_colour::kFurniture,
                  draw::Align::kCenter);
  draw::DrawLine(image, Point{x, tip + kNorthArrowLength}, Point{x, tip}, chart_colour::kFurniture,
                 2.0);
  draw::DrawLine(image, Point{x, tip}, Point{x - 6.0, tip + 11.0}, chart_colour::kFurniture, 2.0);
  draw::DrawLine(image, Point{x, tip}, Point{x + 6.0, tip + 11.0}, chart_colour::kFurniture, 2.0);
}

}  // namespace

Point ChartFrame::Project(GeoPoint point) const {
  const double east_nm = LongitudeDifference(point.longitude, centre.longitude) * kNmPerDegree *
                         std::cos(centre.latitude * sim::navdata::kDegreesToRadians);
  const double north_nm = (point.latitude - centre.latitude) * kNmPerDegree;
  return Point{width / 2.0 + east_nm * pixelsPerNm, height / 2.0 - north_nm * pixelsPerNm};
}

bool ChartFrame::Contains(Point pixel) const {
  return pixel.x >= 0.0 && pixel.y >= 0.0 && pixel.x < width && pixel.y < height;
}

ChartFrame FrameOfFlight(const sim::navdata::Airport& destination,
                         const std::vector<GeoPoint>& track, int width, int height) {
  if (width < kMinimumSide || height < kMinimumSide) {
    throw std::invalid_argument("a flight plot needs at least " + std::to_string(kMinimumSide) +
                                " x " + std::to_string(kMinimumSide) + " pixels, not " +
                                std::to_string(width) + " x " + std::to_string(height));
  }
  std::vector<GeoPoint> points;
  for (const GeoPoint& point : track) {
    if (IsPosition(point)) points.push_back(point);
  }
  points.push_back(destination.position);
  for (const sim::navdata::Runway& runway : destination.runways) {
    points.push_back(runway.ends[0].position);
    points.push_back(runway.ends[1].position);
  }
  std::erase_if(points, [](GeoPoint point) { return !IsPosition(point); });

  ChartFrame frame;
  frame.width = width;
  frame.height = height;
  double east_span_nm = 0.0;
  double north_span_nm = 0.0;
  if (!points.empty()) {
    // Longitudes as offsets from one of the points, so a flight over the date
    // line is not stretched round the globe.
    const double reference = points.front().longitude;
    double south = 90.0, north = -90.0, west = 180.0, east = -180.0;
    for (const GeoPoint& point : points) {
      south = std::min(south, point.latitude);
      north = std::max(north, point.latitude);
      const double offset = LongitudeDifference(point.longitude, reference);
      west = std::min(west, offset);
      east = std::max(east, offset);
    }
    frame.centre.latitude = (south + north) / 2.0;
    frame.centre.longitude = LongitudeDifference(reference + (west + east) / 2.0, 0.0);
    north_span_nm = (north - south) * kNmPerDegree;
    east_span_nm = (east - west) * kNmPerDegree *
                   std::cos(frame.centre.latitude * sim::navdata::kDegreesToRadians);
  }
  const double margin = std::min(width, height) / 10.0;
  frame.pixelsPerNm = std::min((width - 2.0 * margin) / std::max(east_span_nm, kMinimumSpanNm),
                               (height - 2.0 * margin) / std::max(north_span_nm, kMinimumSpanNm));
  frame.scaleBarNm = RoundLengthAtMost(width / 4.0 / frame.pixelsPerNm);
  return frame;
}

draw::Image FlightPlot(const sim::navdata::World& world, const sim::navdata::Airport& destination,
                       const std::vector<GeoPoint>& track, const FlightMarks& marks, int width,
                       int height) {
  const ChartFrame frame = FrameOfFlight(destination, track, width, height);
  const draw::Font font(draw::LabelFontFile(), kChartLabelPixelsPerEm);
  draw::Image image(width, height, chart_colour::kPaper);
  DrawNavaids(image, font, world, frame, marks.title);
  DrawScaleBar(image, font, frame);
  DrawNorthArrow(image, font, frame);
  if (marks.arrivalRadiusNm > 0.0 && IsPosition(destination.position)) {
    DrawDashedCircle(image, frame.Project(destination.position),
                     marks.arrivalRadiusNm * frame.pixelsPerNm, chart_colour::kArrival);
  }
  // The flight and its destination over everything else.
  DrawAirport(image, font, destination, frame);
  DrawTrack(image, track, frame);
  DrawMinuteTicks(image, font, track, marks.secondsPerPoint, frame);
  if (marks.endMarked) DrawEnd(image, track, frame);
  if (!marks.title.empty()) {
    draw::DrawLabel(image, font, kTitleInset, kTitleInset, marks.title, chart_colour::kFurniture);
  }
  return image;
}

}  // namespace bench
