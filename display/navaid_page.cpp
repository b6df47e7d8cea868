// Page 2: one entry of the nearest VORs, the nearest NDBs or the facility's
// frequencies. The list label comes last in the chain: it refreshes the
// counts and keeps the GPS module's current line inside the list, so the other
// lines of one update use the counts of the previous one. The name line makes
// the current VOR or NDB the GPS module's waypoint navaid, which the range and
// bearing lines, earlier in the chain, read at the next update.
#include "cycle/cycle_steps.h"
#include "cycle/great_circle.h"
#include "display/element_tree.h"
#include "display/string_callback.h"
#include "module/checked_integer.h"
#include "module/gps_properties.h"

namespace {

enum class NavaidList { kVor, kNdb, kFrequencies };

struct NavaidProperties {
  const char* currentIcao;
  const char* waypointIcao;
  const char* name;
  const char* latitude;
  const char* longitude;
  const char* ident;
};

constexpr NavaidProperties kVorProperties = {"NearestVorCurrentICAO", "WaypointVorICAO",
                                             "WaypointVorName",       "WaypointVorLatitude",
                                             "WaypointVorLongitude",  "NearestVorCurrentIdent"};
constexpr NavaidProperties kNdbProperties = {"NearestNdbCurrentICAO", "WaypointNdbICAO",
                                             "WaypointNdbName",       "WaypointNdbLatitude",
                                             "WaypointNdbLongitude",  "NearestNdbCurrentIdent"};

constexpr double kMetresPerNauticalMile = 1851.8518518518517;
constexpr std::size_t kNameChars = 28;
constexpr double kVorFilter = 191.0;
constexpr double kSkippedFrequencyType = 2.0;
// A draw steps past at most this many skipped frequencies, whatever count the
// GPS module reports: a longer run of them is walked on over the next draws.
constexpr std::int32_t kMaxSkippedSteps = 32;
// Left in the name record's character width, the two bytes after its
// capacity, while the frequency list is shown; the capacity stays as declared.
constexpr UINT16 kFrequencyNameMark = 45;

bool OnPage() { return gaugeState.currentPage == kPageNavaids; }

NavaidList CurrentList() {
  switch (gaugeState.navaidFilter) {
    case 0:
      return NavaidList::kVor;
    case 1:
      return NavaidList::kNdb;
    default:
      return NavaidList::kFrequencies;
  }
}

bool FrequencyList() { return CurrentList() == NavaidList::kFrequencies; }

const NavaidProperties& Navaid() {
  return CurrentList() == NavaidList::kNdb ? kNdbProperties : kVorProperties;
}

bool HasEntries() {
  switch (CurrentList()) {
    case NavaidList::kVor:
      return gaugeState.vorCount > 0;
    case NavaidList::kNdb:
      return gaugeState.ndbCount > 0;
    case NavaidList::kFrequencies:
      return gaugeState.frequencyCount > 0;
  }
  return false;
}

bool NavaidShown() { return !FrequencyList() && HasEntries(); }

void AlignRight(ELEMENT_STRING* element) { element->draw_text_flags = DT_RIGHT; }
void AlignLeft(ELEMENT_STRING* element) { element->draw_text_flags = DT_LEFT; }

// A label of the VOR or NDB entry; the frequency list shows `frequencyLabel`
// in its place, or nothing when it is null.
FLOAT64 ShowRowLabel(ELEMENT_STRING* element, const char* navaidLabel, const char* frequencyLabel) {
  if (!OnPage()) return HideText(element);
  if (FrequencyList()) {
    if (frequencyLabel == nullptr) return HideKeepingText(element);
    return ShowText(element, "%s", frequencyLabel);
  }
  if (!HasEntries()) return HideKeepingText(element);
  return ShowText(element, "%s", navaidLabel);
}

void MeasureToNavaid(double lat, double lon) {
  const NavaidProperties& navaid = Navaid();
  const double navaidLat = GetGpsNumber(navaid.latitude);
  const double navaidLon = GetGpsNumber(navaid.longitude);
  GreatCircle(lat, lon, navaidLat, navaidLon, &gaugeState.lineDistance, &gaugeState.lineBearing);
}

void MeasureFromAircraft() { MeasureToNavaid(AircraftLatitude(), AircraftLongitude()); }

void MeasureFromAirport() {
  const double lat = GetGpsNumber("WaypointAirportLatitude");
  const double lon = GetGpsNumber("WaypointAirportLongitude");
  MeasureToNavaid(lat, lon);
}

FLOAT64 ShowLineDistance(ELEMENT_STRING* element) {
  AlignRight(element);
  if (gaugeState.unitsOfMeasure == 0.0) {
    return ShowText(element, "%3.1f NM", gaugeState.lineDistance);
  }
  return ShowText(element, "%3.1f km", gaugeState.lineDistance * kMetresPerNauticalMile / 1000.0);
}

// Any fuel text at all means the airport sells that fuel.
FLOAT64 ShowFuel(ELEMENT_STRING* element, const char* property) {
  AlignLeft(element);
  return ShowText(element, "%s", GetGpsString(property)[0] != '\0' ? " Yes" : " No");
}

FLOAT64 ShowCountedLabel(ELEMENT_STRING* element, const char* list, int index, int count) {
  if (count > 1) return ShowText(element, "%s(%d): ", list, index + 1);
  return ShowText(element, "%s: ", list);
}

// The current line is brought back to the first when it lies outside the
// list.
void KeepLineInList(std::int32_t& index, std::int32_t count, const char* property) {
  if (index >= 0 && index < count) return;
  index = 0;
  SetGpsNumber(property, 0.0);
}

// Frequencies of the skipped type are stepped past in the direction of the
// last < or > press, wrapping at the ends as those buttons do and never more
// than once around the list, even when every remaining entry is of that type.
void StepPastSkippedFrequencies() {
  if (GetGpsNumber("WaypointAirportFrequencyType") != kSkippedFrequencyType) return;
  const double start = GetGpsNumber("WaypointAirportCurrentFrequency");
  const std::int32_t count = gaugeState.frequencyCount;
  const std::int32_t steps = count < kMaxSkippedSteps ? count : kMaxSkippedSteps;
  for (std::int32_t step = 0; step < steps; ++step) {
    // In 64 bits: the GPS module may have reported the largest integer.
    std::int64_t index =
        std::int64_t{gaugeState.frequencyIndex} + gaugeState.frequencyStepDirection;
    if (index < 0) index = count - 1;
    if (index >= count) index = 0;
    gaugeState.frequencyIndex = static_cast<std::int32_t>(index);
    SetGpsNumber("WaypointAirportCurrentFrequency", gaugeState.frequencyIndex);
    if (GetGpsNumber("WaypointAirportCurrentFrequency") == start) return;
    if (GetGpsNumber("WaypointAirportFrequencyType") != kSkippedFrequencyType) return;
  }
}

}  // namespace

FLOAT64 FSAPI ShowNavaidListLabel(ELEMENT_STRING* element) {
  if (!OnPage()) return HideText(element);
  switch (CurrentList()) {
    case NavaidList::kVor:
      gaugeState.vorCount = TruncateToInt32(GetGpsNumber("NearestVorItemsNumber"));
      gaugeState.vorIndex = TruncateToInt32(GetGpsNumber("NearestVorCurrentLine"));
      KeepLineInList(gaugeState.vorIndex, gaugeState.vorCount, "NearestVorCurrentLine");
      SetGpsNumber("NearestVorCurrentFilter", kVorFilter);
      return ShowCountedLabel(element, "VOR", gaugeState.vorIndex, gaugeState.vorCount);
    case NavaidList::kNdb:
      gaugeState.ndbIndex = TruncateToInt32(GetGpsNumber("NearestNdbCurrentLine"));
      gaugeState.ndbCount = TruncateToInt32(GetGpsNumber("NearestNdbItemsNumber"));
      KeepLineInList(gaugeState.ndbIndex, gaugeState.ndbCount, "NearestNdbCurrentLine");
      return ShowCountedLabel(element, "NDB", gaugeState.ndbIndex, gaugeState.ndbCount);
    case NavaidList::kFrequencies:
      StepPastSkippedFrequencies();
      KeepLineInList(gaugeState.frequencyIndex, gaugeState.frequencyCount,
                     "WaypointAirportCurrentFrequency");
      return ShowCountedLabel(element, "Freq", gaugeState.frequencyIndex,
                              gaugeState.frequencyCount);
  }
  return HideText(element);
}

FLOAT64 FSAPI ShowNavaidFrequency(ELEMENT_STRING* element) {
  if (!OnPage()) return HideText(element);
  if (!HasEntries()) {
    AlignLeft(element);
    return ShowText(element, " None");
  }
  switch (CurrentList()) {
    case NavaidList::kVor:
      AlignRight(element);
      return ShowText(element, "%3.3f MHz", GetGpsNumber("NearestVorCurrentFrequency") / 1000000.0);
    case NavaidList::kNdb:
      AlignRight(element);
      return ShowText(element, "%3.1f KHz", GetGpsNumber("NearestNdbCurrentFrequency") / 1000.0);
    case NavaidList::kFrequencies:
      AlignLeft(element);
      return ShowText(element, "%3.3f MHz",
                      GetGpsNumber("WaypointAirportFrequencyValue") / 1000000.0);
  }
  return HideText(element);
}

FLOAT64 FSAPI ShowNavaidIdentLabel(ELEMENT_STRING* element) {
  return ShowRowLabel(element, "ID: ", nullptr);
}

FLOAT64 FSAPI ShowNavaidIdent(ELEMENT_STRING* element) {
  if (!OnPage()) return HideText(element);
  if (FrequencyList()) return HideKeepingText(element);
  return ShowText(element, "%s", GetGpsString(Navaid().ident));
}

FLOAT64 FSAPI ShowNavaidNameLabel(ELEMENT_STRING* element) {
  if (!OnPage()) return HideText(element);
  if (!HasEntries()) return HideKeepingText(element);
  return ShowText(element, "Name: ");
}

FLOAT64 FSAPI ShowNavaidName(ELEMENT_STRING* element) {
  if (!OnPage()) return HideText(element);
  const char* name = "";
  if (FrequencyList()) {
    element->char_width = kFrequencyNameMark;
    name = GetGpsString("WaypointAirportFrequencyName");
  } else {
    const NavaidProperties& navaid = Navaid();
    PassGpsIcao(navaid.waypointIcao, navaid.currentIcao);
    name = GetGpsString(navaid.name);
  }
  CopyTextCut(gaugeState.navaidNameText, name, kNameChars);
  if (!HasEntries()) return HideText(element);
  return ShowText(element, "%s", gaugeState.navaidNameText);
}

FLOAT64 FSAPI ShowNavaidAirportRangeLabel(ELEMENT_STRING* element) {
  return ShowRowLabel(element, "From Apt - Rng: ", "AvGas:");
}

FLOAT64 FSAPI ShowNavaidAirportRange(ELEMENT_STRING* element) {
  if (!OnPage()) return HideText(element);
  if (FrequencyList()) return ShowFuel(element, "WaypointAirportFuel1");
  if (!HasEntries()) return HideKeepingText(element);
  MeasureFromAirport();
  return ShowLineDistance(element);
}

FLOAT64 FSAPI ShowNavaidAirportBearingLabel(ELEMENT_STRING* element) {
  return ShowRowLabel(element, " Brg: ", nullptr);
}

// The magnetic bearing from the airport to the navaid.
FLOAT64 FSAPI ShowNavaidAirportBearing(ELEMENT_STRING* element) {
  if (!OnPage()) return HideText(element);
  if (!NavaidShown()) return HideKeepingText(element);
  MeasureFromAirport();
  return ShowText(element, "%3.1f\xB0", gaugeState.lineBearing);
}

FLOAT64 FSAPI ShowNavaidAircraftRangeLabel(ELEMENT_STRING* element) {
  return ShowRowLabel(element, "From Acft - Rng: ", "Jet:");
}

FLOAT64 FSAPI ShowNavaidAircraftRange(ELEMENT_STRING* element) {
  if (!OnPage()) return HideText(element);
  if (FrequencyList()) return ShowFuel(element, "WaypointAirportFuel2");
  if (!HasEntries()) return HideKeepingText(element);
  MeasureFromAircraft();
  return ShowLineDistance(element);
}

FLOAT64 FSAPI ShowNavaidAircraftBearingLabel(ELEMENT_STRING* element) {
  return ShowRowLabel(element, " Brg: ", nullptr);
}

// The navaid's bearing relative to the aircraft's heading, -180 to 180.
FLOAT64 FSAPI ShowNavaidAircraftBearing(ELEMENT_STRING* element) {
  if (!OnPage()) return HideText(element);
  if (!NavaidShown()) return HideKeepingText(element);
  MeasureFromAircraft();
  double relative = gaugeState.lineBearing - gaugeState.simHeading.var_value.n;
  if (relative > 180.0) relative -= 360.0;
  if (relative < -180.0) relative += 360.0;
  gaugeState.lineBearing = relative;
  return ShowText(element, "%3.1f\xB0", relative);
}
