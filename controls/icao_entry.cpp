#include "controls/icao_entry.h"

#include "cycle/gauge_state.h"
#include "module/bounded_text.h"
#include "module/gps_properties.h"

namespace {

constexpr int kIdentStart = 7;  // the ident's first byte in an ICAO text
constexpr int kIdentCells = 4;

// A GPS module whose cursor never reaches 0 must not hang the panel thread:
// no ICAO text has more positions than its capacity.
constexpr int kMaxRewindSteps = kIcaoCapacity;

// Steps one ident byte in place. When it was the text's terminator, the text
// grows by that character and by whatever the cells after it show; it ends
// at the first byte that no cell shows, within its capacity.
void StepIdentByte(int index, bool up) {
  char& c = gaugeState.facilityIcao[index];
  const bool was_terminator = c == '\0';
  if (up) {
    StepIcaoCharUp(c);
  } else {
    StepIcaoCharDown(c);
  }
  constexpr int kFirstUnshown = kIdentStart + kIdentCells;
  const int end = index + 1 > kFirstUnshown ? index + 1 : kFirstUnshown;
  if (was_terminator && end < kIcaoCapacity) gaugeState.facilityIcao[end] = '\0';
  gaugeState.facilityIcao[kIcaoCapacity - 1] = '\0';
}

}  // namespace

void TakeSearchIcao() { CopyText(gaugeState.facilityIcao, GetGpsString("IcaoSearchCurrentIcao")); }

void ShowIcaoCells() {
  char* const cells[kIdentCells] = {gaugeState.icaoChar0, gaugeState.icaoChar1,
                                    gaugeState.icaoChar2, gaugeState.icaoChar3};
  for (int k = 0; k < kIdentCells; ++k) {
    cells[k][0] = gaugeState.facilityIcao[kIdentStart + k];
    cells[k][1] = '\0';
  }
}

void PublishFacilityIcao() {
  SetGpsString("FacilityICAO", gaugeState.facilityIcao);
  SetGpsString("WaypointAirportICAO", gaugeState.facilityIcao);
}

void RewindIcaoSearch() {
  for (int step = 0; step < kMaxRewindSteps && GetGpsNumber("IcaoSearchCursorPosition") != 0.0;
       ++step) {
    SetGpsNumber("IcaoSearchAdvanceCursor", -1.0);
  }
}

void FollowEntryCursor() {
  if (GetGpsNumber("IcaoSearchCursorPosition") > gaugeState.icaoCursorPos) {
    SetGpsNumber("IcaoSearchAdvanceCursor", -1.0);
  }
  if (GetGpsNumber("IcaoSearchCursorPosition") < gaugeState.icaoCursorPos) {
    SetGpsNumber("IcaoSearchAdvanceCursor", 1.0);
  }
}

// The terminator of a short ident steps like a blank, so the ident grows by
// the stepped character instead of by a control byte.
void StepIcaoCharUp(char& c) {
  signed char v = static_cast<signed char>(c == '\0' ? ' ' : c);
  v = static_cast<signed char>(v + 1);
  if (v >= 91) {
    v = 32;
  } else if (v >= 58 && v <= 64) {
    v = 65;
  } else if (v >= 33 && v <= 47) {
    v = 48;
  }
  c = static_cast<char>(v);
}

void StepIcaoCharDown(char& c) {
  signed char v = static_cast<signed char>(c == '\0' ? ' ' : c);
  v = static_cast<signed char>(v - 1);
  if (v < 32) {
    v = 90;
  } else if (v >= 33 && v <= 47) {
    v = 32;
  } else if (v >= 58 && v <= 64) {
    v = 57;
  }
  c = static_cast<char>(v);
}

void MoveEntryCursor(int step) {
  gaugeState.icaoCursorPos = (gaugeState.icaoCursorPos + step + kIdentCells) % kIdentCells;
}

void StepEntryCharacter(bool up, unsigned int mouse_flags) {
  if ((mouse_flags & MOUSE_RIGHTSINGLE) != 0) {
    gaugeState.icaoSearchHold = 1;
    const int cursor = gaugeState.icaoCursorPos < 0 || gaugeState.icaoCursorPos >= kIdentCells
                           ? 0
                           : gaugeState.icaoCursorPos;
    StepIdentByte(kIdentStart + cursor, up);
    ShowIcaoCells();
    PublishFacilityIcao();
    if (up) gaugeState.icaoFollowSearch = 0;
    return;
  }
  if ((mouse_flags & MOUSE_LEFTSINGLE) == 0) return;
  gaugeState.icaoFollowSearch = 1;
  gaugeState.cyclePhase = 5;
  gaugeState.icaoSearchHold = up ? 0 : 1;
  SetGpsNumber("IcaoSearchAdvanceCharacter", up ? 1.0 : -1.0);
  TakeSearchIcao();
  PublishFacilityIcao();
  ShowIcaoCells();
}
