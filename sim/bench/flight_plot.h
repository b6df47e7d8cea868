// A chart of a flown track for the bench: where the aircraft went, the
// destination's runways and the radio navaids around them, north up.
#pragma once

#include <string>
#include <vector>

#include "sim/draw/image.h"
#include "sim/draw/plot.h"
#include "sim/navdata/geo.h"
#include "sim/navdata/model.h"
#include "sim/navdata/world.h"

namespace bench {

// The chart's inks, one per kind of thing shown.
namespace chart_colour {
inline constexpr draw::Rgb kPaper{250, 250, 245};
inline constexpr draw::Rgb kTrack{214, 39, 40};
inline constexpr draw::Rgb kStart{44, 160, 44};
inline constexpr draw::Rgb kRunway{70, 70, 70};
inline constexpr draw::Rgb kVor{31, 119, 180};
inline constexpr draw::Rgb kNdb{148, 83, 189};
inline constexpr draw::Rgb kFurniture{0, 0, 0};      // scale bar, north arrow, airport ident, title
inline constexpr draw::Rgb kArrival{110, 110, 110};  // the circle where steering ends
}  // namespace chart_colour

// What a chart says about the flight beyond its track.
struct FlightMarks {
  std::string title;             // at the top left; none when empty
  int secondsPerPoint = 0;       // the track's sampling, for a tick each minute; 0: no ticks
  double arrivalRadiusNm = 0.0;  // a dashed circle round the destination; 0: none
  bool endMarked = false;        // a ring at the track's last point: where steering ended
};

// The size of the idents and the scale bar's label.
inline constexpr int kChartLabelPixelsPerEm = 13;

// A local equirectangular projection (east scaled by the cosine of the centre's
// latitude), north up, with the centre at the middle of the picture.
struct ChartFrame {
  int width = 0;
  int height = 0;
  sim::navdata::GeoPoint centre;
  double pixelsPerNm = 1.0;
  double scaleBarNm = 1.0;  // the round length the scale bar shows

  draw::Point Project(sim::navdata::GeoPoint point) const;
  bool Contains(draw::Point pixel) const;
};

// The frame that fits the track's finite points and the destination (its
// position and runway ends) with a margin, at least 5 NM across either way.
// Throws std::invalid_argument for a picture under 100 pixels either way.
ChartFrame FrameOfFlight(const sim::navdata::Airport& destination,
                         const std::vector<sim::navdata::GeoPoint>& track, int width, int height);

// The chart of a flight: the ground track, the destination's runways, the
// VORs and NDBs of the world around them, a scale bar in NM and a north arrow,
// and the marks asked for (every fifth minute tick is numbered).
// Non-finite track points are left out; an empty track leaves the airport
// alone on the chart. Throws std::invalid_argument as FrameOfFlight, and
// std::runtime_error when the label font cannot be loaded.
draw::Image FlightPlot(const sim::navdata::World& world, const sim::navdata::Airport& destination,
                       const std::vector<sim::navdata::GeoPoint>& track,
                       const FlightMarks& marks = {}, int width = 800, int height = 800);

}  // namespace bench
