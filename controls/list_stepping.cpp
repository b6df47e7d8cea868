// The upper-row buttons < > V ^ on every page, and LAST. On page 0 they edit
// the ident; on pages 2 to 4 they step through lists, runways and the saved
// grid; on page 1 they only restart the idle time.
#include <cstring>

#include "controls/button_handlers.h"
#include "controls/icao_entry.h"
#include "controls/tooltips.h"
#include "cycle/gauge_state.h"
#include "module/bounded_text.h"
#include "module/checked_integer.h"
#include "module/gps_properties.h"
#include "module/settings_file.h"

namespace {

enum class Arrow { kPrevious, kNext, kDown, kUp };

// Indexes and counts may come from the GPS module as any integer, so the
// steps are taken in 64 bits.
std::int32_t StepNext(std::int32_t i, std::int32_t n) {
  const std::int64_t next = std::int64_t{i} + 1;
  return next >= n ? 0 : static_cast<std::int32_t>(next);
}

std::int32_t StepPrevious(std::int32_t i, std::int32_t n) {
  std::int64_t previous = std::int64_t{i} - 1;
  if (previous < 0) previous = std::int64_t{n} - 1;
  if (previous < 0) previous = 0;
  return static_cast<std::int32_t>(previous);
}

void StepNavaidList(bool next) {
  switch (gaugeState.navaidFilter) {
    case 0:
      gaugeState.vorIndex = next ? StepNext(gaugeState.vorIndex, gaugeState.vorCount)
                                 : StepPrevious(gaugeState.vorIndex, gaugeState.vorCount);
      SetGpsNumber("NearestVorCurrentLine", gaugeState.vorIndex);
      break;
    case 1:
      gaugeState.ndbCount = TruncateToInt32(GetGpsNumber("NearestNdbItemsNumber"));
      gaugeState.ndbIndex = next ? StepNext(gaugeState.ndbIndex, gaugeState.ndbCount)
                                 : StepPrevious(gaugeState.ndbIndex, gaugeState.ndbCount);
      SetGpsNumber("NearestNdbCurrentLine", gaugeState.ndbIndex);
      break;
    case 2:
      gaugeState.frequencyIndex =
          next ? StepNext(gaugeState.frequencyIndex, gaugeState.frequencyCount)
               : StepPrevious(gaugeState.frequencyIndex, gaugeState.frequencyCount);
      SetGpsNumber("WaypointAirportCurrentFrequency", gaugeState.frequencyIndex);
      gaugeState.frequencyStepDirection = next ? 1 : -1;
      break;
    default:
      break;
  }
}

void NavaidsArrow(Arrow arrow) {
  switch (arrow) {
    case Arrow::kUp:
      gaugeState.navaidFilter = gaugeState.navaidFilter >= 2 ? 0 : gaugeState.navaidFilter + 1;
      ShowNavaidTypeTooltips();
      break;
    case Arrow::kDown:
      gaugeState.navaidFilter = gaugeState.navaidFilter <= 0 ? 2 : gaugeState.navaidFilter - 1;
      ShowNavaidTypeTooltips();
      break;
    case Arrow::kNext:
      StepNavaidList(true);
      break;
    case Arrow::kPrevious:
      StepNavaidList(false);
      break;
  }
}

// A new runway restarts the ILS search at the first line of the VOR list.
void RestartIlsSearch() {
  SetGpsNumber("WaypointAirportCurrentRunway", gaugeState.runwayIndex);
  gaugeState.runwayEnd1IlsFreq = 0.0;
  gaugeState.runwayEnd2IlsFreq = 0.0;
  gaugeState.ilsScanLine = 0.0;
  SetGpsNumber("NearestVorCurrentLine", 0.0);
  PassGpsIcao("WaypointVorICAO", "NearestVorCurrentICAO");
}

void ForgetExaminedVor() {
  gaugeState.cyclePhase = 2;
  gaugeState.nearestVorIcao[0] = '\0';
  CopyText(gaugeState.waypointVorIcao, " ");
}

void RunwaysArrow(Arrow arrow) {
  const int n = gaugeState.runwayCount;
  switch (arrow) {
    case Arrow::kNext:
      gaugeState.runwayIndex = StepNext(gaugeState.runwayIndex, n);
      RestartIlsSearch();
      break;
    case Arrow::kPrevious:
      gaugeState.runwayIndex = StepPrevious(gaugeState.runwayIndex, n);
      RestartIlsSearch();
      break;
    case Arrow::kUp:
      ForgetExaminedVor();
      gaugeState.runwayIndex = StepNext(gaugeState.runwayIndex, n);
      RestartIlsSearch();
      break;
    case Arrow::kDown:
      gaugeState.ilsScanLine = 0.0;
      SetGpsNumber("NearestVorCurrentLine", 0.0);
      ForgetExaminedVor();
      gaugeState.runwayIndex = gaugeState.runwayIndex <= 0 ? 0 : gaugeState.runwayIndex - 1;
      SetGpsNumber("WaypointAirportCurrentRunway", gaugeState.runwayIndex);
      gaugeState.runwayEnd1IlsFreq = 0.0;
      gaugeState.runwayEnd2IlsFreq = 0.0;
      PassGpsIcao("WaypointVorICAO", "NearestVorCurrentICAO");
      break;
  }
}

void SavedArrow(Arrow arrow) {
  int& s = gaugeState.savedSelection;
  switch (arrow) {
    case Arrow::kNext:
      s = s >= 14 ? 0 : s + 1;
      break;
    case Arrow::kPrevious:
      s = s <= 0 ? 14 : s - 1;
      break;
    case Arrow::kDown:
      s = s < 10 ? s + 5 : s - 10;
      break;
    case Arrow::kUp:
      s = s < 5 ? s + 10 : s - 5;
      break;
  }
}

void AirportArrow(Arrow arrow, FLAGS32 flags) {
  switch (arrow) {
    case Arrow::kNext:
      MoveEntryCursor(1);
      break;
    case Arrow::kPrevious:
      MoveEntryCursor(-1);
      break;
    case Arrow::kDown:
      StepEntryCharacter(false, flags);
      break;
    case Arrow::kUp:
      StepEntryCharacter(true, flags);
      break;
  }
}

BOOL ArrowClicked(Arrow arrow, FLAGS32 flags) {
  gaugeState.inputIdleTime = 0.0;
  switch (gaugeState.currentPage) {
    case kPageAirport:
      AirportArrow(arrow, flags);
      break;
    case kPageNavaids:
      NavaidsArrow(arrow);
      break;
    case kPageRunways:
      RunwaysArrow(arrow);
      break;
    case kPageSaved:
      SavedArrow(arrow);
      break;
    default:
      break;
  }
  return 0;
}

}  // namespace

BOOL FSAPI PreviousClicked(PIXPOINT*, FLAGS32 flags) {
  return ArrowClicked(Arrow::kPrevious, flags);
}
BOOL FSAPI NextClicked(PIXPOINT*, FLAGS32 flags) { return ArrowClicked(Arrow::kNext, flags); }
BOOL FSAPI DownClicked(PIXPOINT*, FLAGS32 flags) { return ArrowClicked(Arrow::kDown, flags); }
BOOL FSAPI UpClicked(PIXPOINT*, FLAGS32 flags) { return ArrowClicked(Arrow::kUp, flags); }

// LAST brings back the airport last activated with ACT.
BOOL FSAPI LastClicked(PIXPOINT* /*point*/, FLAGS32 /*flags*/) {
  ReadSetting("Default", "LastICAO", gaugeState.lastIcaoBuf, sizeof gaugeState.lastIcaoBuf);
  if (gaugeState.lastIcaoBuf[0] != '\0') {
    CopyText(gaugeState.facilityIcao + 7, kIdentCapacity, gaugeState.lastIcaoBuf);
    char* const cells[4] = {gaugeState.icaoChar0, gaugeState.icaoChar1, gaugeState.icaoChar2,
                            gaugeState.icaoChar3};
    const std::size_t length = std::strlen(gaugeState.lastIcaoBuf);
    for (std::size_t k = 0; k < 4 && k < length; ++k) {
      cells[k][0] = gaugeState.facilityIcao[7 + k];
      cells[k][1] = '\0';
    }
  }
  SetGpsString("WaypointAirportICAO", gaugeState.facilityIcao);
  SetGpsString("FacilityICAO", gaugeState.facilityIcao);
  RewindIcaoSearch();
  SetGpsString("IcaoSearchEnterChar", gaugeState.facilityIcao + 7);
  gaugeState.cyclePhase = 0;
  return 0;
}
