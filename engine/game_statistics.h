// What the statistics window shows, reckoned from the record of games.
#pragma once

#include "game_journal.h"

#include <cstdint>
#include <vector>

// One line of the table: a set of play options (or today's puzzles).
struct StatisticsLine {
    bool daily = false;           // the line of today's puzzles; settings then unused
    PuzzleSettings settings;
    int32_t started = 0;
    int32_t cleared = 0;
    int32_t clearedUnhelped = 0;
    int32_t ironmanCleared = 0;
    int32_t currentRun = 0;       // cleared games in a row, ending with the latest game
    int32_t bestRun = 0;
    int32_t dailyDaysInRow = 0;   // daily line only: days in a row, up to today or yesterday, cleared
    int32_t fastestSeconds = -1;  // -1 when nothing was cleared

    bool operator==(const StatisticsLine&) const = default;
};

// One bar of the chart: a day.
struct StatisticsDay {
    int32_t localDay = 0;  // YYYYMMDD
    int32_t started = 0;
    int32_t cleared = 0;

    bool operator==(const StatisticsDay&) const = default;
};

struct StatisticsSummary {
    // daily line first when any daily game was played, then most played first
    // (equal counts in the order of the settings' five numbers)
    std::vector<StatisticsLine> lines;
    std::vector<StatisticsDay> lastDays;  // the 30 days ending today, oldest first, always 30
};

// today is the local date as YYYYMMDD.
StatisticsSummary SummariseGames(const std::vector<GameRecord>& games, int32_t today);
