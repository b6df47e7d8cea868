// The module's two gauges and the pieces their headers name.
#pragma once

#include "sdk/gauges.h"

extern GAUGEHDR gpsGaugeHeader;
extern GAUGEHDR iconGaugeHeader;

// The gps gauge's element list (display) and mouse table (controls).
extern ELEMENT_HEADER* gpsElementList[];
extern MOUSERECT gpsMouseTable[];

// The gps gauge callback: the update cycle's clock.
void FSAPI GpsGaugeCallback(GAUGEHDR* gauge, SINT32 service_id, UINT32 extra_data);

// The close box of gps toggles the same panel window as the icon gauge.
BOOL FSAPI CloseBoxClicked(PIXPOINT* relative_point, FLAGS32 mouse_flags);

// Start-up, named in Linkage.
void FSAPI ModuleStartup();
