// A report about one of the game's files in the player's language.
#pragma once

#include "engine/file_report.h"

#include <QString>

#include <string>

// The report worded through the "FileReport" catalogue context: its form and
// the game's own words translated, the rest as they are, every value put in
// at once, so that a "%2" in a folder's name stays as it is. In English,
// EnglishLine's very words.
QString ReportText(const FileReport& report);

// ReportText as bytes for stderr, in the locale's encoding; when it reads
// as the English, EnglishLine's bytes, whatever bytes a path holds.
std::string ReportLine(const FileReport& report);
