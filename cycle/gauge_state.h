// The module's one state record. Every entry into the module reads and writes
// its fields by name; it is zero-initialised static data with the named
// initial values below, never reset and never allocated.
#pragma once

#include <cstdint>

#include "sdk/gauges.h"

class IPanelCCallback;
class IAircraftCCallback;
class IGaugeCCallback;

enum GpsPage : std::int32_t {
  kPageAirport = 0,
  kPageDetails = 1,
  kPageNavaids = 2,
  kPageRunways = 3,
  kPageSaved = 4,
};

constexpr int kTooltipCount = 5;  // LAST, <, >, V, ^
constexpr int kTooltipCapacity = 100;
constexpr int kSavedCount = 15;
constexpr int kGroundSpeedSampleCount = 60;
constexpr int kPathCapacity = 260;
constexpr int kIcaoCapacity = 13;
constexpr int kIdentCapacity = 5;

using TooltipSet = char[kTooltipCount][kTooltipCapacity];

struct GaugeState {
  // Module and window.
  void* moduleHandle = nullptr;
  std::int32_t windowId = 0;
  std::int32_t iconParameterRead = 0;

  // Binding to the GPS module.
  IPanelCCallback* panelCallback = nullptr;
  IAircraftCCallback* aircraftCallback = nullptr;
  IGaugeCCallback* gaugeCallback = nullptr;
  std::int32_t propertyId = 0;

  // Settings file and its start-up values.
  char modulePath[kPathCapacity] = "";
  char iniPath[kPathCapacity] = "";
  char defaultIcao[kIdentCapacity] = "";
  std::int32_t vorSearchRadius = 20000;
  std::int32_t ndbSearchRadius = 20000;

  // Sim variables, each as last looked up.
  MODULE_VAR simLatitude{.id = 71};
  MODULE_VAR simLongitude{.id = 72};
  MODULE_VAR simHeading{.id = 81};
  MODULE_VAR simGroundSpeed{.id = 832};
  MODULE_VAR simGroundTrack{.id = 834};
  MODULE_VAR simAutopilotMaster{.id = 103};
  MODULE_VAR simAutopilotHeadingHold{.id = 106};
  MODULE_VAR simTime{.id = 604};
  MODULE_VAR simUnits{.id = 335};
  MODULE_VAR simMagVar{.id = 82};

  // Page and cycle.
  GpsPage currentPage = kPageAirport;
  std::int32_t cyclePhase = 0;
  std::int32_t runwayRefreshDue = 0;
  double inputIdleTime = 0.0;

  // ICAO entry and the current facility.
  char facilityIcao[kIcaoCapacity] = "";
  char icaoChar0[2] = "_";
  char icaoChar1[2] = "_";
  char icaoChar2[2] = "_";
  char icaoChar3[2] = "_";
  std::int32_t icaoCursorPos = 0;
  std::int32_t icaoFollowSearch = 1;
  std::int32_t icaoSearchHold = 0;
  char typedIdent[kIdentCapacity] = "";
  char facilityIdent[kIdentCapacity] = "";
  double facilityLat = 0.0;
  double facilityLon = 0.0;
  char lastIcaoBuf[kIdentCapacity] = "";
  char exportedIcao[kIcaoCapacity] = "";

  // User waypoints.
  char lastUserWaypointIdent[kIdentCapacity] = "";
  char userWaypointLine[kPathCapacity] = "";
  std::int32_t userWaypointValid = 0;
  char userWaypointName[30] = "";
  double userWaypointLat = 0.0;
  double userWaypointLon = 0.0;
  double userWaypointElevation = 0.0;
  double userWaypointMagVar = 0.0;

  // Aircraft motion and time.
  double groundTrackDeg = 0.0;
  double headingMinusTrack = 0.0;
  double lastSimTime = 0.0;
  double deltaTime = 0.0;
  double groundSpeedSamples[kGroundSpeedSampleCount] = {};
  std::int32_t groundSpeedSampleIndex = 0;
  double averageGroundSpeed = 0.0;
  double unitsOfMeasure = 0.0;

  // Heading steering.
  std::int32_t steeringActive = 0;
  char steeringIdent[kIdentCapacity] = "";
  double steeringTargetLat = 0.0;
  double steeringTargetLon = 0.0;
  double steeringBearing = 0.0;
  double steeringDistance = 0.0;
  double steeringHeading = 0.0;
  std::int32_t steeringHeadingInt = 0;
  std::int32_t lastHeadingBugSent = 400;
  double steerTimer = 0.0;

  // Navaids page.
  std::int32_t navaidFilter = 0;
  std::int32_t vorIndex = 0;
  std::int32_t vorCount = 0;
  std::int32_t ndbIndex = 0;
  std::int32_t ndbCount = 0;
  std::int32_t frequencyIndex = 0;
  std::int32_t frequencyCount = 0;
  std::int32_t frequencyStepDirection = -1;

  // Runways page.
  std::int32_t runwayIndex = 0;
  std::int32_t runwayCount = 0;
  char runwayDesignation[30] = "";
  char runwayEnd1[15] = "";
  char runwayEnd2[15] = "";
  char nearestVorIcao[40] = "";
  char waypointVorIcao[40] = "";
  double ilsScanLine = 0.0;
  char runwayEnd1IlsName[30] = "";
  char runwayEnd2IlsName[30] = "";
  double runwayEnd1IlsFreq = 0.0;
  double runwayEnd2IlsFreq = 0.0;
  char runwayLine1Text[50] = "";
  char runwayLine2Text[50] = "";

  // Saved airports.
  std::int32_t savedListOpen = 0;
  std::int32_t savedSelection = 0;
  char savedIdents[kSavedCount][kIdentCapacity] = {};
  char savedKey[3] = "";

  // Tooltips.
  TooltipSet tooltipText = {};
  TooltipSet entryTooltips = {};
  TooltipSet navaidTooltips = {};
  TooltipSet runwayTooltips = {};
  char blankTooltip[kPathCapacity] = "";

  // Working copies of the display lines.
  double lineDistance = 0.0;
  double lineBearing = 0.0;
  double relativeBearing = 0.0;
  double cachedMagVar = 0.0;
  char cityText[32] = "";
  char airportNameText[32] = "";
  char navaidNameText[32] = "";
};

extern GaugeState gaugeState;
