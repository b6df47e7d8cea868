// The GPS module answering from the substitute world: facilities, the airport
// waypoint's runways and frequencies, the VOR and NDB waypoints, the nearest
// VOR and NDB lists, the airport ICAO search and the direct-to destination.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sim/gps/gps_module.h"
#include "sim/navdata/world.h"

namespace sim {

// ICAO texts, twelve characters at most:
// - airport "A", six blanks, the ident; VOR, DME, TACAN, VORTAC "V" and NDB
//   "N", six blanks, the ident; an ILS "V", two blanks, its airport's ident in
//   characters 3 to 6 (blank-padded), its own ident from character 7.
// - A written ICAO selects by its type letter and the ident from character 7;
//   blanks and anything after the ident are ignored. An ILS's airport field,
//   when given, tells ILS of equal idents apart; among other equals the one
//   of the current nearest list entry wins, else the first in the data.
// Units: degrees for positions and variations (variations 0..360, west w
// reading 360 - w), metres for distances, elevations, lengths and widths,
// hertz for frequencies. A runway's direction is its first end's magnetic
// heading. Unknown names read 0 or the empty text; writes to them are dropped.
// The ICAO search covers airports in byte order of their idents; entering
// leaves the cursor on the last character entered; where no airport begins
// with what was entered, the current ICAO is the empty text.
// The nearest lists are searched again only when a parameter changes value,
// so that the current line survives the periodic re-aiming.
class WorldGps : public GpsModule {
 public:
  // `world` must outlive this object.
  explicit WorldGps(const navdata::World& world);

  double GetNumber(const std::string& name) override;
  std::string GetText(const std::string& name) override;
  void SetNumber(const std::string& name, double value) override;
  void SetText(const std::string& name, const std::string& value) override;

  // The ICAO handed over as the direct-to destination ("" before any).
  const std::string& DirectToDestination() const { return directTo_; }
  // The airport of that destination, or none.
  const navdata::Airport* DirectToAirport() const;

  static std::string AirportIcao(std::string_view ident);
  static std::string VorIcao(const navdata::Vor& vor);
  static std::string NdbIcao(const navdata::Ndb& ndb);

 private:
  enum class Kind { None, Airport, Vor, Ndb };
  struct Selection {
    Kind kind = Kind::None;
    std::uint32_t item = 0;
  };
  struct NearestList {
    double latitude = 0.0;
    double longitude = 0.0;
    double maxItems = 0.0;
    double maxMetres = 0.0;
    double filter = 191.0;
    bool stale = true;
    int line = 0;
    std::vector<navdata::NearestHit> hits;
  };

  Selection Select(std::string_view icao, char onlyKind) const;
  const navdata::Airport* AirportOf(const Selection& selection) const;
  const navdata::Vor* VorOf(const Selection& selection) const;
  const navdata::Ndb* NdbOf(const Selection& selection) const;
  const navdata::Runway* CurrentRunway() const;
  const navdata::Frequency* CurrentFrequency() const;
  NearestList& Fresh(NearestList& list, bool vors);
  static void SetParameter(NearestList& list, double& field, double value);
  const navdata::Vor* NearestVor();
  const navdata::Ndb* NearestNdb();

  double FacilityNumber(std::string_view what) const;
  std::string FacilityText(std::string_view what) const;
  double AirportNumber(std::string_view what) const;
  std::string AirportText(std::string_view what) const;

  void SearchStart();
  void SearchEnter(std::string_view characters);
  void SearchAdvanceCharacter(double direction);
  void SearchAdvanceCursor(double direction);
  std::string SearchIdent() const;  // the current airport's ident, "" when none

  const navdata::World& world_;
  Selection facility_;
  std::string facilityIcao_;
  Selection airport_;
  Selection vor_;
  std::string vorIcao_;
  Selection ndb_;
  int runway_ = 0;
  int frequency_ = 0;
  NearestList nearestVors_;
  NearestList nearestNdbs_;
  std::string entered_;
  int cursor_ = 0;
  std::optional<std::size_t> searchCurrent_;  // position in the airport ident index
  std::string newWaypoint_;
  std::string directTo_;
};

}  // namespace sim
