// How long a new game, a move with its undo, and reading a saved game take on
// the smallest, default and largest boards the play options offer; and how
// long the statistics of 100,000 games take to read and reckon.
#include "engine/game_journal.h"
#include "engine/game_statistics.h"
#include "engine/generator.h"
#include "engine/puzzle.h"
#include "engine/random.h"
#include "engine/state_file.h"

#include "sample_journal.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <unistd.h>

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

constexpr int32_t TODAY = 20261209;

// What opening the statistics window reckons: the file read from the disk
// (from the page cache, after the first time), its records parsed and
// summarised. Argument: the records of each game (2: a file never folded).
void ReadAndSummariseGames(benchmark::State& state)
{
    constexpr int GAMES = 100'000;
    const std::string path = "/tmp/kolumo-bench-" + std::to_string(::getpid()) + ".log";
    if (!WriteSampleJournal(path, GAMES, TODAY, static_cast<int>(state.range(0)))) {
        state.SkipWithError("cannot write the sample journal");
        return;
    }
    std::size_t games = 0;
    for (auto _ : state) {
        const JournalContents contents = ReadJournal(path);
        games = contents.games.size();
        benchmark::DoNotOptimize(SummariseGames(contents.games, TODAY));
    }
    std::FILE* file = std::fopen(path.c_str(), "rb");
    long bytes = -1;
    if (file != nullptr && std::fseek(file, 0, SEEK_END) == 0) {
        bytes = std::ftell(file);
    }
    if (file != nullptr) {
        std::fclose(file);
    }
    std::remove(path.c_str());
    state.counters["games"] = static_cast<double>(games);
    state.counters["file_MB"] = static_cast<double>(bytes) / 1e6;
}
BENCHMARK(ReadAndSummariseGames)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// The summary alone, on records already read.
void SummariseGamesOnly(benchmark::State& state)
{
    const JournalContents contents = ParseJournal(SampleJournal(100'000, TODAY));
    for (auto _ : state) {
        benchmark::DoNotOptimize(SummariseGames(contents.games, TODAY));
    }
}
BENCHMARK(SummariseGamesOnly)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
