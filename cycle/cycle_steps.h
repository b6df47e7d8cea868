// Work the update cycle hands to the other parts of the module.
#pragma once

// One heading-steering step toward the target (while steering is engaged).
void SteeringStep();

// Matches the current runway's ends with ILS stations from the nearest-VOR
// list and composes the runway page's two end lines.
void RefreshRunway();

// Aircraft position in degrees from the sim variables as last looked up.
double AircraftLatitude();
double AircraftLongitude();
