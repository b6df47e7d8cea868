// Named properties of the simulator's GPS module ("fs9gps"). While the GPS
// module is unavailable, reads yield 0.0 or the empty text and writes do
// nothing. A text read belongs to the GPS module: copy it at once.
#pragma once

void BindGpsModule();

double GetGpsNumber(const char* name);
const char* GetGpsString(const char* name);
void SetGpsNumber(const char* name, double value);
void SetGpsString(const char* name, const char* value);

// Writes the ICAO text that property `from` holds to property `to`, through a
// copy of the module's own: a text too long for an ICAO is passed on empty.
void PassGpsIcao(const char* to, const char* from);

// "FacilityValid" reads exactly 1.0.
bool FacilityValid();
