#pragma once

// How the substitute world turns X-Plane apt.dat and nav.dat rows into the
// values the GPS module reports. All such choices live here:
//
// Airports
// - Position: the 1302 datum_lat/datum_lon when present, else the mean of the
//   land runways' end points, else of the water runways' end points, else of
//   the helipads (a heliport has nothing else). An airport with none of these
//   cannot be placed and is skipped as a bad header line.
// - Elevation: feet in the data, metres in the world.
// - City: the 1302 city value, else empty. Fuel: the data has none, so both
//   fuel texts are empty.
// - Magnetic variation: the slaved variation of the nearest VOR, VOR-DME or
//   VORTAC, east positive; 0 when the world has none.
// Runways (land rows 100 and water rows 101; helipads are not runways)
// - Designation: both end numbers joined by '-', "16L-34R".
// - True heading of the first end, and length, from the end points on the
//   sphere; width in metres as given.
// - Surface: asphalt 2, concrete 1, turf/grass 101, dirt and dry lakebed 103,
//   gravel 105, snow/ice 115, water 201, anything else 0.
// - Lighting: 3 where the runway has edge lights, else 1.
// Frequencies (rows 50-56 in 10 kHz, 1050-1056 in kHz; values in Hz)
// - ATIS 1, Unicom 3, Clearance 7, Ground 5, Tower 6, Approach 8,
//   Departure 9; the name as in the data.
// Nearest-VOR list (kinds as VorKind)
// - A VOR row (3) is VOR, VOR-DME, VORTAC or VOT by the end of its name; a
//   plain VOR with a paired DME row (same ident and frequency, close by)
//   counts as VOR-DME. A DME row paired with a VOR or an ILS localizer adds
//   nothing of its own; any other DME row is a TACAN when its name says so,
//   else a standalone DME.
// - ILS localizers (4) and localizers without glide slope (5) are ILS, named
//   "IDENT RUNWAY" ("ISNQ 16L") and belonging to their airport's ident.
// - Frequencies in Hz; NDBs are their own list.

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "sim/navdata/model.h"

namespace sim::navdata {

int RunwaySurfaceCode(int xplaneSurface);
int RunwayLightingCode(int xplaneEdgeLights);

Runway MakeLandRunway(double widthMetres, int xplaneSurface, int xplaneEdgeLights, RunwayEnd first,
                      RunwayEnd second);
Runway MakeWaterRunway(double widthMetres, RunwayEnd first, RunwayEnd second);

// The frequency type of an apt.dat row code (50-56, 1050-1056); none for others.
std::optional<FrequencyType> FrequencyTypeOfRow(int rowCode);
// The row's frequency value in Hz: 10 kHz units for 50-56, kHz for 1050-1056.
std::uint32_t FrequencyHertz(int rowCode, long value);

std::optional<GeoPoint> AirportPosition(const std::optional<GeoPoint>& datum,
                                        std::span<const Runway> runways,
                                        std::span<const GeoPoint> helipads);

inline double FeetToMetres(double feet) { return feet * kMetresPerFoot; }

// nav.dat frequencies: NDBs in kHz, everything else in 10 kHz units.
inline std::uint32_t NdbHertz(long kilohertz) {
  return static_cast<std::uint32_t>(kilohertz * 1000);
}
inline std::uint32_t VhfHertz(long tensOfKilohertz) {
  return static_cast<std::uint32_t>(tensOfKilohertz * 10000);
}

// The kind of a VOR row by the end of its name.
VorKind VorKindOfName(std::string_view name);
// The kind of a DME row that pairs with no VOR or localizer.
VorKind StandaloneDmeKind(std::string_view name);
// Whether a DME row belongs to an ILS by its name ("... DME-ILS").
bool IsIlsDmeName(std::string_view name);
// A DME pairs with a VOR or localizer of the same ident and frequency within this distance.
inline constexpr double kDmePairingMetres = 5.0 * kMetresPerNauticalMile;

std::string IlsName(std::string_view ident, std::string_view runway);

// Kinds whose slaved variation gives airports their magnetic variation.
bool CarriesVariation(VorKind kind);

}  // namespace sim::navdata
