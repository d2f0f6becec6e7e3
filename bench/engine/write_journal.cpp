// Writes a record of many games, for timing the statistics window on it and
// for measuring the reader's memory.
#include "sample_journal.h"

#include <cstdio>
#include <cstdlib>
#include <string>

// Usage: write_journal PATH [GAMES [TODAY [RECORDS_PER_GAME]]]
// GAMES defaults to 100000, TODAY (YYYYMMDD) to 20261209, RECORDS_PER_GAME
// to 1 (2: each game's first record too, as before any folding).
int main(int argc, char** argv)
{
    if (argc < 2 || argc > 5) {
        std::fprintf(stderr, "usage: %s PATH [GAMES [TODAY [RECORDS_PER_GAME]]]\n", argv[0]);
        return 2;
    }
    const int games = argc > 2 ? std::atoi(argv[2]) : 100000;
    const int32_t today = argc > 3 ? std::atoi(argv[3]) : 20261209;
    const int records = argc > 4 ? std::atoi(argv[4]) : 1;
    if (!WriteSampleJournal(argv[1], games, today, records)) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
