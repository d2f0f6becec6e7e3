// The one setting of the hints, "Warn of Dead Ends", in a small text file of
// its own beside "PREFS.SAV", whose bytes it never touches.
#pragma once

#include "engine/file_report.h"

#include <string>

inline const std::string HINT_SETTINGS_FILE = "HINTS.SAV";

// On when the file's last setting line says on. A line is read as a person
// writing it means it: the name and the value in any case, spaces around
// them and around "=", blank lines, Windows line ends and a missing last line
// end are all fine. A missing file, or one that says nothing, means off
// without a word; report (when given) receives one line for the player about
// a file that is there but cannot be read, or a line in it that is no
// setting (the line is skipped), and is emptied otherwise.
bool ReadWarnOfDeadEnds(const std::string& fileName, FileReport* report = nullptr);

// Writes the setting; false when the file could not be written (the setting
// then holds for this run only).
bool WriteWarnOfDeadEnds(const std::string& fileName, bool on);
