#pragma once

// The substitute world: airports with their runways and frequencies, and the
// radio navaids, in the terms the GPS module answers in. How each value is
// derived from the X-Plane files is stated in world_conventions.h.

#include <cstdint>
#include <string>
#include <vector>

#include "sim/navdata/geo.h"

namespace sim::navdata {

enum class AirportKind : std::uint8_t { Land, SeaplaneBase, Heliport };

// GPS frequency type codes.
enum class FrequencyType : int {
  Atis = 1,
  Unicom = 3,
  Ground = 5,
  Tower = 6,
  Clearance = 7,
  Approach = 8,
  Departure = 9,
};

struct Frequency {
  FrequencyType type = FrequencyType::Unicom;
  std::uint32_t hertz = 0;
  std::string name;
};

struct RunwayEnd {
  std::string number;  // "16L"
  GeoPoint position;
};

struct Runway {
  std::string designation;   // both ends joined by '-': "16L-34R"
  double trueHeading = 0.0;  // degrees, of the first end
  double lengthMetres = 0.0;
  double widthMetres = 0.0;
  int surface = 0;   // GPS surface code
  int lighting = 1;  // GPS lighting code
  bool water = false;
  RunwayEnd ends[2];
};

struct Airport {
  std::string ident;  // "KSEA", "S43", "0S9"
  std::string name;
  std::string city;  // empty when the data has none
  AirportKind kind = AirportKind::Land;
  GeoPoint position;
  double elevationMetres = 0.0;
  double magneticVariation = 0.0;  // degrees, east positive
  std::string fuel1;               // avgas on offer; the data has no fuel, so always empty
  std::string fuel2;               // jet fuel on offer; likewise
  std::vector<Runway> runways;
  std::vector<Frequency> frequencies;
};

// Kinds of the nearest-VOR list; a search filter has bit (1 << kind) set for
// each kind it accepts.
enum class VorKind : int {
  Unknown = 0,
  Vor = 1,
  VorDme = 2,
  Dme = 3,
  Tacan = 4,
  Vortac = 5,
  Ils = 6,
  Vot = 7,
};

constexpr std::uint32_t VorFilterBit(VorKind kind) { return 1u << static_cast<int>(kind); }

// A member of the nearest-VOR list: VOR, DME, TACAN, VORTAC or ILS localizer.
struct Vor {
  VorKind kind = VorKind::Vor;
  std::string ident;
  std::string name;  // as in the data; an ILS is "ISNQ 16L": ident and runway
  GeoPoint position;
  double elevationMetres = 0.0;
  std::uint32_t hertz = 0;
  double magneticVariation = 0.0;  // slaved variation, east positive; 0 for DME, TACAN, ILS
  std::string airportIdent;        // ILS only: the airport it belongs to
  std::string runway;              // ILS only
  double localizerCourse = 0.0;    // ILS only, degrees true
};

struct Ndb {
  std::string ident;
  std::string name;
  GeoPoint position;
  double elevationMetres = 0.0;
  std::uint32_t hertz = 0;
};

}  // namespace sim::navdata
