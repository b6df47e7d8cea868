#include "tables/runway_attribute_names.h"

const char* RunwayLightingName(std::int32_t code) {
  switch (code) {
    case 0:
      return "Unknown";
    case 1:
      return "None";
    case 2:
      return "Part Time";
    case 3:
      return "Full Time";
    case 4:
      return "Frequency";
    default:
      return "";
  }
}

const char* RunwaySurfaceName(std::int32_t code) {
  switch (code) {
    case 1:
      return "Concrete";
    case 2:
      return "Asphalt";
    case 101:
      return "Grass";
    case 102:
      return "Turf";
    case 103:
      return "Dirt";
    case 104:
      return "Coral";
    case 105:
      return "Gravel";
    case 106:
      return "Oil Treated";
    case 107:
      return "Steel";
    case 108:
      return "Bituminus";
    case 109:
      return "Brick";
    case 110:
      return "Macadam";
    case 111:
      return "Planks";
    case 112:
      return "Sand";
    case 113:
      return "Shale";
    case 114:
      return "Tarmac";
    case 115:
      return "Snow";
    case 116:
      return "Ice";
    case 201:
      return "Water";
    default:
      return "Unknown";
  }
}
