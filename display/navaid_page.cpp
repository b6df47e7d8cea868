// Interim: the elements hide themselves until their page content lands.
#include "display/element_tree.h"
#include "display/string_callback.h"

FLOAT64 FSAPI ShowNavaidAircraftBearing(ELEMENT_STRING* element) { return HideText(element); }
FLOAT64 FSAPI ShowNavaidAircraftBearingLabel(ELEMENT_STRING* element) { return HideText(element); }
FLOAT64 FSAPI ShowNavaidAircraftRange(ELEMENT_STRING* element) { return HideText(element); }
FLOAT64 FSAPI ShowNavaidAircraftRangeLabel(ELEMENT_STRING* element) { return HideText(element); }
FLOAT64 FSAPI ShowNavaidAirportBearing(ELEMENT_STRING* element) { return HideText(element); }
FLOAT64 FSAPI ShowNavaidAirportBearingLabel(ELEMENT_STRING* element) { return HideText(element); }
FLOAT64 FSAPI ShowNavaidAirportRange(ELEMENT_STRING* element) { return HideText(element); }
FLOAT64 FSAPI ShowNavaidAirportRangeLabel(ELEMENT_STRING* element) { return HideText(element); }
FLOAT64 FSAPI ShowNavaidName(ELEMENT_STRING* element) { return HideText(element); }
FLOAT64 FSAPI ShowNavaidNameLabel(ELEMENT_STRING* element) { return HideText(element); }
FLOAT64 FSAPI ShowNavaidIdent(ELEMENT_STRING* element) { return HideText(element); }
FLOAT64 FSAPI ShowNavaidIdentLabel(ELEMENT_STRING* element) { return HideText(element); }
FLOAT64 FSAPI ShowNavaidFrequency(ELEMENT_STRING* element) { return HideText(element); }
FLOAT64 FSAPI ShowNavaidListLabel(ELEMENT_STRING* element) { return HideText(element); }
