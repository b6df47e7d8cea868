// Interim: the elements hide themselves until their page content lands.
#include "display/element_tree.h"
#include "display/string_callback.h"

FLOAT64 FSAPI ShowRunwayIlsLine2(ELEMENT_STRING* element) { return HideText(element); }
FLOAT64 FSAPI ShowRunwayIlsLine1(ELEMENT_STRING* element) { return HideText(element); }
FLOAT64 FSAPI ShowRunwayDimensions(ELEMENT_STRING* element) { return HideText(element); }
FLOAT64 FSAPI ShowRunwayHeader(ELEMENT_STRING* element) { return HideText(element); }
