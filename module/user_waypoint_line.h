// A user-waypoint line of the settings file: "name,lat,lon[,elevation[,magvar]]".
#pragma once

struct UserWaypoint {
  char name[30];
  double lat;
  double lon;
  double elevation;
  double magVar;
};

// 1 when the line names a position; fields already parsed stay stored when a
// later one is missing. A number field is a decimal text (sign, digits,
// fraction, exponent) that ends at the first character that does not fit;
// no number, or one too large for a double, reads as 0.
int ParseUserWaypointLine(const char* line, UserWaypoint& waypoint);
