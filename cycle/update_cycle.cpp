// The gps gauge's callback: the module's clock. Each pre-update call runs one
// step of the six-phase cycle that keeps the module in step with the GPS
// module and the aircraft.
#include <cstring>

#include "controls/icao_entry.h"
#include "cycle/cycle_steps.h"
#include "cycle/gauge_state.h"
#include "module/bounded_text.h"
#include "module/checked_integer.h"
#include "module/gauges.h"
#include "module/gps_properties.h"
#include "module/panel_services.h"
#include "module/settings_file.h"
#include "module/user_waypoint_line.h"

namespace {

constexpr double kRadiansToDegrees = 57.29577951308232;

void ReadListCounts() {
  if (gaugeState.currentPage == kPageNavaids) {
    gaugeState.frequencyIndex = TruncateToInt32(GetGpsNumber("WaypointAirportCurrentFrequency"));
    gaugeState.frequencyCount = TruncateToInt32(GetGpsNumber("WaypointAirportFrequenciesNumber"));
  }
  if (gaugeState.currentPage == kPageRunways) {
    gaugeState.runwayIndex = TruncateToInt32(GetGpsNumber("WaypointAirportCurrentRunway"));
    gaugeState.runwayCount = TruncateToInt32(GetGpsNumber("WaypointAirportRunwaysNumber"));
    if (gaugeState.runwayIndex >= gaugeState.runwayCount) {
      SetGpsNumber("WaypointAirportCurrentRunway", 0.0);
    }
    gaugeState.frequencyIndex = TruncateToInt32(GetGpsNumber("WaypointAirportCurrentFrequency"));
    gaugeState.frequencyCount = TruncateToInt32(GetGpsNumber("WaypointAirportFrequenciesNumber"));
  }
}

void FollowIcaoSearch() {
  if (gaugeState.icaoFollowSearch != 1 || gaugeState.icaoSearchHold != 0) return;
  SetGpsNumber("IcaoSearchMatchedIcao", 0.0);
  TakeSearchIcao();
  PublishFacilityIcao();
  ShowIcaoCells();
}

void RefreshFacility() {
  if (!FacilityValid()) return;
  CopyText(gaugeState.facilityIdent, GetGpsString("FacilityIdent"));
  gaugeState.facilityLat = GetGpsNumber("FacilityLatitude");
  gaugeState.facilityLon = GetGpsNumber("FacilityLongitude");
}

void ReaimNearestSearches() {
  if (!FacilityValid()) return;
  if (gaugeState.currentPage == kPageRunways) {
    SetGpsNumber("NearestVorCurrentLatitude", gaugeState.facilityLat);
    SetGpsNumber("NearestVorCurrentLongitude", gaugeState.facilityLon);
    SetGpsNumber("NearestVorMaximumItems", 20.0);
    SetGpsNumber("NearestVorMaximumDistance", 15000.0);
    SetGpsNumber("NearestVorCurrentFilter", 64.0);
  } else if (gaugeState.currentPage == kPageNavaids) {
    SetGpsNumber("NearestVorCurrentLatitude", gaugeState.facilityLat);
    SetGpsNumber("NearestVorCurrentLongitude", gaugeState.facilityLon);
    SetGpsNumber("NearestVorMaximumItems", 20.0);
    SetGpsNumber("NearestVorMaximumDistance", gaugeState.vorSearchRadius);
    SetGpsNumber("NearestVorCurrentFilter", 191.0);
    SetGpsNumber("NearestNdbCurrentLatitude", gaugeState.facilityLat);
    SetGpsNumber("NearestNdbCurrentLongitude", gaugeState.facilityLon);
    SetGpsNumber("NearestNdbMaximumItems", 20.0);
    SetGpsNumber("NearestNdbMaximumDistance", gaugeState.ndbSearchRadius);
  }
}

void RunPhase(int phase) {
  switch (phase) {
    case 1:
      ReadListCounts();
      break;
    case 2:
      FollowIcaoSearch();
      break;
    case 3:
      RefreshFacility();
      break;
    case 5:
      ReaimNearestSearches();
      break;
    default:
      break;
  }
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Four typed digits name a user waypoint; each ident is looked up once, when
// it is first typed.
void LookUpUserWaypoint() {
  const char typed[kIdentCapacity] = {gaugeState.icaoChar0[0], gaugeState.icaoChar1[0],
                                      gaugeState.icaoChar2[0], gaugeState.icaoChar3[0], '\0'};
  for (int k = 0; k < 4; ++k) {
    if (!IsDigit(typed[k])) return;
  }
  CopyText(gaugeState.typedIdent, typed);
  if (std::strcmp(gaugeState.typedIdent, gaugeState.lastUserWaypointIdent) == 0) return;
  CopyText(gaugeState.lastUserWaypointIdent, gaugeState.typedIdent);
  ReadSetting("UserWaypoints", gaugeState.typedIdent, gaugeState.userWaypointLine,
              sizeof gaugeState.userWaypointLine);

  UserWaypoint waypoint{};
  CopyText(waypoint.name, gaugeState.userWaypointName);
  waypoint.lat = gaugeState.userWaypointLat;
  waypoint.lon = gaugeState.userWaypointLon;
  waypoint.elevation = gaugeState.userWaypointElevation;
  waypoint.magVar = gaugeState.userWaypointMagVar;
  gaugeState.userWaypointValid = ParseUserWaypointLine(gaugeState.userWaypointLine, waypoint);
  CopyText(gaugeState.userWaypointName, waypoint.name);
  gaugeState.userWaypointLat = waypoint.lat;
  gaugeState.userWaypointLon = waypoint.lon;
  gaugeState.userWaypointElevation = waypoint.elevation;
  gaugeState.userWaypointMagVar = waypoint.magVar;

  if (gaugeState.userWaypointValid == 1) CopyText(gaugeState.facilityIdent, gaugeState.typedIdent);
}

void AverageGroundSpeed() {
  gaugeState.groundSpeedSampleIndex += 1;
  if (gaugeState.groundSpeedSampleIndex > kGroundSpeedSampleCount - 1) {
    gaugeState.groundSpeedSampleIndex = 0;
  }
  gaugeState.groundSpeedSamples[gaugeState.groundSpeedSampleIndex] =
      gaugeState.simGroundSpeed.var_value.n;
  double sum = 0.0;
  for (double sample : gaugeState.groundSpeedSamples) sum += sample;
  gaugeState.averageGroundSpeed = sum / 60.0;
}

void UpdateStep() {
  LookupVar(gaugeState.simLatitude);
  LookupVar(gaugeState.simLongitude);
  LookupVar(gaugeState.simHeading);
  LookupVar(gaugeState.simGroundSpeed);
  LookupVar(gaugeState.simGroundTrack);
  LookupVar(gaugeState.simAutopilotHeadingHold);
  LookupVar(gaugeState.simAutopilotMaster);
  LookupVar(gaugeState.simTime);

  gaugeState.groundTrackDeg = gaugeState.simGroundTrack.var_value.n * kRadiansToDegrees;
  gaugeState.headingMinusTrack = gaugeState.simHeading.var_value.n - gaugeState.groundTrackDeg;

  gaugeState.deltaTime = gaugeState.simTime.var_value.n - gaugeState.lastSimTime;
  gaugeState.lastSimTime = gaugeState.simTime.var_value.n;
  // A clock that went back, or is not a number, counts as no time: one bad
  // reading must not stop the steering and idle timers for good.
  if (!(gaugeState.deltaTime >= 0)) gaugeState.deltaTime = 0;

  gaugeState.steerTimer += gaugeState.deltaTime;
  gaugeState.inputIdleTime += gaugeState.deltaTime;

  gaugeState.cyclePhase += 1;
  if (gaugeState.cyclePhase >= 6) gaugeState.cyclePhase = 0;

  FollowEntryCursor();
  RunPhase(gaugeState.cyclePhase);

  if (gaugeState.currentPage == kPageRunways && gaugeState.runwayRefreshDue != 0) {
    gaugeState.runwayRefreshDue = 0;
    RefreshRunway();
  } else {
    gaugeState.runwayRefreshDue = 1;
  }

  LookUpUserWaypoint();

  if (gaugeState.steeringActive == 1) SteeringStep();
  if (gaugeState.steerTimer > 10.0) gaugeState.steerTimer = 5.0;

  AverageGroundSpeed();

  if (gaugeState.steeringDistance < 2.0 && gaugeState.steeringActive == 1) {
    SendKeyEvent(kKeyHeadingHoldOff, 0);
    gaugeState.steeringActive = 0;
  }
}

}  // namespace

void FSAPI GpsGaugeCallback(GAUGEHDR* /*gauge*/, SINT32 service_id, UINT32 /*extra_data*/) {
  switch (service_id) {
    case PANEL_SERVICE_PRE_INITIALIZE:
      LookupVar(gaugeState.simTime);
      gaugeState.lastSimTime = gaugeState.simTime.var_value.n;
      break;
    case PANEL_SERVICE_PRE_UPDATE:
      UpdateStep();
      break;
    case PANEL_SERVICE_PRE_DRAW:
      LookupVar(gaugeState.simUnits);
      gaugeState.unitsOfMeasure = gaugeState.simUnits.var_value.n;
      break;
    case PANEL_SERVICE_CONNECT_TO_WINDOW:
      CopyText(gaugeState.blankTooltip, "qov");
      break;
    default:
      break;
  }
}
