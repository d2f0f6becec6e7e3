// Feeds arbitrary bytes to the saved moves reader, on start-up's puzzle one
// move in: it must never crash, must take a game whole or leave the one in
// play as it was, must take only a seed that grows the puzzle, and what it
// takes must save and read back unchanged.
#include "engine/game_file.h"
#include "engine/move_rule.h"
#include "engine/puzzle.h"
#include "engine/random.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

// The moves of a history, as ApplyMove takes them.
std::vector<MoveList> MovesOf(const MoveList& history)
{
    std::vector<MoveList> moves;
    for (const BlockRef& entry : history) {
        if (entry.IsMoveMarker()) {
            moves.emplace_back();
        } else if (entry.IsBlock()) {
            moves.back().push_back(entry);
        }
    }
    return moves;
}

// The same puzzle the seed corpus was written for, one solution move in,
// without its seed as when restored from "PREFS.SAV".
const Puzzle& GameInPlay()
{
    static const Puzzle puzzle = [] {
        SeedRandom(1);
        Puzzle game;
        game.Start(game.Settings(), game.InitialRows(), game.Solution());
        MoveList first;
        for (const BlockRef& entry : game.Solution()) {
            if (entry.IsMoveMarker()) {
                break;
            }
            if (entry.IsBlock()) {
                first.push_back(entry);
            }
        }
        game.ApplyMove(first);
        return game;
    }();
    return puzzle;
}

// Every move replays legally from the start to the board shown.
bool IsLegalGame(const Puzzle& puzzle)
{
    Puzzle replay = puzzle;
    replay.Retry();
    for (const MoveList& move : MovesOf(puzzle.History())) {
        if (!IsLegalMove(replay.Rows(), replay.Settings(), move)) {
            return false;
        }
        replay.ApplyMove(move);
    }
    return replay.Rows() == puzzle.Rows();
}

// A seed taken is one that grows exactly this puzzle.
bool SeedMakesPuzzle(const Puzzle& puzzle)
{
    if (!puzzle.Seed().has_value()) {
        return true;
    }
    Puzzle grown = puzzle;
    grown.NewGame(puzzle.Settings(), *puzzle.Seed());
    return grown.InitialRows() == puzzle.InitialRows() && grown.Solution() == puzzle.Solution();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const std::vector<uint8_t> bytes(data, data + size);
    const Puzzle& before = GameInPlay();
    Puzzle puzzle = before;
    const GameFileRead result = ParseGameFile(bytes, puzzle);
    const bool samePuzzle = puzzle.Settings() == before.Settings()
                         && puzzle.InitialRows() == before.InitialRows()
                         && puzzle.Solution() == before.Solution();
    if (!samePuzzle || !IsLegalGame(puzzle) || !SeedMakesPuzzle(puzzle)) {
        __builtin_trap();
    }
    if (result != GameFileRead::Resumed) {
        const bool seedKept = result == GameFileRead::NoMoves || !puzzle.Seed().has_value();
        if (puzzle.History() != before.History() || puzzle.Rows() != before.Rows() || !seedKept) {
            __builtin_trap();
        }
        return 0;
    }
    Puzzle again = before;
    if (ParseGameFile(SerializeGameFile(puzzle), again) != GameFileRead::Resumed
        || again.History() != puzzle.History() || again.Rows() != puzzle.Rows()
        || again.Seed() != puzzle.Seed()) {
        __builtin_trap();
    }
    return 0;
}
