// The settings file skelbor.ini beside the module file.
#pragma once

#include <cstdint>

// iniPath = modulePath with its extension replaced by ".ini".
void LocateSettingsFile();

// Reads a text value into `buffer` (at most capacity - 1 characters).
void ReadSetting(const char* section, const char* key, char* buffer, std::uint32_t capacity);
int ReadSettingInt(const char* section, const char* key, int default_value);
void WriteSetting(const char* section, const char* key, const char* value);

// A "VORSearch" or "NDBSearch" distance outside 1 to 1000000 becomes 20000.
std::int32_t CorrectSearchRadius(int value);
