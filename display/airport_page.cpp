// Interim: the elements hide themselves until their page content lands.
#include "display/element_tree.h"
#include "display/string_callback.h"

FLOAT64 FSAPI ShowAirportEte(ELEMENT_STRING* element) { return HideText(element); }
FLOAT64 FSAPI ShowAirportEteLabel(ELEMENT_STRING* element) { return HideText(element); }
FLOAT64 FSAPI ShowAirportGroundSpeed(ELEMENT_STRING* element) { return HideText(element); }
FLOAT64 FSAPI ShowAirportGroundSpeedLabel(ELEMENT_STRING* element) { return HideText(element); }
FLOAT64 FSAPI ShowAirportDistance(ELEMENT_STRING* element) { return HideText(element); }
FLOAT64 FSAPI ShowAirportDistanceLabel(ELEMENT_STRING* element) { return HideText(element); }
FLOAT64 FSAPI ShowAirportRelBearing(ELEMENT_STRING* element) { return HideText(element); }
FLOAT64 FSAPI ShowAirportRelBearingLabel(ELEMENT_STRING* element) { return HideText(element); }
FLOAT64 FSAPI ShowAirportTrack(ELEMENT_STRING* element) { return HideText(element); }
FLOAT64 FSAPI ShowAirportTrackLabel(ELEMENT_STRING* element) { return HideText(element); }
FLOAT64 FSAPI ShowAirportBearing(ELEMENT_STRING* element) { return HideText(element); }
FLOAT64 FSAPI ShowAirportBearingLabel(ELEMENT_STRING* element) { return HideText(element); }
FLOAT64 FSAPI ShowAirportName(ELEMENT_STRING* element) { return HideText(element); }
FLOAT64 FSAPI ShowAirportNameLabel(ELEMENT_STRING* element) { return HideText(element); }
FLOAT64 FSAPI ShowAirportCity(ELEMENT_STRING* element) { return HideText(element); }
FLOAT64 FSAPI ShowAirportIdentChar3(ELEMENT_STRING* element) { return HideText(element); }
FLOAT64 FSAPI ShowAirportIdentChar2(ELEMENT_STRING* element) { return HideText(element); }
FLOAT64 FSAPI ShowAirportIdentChar1(ELEMENT_STRING* element) { return HideText(element); }
FLOAT64 FSAPI ShowAirportIdentChar0(ELEMENT_STRING* element) { return HideText(element); }
