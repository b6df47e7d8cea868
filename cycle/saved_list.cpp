// STO and RCL: the list of 15 saved airports in the settings file's "Saved"
// section. Whichever opens the list, the next press of either closes it: STO
// then stores the current ident, RCL recalls the selected one.
#include "controls/button_handlers.h"
#include "controls/icao_entry.h"
#include "controls/tooltips.h"
#include "cycle/gauge_state.h"
#include "module/bounded_text.h"
#include "module/gps_properties.h"
#include "module/settings_file.h"

namespace {

void MakeSavedKey(int line) {
  gaugeState.savedKey[0] = static_cast<char>('0' + line / 10);
  gaugeState.savedKey[1] = static_cast<char>('0' + line % 10);
  gaugeState.savedKey[2] = '\0';
}

void OpenSavedList() {
  gaugeState.savedListOpen = 1;
  gaugeState.currentPage = kPageSaved;
  ShowSavedListTooltips();
  for (int line = 0; line < kSavedCount; ++line) {
    MakeSavedKey(line);
    ReadSetting("Saved", gaugeState.savedKey, gaugeState.savedIdents[line], kIdentCapacity);
  }
}

int Selection() {
  return gaugeState.savedSelection < 0 || gaugeState.savedSelection >= kSavedCount
             ? 0
             : gaugeState.savedSelection;
}

void RecallSelection() {
  gaugeState.savedListOpen = 0;
  gaugeState.cyclePhase = 0;
  RewindIcaoSearch();
  ActivateTooltipSet(gaugeState.entryTooltips);
  const char* const ident = gaugeState.savedIdents[Selection()];
  CopyText(gaugeState.facilityIcao + 7, kIdentCapacity, ident);
  SetGpsString("IcaoSearchEnterChar", gaugeState.facilityIcao + 7);
  ShowIcaoCells();
  PublishFacilityIcao();
  if (FacilityValid()) {
    gaugeState.facilityLat = GetGpsNumber("FacilityLatitude");
    gaugeState.facilityLon = GetGpsNumber("FacilityLongitude");
  }
  RewindIcaoSearch();
  gaugeState.currentPage = kPageAirport;
  gaugeState.icaoCursorPos = 0;
}

}  // namespace

BOOL FSAPI StoreClicked(PIXPOINT* /*point*/, FLAGS32 /*flags*/) {
  if (gaugeState.savedListOpen == 0) {
    OpenSavedList();
    return 0;
  }
  gaugeState.savedListOpen = 0;
  MakeSavedKey(Selection());
  WriteSetting("Saved", gaugeState.savedKey, gaugeState.facilityIdent);
  gaugeState.currentPage = kPageAirport;
  return 0;
}

BOOL FSAPI RecallClicked(PIXPOINT* /*point*/, FLAGS32 /*flags*/) {
  gaugeState.cyclePhase = 0;
  if (gaugeState.savedListOpen == 0) {
    OpenSavedList();
  } else {
    RecallSelection();
  }
  return 0;
}

// The blank button only carries a tooltip.
BOOL FSAPI BlankClicked(PIXPOINT* /*point*/, FLAGS32 /*flags*/) { return 0; }
