#include "sim/worldgps/world_gps.h"

#include <algorithm>
#include <cmath>

namespace sim {
namespace {

constexpr std::size_t kIdentStart = 7;
constexpr int kLastCursor = 4;  // idents of up to five characters

double Wrap360(double degrees) {
  degrees = std::fmod(degrees, 360.0);
  return degrees < 0.0 ? degrees + 360.0 : degrees;
}

// The ident from character 7 up to the first blank.
std::string IdentOf(std::string_view icao) {
  if (icao.size() <= kIdentStart) return {};
  std::string_view ident = icao.substr(kIdentStart);
  return std::string(ident.substr(0, ident.find(' ')));
}

// An ILS's airport field, characters 3 to 6 without blanks.
std::string AirportFieldOf(std::string_view icao) {
  std::string field;
  for (std::size_t i = 3; i < kIdentStart && i < icao.size(); ++i) {
    if (icao[i] != ' ') field += icao[i];
  }
  return field;
}

std::string PaddedIcao(char type, std::string_view field, std::string_view ident) {
  std::string icao(kIdentStart, ' ');
  icao[0] = type;
  for (std::size_t i = 0; i < field.size() && 3 + i < kIdentStart; ++i) icao[3 + i] = field[i];
  icao += ident;
  return icao;
}

}  // namespace

WorldGps::WorldGps(const navdata::World& world) : world_(world) { SearchStart(); }

std::string WorldGps::AirportIcao(std::string_view ident) { return PaddedIcao('A', "", ident); }

std::string WorldGps::VorIcao(const navdata::Vor& vor) {
  return PaddedIcao('V', vor.kind == navdata::VorKind::Ils ? vor.airportIdent : "", vor.ident);
}

std::string WorldGps::NdbIcao(const navdata::Ndb& ndb) { return PaddedIcao('N', "", ndb.ident); }

const navdata::Airport* WorldGps::DirectToAirport() const {
  if (directTo_.empty() || directTo_[0] != 'A') return nullptr;
  return world_.FindAirport(IdentOf(directTo_));
}

WorldGps::Selection WorldGps::Select(std::string_view icao, char onlyKind) const {
  if (icao.empty() || (onlyKind != 0 && icao[0] != onlyKind)) return {};
  const std::string ident = IdentOf(icao);
  if (ident.empty()) return {};
  switch (icao[0]) {
    case 'A': {
      const auto [first, last] = world_.AirportIdents().EqualRange(ident);
      if (first == last) return {};
      return {Kind::Airport, world_.AirportIdents().At(first).item};
    }
    case 'V': {
      const std::string field = AirportFieldOf(icao);
      const auto& list = nearestVors_;
      if (list.line >= 0 && static_cast<std::size_t>(list.line) < list.hits.size()) {
        const std::uint32_t item = list.hits[static_cast<std::size_t>(list.line)].item;
        const navdata::Vor& vor = world_.Vors()[item];
        if (vor.ident == ident && (field.empty() || vor.airportIdent == field)) {
          return {Kind::Vor, item};
        }
      }
      const auto [first, last] = world_.VorIdents().EqualRange(ident);
      for (std::size_t i = first; i < last; ++i) {
        const std::uint32_t item = world_.VorIdents().At(i).item;
        if (field.empty() || world_.Vors()[item].airportIdent == field) return {Kind::Vor, item};
      }
      return {};
    }
    case 'N': {
      const auto& list = nearestNdbs_;
      if (list.line >= 0 && static_cast<std::size_t>(list.line) < list.hits.size()) {
        const std::uint32_t item = list.hits[static_cast<std::size_t>(list.line)].item;
        if (world_.Ndbs()[item].ident == ident) return {Kind::Ndb, item};
      }
      const auto [first, last] = world_.NdbIdents().EqualRange(ident);
      if (first == last) return {};
      return {Kind::Ndb, world_.NdbIdents().At(first).item};
    }
    default:
      return {};
  }
}

const navdata::Airport* WorldGps::AirportOf(const Selection& selection) const {
  return selection.kind == Kind::Airport ? &world_.Airports()[selection.item] : nullptr;
}
const navdata::Vor* WorldGps::VorOf(const Selection& selection) const {
  return selection.kind == Kind::Vor ? &world_.Vors()[selection.item] : nullptr;
}
const navdata::Ndb* WorldGps::NdbOf(const Selection& selection) const {
  return selection.kind == Kind::Ndb ? &world_.Ndbs()[selection.item] : nullptr;
}

const navdata::Runway* WorldGps::CurrentRunway() const {
  const navdata::Airport* airport = AirportOf(airport_);
  if (airport == nullptr || runway_ < 0 ||
      static_cast<std::size_t>(runway_) >= airport->runways.size()) {
    return nullptr;
  }
  return &airport->runways[static_cast<std::size_t>(runway_)];
}

const navdata::Frequency* WorldGps::CurrentFrequency() const {
  const navdata::Airport* airport = AirportOf(airport_);
  if (airport == nullptr || frequency_ < 0 ||
      static_cast<std::size_t>(frequency_) >= airport->frequencies.size()) {
    return nullptr;
  }
  return &airport->frequencies[static_cast<std::size_t>(frequency_)];
}

void WorldGps::SetParameter(NearestList& list, double& field, double value) {
  if (field != value) list.stale = true;
  field = value;
}

WorldGps::NearestList& WorldGps::Fresh(NearestList& list, bool vors) {
  if (!list.stale) return list;
  list.stale = false;
  const navdata::GeoPoint centre{list.latitude, list.longitude};
  const std::size_t maxItems = list.maxItems > 0.0 ? static_cast<std::size_t>(list.maxItems) : 0;
  const double maxMetres = std::max(list.maxMetres, 0.0);
  if (vors) {
    const double filter = std::clamp(list.filter, 0.0, 255.0);
    list.hits = world_.NearestVors(centre, maxMetres, maxItems, static_cast<std::uint32_t>(filter));
  } else {
    list.hits = world_.NearestNdbs(centre, maxMetres, maxItems);
  }
  const int count = static_cast<int>(list.hits.size());
  list.line = std::clamp(list.line, 0, std::max(count - 1, 0));
  return list;
}

const navdata::Vor* WorldGps::NearestVor() {
  const NearestList& list = Fresh(nearestVors_, true);
  if (static_cast<std::size_t>(list.line) >= list.hits.size()) return nullptr;
  return &world_.Vors()[list.hits[static_cast<std::size_t>(list.line)].item];
}

const navdata::Ndb* WorldGps::NearestNdb() {
  const NearestList& list = Fresh(nearestNdbs_, false);
  if (static_cast<std::size_t>(list.line) >= list.hits.size()) return nullptr;
  return &world_.Ndbs()[list.hits[static_cast<std::size_t>(list.line)].item];
}

double WorldGps::FacilityNumber(std::string_view what) const {
  navdata::GeoPoint position;
  double variation = 0.0;
  if (const navdata::Airport* airport = AirportOf(facility_)) {
    position = airport->position;
    variation = airport->magneticVariation;
  } else if (const navdata::Vor* vor = VorOf(facility_)) {
    position = vor->position;
    variation = vor->magneticVariation;
  } else if (const navdata::Ndb* ndb = NdbOf(facility_)) {
    position = ndb->position;
  } else {
    return 0.0;
  }
  if (what == "Valid") return 1.0;
  if (what == "Latitude") return position.latitude;
  if (what == "Longitude") return position.longitude;
  if (what == "MagneticVariation") return Wrap360(variation);
  return 0.0;
}

std::string WorldGps::FacilityText(std::string_view what) const {
  if (what == "ICAO") return facilityIcao_;
  if (const navdata::Airport* airport = AirportOf(facility_)) {
    if (what == "Ident") return airport->ident;
    if (what == "Name") return airport->name;
  } else if (const navdata::Vor* vor = VorOf(facility_)) {
    if (what == "Ident") return vor->ident;
    if (what == "Name") return vor->name;
  } else if (const navdata::Ndb* ndb = NdbOf(facility_)) {
    if (what == "Ident") return ndb->ident;
    if (what == "Name") return ndb->name;
  }
  return {};
}

double WorldGps::AirportNumber(std::string_view what) const {
  const navdata::Airport* airport = AirportOf(airport_);
  if (airport == nullptr) return 0.0;
  if (what == "Latitude") return airport->position.latitude;
  if (what == "Longitude") return airport->position.longitude;
  if (what == "Elevation") return airport->elevationMetres;
  if (what == "MagneticVariation") return Wrap360(airport->magneticVariation);
  if (what == "RunwaysNumber") return static_cast<double>(airport->runways.size());
  if (what == "CurrentRunway") return runway_;
  if (what == "FrequenciesNumber") return static_cast<double>(airport->frequencies.size());
  if (what == "CurrentFrequency") return frequency_;
  if (const navdata::Runway* runway = CurrentRunway()) {
    if (what == "RunwayDirection") {
      return Wrap360(runway->trueHeading - airport->magneticVariation);
    }
    if (what == "RunwayLength") return runway->lengthMetres;
    if (what == "RunwayWidth") return runway->widthMetres;
    if (what == "RunwaySurface") return runway->surface;
    if (what == "RunwayLighting") return runway->lighting;
  }
  if (const navdata::Frequency* frequency = CurrentFrequency()) {
    if (what == "FrequencyType") return static_cast<double>(frequency->type);
    if (what == "FrequencyValue") return frequency->hertz;
  }
  return 0.0;
}

std::string WorldGps::AirportText(std::string_view what) const {
  const navdata::Airport* airport = AirportOf(airport_);
  if (airport == nullptr) return {};
  if (what == "Ident") return airport->ident;
  if (what == "Name") return airport->name;
  if (what == "City") return airport->city;
  if (what == "Fuel1") return airport->fuel1;
  if (what == "Fuel2") return airport->fuel2;
  if (what == "RunwayDesignation") {
    const navdata::Runway* runway = CurrentRunway();
    return runway != nullptr ? runway->designation : std::string();
  }
  if (what == "FrequencyName") {
    const navdata::Frequency* frequency = CurrentFrequency();
    return frequency != nullptr ? frequency->name : std::string();
  }
  return {};
}

double WorldGps::GetNumber(const std::string& name) {
  const std::string_view n = name;
  if (n.starts_with("Facility")) return FacilityNumber(n.substr(8));
  if (n.starts_with("WaypointAirport")) return AirportNumber(n.substr(15));
  if (n == "WaypointVorLatitude" || n == "WaypointVorLongitude") {
    const navdata::Vor* vor = VorOf(vor_);
    if (vor == nullptr) return 0.0;
    return n.ends_with("Latitude") ? vor->position.latitude : vor->position.longitude;
  }
  if (n == "WaypointNdbLatitude" || n == "WaypointNdbLongitude") {
    const navdata::Ndb* ndb = NdbOf(ndb_);
    if (ndb == nullptr) return 0.0;
    return n.ends_with("Latitude") ? ndb->position.latitude : ndb->position.longitude;
  }
  if (n == "NearestVorItemsNumber") {
    return static_cast<double>(Fresh(nearestVors_, true).hits.size());
  }
  if (n == "NearestVorCurrentLine") return Fresh(nearestVors_, true).line;
  if (n == "NearestVorCurrentFrequency") {
    const navdata::Vor* vor = NearestVor();
    return vor != nullptr ? vor->hertz : 0.0;
  }
  if (n == "NearestNdbItemsNumber") {
    return static_cast<double>(Fresh(nearestNdbs_, false).hits.size());
  }
  if (n == "NearestNdbCurrentLine") return Fresh(nearestNdbs_, false).line;
  if (n == "NearestNdbCurrentFrequency") {
    const navdata::Ndb* ndb = NearestNdb();
    return ndb != nullptr ? ndb->hertz : 0.0;
  }
  if (n == "IcaoSearchCursorPosition") return cursor_;
  return 0.0;
}

std::string WorldGps::GetText(const std::string& name) {
  const std::string_view n = name;
  if (n.starts_with("Facility")) return FacilityText(n.substr(8));
  if (n.starts_with("WaypointAirport")) return AirportText(n.substr(15));
  if (n == "WaypointVorICAO") return vorIcao_;
  if (n == "WaypointVorName" || n == "WaypointVorIdent") {
    const navdata::Vor* vor = VorOf(vor_);
    if (vor == nullptr) return {};
    return n.ends_with("Name") ? vor->name : vor->ident;
  }
  if (n == "WaypointNdbName" || n == "WaypointNdbIdent") {
    const navdata::Ndb* ndb = NdbOf(ndb_);
    if (ndb == nullptr) return {};
    return n.ends_with("Name") ? ndb->name : ndb->ident;
  }
  if (n == "NearestVorCurrentICAO" || n == "NearestVorCurrentIdent") {
    const navdata::Vor* vor = NearestVor();
    if (vor == nullptr) return {};
    return n.ends_with("ICAO") ? VorIcao(*vor) : vor->ident;
  }
  if (n == "NearestNdbCurrentICAO" || n == "NearestNdbCurrentIdent") {
    const navdata::Ndb* ndb = NearestNdb();
    if (ndb == nullptr) return {};
    return n.ends_with("ICAO") ? NdbIcao(*ndb) : ndb->ident;
  }
  if (n == "IcaoSearchCurrentIcao") {
    return searchCurrent_ ? AirportIcao(SearchIdent()) : std::string();
  }
  return {};
}

void WorldGps::SetNumber(const std::string& name, double value) {
  const std::string_view n = name;
  const auto index = [value] {
    return std::isfinite(value) ? static_cast<int>(std::clamp(value, -1.0, 1e6)) : 0;
  };
  if (n == "WaypointAirportCurrentRunway") {
    runway_ = index();
  } else if (n == "WaypointAirportCurrentFrequency") {
    frequency_ = index();
  } else if (n == "NearestVorCurrentLatitude") {
    SetParameter(nearestVors_, nearestVors_.latitude, value);
  } else if (n == "NearestVorCurrentLongitude") {
    SetParameter(nearestVors_, nearestVors_.longitude, value);
  } else if (n == "NearestVorMaximumItems") {
    SetParameter(nearestVors_, nearestVors_.maxItems, value);
  } else if (n == "NearestVorMaximumDistance") {
    SetParameter(nearestVors_, nearestVors_.maxMetres, value);
  } else if (n == "NearestVorCurrentFilter") {
    SetParameter(nearestVors_, nearestVors_.filter, value);
  } else if (n == "NearestVorCurrentLine") {
    Fresh(nearestVors_, true);
    nearestVors_.line = std::clamp(index(), 0, std::max<int>(nearestVors_.hits.size() - 1, 0));
  } else if (n == "NearestNdbCurrentLatitude") {
    SetParameter(nearestNdbs_, nearestNdbs_.latitude, value);
  } else if (n == "NearestNdbCurrentLongitude") {
    SetParameter(nearestNdbs_, nearestNdbs_.longitude, value);
  } else if (n == "NearestNdbMaximumItems") {
    SetParameter(nearestNdbs_, nearestNdbs_.maxItems, value);
  } else if (n == "NearestNdbMaximumDistance") {
    SetParameter(nearestNdbs_, nearestNdbs_.maxMetres, value);
  } else if (n == "NearestNdbCurrentLine") {
    Fresh(nearestNdbs_, false);
    nearestNdbs_.line = std::clamp(index(), 0, std::max<int>(nearestNdbs_.hits.size() - 1, 0));
  } else if (n == "IcaoSearchAdvanceCharacter") {
    SearchAdvanceCharacter(value);
  } else if (n == "IcaoSearchAdvanceCursor") {
    SearchAdvanceCursor(value);
  } else if (n == "IcaoSearchMatchedIcao") {
    searchCurrent_ = world_.AirportIdents().FirstWithPrefix(entered_);
  } else if (n == "FlightPlanDirectToDestination") {
    if (value == 1.0 && Select(newWaypoint_, 0).kind != Kind::None) directTo_ = newWaypoint_;
  }
}

void WorldGps::SetText(const std::string& name, const std::string& value) {
  const std::string_view n = name;
  if (n == "FacilityICAO") {
    facilityIcao_ = value;
    facility_ = Select(value, 0);
  } else if (n == "WaypointAirportICAO") {
    const Selection selection = Select(value, 'A');
    if (selection.kind != airport_.kind || selection.item != airport_.item) {
      runway_ = 0;
      frequency_ = 0;
    }
    airport_ = selection;
  } else if (n == "WaypointVorICAO") {
    Fresh(nearestVors_, true);
    vorIcao_ = value;
    vor_ = Select(value, 'V');
  } else if (n == "WaypointNdbICAO") {
    Fresh(nearestNdbs_, false);
    ndb_ = Select(value, 'N');
  } else if (n == "IcaoSearchStartCursor") {
    SearchStart();
  } else if (n == "IcaoSearchEnterChar") {
    SearchEnter(value);
  } else if (n == "FlightPlanNewWaypointICAO") {
    newWaypoint_ = value;
  }
}

std::string WorldGps::SearchIdent() const {
  return searchCurrent_ ? world_.AirportIdents().At(*searchCurrent_).ident : std::string();
}

void WorldGps::SearchStart() {
  entered_.clear();
  cursor_ = 0;
  searchCurrent_ = world_.AirportIdents().FirstWithPrefix("");
}

void WorldGps::SearchEnter(std::string_view characters) {
  if (characters.empty()) return;
  const std::string current = SearchIdent();
  int at = cursor_;
  for (char c : characters) {
    if (at > kLastCursor) break;
    // Characters before the cursor that were not entered come from the current ident.
    while (entered_.size() < static_cast<std::size_t>(at)) {
      const std::size_t i = entered_.size();
      entered_ += i < current.size() ? current[i] : ' ';
    }
    entered_.resize(static_cast<std::size_t>(at));
    entered_ += c;
    cursor_ = at++;
  }
  searchCurrent_ = world_.AirportIdents().FirstWithPrefix(entered_);
}

void WorldGps::SearchAdvanceCharacter(double direction) {
  if (direction == 0.0 || !std::isfinite(direction)) return;
  const std::size_t at = static_cast<std::size_t>(cursor_);
  const std::string base = entered_.size() > at ? entered_ : SearchIdent();
  if (base.size() < at) return;
  const std::string leading = base.substr(0, at);
  const navdata::IdentIndex& idents = world_.AirportIdents();
  std::optional<unsigned char> next;
  if (direction > 0.0) {
    const int now = base.size() > at ? static_cast<unsigned char>(base[at]) : -1;
    next = idents.NextCharacter(leading, now);
    if (!next) next = idents.NextCharacter(leading, -1);
  } else {
    const int now = base.size() > at ? static_cast<unsigned char>(base[at]) : 256;
    next = idents.PreviousCharacter(leading, now);
    if (!next) next = idents.PreviousCharacter(leading, 256);
  }
  if (!next) return;
  entered_ = leading + static_cast<char>(*next);
  searchCurrent_ = idents.FirstWithPrefix(entered_);
}

void WorldGps::SearchAdvanceCursor(double direction) {
  if (direction > 0.0 && cursor_ < kLastCursor) {
    // Moving right over the current ident takes its character as entered.
    const std::string current = SearchIdent();
    const std::size_t at = static_cast<std::size_t>(cursor_);
    if (entered_.size() == at && at < current.size()) entered_ += current[at];
    if (entered_.size() > at) ++cursor_;
  } else if (direction < 0.0 && cursor_ > 0) {
    --cursor_;
  }
}

}  // namespace sim
