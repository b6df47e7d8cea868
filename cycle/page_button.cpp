// PAGE: steps through the pages and prepares the GPS module's searches and the
// upper-row tooltips for the page it lands on.
#include "controls/button_handlers.h"
#include "controls/tooltips.h"
#include "cycle/gauge_state.h"
#include "module/gps_properties.h"

namespace {

void SetUpAirportPage() {
  SetGpsNumber("NearestVorCurrentFilter", 0.0);
  ActivateTooltipSet(gaugeState.entryTooltips);
}

void SetUpNavaidsPage() {
  SetGpsNumber("NearestVorCurrentLatitude", gaugeState.facilityLat);
  SetGpsNumber("NearestVorCurrentLongitude", gaugeState.facilityLon);
  SetGpsNumber("NearestVorMaximumItems", 20.0);
  SetGpsNumber("NearestVorMaximumDistance", gaugeState.vorSearchRadius);
  SetGpsNumber("NearestVorCurrentFilter", 191.0);
  gaugeState.vorIndex = 0;
  SetGpsNumber("NearestNdbCurrentLatitude", gaugeState.facilityLat);
  SetGpsNumber("NearestNdbCurrentLongitude", gaugeState.facilityLon);
  SetGpsNumber("NearestNdbMaximumItems", 20.0);
  SetGpsNumber("NearestNdbMaximumDistance", gaugeState.ndbSearchRadius);
  gaugeState.ndbIndex = 0;
  gaugeState.frequencyIndex = 0;
  ActivateTooltipSet(gaugeState.navaidTooltips);
  ShowNavaidTypeTooltips();
}

void SetUpRunwaysPage() {
  SetGpsNumber("NearestVorCurrentLatitude", gaugeState.facilityLat);
  SetGpsNumber("NearestVorCurrentLongitude", gaugeState.facilityLon);
  SetGpsNumber("NearestVorMaximumItems", 20.0);
  SetGpsNumber("NearestVorMaximumDistance", 10000.0);
  SetGpsNumber("NearestVorCurrentFilter", 64.0);
  ActivateTooltipSet(gaugeState.runwayTooltips);
  gaugeState.runwayIndex = 0;
  SetGpsNumber("WaypointAirportCurrentRunway", 0.0);
  gaugeState.runwayEnd1IlsFreq = 0.0;
  gaugeState.runwayEnd2IlsFreq = 0.0;
  gaugeState.ilsScanLine = 0.0;
  SetGpsNumber("NearestVorCurrentLine", 0.0);
  // Name the first nearest VOR for the runway refresh's ILS search.
  PassGpsIcao("WaypointVorICAO", "NearestVorCurrentICAO");
}

}  // namespace

BOOL FSAPI PageClicked(PIXPOINT* /*point*/, FLAGS32 /*flags*/) {
  int page = gaugeState.currentPage + 1;
  if (page > kPageRunways) page = kPageAirport;
  gaugeState.currentPage = static_cast<GpsPage>(page);
  gaugeState.inputIdleTime = 0.0;
  gaugeState.savedListOpen = 0;

  // PAGE alone counts any non-zero validity as a valid facility.
  if (GetGpsNumber("FacilityValid") == 0.0 && gaugeState.currentPage > kPageDetails) {
    gaugeState.currentPage = kPageAirport;
  }
  if (GetGpsNumber("FacilityValid") == 0.0 && gaugeState.userWaypointValid == 0) {
    gaugeState.currentPage = kPageAirport;
  }
  if (gaugeState.currentPage == kPageAirport) SetUpAirportPage();
  if (gaugeState.currentPage == kPageNavaids) SetUpNavaidsPage();
  if (gaugeState.currentPage == kPageRunways) SetUpRunwaysPage();
  return 0;
}
