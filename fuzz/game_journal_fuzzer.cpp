// Feeds arbitrary bytes to the record of games' reader as a whole file: it
// must never crash, must keep one game per id, must take a line only in the
// very spelling the game writes, and what it takes must write and read back
// unchanged, fold to the same games and summarise without surprises.
#include "engine/crc32.h"
#include "engine/game_journal.h"
#include "engine/game_statistics.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <unordered_set>

namespace {

// The line with its checksum (whatever follows the last space) made right.
std::string WithChecksum(std::string_view line)
{
    if (!line.empty() && line.back() == '\n') {
        line.remove_suffix(1);
    }
    const std::size_t space = line.rfind(' ');
    std::string fixed(line.substr(0, space == std::string_view::npos ? line.size() : space));
    char checksum[16];
    std::snprintf(checksum, sizeof checksum, " %08x\n", Crc32(fixed));
    return fixed + checksum;
}

// A line taken is one the game would write, byte for byte.
void CheckLine(std::string_view line)
{
    GameRecord record;
    if (ParseJournalLine(line, record) && FormatJournalLine(record) != line) {
        __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const JournalContents contents = ParseJournal(bytes);
    std::size_t pieces = 0;
    for (std::size_t start = 0; start < bytes.size(); ++pieces) {
        const std::size_t newline = bytes.find('\n', start);
        const std::size_t end = newline == std::string_view::npos ? bytes.size() : newline + 1;
        const std::string_view line = bytes.substr(start, end - start);
        CheckLine(line);
        CheckLine(WithChecksum(line));
        start = end;
    }
    // A line holding records glued together counts once for each of them.
    for (std::size_t mark = bytes.find("K1 "); mark != std::string_view::npos;
         mark = bytes.find("K1 ", mark + 1)) {
        ++pieces;
    }
    if (contents.state != JournalRead::Read || contents.skipped < 0
        || contents.games.size() + static_cast<std::size_t>(contents.skipped) > pieces
        || !contents.report.Empty()) {
        __builtin_trap();
    }
    std::unordered_set<uint64_t> ids;
    std::string again;
    for (const GameRecord& game : contents.games) {
        const std::chrono::year_month_day day{
            std::chrono::year(game.localDay / 10000),
            std::chrono::month(static_cast<unsigned>(game.localDay / 100 % 100)),
            std::chrono::day(static_cast<unsigned>(game.localDay % 100))};
        if (game.id == 0 || !ids.insert(game.id).second || !game.settings.WithinEngineLimits()
            || (!game.seedKnown && game.seed != 0) || game.localDay <= 0 || !day.ok()
            || game.playedSeconds < 0) {
            __builtin_trap();
        }
        again += FormatJournalLine(game);
    }
    const JournalContents reread = ParseJournal(again);
    if (reread.games != contents.games || reread.skipped != 0) {
        __builtin_trap();
    }
    // Folded, the bytes read as they would once a newline ends them.
    std::string folded;
    if (FoldedJournal(bytes, folded)) {
        std::string mended(bytes);
        if (!mended.empty() && mended.back() != '\n') {
            mended += '\n';
        }
        const JournalContents unfolded = ParseJournal(mended);
        const JournalContents refolded = ParseJournal(folded);
        if (refolded.games != unfolded.games || refolded.skipped != unfolded.skipped
            || folded.size() > mended.size()) {
            __builtin_trap();
        }
    }
    // The summary of a day the games were played, and of a day that is no date.
    const int32_t today = contents.games.empty() ? 20260101 : contents.games.back().localDay;
    for (const int32_t day : {today, int32_t{20261399}}) {
        const StatisticsSummary summary = SummariseGames(contents.games, day);
        int32_t started = 0;
        for (const StatisticsLine& line : summary.lines) {
            started += line.started;
            if (line.cleared > line.started || line.clearedUnhelped > line.cleared
                || line.ironmanCleared > line.cleared || line.bestRun > line.cleared
                || line.currentRun > line.bestRun || (line.fastestSeconds < 0) != (line.cleared == 0)) {
                __builtin_trap();
            }
        }
        if (started != static_cast<int32_t>(contents.games.size()) || summary.lastDays.size() != 30) {
            __builtin_trap();
        }
    }
    return 0;
}
