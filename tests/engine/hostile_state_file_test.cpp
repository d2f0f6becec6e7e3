// Damaged and hostile saved state files: cut short, extreme values, broken
// solutions and random mutations never crash the reader and never let in a
// puzzle that cannot be played.
#include "engine/state_file.h"

#include "state_file_test_support.h"

#include <gtest/gtest.h>

#include <random>

using namespace engine_test;

namespace {

constexpr int32_t C = COLOUR_TAG;
constexpr int32_t M = MOVE_MARKER;

struct Outcome {
    MainWindowRecord main;
    MusicRecord music;
    Puzzle puzzle;
    PuzzleSettings generatedFor;
    MoveList generatedSolution;
};

std::unique_ptr<Outcome> Parse(const std::vector<uint8_t>& bytes)
{
    SeedRandom(17);
    auto outcome = std::make_unique<Outcome>();
    outcome->generatedFor = outcome->puzzle.Settings();
    outcome->generatedSolution = outcome->puzzle.Solution();
    ParseStateFile(bytes, outcome->main, outcome->music, outcome->puzzle);
    return outcome;
}

bool TookStoredPuzzle(const Outcome& outcome, const MoveList& stored)
{
    return outcome.puzzle.Solution() == stored && outcome.puzzle.Solution() != outcome.generatedSolution;
}

std::vector<uint8_t> ValidFile(uint32_t seed)
{
    const auto all = AllPlayOptions();
    const Puzzle puzzle = GeneratedPuzzle(all[(seed * 15013u) % all.size()], seed);
    return SerializeStateFile(SampleMainRecord(), SampleMusicRecord(), puzzle);
}

// Settings 6 wide, 2 rows, 3 colours, 1 to 2 blocks a move.
const PuzzleSettings SMALL{6, 2, 3, 1, 2};

void ExpectRejected(const MoveList& solution, const char* why)
{
    const auto outcome = Parse(FileWithSolution(SMALL, solution));
    EXPECT_EQ(outcome->puzzle.Settings(), SMALL) << why;
    EXPECT_NE(outcome->puzzle.Solution(), solution) << why;
    EXPECT_TRUE(IsWholePlayablePuzzle(outcome->puzzle)) << why;
}

}  // namespace

TEST(HostileStateFile, AWellFormedSmallSolutionIsAccepted)
{
    const MoveList solution{{C, 1}, {1, 0}, {0, 0}, {M, M}, {C, 2}, {0, 1}, {M, M}};
    const auto outcome = Parse(FileWithSolution(SMALL, solution));
    EXPECT_EQ(outcome->puzzle.Solution(), solution);
    EXPECT_EQ(outcome->puzzle.Rows()[0], (BlockRow{1, 1}));
    EXPECT_EQ(outcome->puzzle.Rows()[1], (BlockRow{2}));
}

TEST(HostileStateFile, BrokenSolutionsAreRejectedWhole)
{
    ExpectRejected({{C, 1}, {0, 2}, {M, M}}, "row at rowCount");
    ExpectRejected({{C, 1}, {0, -1}, {M, M}}, "negative row");
    ExpectRejected({{C, 3}, {0, 0}, {M, M}}, "colour at colourCount");
    ExpectRejected({{C, -1}, {0, 0}, {M, M}}, "negative colour");
    ExpectRejected({{C, 1}, {M, M}}, "group without blocks");
    ExpectRejected({{C, 1}, {0, 0}}, "group without a marker");
    ExpectRejected({{0, 0}, {M, M}}, "group without a colour");
    ExpectRejected({{C, 1}, {0, 0}, {0, 0}, {M, M}}, "block taken twice");
    ExpectRejected({{-998, 1}, {0, 0}, {M, M}}, "unknown tag");
    ExpectRejected({{C, 1}, {0, 0}, {M, 0}, {C, 1}, {0, 1}, {M, M}}, "half a marker");
    ExpectRejected({{C, 1}, {1, 0}, {0, 0}, {0, 1}, {M, M}}, "more than maxRemove");
    ExpectRejected({{C, 1}, {3, 0}, {M, M}}, "block not at a row end");
    ExpectRejected({{C, 1}, {0, 0}, {1, 0}, {M, M}, {C, 2}, {0, 0}, {M, M}},
                   "blocks named where the board does not have them");
    MoveList tooWide;
    for (int i = 0; i < 4; ++i) {
        tooWide.insert(tooWide.end(), {{C, 0}, {1, 0}, {0, 0}, {M, M}});
    }
    ExpectRejected(tooWide, "row longer than rowWidth");
}

TEST(HostileStateFile, TooFewBlocksForTheMinimumIsRejected)
{
    const PuzzleSettings settings{6, 2, 3, 2, 2};
    const MoveList solution{{C, 1}, {0, 0}, {M, M}};
    const auto outcome = Parse(FileWithSolution(settings, solution));
    EXPECT_NE(outcome->puzzle.Solution(), solution);
    EXPECT_TRUE(IsWholePlayablePuzzle(outcome->puzzle));
}

TEST(HostileStateFile, HugeCountsReadNoFurtherAndAllocateNothing)
{
    auto bytes = FileWithSolution(SMALL, {{C, 1}, {0, 0}, {M, M}});
    auto hugeFolder = bytes;
    PutWord(hugeFolder, 91, 0xFFFFFFFFu);
    auto outcome = Parse(hugeFolder);
    EXPECT_EQ(outcome->music, MusicRecord{});
    EXPECT_TRUE(outcome->main.ironman);
    EXPECT_TRUE(IsWholePlayablePuzzle(outcome->puzzle));

    const std::size_t countAt = 95 + 7 + 24;
    for (uint32_t count : {4u, 0x20000000u, 0xFFFFFFFFu}) {
        auto hugeSolution = bytes;
        PutWord(hugeSolution, countAt, count);
        outcome = Parse(hugeSolution);
        EXPECT_EQ(outcome->music, SampleMusicRecord());
        EXPECT_EQ(outcome->puzzle.Settings(), SMALL);
        EXPECT_TRUE(IsWholePlayablePuzzle(outcome->puzzle));
    }
}

TEST(HostileStateFile, CutShortAtEveryByteNeverTakesAHalfRecord)
{
    const Puzzle saved = GeneratedPuzzle({10, 3, 4, 2, 3}, 8);
    const auto bytes = SerializeStateFile(SampleMainRecord(), SampleMusicRecord(), saved);
    const std::size_t musicEnd = 95 + SampleMusicRecord().musicFolder.size();
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        const std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + static_cast<long>(length));
        const auto outcome = Parse(cut);
        ASSERT_TRUE(IsWholePlayablePuzzle(outcome->puzzle)) << "cut at " << length;
        ASSERT_FALSE(TookStoredPuzzle(*outcome, saved.Solution())) << "cut at " << length;
        const bool mainWhole = length >= 83;
        ASSERT_EQ(outcome->main.ironman, mainWhole) << "cut at " << length;
        ASSERT_EQ(outcome->puzzle.Settings(), mainWhole ? saved.Settings() : outcome->generatedFor);
        ASSERT_EQ(outcome->music == SampleMusicRecord(), length >= musicEnd) << "cut at " << length;
    }
    EXPECT_TRUE(TookStoredPuzzle(*Parse(bytes), saved.Solution()));
}

TEST(HostileStateFile, ExtremeValuesInEveryFieldNeverLetInABrokenPuzzle)
{
    const Puzzle saved = GeneratedPuzzle({8, 3, 4, 2, 3}, 30);
    const auto bytes = SerializeStateFile(SampleMainRecord(), SampleMusicRecord(), saved);
    const uint32_t extremes[] = {0u, 1u, 2u, 12u, 13u, 64u, 65u, 0x7FFFFFFFu, 0x80000000u,
                                 0xFFFFFFFFu, static_cast<uint32_t>(COLOUR_TAG),
                                 static_cast<uint32_t>(MOVE_MARKER)};
    for (std::size_t at = 0; at + 4 <= bytes.size(); ++at) {
        for (uint32_t value : extremes) {
            auto changed = bytes;
            PutWord(changed, at, value);
            const auto outcome = Parse(changed);
            ASSERT_TRUE(IsWholePlayablePuzzle(outcome->puzzle)) << "word " << value << " at " << at;
        }
    }
}

TEST(HostileStateFile, RandomMutationsNeverCrashOrLetInABrokenPuzzle)
{
    std::vector<std::vector<uint8_t>> valid;
    for (uint32_t seed = 0; seed < 50; ++seed) {
        valid.push_back(ValidFile(seed));
    }
    std::mt19937 picker(20240601);
    for (uint32_t round = 0; round < 3000; ++round) {
        auto bytes = valid[round % valid.size()];
        const int changes = 1 + static_cast<int>(picker() % 6);
        for (int i = 0; i < changes; ++i) {
            const std::size_t at = picker() % bytes.size();
            switch (picker() % 4) {
            case 0: bytes[at] ^= static_cast<uint8_t>(1u << (picker() % 8)); break;
            case 1: bytes[at] = static_cast<uint8_t>(picker()); break;
            case 2: bytes.erase(bytes.begin() + static_cast<long>(at)); break;
            default: bytes.insert(bytes.begin() + static_cast<long>(at), static_cast<uint8_t>(picker()));
            }
            if (bytes.empty()) {
                break;
            }
        }
        const auto outcome = Parse(bytes);
        ASSERT_TRUE(IsWholePlayablePuzzle(outcome->puzzle)) << "round " << round;
    }
}
