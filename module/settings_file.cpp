#include "module/settings_file.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "cycle/gauge_state.h"
#include "module/bounded_text.h"
#include "sdk/win32_api.h"

void LocateSettingsFile() {
  CopyText(gaugeState.iniPath, gaugeState.modulePath);
  char* const dot = std::strrchr(gaugeState.iniPath, '.');
  // A module path without an extension gets one added.
  char* const extension = dot != nullptr ? dot : gaugeState.iniPath + std::strlen(gaugeState.iniPath);
  const std::size_t room = sizeof gaugeState.iniPath - static_cast<std::size_t>(extension - gaugeState.iniPath);
  if (room > 4) {
    std::memcpy(extension, ".ini", 5);
  } else {
    gaugeState.iniPath[0] = '\0';
  }
}

void ReadSetting(const char* section, const char* key, char* buffer, std::uint32_t capacity) {
  GetPrivateProfileStringA(section, key, "", buffer, capacity, gaugeState.iniPath);
}

int ReadSettingInt(const char* section, const char* key, int default_value) {
  return static_cast<int>(GetPrivateProfileIntA(section, key, default_value, gaugeState.iniPath));
}

void WriteSetting(const char* section, const char* key, const char* value) {
  WritePrivateProfileStringA(section, key, value, gaugeState.iniPath);
}

std::int32_t CorrectSearchRadius(int value) {
  return value < 1 || value > 1000000 ? 20000 : value;
}

namespace {

constexpr std::size_t kNumberChars = 11;

// A number field: at most 11 characters of the text from `start` up to `end`
// (or the end of the line), converted as a decimal floating-point text.
double ParseNumberField(const char* start, const char* end) {
  char field[kNumberChars + 1];
  std::size_t length = end != nullptr ? static_cast<std::size_t>(end - start) : std::strlen(start);
  if (length > kNumberChars) length = kNumberChars;
  std::memcpy(field, start, length);
  field[length] = '\0';
  return std::strtod(field, nullptr);
}

}  // namespace

int ParseUserWaypointLine(const char* line, UserWaypoint& waypoint) {
  if (line == nullptr || line[0] == '\0') return 0;
  const char* const comma1 = std::strchr(line, ',');
  if (comma1 == nullptr) return 0;
  CopyTextCut(waypoint.name, line, std::min<std::size_t>(static_cast<std::size_t>(comma1 - line), 29));

  const char* const lat = comma1 + 1;
  const char* const comma2 = std::strchr(lat, ',');
  if (comma2 == nullptr) return 0;
  waypoint.lat = ParseNumberField(lat, comma2);

  const char* const lon = comma2 + 1;
  if (*lon == '\0') return 0;
  const char* const comma3 = std::strchr(lon, ',');
  waypoint.lon = ParseNumberField(lon, comma3);

  if (comma3 == nullptr || comma3[1] == '\0') {
    waypoint.elevation = 0.0;
    waypoint.magVar = 0.0;
    return 1;
  }
  const char* const elevation = comma3 + 1;
  const char* const comma4 = std::strchr(elevation, ',');
  waypoint.elevation = ParseNumberField(elevation, comma4);
  if (comma4 == nullptr || comma4[1] == '\0') {
    waypoint.magVar = 0.0;
    return 1;
  }
  waypoint.magVar = ParseNumberField(comma4 + 1, nullptr);
  return 1;
}
