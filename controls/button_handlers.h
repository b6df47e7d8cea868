// The gps gauge's button handlers, in the host's mouse-function form. Each
// returns 0; the click point is never used.
#pragma once

#include "sdk/gauges.h"

BOOL FSAPI LastClicked(PIXPOINT* point, FLAGS32 flags);
BOOL FSAPI PreviousClicked(PIXPOINT* point, FLAGS32 flags);  // <
BOOL FSAPI NextClicked(PIXPOINT* point, FLAGS32 flags);      // >
BOOL FSAPI DownClicked(PIXPOINT* point, FLAGS32 flags);      // V
BOOL FSAPI UpClicked(PIXPOINT* point, FLAGS32 flags);        // ^
BOOL FSAPI PageClicked(PIXPOINT* point, FLAGS32 flags);
BOOL FSAPI ActClicked(PIXPOINT* point, FLAGS32 flags);
BOOL FSAPI BlankClicked(PIXPOINT* point, FLAGS32 flags);
BOOL FSAPI StoreClicked(PIXPOINT* point, FLAGS32 flags);
BOOL FSAPI RecallClicked(PIXPOINT* point, FLAGS32 flags);
