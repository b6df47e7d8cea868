// Interim: the elements hide themselves until their page content lands.
#include "display/element_tree.h"
#include "display/string_callback.h"

FLOAT64 FSAPI ShowDetailsMagVar(ELEMENT_STRING* element) { return HideText(element); }
FLOAT64 FSAPI ShowDetailsMagVarLabel(ELEMENT_STRING* element) { return HideText(element); }
FLOAT64 FSAPI ShowDetailsLonMinutes(ELEMENT_STRING* element) { return HideText(element); }
FLOAT64 FSAPI ShowDetailsLonDegrees(ELEMENT_STRING* element) { return HideText(element); }
FLOAT64 FSAPI ShowDetailsLonLabel(ELEMENT_STRING* element) { return HideText(element); }
FLOAT64 FSAPI ShowDetailsElevation(ELEMENT_STRING* element) { return HideText(element); }
FLOAT64 FSAPI ShowDetailsElevationLabel(ELEMENT_STRING* element) { return HideText(element); }
FLOAT64 FSAPI ShowDetailsLatMinutes(ELEMENT_STRING* element) { return HideText(element); }
FLOAT64 FSAPI ShowDetailsLatDegrees(ELEMENT_STRING* element) { return HideText(element); }
FLOAT64 FSAPI ShowDetailsLatLabel(ELEMENT_STRING* element) { return HideText(element); }
FLOAT64 FSAPI ShowDetailsCity(ELEMENT_STRING* element) { return HideText(element); }
FLOAT64 FSAPI ShowDetailsCityLabel(ELEMENT_STRING* element) { return HideText(element); }
FLOAT64 FSAPI ShowDetailsName(ELEMENT_STRING* element) { return HideText(element); }
FLOAT64 FSAPI ShowDetailsIdent(ELEMENT_STRING* element) { return HideText(element); }
