// A child of the crash-safety test: saves a game to a file over and over, as
// fast as it can, until it has saved COUNT times or is killed.
#include "engine/puzzle.h"
#include "engine/random.h"
#include "engine/state_file.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

// The state a seed stands for: odd seeds a wide board and a long file, even
// ones a small board and a short file, so that a torn file shows.
struct SavedState {
    MainWindowRecord main;
    MusicRecord music;
    Puzzle puzzle;
};

void MakeState(uint32_t seed, SavedState& state)
{
    SeedRandom(seed);
    state.puzzle.settings = seed % 2 != 0 ? PuzzleSettings{30, 10, 10, 2, 18}
                                          : PuzzleSettings{6, 2, 2, 2, 2};
    state.puzzle.NewGame();
    state.main.settings = state.puzzle.settings;
    state.main.blockColours.fill(seed);
    state.music.musicFolder = "seed " + std::to_string(seed);
}

}  // namespace

// Usage: state_file_save_loop PATH FIRST_SEED SECOND_SEED COUNT
// Saves the two states in turn, the second first; COUNT 0 means for ever.
// Writes one byte to standard output when it starts saving. Exits 1 at the
// first save that fails, saying why on standard error.
int main(int argc, char** argv)
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s PATH FIRST_SEED SECOND_SEED COUNT\n", argv[0]);
        return 2;
    }
    const std::string path = argv[1];
    static SavedState states[2];
    MakeState(static_cast<uint32_t>(std::strtoul(argv[2], nullptr, 10)), states[0]);
    MakeState(static_cast<uint32_t>(std::strtoul(argv[3], nullptr, 10)), states[1]);
    const long count = std::strtol(argv[4], nullptr, 10);
    if (::write(STDOUT_FILENO, "s", 1) != 1) {
        return 2;
    }
    for (long i = 0; count == 0 || i < count; ++i) {
        const SavedState& state = states[(i + 1) % 2];
        std::string report;
        if (!SaveStateFile(path, state.main, state.music, state.puzzle, &report)) {
            std::fprintf(stderr, "%s\n", report.c_str());
            return 1;
        }
    }
    return 0;
}
