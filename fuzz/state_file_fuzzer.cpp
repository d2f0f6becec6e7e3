// Feeds arbitrary bytes to the saved state file reader: it must never crash,
// whatever it takes must be a whole, playable puzzle with colour words the
// game would write, and all of it must save and read back unchanged.
#include "engine/puzzle.h"
#include "engine/random.h"
#include "engine/solution_check.h"
#include "engine/state_file.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

// Start-up's puzzle, generated once: copying it is far cheaper than
// generating it again for every input.
const Puzzle& StartUpPuzzle()
{
    static const Puzzle puzzle = [] {
        SeedRandom(1);
        return Puzzle();
    }();
    return puzzle;
}

bool IsWholePlayablePuzzle(const Puzzle& puzzle)
{
    RowSet rebuilt;
    return puzzle.Settings().WithinEngineLimits() && puzzle.History().empty()
        && puzzle.Rows() == puzzle.InitialRows()
        && RebuildCheckedBoard(puzzle.Solution(), puzzle.Settings(), rebuilt)
        && rebuilt == puzzle.Rows();
}

bool ReadsBackUnchanged(const MainWindowRecord& main, const MusicRecord& music,
                        const Puzzle& puzzle)
{
    MainWindowRecord mainBack;
    MusicRecord musicBack;
    Puzzle puzzleBack = StartUpPuzzle();
    ParseStateFile(SerializeStateFile(main, music, puzzle), mainBack, musicBack, puzzleBack);
    return puzzleBack.Settings() == puzzle.Settings() && puzzleBack.Solution() == puzzle.Solution()
        && puzzleBack.Rows() == puzzle.Rows() && musicBack == music && mainBack == main;
}

bool ColourWordsHaveAZeroTopByte(const MainWindowRecord& main)
{
    for (const uint32_t colour : main.blockColours) {
        if (colour > 0x00FFFFFFu) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const std::vector<uint8_t> bytes(data, data + size);
    SeedRandom(1);
    MainWindowRecord main;
    MusicRecord music;
    Puzzle puzzle = StartUpPuzzle();
    ParseStateFile(bytes, main, music, puzzle);
    if (!IsWholePlayablePuzzle(puzzle) || music.musicFolder.find('\0') != std::string::npos
        || !ColourWordsHaveAZeroTopByte(main) || !ReadsBackUnchanged(main, music, puzzle)) {
        __builtin_trap();
    }
    return 0;
}
