// A child of the crash-safety test: saves two games to a file in turn, as
// fast as it can, until it has saved COUNT times or is killed.
#include "engine/puzzle.h"
#include "engine/random.h"
#include "engine/state_file.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

struct SavedState {
    MainWindowRecord main;
    MusicRecord music;
    Puzzle puzzle;
};

}  // namespace

// Usage: state_file_save_loop PATH FIRST_FILE SECOND_FILE COUNT
// Reads the two files (saved games) and saves what they hold to PATH in
// turn, the second first; COUNT 0 means for ever. Writes one byte to
// standard output when it starts saving. Exits 1 at the first save that
// fails, saying why on standard error.
int main(int argc, char** argv)
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s PATH FIRST_FILE SECOND_FILE COUNT\n", argv[0]);
        return 2;
    }
    const std::string path = argv[1];
    SeedRandom(1);
    static SavedState states[2];
    for (int i = 0; i < 2; ++i) {
        if (LoadStateFile(argv[2 + i], states[i].main, states[i].music, states[i].puzzle)
            != StateReadResult::Read) {
            std::fprintf(stderr, "cannot read %s\n", argv[2 + i]);
            return 2;
        }
    }
    const long count = std::strtol(argv[4], nullptr, 10);
    if (::write(STDOUT_FILENO, "s", 1) != 1) {
        return 2;
    }
    for (long i = 0; count == 0 || i < count; ++i) {
        const SavedState& state = states[(i + 1) % 2];
        FileReport report;
        if (!SaveStateFile(path, state.main, state.music, state.puzzle, &report)) {
            std::fprintf(stderr, "%s\n", EnglishLine(report).c_str());
            return 1;
        }
    }
    return 0;
}
