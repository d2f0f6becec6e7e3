// How long a new game, a move with its undo, and reading a saved game take on
// the smallest, default and largest boards the play options offer.
#include "engine/generator.h"
#include "engine/puzzle.h"
#include "engine/random.h"
#include "engine/state_file.h"

#include <benchmark/benchmark.h>

namespace {

const PuzzleSettings BOARDS[] = {
    {6, 2, 2, 2, 2},     // smallest
    {12, 3, 5, 3, 3},    // default
    {30, 10, 10, 2, 18}, // largest, widest moves
    {30, 10, 10, 2, 2},  // largest, most moves
};

const PuzzleSettings& Board(const benchmark::State& state)
{
    return BOARDS[state.range(0)];
}

void NewGame(benchmark::State& state)
{
    SeedRandom(1);
    RowSet rows;
    MoveList solution;
    for (auto _ : state) {
        Generate(rows, Board(state), solution);
        benchmark::DoNotOptimize(solution);
    }
}
BENCHMARK(NewGame)->DenseRange(0, 3);

// The first move of the stored solution and its undo, as a player clicks them.
void MoveAndUndo(benchmark::State& state)
{
    SeedRandom(1);
    Puzzle puzzle;
    puzzle.NewGame(Board(state));
    MoveList move;
    for (auto entry = std::next(puzzle.Solution().begin()); entry->IsBlock(); ++entry) {
        move.push_back(*entry);
    }
    for (auto _ : state) {
        puzzle.ApplyMove(move);
        benchmark::DoNotOptimize(puzzle.Undo());
    }
}
BENCHMARK(MoveAndUndo)->DenseRange(0, 3);

// Start-up reads the file with every check: rebuild and replay of the solution.
void ReadSavedGame(benchmark::State& state)
{
    SeedRandom(1);
    Puzzle saved;
    saved.NewGame(Board(state));
    const auto bytes = SerializeStateFile(MainWindowRecord{}, MusicRecord{}, saved);
    MainWindowRecord main;
    MusicRecord music;
    Puzzle puzzle = saved;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ParseStateFile(bytes, main, music, puzzle));
    }
}
BENCHMARK(ReadSavedGame)->DenseRange(0, 3);

}  // namespace

BENCHMARK_MAIN();
