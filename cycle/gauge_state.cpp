#include "cycle/gauge_state.h"

GaugeState gaugeState;
