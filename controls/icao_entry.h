// ICAO entry: the current airport's ident as four cells, edited with the
// upper-row buttons through the GPS module's ICAO search or locally.
#pragma once

// facilityIcao = the search's current ICAO.
void TakeSearchIcao();
// The four cells show bytes 7 to 10 of facilityIcao.
void ShowIcaoCells();
// The GPS module's facility and airport waypoint become facilityIcao.
void PublishFacilityIcao();
// Moves the search cursor back to the first character.
void RewindIcaoSearch();
// Moves the search cursor one position toward the entry cursor.
void FollowEntryCursor();

// Local character steps through blank, digits and capital letters.
void StepIcaoCharUp(char& c);
void StepIcaoCharDown(char& c);

// The page-0 actions of < > V ^.
void MoveEntryCursor(int step);
void StepEntryCharacter(bool up, unsigned int mouse_flags);
