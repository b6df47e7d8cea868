// The icon gauge: a button that opens and closes the panel window holding the
// display. Its window id also serves the close box of gps.
#pragma once

#include "sdk/gauges.h"

extern ELEMENT_HEADER* iconElementList[];
extern MOUSERECT iconMouseTable[];

void FSAPI IconGaugeCallback(GAUGEHDR* gauge, SINT32 service_id, UINT32 extra_data);
