// The runway page's ILS search: each refresh examines the VOR that the last
// one named, if the GPS module still reports it at the current line, then
// names the VOR at the (new) current line for the next refresh.
#include <cstring>

#include "cycle/cycle_steps.h"
#include "cycle/gauge_state.h"
#include "module/bounded_text.h"
#include "module/checked_integer.h"
#include "module/gps_properties.h"
#include "tables/runway_attribute_names.h"

namespace {

void SplitDesignation() {
  const char* const dash = std::strrchr(gaugeState.runwayDesignation, '-');
  if (dash == nullptr) {
    CopyText(gaugeState.runwayEnd1, gaugeState.runwayDesignation);
    gaugeState.runwayEnd2[0] = '\0';
    return;
  }
  const std::size_t before = static_cast<std::size_t>(dash - gaugeState.runwayDesignation);
  if (before < sizeof gaugeState.runwayEnd1) {
    CopyTextCut(gaugeState.runwayEnd1, gaugeState.runwayDesignation, before);
  } else {
    gaugeState.runwayEnd1[0] = '\0';
  }
  CopyText(gaugeState.runwayEnd2, dash + 1);
}

void MatchRunwayEnd(const char* end, char (&ilsName)[30], double& ilsFreq) {
  if (end[0] == '\0') return;
  char vorName[64];
  CopyText(vorName, GetGpsString("WaypointVorName"));
  if (std::strstr(vorName, end) == nullptr) return;
  char vorIcao[64];
  CopyText(vorIcao, GetGpsString("WaypointVorICAO"));
  char airportIdent[64];
  CopyText(airportIdent, GetGpsString("WaypointAirportIdent"));
  if (std::strstr(vorIcao, airportIdent) == nullptr) return;
  CopyText(ilsName, GetGpsString("WaypointVorName"));
  ilsFreq = GetGpsNumber("NearestVorCurrentFrequency");
}

void ExamineVor() {
  MatchRunwayEnd(gaugeState.runwayEnd1, gaugeState.runwayEnd1IlsName, gaugeState.runwayEnd1IlsFreq);
  MatchRunwayEnd(gaugeState.runwayEnd2, gaugeState.runwayEnd2IlsName, gaugeState.runwayEnd2IlsFreq);
  gaugeState.ilsScanLine -= 1.0;
  if (gaugeState.ilsScanLine < 0)
    gaugeState.ilsScanLine = GetGpsNumber("NearestVorItemsNumber") - 1.0;
  SetGpsNumber("NearestVorCurrentLine", gaugeState.ilsScanLine);
}

void ComposeIlsLine(char (&line)[50], const char* name, double freq) {
  line[0] = '\0';
  if (freq > 0) FormatField(line, "%s %3.2f", name, freq / 1000000.0);
}

}  // namespace

void RefreshRunway() {
  if (gaugeState.frequencyIndex >= gaugeState.frequencyCount) {
    SetGpsNumber("WaypointAirportCurrentFrequency", 0.0);
  }
  SetGpsNumber("NearestVorCurrentFilter", 64.0);
  CopyText(gaugeState.runwayDesignation, GetGpsString("WaypointAirportRunwayDesignation"));
  SplitDesignation();
  CopyText(gaugeState.nearestVorIcao, GetGpsString("NearestVorCurrentICAO"));
  CopyText(gaugeState.waypointVorIcao, GetGpsString("WaypointVorICAO"));
  CopyText(gaugeState.blankTooltip, GetGpsString("WaypointVorICAO"));

  if (std::strcmp(gaugeState.nearestVorIcao, gaugeState.waypointVorIcao) == 0 &&
      GetGpsNumber("NearestVorItemsNumber") > gaugeState.ilsScanLine) {
    ExamineVor();
  }
  PassGpsIcao("WaypointVorICAO", "NearestVorCurrentICAO");

  ComposeIlsLine(gaugeState.runwayLine1Text, gaugeState.runwayEnd1IlsName,
                 gaugeState.runwayEnd1IlsFreq);
  ComposeIlsLine(gaugeState.runwayLine2Text, gaugeState.runwayEnd2IlsName,
                 gaugeState.runwayEnd2IlsFreq);

  const double lighting = GetGpsNumber("WaypointAirportRunwayLighting");
  if (lighting > 0) {
    char(&target)[50] =
        std::strlen(gaugeState.runwayLine2Text) >= std::strlen(gaugeState.runwayLine1Text)
            ? gaugeState.runwayLine1Text
            : gaugeState.runwayLine2Text;
    if (target[0] != '\0') AppendText(target, "   ");
    AppendText(target, std::strlen(target) > 25 ? "Lts: " : "Lights: ");
    AppendText(target, RunwayLightingName(TruncateToInt32(lighting)));
  }
}
