// Names of the runway attribute codes the GPS module reports.
#pragma once

#include <cstdint>

// Name of a runway lighting code; the empty text for an unlisted code.
const char* RunwayLightingName(std::int32_t code);

// Name of a runway surface code; "Unknown" for an unlisted code.
const char* RunwaySurfaceName(std::int32_t code);
