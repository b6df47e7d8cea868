// ACT: heading steering toward the current facility or user waypoint, and the
// direct-to hand-over to the flight plan.
#include <cmath>
#include <cstring>

#include "controls/button_handlers.h"
#include "cycle/cycle_steps.h"
#include "cycle/gauge_state.h"
#include "cycle/great_circle.h"
#include "module/bounded_text.h"
#include "module/checked_integer.h"
#include "module/gps_properties.h"
#include "module/panel_services.h"
#include "module/settings_file.h"

namespace {

// A heading that folding could not bring into 0 to 360 (a variation or
// position far out of range, or not a number) steers nowhere.
bool Steerable(double heading) { return heading >= 0.0 && heading <= 360.0; }

std::int32_t WholeDegrees(double heading) { return TruncateToInt32(heading + 0.5); }

void SteerFromAircraft() {
  GreatCircle(AircraftLatitude(), AircraftLongitude(), gaugeState.steeringTargetLat,
              gaugeState.steeringTargetLon, &gaugeState.steeringDistance,
              &gaugeState.steeringBearing);
}

// The simulator's heading-hold event is a toggle: sent while the hold is
// already on, it would switch it off.
void SwitchHeadingHoldOn() {
  if (gaugeState.simAutopilotHeadingHold.var_value.n == 0.0) SendKeyEvent(kKeyHeadingHoldToggle, 0);
}

void Engage(double timer) {
  SwitchHeadingHoldOn();
  SteerFromAircraft();
  if (Steerable(gaugeState.steeringBearing)) {
    SendKeyEvent(kKeySetHeadingBug, static_cast<UINT32>(WholeDegrees(gaugeState.steeringBearing)));
  }
  gaugeState.steerTimer = timer;
  gaugeState.steeringActive = 1;
}

bool NewTarget() {
  return std::strcmp(gaugeState.facilityIdent, gaugeState.steeringIdent) != 0 ||
         gaugeState.steeringActive == 0;
}

void EngageOrEnd() {
  gaugeState.cyclePhase = 0;
  if (gaugeState.simAutopilotMaster.var_value.n == 0.0) SendKeyEvent(kKeyAutopilotOn, 0);
  if (FacilityValid() && NewTarget()) {
    CopyText(gaugeState.steeringIdent, GetGpsString("FacilityIdent"));
    WriteSetting("Default", "LastICAO", gaugeState.steeringIdent);
    gaugeState.steeringTargetLat = GetGpsNumber("FacilityLatitude");
    gaugeState.steeringTargetLon = GetGpsNumber("FacilityLongitude");
    Engage(9.5);
  } else if (gaugeState.userWaypointValid == 1 && NewTarget()) {
    WriteSetting("Default", "LastICAO", gaugeState.typedIdent);
    CopyText(gaugeState.steeringIdent, gaugeState.typedIdent);
    gaugeState.steeringTargetLat = gaugeState.userWaypointLat;
    gaugeState.steeringTargetLon = gaugeState.userWaypointLon;
    Engage(-10.0);
  } else if (gaugeState.steeringActive == 1) {
    SendKeyEvent(kKeyHeadingHoldOff, 0);
    gaugeState.steeringActive = 0;
  }
}

void DirectTo() {
  gaugeState.cyclePhase = 0;
  PassGpsIcao("FlightPlanNewWaypointICAO", "FacilityICAO");
  SetGpsNumber("FlightPlanDirectToDestination", 1.0);
}

}  // namespace

BOOL FSAPI ActClicked(PIXPOINT* /*point*/, FLAGS32 flags) {
  if ((flags & MOUSE_LEFTSINGLE) != 0) {
    EngageOrEnd();
  } else if ((flags & MOUSE_RIGHTSINGLE) != 0) {
    DirectTo();
  }
  return 0;
}

// Corrects the bearing by the drift angle so that the track, not the nose,
// points at the target; a new heading is sent only when it changed.
void SteeringStep() {
  if (gaugeState.simAutopilotMaster.var_value.n == 0.0) SendKeyEvent(kKeyAutopilotOn, 0);
  if (gaugeState.steerTimer <= 10.0) return;
  SteerFromAircraft();
  if (std::fabs(gaugeState.groundTrackDeg - gaugeState.steeringBearing) <= 1.0) return;
  SwitchHeadingHoldOn();
  gaugeState.steeringHeading = gaugeState.steeringBearing + gaugeState.headingMinusTrack;
  if (gaugeState.steeringHeading > 360.0) gaugeState.steeringHeading -= 360.0;
  if (gaugeState.steeringHeading < 0.0) gaugeState.steeringHeading += 360.0;
  if (!Steerable(gaugeState.steeringHeading)) return;
  gaugeState.steeringHeadingInt = WholeDegrees(gaugeState.steeringHeading);
  if (gaugeState.steeringHeadingInt != gaugeState.lastHeadingBugSent) {
    SendKeyEvent(kKeySetHeadingBug, static_cast<UINT32>(gaugeState.steeringHeadingInt));
    gaugeState.lastHeadingBugSent = gaugeState.steeringHeadingInt;
  }
}
