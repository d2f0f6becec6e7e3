// The statistics window's table and chart, reckoned afresh from the records.
#include "engine/game_statistics.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <map>
#include <set>

namespace {

using std::chrono::sys_days;

constexpr int LAST_DAYS = 30;

std::chrono::year_month_day DateOf(int32_t yyyymmdd)
{
    using namespace std::chrono;
    return {year(yyyymmdd / 10000), month(static_cast<unsigned>(yyyymmdd / 100 % 100)),
            day(static_cast<unsigned>(yyyymmdd % 100))};
}

int32_t NumberOf(const std::chrono::year_month_day& date)
{
    return static_cast<int32_t>(date.year()) * 10000
         + static_cast<int32_t>(static_cast<unsigned>(date.month())) * 100
         + static_cast<int32_t>(static_cast<unsigned>(date.day()));
}

std::array<int32_t, 5> KeyOf(const PuzzleSettings& settings)
{
    return {settings.rowWidth, settings.rowCount, settings.colourCount, settings.minRemove,
            settings.maxRemove};
}

// The days in a row, back from today (or from yesterday while today's puzzle
// is still to be cleared), with a daily game cleared.
int32_t DaysInRow(const std::vector<const GameRecord*>& games, int32_t today)
{
    std::set<int32_t> clearedDays;
    for (const GameRecord* game : games) {
        if (game->cleared) {
            clearedDays.insert(game->localDay);
        }
    }
    const auto todayDate = DateOf(today);
    if (!todayDate.ok()) {
        return 0;
    }
    sys_days day = sys_days(todayDate);
    if (clearedDays.count(today) == 0) {
        day -= std::chrono::days(1);
    }
    int32_t run = 0;
    while (clearedDays.count(NumberOf(std::chrono::year_month_day(day))) != 0) {
        ++run;
        day -= std::chrono::days(1);
    }
    return run;
}

// One line from its games, given in the order they were first recorded.
StatisticsLine LineOf(std::vector<const GameRecord*> games, bool daily, int32_t today)
{
    StatisticsLine line;
    line.daily = daily;
    if (!daily) {
        line.settings = games.front()->settings;
    }
    // A run follows the order games were started; games started in the same
    // second keep the order they were recorded in.
    const auto byStart = [](const GameRecord* a, const GameRecord* b) {
        return a->startedAt < b->startedAt;
    };
    if (!std::is_sorted(games.begin(), games.end(), byStart)) {
        std::stable_sort(games.begin(), games.end(), byStart);
    }
    int32_t run = 0;
    for (const GameRecord* game : games) {
        ++line.started;
        if (!game->cleared) {
            run = 0;
            continue;
        }
        ++line.cleared;
        line.clearedUnhelped += game->helped ? 0 : 1;
        line.ironmanCleared += game->ironman ? 1 : 0;
        line.bestRun = std::max(line.bestRun, ++run);
        if (line.fastestSeconds < 0 || game->playedSeconds < line.fastestSeconds) {
            line.fastestSeconds = game->playedSeconds;
        }
    }
    line.currentRun = run;
    if (daily) {
        line.dailyDaysInRow = DaysInRow(games, today);
    }
    return line;
}

std::vector<StatisticsDay> LastDays(const std::vector<GameRecord>& games, int32_t today)
{
    std::vector<StatisticsDay> days(LAST_DAYS);
    const auto todayDate = DateOf(today);
    if (!todayDate.ok()) {
        return days;
    }
    const sys_days last = sys_days(todayDate);
    const sys_days first = last - std::chrono::days(LAST_DAYS - 1);
    for (int i = 0; i < LAST_DAYS; ++i) {
        days[static_cast<std::size_t>(i)].localDay =
            NumberOf(std::chrono::year_month_day(first + std::chrono::days(i)));
    }
    // The thirty days' numbers are increasing, so a day finds its bar by search.
    for (const GameRecord& game : games) {
        const auto bar = std::lower_bound(
            days.begin(), days.end(), game.localDay,
            [](const StatisticsDay& day, int32_t number) { return day.localDay < number; });
        if (bar != days.end() && bar->localDay == game.localDay) {
            ++bar->started;
            bar->cleared += game.cleared ? 1 : 0;
        }
    }
    return days;
}

}  // namespace

StatisticsSummary SummariseGames(const std::vector<GameRecord>& games, int32_t today)
{
    std::vector<const GameRecord*> daily;
    std::map<std::array<int32_t, 5>, std::vector<const GameRecord*>> bySettings;
    for (const GameRecord& game : games) {
        if (game.daily) {
            daily.push_back(&game);
        } else {
            bySettings[KeyOf(game.settings)].push_back(&game);
        }
    }
    StatisticsSummary summary;
    for (const auto& entry : bySettings) {
        summary.lines.push_back(LineOf(entry.second, false, today));
    }
    // Most played first; equal counts keep the settings' order, so the table
    // does not shuffle between two openings.
    std::stable_sort(summary.lines.begin(), summary.lines.end(),
                     [](const StatisticsLine& a, const StatisticsLine& b) {
                         return a.started > b.started;
                     });
    if (!daily.empty()) {
        summary.lines.insert(summary.lines.begin(), LineOf(std::move(daily), true, today));
    }
    summary.lastDays = LastDays(games, today);
    return summary;
}
