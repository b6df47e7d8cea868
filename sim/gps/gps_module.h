// A GPS module the host registers as "fs9gps": it answers named properties.
#pragma once

#include <string>

namespace sim {

class GpsModule {
 public:
  virtual ~GpsModule() = default;
  virtual double GetNumber(const std::string& name) = 0;
  virtual std::string GetText(const std::string& name) = 0;
  virtual void SetNumber(const std::string& name, double value) = 0;
  virtual void SetText(const std::string& name, const std::string& value) = 0;
};

}  // namespace sim
