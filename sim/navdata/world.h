#pragma once

// The substitute world as the GPS module asks it: airports, the nearest-VOR
// list's members (VOR, DME, TACAN, VORTAC, ILS) and NDBs, with the ident
// indexes and the spatial indexes built once when the world is made.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <vector>

#include "sim/navdata/ident_index.h"
#include "sim/navdata/load_report.h"
#include "sim/navdata/model.h"
#include "sim/navdata/spatial_index.h"

namespace sim::navdata {

// Every nearest-VOR kind.
inline constexpr std::uint32_t kAllVorKinds = 0xff;

class World {
 public:
  World() = default;
  // Takes the collections as they are and derives what the files do not
  // say: each airport's magnetic variation (world_conventions.h) and the indexes.
  World(std::vector<Airport> airports, std::vector<Vor> vors, std::vector<Ndb> ndbs);

  // Reads both files (plain or gzip). Throws NavDataError when either cannot
  // be read; bad lines are skipped and counted in `report`.
  static World Load(const std::filesystem::path& aptFile, const std::filesystem::path& navFile,
                    LoadReport& report);

  const std::vector<Airport>& Airports() const { return airports_; }
  const std::vector<Vor>& Vors() const { return vors_; }
  const std::vector<Ndb>& Ndbs() const { return ndbs_; }

  // The world's estimate of the magnetic variation at a place, east positive:
  // the slaved variation of the nearest VOR that carries one, 0 without any.
  double MagneticVariationAt(GeoPoint place) const;
  // One variation everywhere instead of the estimate: every airport's and
  // every variation-carrying VOR's.
  void FixMagneticVariation(double degrees);

  // Items are indexes into Airports(), Vors() and Ndbs().
  const IdentIndex& AirportIdents() const { return airportIdents_; }
  const IdentIndex& VorIdents() const { return vorIdents_; }
  const IdentIndex& NdbIdents() const { return ndbIdents_; }

  // The first airport (in index order) with exactly this ident, or none.
  const Airport* FindAirport(std::string_view ident) const;

  // Up to `maxItems` within `maxMetres` of `centre`, nearest first; items
  // index the matching collection.
  std::vector<NearestHit> NearestAirports(GeoPoint centre, double maxMetres,
                                          std::size_t maxItems) const;
  // `kindFilter` has bit (1 << kind) set for every VorKind accepted.
  std::vector<NearestHit> NearestVors(GeoPoint centre, double maxMetres, std::size_t maxItems,
                                      std::uint32_t kindFilter) const;
  std::vector<NearestHit> NearestNdbs(GeoPoint centre, double maxMetres,
                                      std::size_t maxItems) const;

 private:
  std::vector<Airport> airports_;
  std::vector<Vor> vors_;
  std::vector<Ndb> ndbs_;
  IdentIndex airportIdents_;
  IdentIndex vorIdents_;
  IdentIndex ndbIdents_;
  SpatialIndex airportPlaces_;
  SpatialIndex vorPlaces_;
  SpatialIndex ndbPlaces_;
};

}  // namespace sim::navdata
