// Games drawn from a fixed seed, written as the game writes its records.
#include "sample_journal.h"

#include <chrono>
#include <fstream>
#include <random>

namespace {

const PuzzleSettings OPTION_SETS[] = {
    {12, 3, 5, 3, 3}, {12, 3, 5, 3, 3}, {12, 3, 5, 3, 3}, {16, 4, 6, 3, 4},
    {20, 5, 7, 2, 6}, {6, 2, 2, 2, 2},  {30, 10, 10, 2, 18}, {24, 6, 8, 3, 5},
};

int32_t DayNumber(std::chrono::sys_days day)
{
    const std::chrono::year_month_day date(day);
    return static_cast<int32_t>(date.year()) * 10000
         + static_cast<int32_t>(static_cast<unsigned>(date.month())) * 100
         + static_cast<int32_t>(static_cast<unsigned>(date.day()));
}

}  // namespace

std::string SampleJournal(int games, int32_t today, int recordsPerGame)
{
    using namespace std::chrono;
    const sys_days last = sys_days(year_month_day{year(today / 10000),
                                                  month(static_cast<unsigned>(today / 100 % 100)),
                                                  day(static_cast<unsigned>(today % 100))});
    // About thirty games a day, the last of them today.
    const int64_t lastSecond = duration_cast<seconds>(last.time_since_epoch()).count() + 20 * 3600;
    const int64_t span = static_cast<int64_t>(games) * 2880;
    std::mt19937_64 random(20261209);
    std::string text;
    text.reserve(static_cast<std::size_t>(games) * 80 * static_cast<std::size_t>(recordsPerGame));
    for (int g = 0; g < games; ++g) {
        GameRecord game;
        game.id = random() | 1;
        game.startedAt = lastSecond - span + static_cast<int64_t>(g) * 2880;
        game.localDay = DayNumber(floor<days>(sys_seconds(seconds(game.startedAt))));
        game.daily = random() % 10 == 0;
        game.settings = game.daily ? PuzzleSettings{16, 4, 6, 3, 4} : OPTION_SETS[random() % 8];
        game.ironman = random() % 10 == 0;
        game.seedKnown = random() % 20 != 0;
        game.seed = game.seedKnown ? static_cast<uint32_t>(random()) : 0;
        if (recordsPerGame > 1) {
            text += FormatJournalLine(game);
        }
        game.playedSeconds = 30 + static_cast<int32_t>(random() % 1800);
        game.cleared = random() % 10 < 7;
        game.helped = random() % 10 < 3;
        text += FormatJournalLine(game);
    }
    return text;
}

bool WriteSampleJournal(const std::string& path, int games, int32_t today, int recordsPerGame)
{
    const std::string text = SampleJournal(games, today, recordsPerGame);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    return static_cast<bool>(out.flush());
}
