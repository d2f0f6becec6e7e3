// The statistics reckoned from the record of games: a line per set of play
// options and one for today's puzzles, runs in the order games were started,
// days in a row across months and years, and the chart's thirty days.
#include "engine/game_statistics.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr PuzzleSettings SMALL{6, 2, 2, 2, 2};
constexpr PuzzleSettings USUAL{12, 3, 5, 3, 3};

// flags: letters of d(aily), i(ronman), c(leared), h(elped).
GameRecord Game(int64_t startedAt, int32_t day, const std::string& flags, int32_t seconds = 100,
                PuzzleSettings settings = USUAL)
{
    static uint64_t nextId = 1;
    GameRecord game;
    game.id = nextId++;
    game.startedAt = startedAt;
    game.localDay = day;
    game.playedSeconds = seconds;
    game.settings = settings;
    game.daily = flags.find('d') != std::string::npos;
    game.ironman = flags.find('i') != std::string::npos;
    game.cleared = flags.find('c') != std::string::npos;
    game.helped = flags.find('h') != std::string::npos;
    return game;
}

StatisticsLine Line(PuzzleSettings settings, int32_t started, int32_t cleared, int32_t unhelped,
                    int32_t ironman, int32_t currentRun, int32_t bestRun, int32_t fastest)
{
    StatisticsLine line;
    line.settings = settings;
    line.started = started;
    line.cleared = cleared;
    line.clearedUnhelped = unhelped;
    line.ironmanCleared = ironman;
    line.currentRun = currentRun;
    line.bestRun = bestRun;
    line.fastestSeconds = fastest;
    return line;
}

StatisticsLine DailyLine(int32_t started, int32_t cleared, int32_t currentRun, int32_t bestRun,
                         int32_t daysInRow, int32_t fastest)
{
    StatisticsLine line = Line(PuzzleSettings{}, started, cleared, cleared, 0, currentRun, bestRun,
                               fastest);
    line.daily = true;
    line.dailyDaysInRow = daysInRow;
    return line;
}

}  // namespace

TEST(GameStatistics, LinesCountRunsFastestAndHelpAndPutTodaysPuzzlesFirst)
{
    struct Case {
        const char* what;
        int32_t today;
        std::vector<GameRecord> games;
        std::vector<StatisticsLine> lines;
    };
    const Case cases[] = {
        {"nothing played", 20260601, {}, {}},
        // Recorded out of order: the runs follow the starts, C C - C C C.
        {"runs in the order games were started", 20260601,
         {Game(50, 20260601, "c"), Game(10, 20260601, "c"), Game(30, 20260601, "-"),
          Game(20, 20260601, "c"), Game(40, 20260601, "c"), Game(60, 20260601, "c")},
         {Line(USUAL, 6, 5, 5, 0, 3, 3, 100)}},
        {"a game not cleared ends the current run", 20260601,
         {Game(10, 20260601, "c"), Game(20, 20260601, "c"), Game(30, 20260601, "-")},
         {Line(USUAL, 3, 2, 2, 0, 0, 2, 100)}},
        {"the fastest clear, not the fastest game", 20260601,
         {Game(10, 20260601, "c", 300), Game(20, 20260601, "-", 5), Game(30, 20260601, "ch", 90),
          Game(40, 20260601, "c", 200)},
         {Line(USUAL, 4, 3, 2, 0, 2, 2, 90)}},
        {"help and ironman counted among the cleared only", 20260601,
         {Game(10, 20260601, "ich"), Game(20, 20260601, "ih"), Game(30, 20260601, "ic"),
          Game(40, 20260601, "h")},
         {Line(USUAL, 4, 2, 1, 2, 0, 1, 100)}},
        {"nothing cleared", 20260601, {Game(10, 20260601, "-")},
         {Line(USUAL, 1, 0, 0, 0, 0, 0, -1)}},
        // Small played twice, the usual once and daily once: daily first, then
        // the most played; daily games counted on their own line only.
        {"today's puzzles first, then the most played", 20260601,
         {Game(10, 20260601, "c", 100, USUAL), Game(20, 20260601, "c", 50, SMALL),
          Game(30, 20260601, "dc", 70, SMALL), Game(40, 20260601, "-", 100, SMALL)},
         {DailyLine(1, 1, 1, 1, 1, 70), Line(SMALL, 2, 1, 1, 0, 0, 1, 50),
          Line(USUAL, 1, 1, 1, 0, 1, 1, 100)}},
        {"equal counts in the settings' order", 20260601,
         {Game(10, 20260601, "c", 100, USUAL), Game(20, 20260601, "c", 100, SMALL)},
         {Line(SMALL, 1, 1, 1, 0, 1, 1, 100), Line(USUAL, 1, 1, 1, 0, 1, 1, 100)}},
        // 2026 is no leap year: the 28th of February is the day before March.
        {"days in a row across the end of a month", 20260301,
         {Game(10, 20260226, "dc"), Game(20, 20260227, "dc"), Game(30, 20260228, "dc"),
          Game(40, 20260301, "dc")},
         {DailyLine(4, 4, 4, 4, 4, 100)}},
        {"today's puzzle still to clear: the days up to yesterday", 20260301,
         {Game(20, 20260227, "dc"), Game(30, 20260228, "dc"), Game(40, 20260301, "d")},
         {DailyLine(3, 2, 0, 2, 2, 100)}},
        {"a leap day in the row", 20240301,
         {Game(10, 20240228, "dc"), Game(20, 20240229, "dc"), Game(30, 20240301, "dc")},
         {DailyLine(3, 3, 3, 3, 3, 100)}},
        {"days in a row across the new year", 20270101,
         {Game(10, 20261230, "dc"), Game(20, 20261231, "dc"), Game(30, 20270101, "dc")},
         {DailyLine(3, 3, 3, 3, 3, 100)}},
        {"a day missed ends the days in a row", 20260601,
         {Game(10, 20260529, "dc"), Game(20, 20260531, "dc"), Game(30, 20260601, "dc")},
         {DailyLine(3, 3, 3, 3, 2, 100)}},
        {"nothing since the day before yesterday", 20260601,
         {Game(10, 20260529, "dc"), Game(20, 20260530, "dc")}, {DailyLine(2, 2, 2, 2, 0, 100)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(SummariseGames(c.games, c.today).lines, c.lines);
    }
}

TEST(GameStatistics, TheChartShowsThirtyDaysEndingTodayAcrossMonths)
{
    const std::vector<GameRecord> games = {
        Game(10, 20260130, "c"),  // a day before the chart
        Game(20, 20260131, "c"),  Game(30, 20260131, "-"), Game(40, 20260215, "dc"),
        Game(50, 20260301, "-"),  Game(60, 20260302, "c"),  // after today: not shown
    };
    const StatisticsSummary summary = SummariseGames(games, 20260301);
    ASSERT_EQ(summary.lastDays.size(), 30u);
    EXPECT_EQ(summary.lastDays.front(), (StatisticsDay{20260131, 2, 1}));
    EXPECT_EQ(summary.lastDays[1], (StatisticsDay{20260201, 0, 0}));
    EXPECT_EQ(summary.lastDays[15], (StatisticsDay{20260215, 1, 1}));
    EXPECT_EQ(summary.lastDays[28], (StatisticsDay{20260228, 0, 0}));
    EXPECT_EQ(summary.lastDays.back(), (StatisticsDay{20260301, 1, 0}));
    int started = 0;
    for (const StatisticsDay& day : summary.lastDays) {
        started += day.started;
    }
    EXPECT_EQ(started, 4);
}
