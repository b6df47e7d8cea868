// The GPS module's airport ICAO search over a small list of airports, for
// tests: start, enter characters at the cursor, step the character at the
// cursor through those for which an airport exists, move the cursor, take the
// match; and the facility properties of the airport named by "FacilityICAO".
#pragma once

#include <string>
#include <vector>

#include "sim/gps/scripted_gps.h"

namespace sim {

struct SearchAirport {
  std::string ident;
  double latitude = 0.0;
  double longitude = 0.0;
};

class ScriptedIcaoSearch {
 public:
  explicit ScriptedIcaoSearch(std::vector<SearchAirport> airports);

  // Answers the search and facility properties of `gps` from now on; this
  // object must outlive those accesses.
  void Install(ScriptedGps& gps);

  // A faulty GPS module: the cursor never goes below 1, so it never reports 0.
  void SetCursorNeverReachesZero(bool never) { cursorFloor_ = never ? 1 : 0; }

  static std::string IcaoOf(const std::string& ident) { return "A      " + ident; }

  int Cursor() const { return cursor_; }
  const std::string& Entered() const { return entered_; }
  // The ident the search points at ("" when the list is empty).
  std::string CurrentIdent() const;

 private:
  void Start();
  void Enter(const std::string& characters);
  void AdvanceCharacter(double direction);
  void AdvanceCursor(double direction);
  void SelectFacility(const std::string& icao);
  // The first airport starting with `prefix`, else the first after it, else the last.
  int BestMatch(const std::string& prefix) const;
  const SearchAirport* Facility() const;

  std::vector<SearchAirport> airports_;  // sorted by ident
  std::string entered_;
  int cursor_ = 0;
  int cursorFloor_ = 0;
  int current_ = -1;
  std::string facilityIcao_;
  int facility_ = -1;
};

}  // namespace sim
