// A record of games as a player of many years might have: for timing the
// reading and summarising of it, here and in the statistics window.
#pragma once

#include "engine/game_journal.h"

#include <cstdint>
#include <string>

// games games, one a day or so up to today (YYYYMMDD), over a handful of sets
// of play options, some daily, most cleared, some helped or in Ironman.
// recordsPerGame 2 records each game at its first move too, as a file that
// was never folded holds them; 1 keeps only each game's end. The same
// arguments always give the same text.
std::string SampleJournal(int games, int32_t today, int recordsPerGame = 1);

// Writes SampleJournal to path; false on failure.
bool WriteSampleJournal(const std::string& path, int games, int32_t today,
                        int recordsPerGame = 1);
