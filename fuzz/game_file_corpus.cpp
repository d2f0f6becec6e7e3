// Writes the saved moves fuzzer's seed corpus: games of start-up's puzzle
// with no moves, one and several, one whose seed is not known, and one of
// another puzzle.
#include "corpus_file.h"
#include "engine/game_file.h"
#include "engine/puzzle.h"
#include "engine/random.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

bool WriteSample(const std::string& folder, const char* name, const Puzzle& puzzle)
{
    const std::vector<uint8_t> bytes = SerializeGameFile(puzzle);
    return WriteCorpusFile(folder, name,
                           std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

// The first `count` moves of the puzzle's solution, played.
void PlaySolution(Puzzle& puzzle, int count)
{
    MoveList move;
    for (const BlockRef& entry : puzzle.Solution()) {
        if (count == 0) {
            return;
        }
        if (entry.IsBlock()) {
            move.push_back(entry);
        } else if (entry.IsMoveMarker()) {
            puzzle.ApplyMove(move);
            move.clear();
            --count;
        }
    }
}

}  // namespace

int main(int argc, char** argv)
{
    const char* folder = CorpusFolder(argc, argv);
    if (folder == nullptr) {
        return 2;
    }
    SeedRandom(1);
    const Puzzle start;
    const struct {
        const char* name;
        int moves;
    } samples[] = {{"no-moves.sav", 0}, {"one-move.sav", 1}, {"three-moves.sav", 3},
                   {"six-moves.sav", 6}};
    for (const auto& sample : samples) {
        Puzzle puzzle = start;
        PlaySolution(puzzle, sample.moves);
        if (!WriteSample(folder, sample.name, puzzle)) {
            return 1;
        }
    }
    Puzzle seedless = start;
    seedless.Start(start.Settings(), start.InitialRows(), start.Solution());
    PlaySolution(seedless, 2);
    if (!WriteSample(folder, "no-seed.sav", seedless)) {
        return 1;
    }
    Puzzle other;
    other.NewGame({8, 4, 4, 2, 4});
    PlaySolution(other, 2);
    return WriteSample(folder, "other-puzzle.sav", other) ? 0 : 1;
}
