// A GPS module for tests: a property store that records every access in
// order, with behaviour programmable per property.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <variant>
#include <vector>

#include "sim/gps/gps_module.h"

namespace sim {

struct GpsAccess {
  std::string name;
  bool write = false;
  bool text = false;
  double number = 0.0;
  std::string value;

  // "W FacilityICAO=A      KSEA", "R FacilityValid", as tests compare them.
  std::string Describe() const;
};

class ScriptedGps : public GpsModule {
 public:
  using NumberReader = std::function<double()>;
  using TextReader = std::function<std::string()>;
  using NumberWriter = std::function<void(double)>;
  using TextWriter = std::function<void(const std::string&)>;

  // Plain values, returned until written or changed.
  void SetStoredNumber(const std::string& name, double value) { numbers_[name] = value; }
  void SetStoredText(const std::string& name, const std::string& value) { texts_[name] = value; }
  double StoredNumber(const std::string& name) const;
  std::string StoredText(const std::string& name) const;

  // Behaviour for one property; replaces the plain store for that name.
  void OnReadNumber(const std::string& name, NumberReader reader) {
    numberReaders_[name] = std::move(reader);
  }
  void OnReadText(const std::string& name, TextReader reader) {
    textReaders_[name] = std::move(reader);
  }
  void OnWriteNumber(const std::string& name, NumberWriter writer) {
    numberWriters_[name] = std::move(writer);
  }
  void OnWriteText(const std::string& name, TextWriter writer) {
    textWriters_[name] = std::move(writer);
  }

  const std::vector<GpsAccess>& Accesses() const { return accesses_; }
  void ClearAccesses() { accesses_.clear(); }
  // The accesses described, optionally writes only.
  std::vector<std::string> Described(bool writes_only = false) const;

  double GetNumber(const std::string& name) override;
  std::string GetText(const std::string& name) override;
  void SetNumber(const std::string& name, double value) override;
  void SetText(const std::string& name, const std::string& value) override;

 private:
  std::map<std::string, double> numbers_;
  std::map<std::string, std::string> texts_;
  std::map<std::string, NumberReader> numberReaders_;
  std::map<std::string, TextReader> textReaders_;
  std::map<std::string, NumberWriter> numberWriters_;
  std::map<std::string, TextWriter> textWriters_;
  std::vector<GpsAccess> accesses_;
};

}  // namespace sim
