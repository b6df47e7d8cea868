// Start-up, called once by the host after it filled ImportTable and before
// any gauge routine: binds to the GPS module, reads the settings file, fills
// the tooltip sets and starts the airport search for the default ident.
#include <cstring>

#include "controls/icao_entry.h"
#include "controls/tooltips.h"
#include "cycle/gauge_state.h"
#include "module/bounded_text.h"
#include "module/gauges.h"
#include "module/gps_properties.h"
#include "module/settings_file.h"
#include "sdk/win32_api.h"

void FSAPI ModuleStartup() {
  CopyText(gaugeState.icaoChar0, "_");
  CopyText(gaugeState.icaoChar1, "_");
  CopyText(gaugeState.icaoChar2, "_");
  CopyText(gaugeState.icaoChar3, "_");
  std::memset(gaugeState.facilityIcao, 0, sizeof gaugeState.facilityIcao);
  CopyText(gaugeState.facilityIcao, "A      ");

  BindGpsModule();

  GetModuleFileNameA(static_cast<HMODULE>(gaugeState.moduleHandle), gaugeState.modulePath,
                     sizeof gaugeState.modulePath);
  LocateSettingsFile();
  ReadSetting("Default", "DefaultICAO", gaugeState.defaultIcao, sizeof gaugeState.defaultIcao);
  gaugeState.vorSearchRadius = CorrectSearchRadius(ReadSettingInt("Default", "VORSearch", 20000));
  gaugeState.ndbSearchRadius = CorrectSearchRadius(ReadSettingInt("Default", "NDBSearch", 20000));

  FillTooltipSets();
  ActivateTooltipSet(gaugeState.entryTooltips);

  SetGpsString("IcaoSearchStartCursor", "A");
  if (gaugeState.defaultIcao[0] != '\0')
    SetGpsString("IcaoSearchEnterChar", gaugeState.defaultIcao);
  TakeSearchIcao();
  ShowIcaoCells();
  PassGpsIcao("FacilityICAO", "IcaoSearchCurrentIcao");
  PassGpsIcao("WaypointAirportICAO", "IcaoSearchCurrentIcao");
  gaugeState.icaoCursorPos = 0;
}
