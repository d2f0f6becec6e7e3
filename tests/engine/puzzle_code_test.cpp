// Puzzle codes: the boards known codes give, codes read as players type
// them, codes refused with their reasons, and the day's puzzle.
#include "engine/puzzle.h"
#include "engine/puzzle_code.h"
#include "engine/random.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// FNV-1a over every row's blocks, each row closed by a marker, so a block
// moved between rows changes it too.
uint32_t BoardDigest(const Puzzle& puzzle)
{
    uint32_t hash = 2166136261u;
    const auto mix = [&hash](uint32_t value) {
        hash ^= value;
        hash *= 16777619u;
    };
    for (int r = 0; r < puzzle.Settings().rowCount; ++r) {
        for (const int32_t block : puzzle.InitialRows()[r])
            mix(static_cast<uint32_t>(block) + 1);
        mix(0xFF);
    }
    return hash;
}

struct KnownCode {
    const char* code;
    PuzzleSettings settings;
    uint32_t seed;
    BlockRow firstRow;
    uint32_t digest;
};

// A change of the generator, the random source or the code's layout shows
// here: a code once given out must give the same board for ever.
const KnownCode KNOWN_CODES[] = {
    {"A7D4-G000-C1ST", {12, 3, 5, 3, 3}, 12345, {2, 2, 0, 2, 4, 3, 1, 2, 3, 4, 2, 2}, 4206737396u},
    {"A000-0000-000C", {6, 2, 2, 2, 2}, 0, {0, 1, 1, 0, 1, 0}, 2589938771u},
    {"AYJY-QZZZ-ZZZ2", {30, 10, 10, 15, 18}, 0xFFFFFFFFu,
     {7, 8, 4, 6, 6, 6, 6, 2, 5, 5, 9, 2, 8, 3, 1, 1, 2, 3, 2, 7, 9, 5, 5, 2, 6, 6, 6, 4, 8, 7},
     3583798314u},
    // The day's puzzle of 9 December 2026.
    {"AA1Q-Y3NR-BC7P", {14, 4, 6, 3, 4}, 2270965127u, {4, 0, 2, 3, 4, 3, 3, 4, 0, 0, 2, 3, 2, 0},
     758327803u},
};

}  // namespace

TEST(PuzzleCode, KnownCodesGiveTheirBoards)
{
    SeedRandom(1);
    Puzzle puzzle;
    for (const KnownCode& known : KNOWN_CODES) {
        SCOPED_TRACE(known.code);
        EXPECT_EQ(EncodePuzzleCode(known.settings, known.seed), known.code);
        const PuzzleCodeRead read = ReadPuzzleCode(known.code);
        ASSERT_EQ(read.problem, PuzzleCodeProblem::NONE);
        EXPECT_EQ(read.settings, known.settings);
        EXPECT_EQ(read.seed, known.seed);
        puzzle.NewGame(read.settings, read.seed);
        EXPECT_EQ(puzzle.InitialRows()[0], known.firstRow);
        EXPECT_EQ(BoardDigest(puzzle), known.digest);
        EXPECT_EQ(puzzle.Seed(), known.seed);
    }
}

// A new game's code names the very board it got: its seed is the shared
// source's state when it began.
TEST(PuzzleCode, ANewGamesCodeGivesItsBoardAgain)
{
    SeedRandom(777);
    Puzzle puzzle;
    puzzle.NewGame({16, 5, 7, 2, 5});
    const RowSet first = puzzle.InitialRows();
    const PuzzleCodeRead read = ReadPuzzleCode(EncodePuzzleCode(puzzle.Settings(), *puzzle.Seed()));
    ASSERT_EQ(read.problem, PuzzleCodeProblem::NONE);
    puzzle.NewGame(read.settings, read.seed);
    EXPECT_EQ(puzzle.InitialRows(), first);
    // A board from elsewhere has no seed, so no code.
    puzzle.Start(puzzle.Settings(), first, {});
    EXPECT_FALSE(puzzle.Seed().has_value());
}

TEST(PuzzleCode, ReadsCodesAsPlayersTypeThem)
{
    for (const char* typed : {"A7D4-G000-C1ST", "a7d4-g000-c1st", "A7D4G000C1ST", " A7D4 G000 C1ST ",
                              "A7D4-GOOO-C1ST", "a7d4 - g000c1st\t\r\n", "A-7-D-4-G-0-0-0-C-1-S-T"}) {
        SCOPED_TRACE(typed);
        const PuzzleCodeRead read = ReadPuzzleCode(typed);
        EXPECT_EQ(read.problem, PuzzleCodeProblem::NONE);
        EXPECT_EQ(read.seed, 12345u);
        EXPECT_EQ(read.settings, PuzzleSettings{});
    }
    // I and L read as 1.
    EXPECT_EQ(ReadPuzzleCode("A7D4-G000-CIST").seed, 12345u);
    EXPECT_EQ(ReadPuzzleCode("A7D4-G000-CLST").seed, 12345u);
}

TEST(PuzzleCode, RefusesCodesItCannotRead)
{
    using enum PuzzleCodeProblem;
    const struct {
        const char* typed;
        PuzzleCodeProblem problem;
        char character;
        int length;
    } refused[] = {
        {"A7D4-G000-C1SV", MISTYPED, 0, 0},
        {"A7D4-G000-C2ST", MISTYPED, 0, 0},
        {"A7D4-G000-1CST", MISTYPED, 0, 0},
        {"7AD4-G000-C1ST", MISTYPED, 0, 0},
        {"A7D4-G000-C1S", WRONG_LENGTH, 0, 11},
        {"A7D4-G000-C1ST0", WRONG_LENGTH, 0, 13},
        {"", WRONG_LENGTH, 0, 0},
        {"A7D4-G00U-C1ST", FOREIGN_CHARACTER, 'U', 0},
        {"A7D4_G000-C1ST", FOREIGN_CHARACTER, '_', 0},
        {"A7D4-G000-C1S\xC3\x9F", NOT_LETTERS_DIGITS, 0, 0},
        {"B7D4-G000-C1SR", OTHER_VERSION, 0, 0},
        // Past the last set of play options, and fewest above most.
        {"AYJY-R000-000T", OPTIONS_NOT_OFFERED, 0, 0},
        {"AZZZ-ZZZZ-ZZZP", OPTIONS_NOT_OFFERED, 0, 0},
        {"A7D6-M000-007E", OPTIONS_NOT_OFFERED, 0, 0},
    };
    for (const auto& row : refused) {
        SCOPED_TRACE(row.typed);
        const PuzzleCodeRead read = ReadPuzzleCode(row.typed);
        EXPECT_EQ(read.problem, row.problem);
        EXPECT_EQ(read.character, row.character);
        EXPECT_EQ(read.length, row.length);
        EXPECT_EQ(read.settings, PuzzleSettings{});
        EXPECT_EQ(read.seed, 0u);
    }
}

TEST(PuzzleCode, SettingsOutsideThePlayOptionsHaveNoCode)
{
    for (const PuzzleSettings& settings :
         {PuzzleSettings{7, 3, 5, 3, 3}, PuzzleSettings{32, 3, 5, 3, 3}, PuzzleSettings{12, 1, 5, 3, 3},
          PuzzleSettings{12, 11, 5, 3, 3}, PuzzleSettings{12, 3, 1, 3, 3}, PuzzleSettings{12, 3, 5, 1, 3},
          PuzzleSettings{12, 3, 5, 3, 19}, PuzzleSettings{12, 3, 5, 4, 3}}) {
        EXPECT_FALSE(SettingsHaveCode(settings));
        EXPECT_EQ(EncodePuzzleCode(settings, 1), "");
    }
}

TEST(PuzzleCode, TheDaysPuzzleDependsOnTheDateAlone)
{
    EXPECT_EQ(EncodePuzzleCode(DailySettings(), DailySeed(2026, 12, 9)), "AA1Q-Y3NR-BC7P");
    EXPECT_EQ(DailySeed(2026, 12, 9), DailySeed(2026, 12, 9));
    EXPECT_NE(DailySeed(2026, 12, 9), DailySeed(2026, 12, 10));
    EXPECT_NE(DailySeed(2026, 12, 9), DailySeed(2026, 11, 9));
    EXPECT_NE(DailySeed(2026, 12, 9), DailySeed(2025, 12, 9));
    SeedRandom(1);
    Puzzle today;
    today.NewGame(DailySettings(), DailySeed(2026, 12, 9));
    Puzzle tomorrow;
    tomorrow.NewGame(DailySettings(), DailySeed(2026, 12, 10));
    EXPECT_NE(today.InitialRows(), tomorrow.InitialRows());
    EXPECT_TRUE(SettingsHaveCode(DailySettings()));
}
