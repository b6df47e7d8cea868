// GetICAO and SetICAO: other modules of the panel read the airport the
// display shows and make it show another one.
#include <cstring>

#include "controls/icao_entry.h"
#include "cycle/gauge_state.h"
#include "module/bounded_text.h"
#include "module/exports.h"
#include "module/gps_properties.h"

namespace {
constexpr std::size_t kMaxIdentChars = 4;
}

// A copy of the GPS module's text, so that callers get at most an ICAO's 12
// characters, valid until the next call; never a null pointer.
extern "C" SKELBOR_EXPORT const char* FSAPI GetICAO() {
  CopyText(gaugeState.exportedIcao, GetGpsString("FacilityICAO"));
  return gaugeState.exportedIcao;
}

// A null ident acts as an empty one; a longer ident is cut to four characters.
extern "C" SKELBOR_EXPORT void FSAPI SetICAO(const char* ident) {
  char cut[kMaxIdentChars + 1] = {};
  if (ident != nullptr) std::strncpy(cut, ident, kMaxIdentChars);

  SetGpsString("IcaoSearchStartCursor", "A");
  RewindIcaoSearch();
  char icao[kIcaoCapacity] = "A      ";
  std::memcpy(icao + 7, cut, kMaxIdentChars);
  std::memcpy(gaugeState.facilityIcao, icao, sizeof icao);
  ShowIcaoCells();
  SetGpsString("WaypointAirportICAO", gaugeState.facilityIcao);
  SetGpsString("FacilityICAO", gaugeState.facilityIcao);
  RewindIcaoSearch();
  if (cut[0] != '\0') SetGpsString("IcaoSearchEnterChar", cut);
  gaugeState.currentPage = kPageAirport;
  gaugeState.cyclePhase = 2;
}
