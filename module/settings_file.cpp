#include "module/settings_file.h"

#include <cstring>

#include "cycle/gauge_state.h"
#include "module/bounded_text.h"
#include "sdk/win32_api.h"

void LocateSettingsFile() {
  CopyText(gaugeState.iniPath, gaugeState.modulePath);
  char* const dot = std::strrchr(gaugeState.iniPath, '.');
  // A module path without an extension gets one added.
  char* const extension =
      dot != nullptr ? dot : gaugeState.iniPath + std::strlen(gaugeState.iniPath);
  const std::size_t room =
      sizeof gaugeState.iniPath - static_cast<std::size_t>(extension - gaugeState.iniPath);
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

std::int32_t CorrectSearchRadius(int value) { return value < 1 || value > 1000000 ? 20000 : value; }
