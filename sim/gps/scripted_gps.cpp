#include "sim/gps/scripted_gps.h"

#include <cstdio>

namespace sim {

std::string GpsAccess::Describe() const {
  std::string out = write ? "W " : "R ";
  out += name;
  if (!write) return out;
  out += '=';
  if (text) return out + value;
  char number_text[64];
  std::snprintf(number_text, sizeof number_text, "%g", number);
  return out + number_text;
}

double ScriptedGps::StoredNumber(const std::string& name) const {
  const auto it = numbers_.find(name);
  return it == numbers_.end() ? 0.0 : it->second;
}

std::string ScriptedGps::StoredText(const std::string& name) const {
  const auto it = texts_.find(name);
  return it == texts_.end() ? std::string() : it->second;
}

std::vector<std::string> ScriptedGps::Described(bool writes_only) const {
  std::vector<std::string> out;
  for (const GpsAccess& access : accesses_) {
    if (!writes_only || access.write) out.push_back(access.Describe());
  }
  return out;
}

double ScriptedGps::GetNumber(const std::string& name) {
  accesses_.push_back({name, false, false, 0.0, {}});
  const auto reader = numberReaders_.find(name);
  return reader != numberReaders_.end() ? reader->second() : StoredNumber(name);
}

std::string ScriptedGps::GetText(const std::string& name) {
  accesses_.push_back({name, false, true, 0.0, {}});
  const auto reader = textReaders_.find(name);
  return reader != textReaders_.end() ? reader->second() : StoredText(name);
}

void ScriptedGps::SetNumber(const std::string& name, double value) {
  accesses_.push_back({name, true, false, value, {}});
  const auto writer = numberWriters_.find(name);
  if (writer != numberWriters_.end()) {
    writer->second(value);
  } else {
    numbers_[name] = value;
  }
}

void ScriptedGps::SetText(const std::string& name, const std::string& value) {
  accesses_.push_back({name, true, true, 0.0, value});
  const auto writer = textWriters_.find(name);
  if (writer != textWriters_.end()) {
    writer->second(value);
  } else {
    texts_[name] = value;
  }
}

}  // namespace sim
