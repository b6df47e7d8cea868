#include "cycle/cycle_steps.h"
#include "cycle/gauge_state.h"

// The sim reports latitude in metres north and longitude as a 48-bit angle.
double AircraftLatitude() { return gaugeState.simLatitude.var_value.n / 111130.555557; }

double AircraftLongitude() {
  const double raw = gaugeState.simLongitude.var_value.n;
  double lon = raw / 781874935307.4;
  if (raw > 140737488355332.0) lon -= 360.0;
  return lon;
}
