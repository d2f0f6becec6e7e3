// Reads and summarises a record of games once, as the statistics window
// does, and says what it found: run under /usr/bin/time -v for the memory.
#include "engine/game_journal.h"
#include "engine/game_statistics.h"

#include <cstdio>
#include <cstdlib>

// Usage: read_journal PATH [TODAY]   (TODAY as YYYYMMDD, default 20261209)
int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s PATH [TODAY]\n", argv[0]);
        return 2;
    }
    const JournalContents contents = ReadJournal(argv[1]);
    if (!contents.report.empty()) {
        std::fprintf(stderr, "%s\n", contents.report.c_str());
    }
    const StatisticsSummary summary =
        SummariseGames(contents.games, argc > 2 ? std::atoi(argv[2]) : 20261209);
    std::printf("%zu games, %d skipped, %zu lines of statistics\n", contents.games.size(),
                contents.skipped, summary.lines.size());
    return contents.state == JournalRead::Unreadable ? 1 : 0;
}
