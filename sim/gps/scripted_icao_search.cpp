#include "sim/gps/scripted_icao_search.h"

#include <algorithm>
#include <set>

namespace sim {

namespace {
// Idents of up to five characters fill an ICAO text of twelve.
constexpr int kMaxIdentChars = 5;
}  // namespace

ScriptedIcaoSearch::ScriptedIcaoSearch(std::vector<SearchAirport> airports)
    : airports_(std::move(airports)) {
  std::sort(airports_.begin(), airports_.end(),
            [](const SearchAirport& a, const SearchAirport& b) { return a.ident < b.ident; });
  Start();
}

void ScriptedIcaoSearch::Install(ScriptedGps& gps) {
  gps.OnWriteText("IcaoSearchStartCursor", [this](const std::string&) { Start(); });
  gps.OnWriteText("IcaoSearchEnterChar", [this](const std::string& text) { Enter(text); });
  gps.OnWriteNumber("IcaoSearchAdvanceCharacter", [this](double d) { AdvanceCharacter(d); });
  gps.OnWriteNumber("IcaoSearchAdvanceCursor", [this](double d) { AdvanceCursor(d); });
  gps.OnReadNumber("IcaoSearchCursorPosition", [this] { return static_cast<double>(cursor_); });
  gps.OnReadText("IcaoSearchCurrentIcao",
                 [this] { return current_ < 0 ? std::string() : IcaoOf(CurrentIdent()); });
  gps.OnWriteNumber("IcaoSearchMatchedIcao", [this](double) { current_ = BestMatch(entered_); });
  gps.OnWriteText("FacilityICAO", [this](const std::string& icao) { SelectFacility(icao); });
  gps.OnReadText("FacilityICAO", [this] { return facilityIcao_; });
  gps.OnReadNumber("FacilityValid", [this] { return Facility() != nullptr ? 1.0 : 0.0; });
  gps.OnReadText("FacilityIdent",
                 [this] { return Facility() != nullptr ? Facility()->ident : std::string(); });
  gps.OnReadNumber("FacilityLatitude",
                   [this] { return Facility() != nullptr ? Facility()->latitude : 0.0; });
  gps.OnReadNumber("FacilityLongitude",
                   [this] { return Facility() != nullptr ? Facility()->longitude : 0.0; });
}

std::string ScriptedIcaoSearch::CurrentIdent() const {
  return current_ < 0 ? std::string() : airports_[static_cast<std::size_t>(current_)].ident;
}

void ScriptedIcaoSearch::Start() {
  entered_.clear();
  cursor_ = cursorFloor_;
  current_ = BestMatch(entered_);
}

void ScriptedIcaoSearch::Enter(const std::string& characters) {
  for (char c : characters) {
    if (cursor_ >= kMaxIdentChars) break;
    entered_.resize(static_cast<std::size_t>(cursor_), ' ');
    entered_ += c;
    ++cursor_;
  }
  current_ = BestMatch(entered_);
}

void ScriptedIcaoSearch::AdvanceCharacter(double direction) {
  if (direction == 0.0) return;
  const std::size_t at = static_cast<std::size_t>(cursor_);
  const std::string prefix = entered_.substr(0, std::min(at, entered_.size()));
  std::set<char> candidates;
  for (const SearchAirport& airport : airports_) {
    if (airport.ident.size() > at && airport.ident.compare(0, at, prefix) == 0 &&
        prefix.size() == at) {
      candidates.insert(airport.ident[at]);
    }
  }
  if (candidates.empty()) return;
  const std::string current = CurrentIdent();
  const char now = at < entered_.size() ? entered_[at] : (at < current.size() ? current[at] : ' ');
  char next;
  if (direction > 0.0) {
    const auto it = candidates.upper_bound(now);
    next = it != candidates.end() ? *it : *candidates.begin();
  } else {
    auto it = candidates.lower_bound(now);
    next = it != candidates.begin() ? *--it : *candidates.rbegin();
  }
  entered_ = prefix + next;
  current_ = BestMatch(entered_);
}

void ScriptedIcaoSearch::AdvanceCursor(double direction) {
  if (direction > 0.0) {
    // Moving right over the current ident takes its character as entered.
    const std::string current = CurrentIdent();
    const std::size_t at = static_cast<std::size_t>(cursor_);
    if (at == entered_.size() && at < current.size()) entered_ += current[at];
    if (cursor_ < static_cast<int>(entered_.size())) ++cursor_;
  } else if (direction < 0.0) {
    if (cursor_ > cursorFloor_) --cursor_;
  }
}

void ScriptedIcaoSearch::SelectFacility(const std::string& icao) {
  facilityIcao_ = icao;
  facility_ = -1;
  for (std::size_t i = 0; i < airports_.size(); ++i) {
    if (IcaoOf(airports_[i].ident) == icao) facility_ = static_cast<int>(i);
  }
}

int ScriptedIcaoSearch::BestMatch(const std::string& prefix) const {
  if (airports_.empty()) return -1;
  for (std::size_t i = 0; i < airports_.size(); ++i) {
    if (airports_[i].ident.compare(0, prefix.size(), prefix) == 0) return static_cast<int>(i);
  }
  for (std::size_t i = 0; i < airports_.size(); ++i) {
    if (airports_[i].ident > prefix) return static_cast<int>(i);
  }
  return static_cast<int>(airports_.size()) - 1;
}

const SearchAirport* ScriptedIcaoSearch::Facility() const {
  return facility_ < 0 ? nullptr : &airports_[static_cast<std::size_t>(facility_)];
}

}  // namespace sim
