// The one setting of the hints, "Warn of Dead Ends", in a small text file of
// its own beside "PREFS.SAV", whose bytes it never touches.
#pragma once

#include <string>

inline const std::string HINT_SETTINGS_FILE = "HINTS.SAV";

// On only when the file holds exactly the line the game writes for on; a
// missing, unreadable or foreign file means off.
bool ReadWarnOfDeadEnds(const std::string& fileName);

// Writes the setting; false when the file could not be written (the setting
// then holds for this run only).
bool WriteWarnOfDeadEnds(const std::string& fileName, bool on);
