#include "sim/navdata/world.h"

#include <numbers>
#include <utility>

#include "sim/navdata/apt_reader.h"
#include "sim/navdata/nav_reader.h"
#include "sim/navdata/world_conventions.h"

namespace sim::navdata {

namespace {

template <class Item>
IdentIndex MakeIdentIndex(const std::vector<Item>& items) {
  std::vector<IdentIndex::Entry> entries;
  entries.reserve(items.size());
  for (std::size_t i = 0; i < items.size(); ++i) {
    entries.push_back({items[i].ident, static_cast<std::uint32_t>(i)});
  }
  return IdentIndex(std::move(entries));
}

template <class Item, class PositionOf>
SpatialIndex MakeSpatialIndex(const std::vector<Item>& items, PositionOf positionOf) {
  std::vector<GeoPoint> points;
  points.reserve(items.size());
  for (const Item& item : items) points.push_back(positionOf(item));
  return SpatialIndex(points);
}

}  // namespace

World::World(std::vector<Airport> airports, std::vector<Vor> vors, std::vector<Ndb> ndbs)
    : airports_(std::move(airports)), vors_(std::move(vors)), ndbs_(std::move(ndbs)) {
  airportIdents_ = MakeIdentIndex(airports_);
  vorIdents_ = MakeIdentIndex(vors_);
  ndbIdents_ = MakeIdentIndex(ndbs_);
  airportPlaces_ = MakeSpatialIndex(airports_, [](const Airport& a) { return a.position; });
  vorPlaces_ = MakeSpatialIndex(vors_, [](const Vor& v) { return v.position; });
  ndbPlaces_ = MakeSpatialIndex(ndbs_, [](const Ndb& n) { return n.position; });
  for (Airport& airport : airports_)
    airport.magneticVariation = MagneticVariationAt(airport.position);
}

double World::MagneticVariationAt(GeoPoint place) const {
  // Half the circumference: the nearest such VOR wherever it is.
  constexpr double kAnywhere = kEarthRadiusMetres * std::numbers::pi;
  const auto nearest = vorPlaces_.Nearest(place, kAnywhere, 1, [this](std::uint32_t item) {
    return CarriesVariation(vors_[item].kind);
  });
  return nearest.empty() ? 0.0 : vors_[nearest[0].item].magneticVariation;
}

void World::FixMagneticVariation(double degrees) {
  for (Airport& airport : airports_) airport.magneticVariation = degrees;
  for (Vor& vor : vors_) {
    if (CarriesVariation(vor.kind)) vor.magneticVariation = degrees;
  }
}

World World::Load(const std::filesystem::path& aptFile, const std::filesystem::path& navFile,
                  LoadReport& report) {
  AirportFile airports = ReadAirports(aptFile, report);
  NavaidFile navaids = ReadNavaids(navFile, report);
  return World(std::move(airports.airports), std::move(navaids.vors), std::move(navaids.ndbs));
}

const Airport* World::FindAirport(std::string_view ident) const {
  const auto [first, last] = airportIdents_.EqualRange(ident);
  return first == last ? nullptr : &airports_[airportIdents_.At(first).item];
}

std::vector<NearestHit> World::NearestAirports(GeoPoint centre, double maxMetres,
                                               std::size_t maxItems) const {
  return airportPlaces_.Nearest(centre, maxMetres, maxItems);
}

std::vector<NearestHit> World::NearestVors(GeoPoint centre, double maxMetres, std::size_t maxItems,
                                           std::uint32_t kindFilter) const {
  if ((kindFilter & kAllVorKinds) == kAllVorKinds) {
    return vorPlaces_.Nearest(centre, maxMetres, maxItems);
  }
  return vorPlaces_.Nearest(centre, maxMetres, maxItems, [&](std::uint32_t item) {
    return (kindFilter & VorFilterBit(vors_[item].kind)) != 0;
  });
}

std::vector<NearestHit> World::NearestNdbs(GeoPoint centre, double maxMetres,
                                           std::size_t maxItems) const {
  return ndbPlaces_.Nearest(centre, maxMetres, maxItems);
}

}  // namespace sim::navdata
