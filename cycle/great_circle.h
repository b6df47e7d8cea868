// Distance and magnetic bearing between two positions on a spherical earth.
#pragma once

#include <cstdint>

// Positions in degrees, north and east positive. Writes the distance in
// nautical miles and the bearing in degrees magnetic (0 to 360, the sim's
// magnetic variation subtracted); 1 when both outputs were written.
std::int32_t GreatCircle(double lat1, double lon1, double lat2, double lon2, double* distanceOut,
                         double* bearingOut);
