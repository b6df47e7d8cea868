#include "sim/navdata/world_conventions.h"

#include <utility>
#include <vector>

namespace sim::navdata {

namespace {

bool EndsWithWord(std::string_view name, std::string_view word) {
  if (name.size() < word.size() || name.substr(name.size() - word.size()) != word) return false;
  return name.size() == word.size() || name[name.size() - word.size() - 1] == ' ';
}

Runway MakeRunway(double widthMetres, RunwayEnd first, RunwayEnd second) {
  Runway runway;
  runway.designation = first.number + "-" + second.number;
  runway.trueHeading = InitialCourseDegrees(first.position, second.position);
  runway.lengthMetres = GreatCircleMetres(first.position, second.position);
  runway.widthMetres = widthMetres;
  runway.ends[0] = std::move(first);
  runway.ends[1] = std::move(second);
  return runway;
}

// Longitudes are averaged as offsets from the first point, so that points on
// both sides of the 180th meridian do not average to the other side of the earth.
GeoPoint MeanPosition(std::span<const GeoPoint> points) {
  const double reference = points.front().longitude;
  double latitude = 0.0;
  double offset = 0.0;
  for (const GeoPoint& point : points) {
    latitude += point.latitude;
    double d = point.longitude - reference;
    if (d > 180.0) d -= 360.0;
    if (d < -180.0) d += 360.0;
    offset += d;
  }
  const double count = static_cast<double>(points.size());
  double longitude = reference + offset / count;
  if (longitude > 180.0) longitude -= 360.0;
  if (longitude < -180.0) longitude += 360.0;
  return {latitude / count, longitude};
}

}  // namespace

int RunwaySurfaceCode(int xplaneSurface) {
  if (xplaneSurface == 1 || (xplaneSurface >= 20 && xplaneSurface <= 38)) return 2;  // asphalt
  if (xplaneSurface == 2 || (xplaneSurface >= 50 && xplaneSurface <= 57)) return 1;  // concrete
  switch (xplaneSurface) {
    case 3:  // turf or grass
      return 101;
    case 4:   // dirt
    case 12:  // dry lakebed
      return 103;
    case 5:  // gravel
      return 105;
    case 13:  // water
      return 201;
    case 14:  // snow or ice
      return 115;
    default:
      return 0;
  }
}

int RunwayLightingCode(int xplaneEdgeLights) { return xplaneEdgeLights > 0 ? 3 : 1; }

Runway MakeLandRunway(double widthMetres, int xplaneSurface, int xplaneEdgeLights, RunwayEnd first,
                      RunwayEnd second) {
  Runway runway = MakeRunway(widthMetres, std::move(first), std::move(second));
  runway.surface = RunwaySurfaceCode(xplaneSurface);
  runway.lighting = RunwayLightingCode(xplaneEdgeLights);
  return runway;
}

Runway MakeWaterRunway(double widthMetres, RunwayEnd first, RunwayEnd second) {
  Runway runway = MakeRunway(widthMetres, std::move(first), std::move(second));
  runway.surface = RunwaySurfaceCode(13);
  runway.lighting = RunwayLightingCode(0);
  runway.water = true;
  return runway;
}

std::optional<FrequencyType> FrequencyTypeOfRow(int rowCode) {
  switch (rowCode >= 1000 ? rowCode - 1000 : rowCode) {
    case 50:
      return FrequencyType::Atis;
    case 51:
      return FrequencyType::Unicom;
    case 52:
      return FrequencyType::Clearance;
    case 53:
      return FrequencyType::Ground;
    case 54:
      return FrequencyType::Tower;
    case 55:
      return FrequencyType::Approach;
    case 56:
      return FrequencyType::Departure;
    default:
      return std::nullopt;
  }
}

std::uint32_t FrequencyHertz(int rowCode, long value) {
  return static_cast<std::uint32_t>(value * (rowCode >= 1000 ? 1000 : 10000));
}

std::optional<GeoPoint> AirportPosition(const std::optional<GeoPoint>& datum,
                                        std::span<const Runway> runways,
                                        std::span<const GeoPoint> helipads) {
  if (datum) return datum;
  for (const bool water : {false, true}) {
    std::vector<GeoPoint> ends;
    for (const Runway& runway : runways) {
      if (runway.water != water) continue;
      for (const RunwayEnd& end : runway.ends) ends.push_back(end.position);
    }
    if (!ends.empty()) return MeanPosition(ends);
  }
  if (helipads.empty()) return std::nullopt;
  return MeanPosition(helipads);
}

VorKind VorKindOfName(std::string_view name) {
  if (EndsWithWord(name, "VOR-DME") || EndsWithWord(name, "VOR/DME")) return VorKind::VorDme;
  if (EndsWithWord(name, "VORTAC")) return VorKind::Vortac;
  if (EndsWithWord(name, "VOT")) return VorKind::Vot;
  return VorKind::Vor;
}

VorKind StandaloneDmeKind(std::string_view name) {
  return EndsWithWord(name, "TACAN") ? VorKind::Tacan : VorKind::Dme;
}

bool IsIlsDmeName(std::string_view name) { return EndsWithWord(name, "DME-ILS"); }

std::string IlsName(std::string_view ident, std::string_view runway) {
  return std::string(ident) + " " + std::string(runway);
}

bool CarriesVariation(VorKind kind) {
  return kind == VorKind::Vor || kind == VorKind::VorDme || kind == VorKind::Vortac;
}

}  // namespace sim::navdata
