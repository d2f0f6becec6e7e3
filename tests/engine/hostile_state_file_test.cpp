// Damaged and hostile saved state files: cut short, extreme values, broken
// solutions and random mutations never crash the reader and never let in a
// puzzle that cannot be played; nor, for the saved moves, a move that cannot
// be made or half a game.
#include "engine/game_file.h"
#include "engine/state_file.h"

#include "state_file_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
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

void AppendWord(std::vector<uint8_t>& bytes, uint32_t word)
{
    for (int i = 0; i < 4; ++i) {
        bytes.push_back(static_cast<uint8_t>(word >> (8 * i)));
    }
}

// A saved game naming puzzle's start and holding moves, trusted or not.
std::vector<uint8_t> GameFileWith(const Puzzle& puzzle, const std::vector<MoveList>& moves)
{
    auto bytes = SerializeGameFile(puzzle, false);
    bytes.resize(bytes.size() - 4);
    AppendWord(bytes, static_cast<uint32_t>(moves.size()));
    for (const MoveList& move : moves) {
        AppendWord(bytes, static_cast<uint32_t>(move.size()));
        for (const BlockRef& block : move) {
            AppendWord(bytes, static_cast<uint32_t>(block.index));
            AppendWord(bytes, static_cast<uint32_t>(block.row));
        }
    }
    return bytes;
}

// The puzzle a saved game is read onto, one move in: a file that is not
// taken must leave it exactly so.
struct GameInPlay {
    Puzzle puzzle = GeneratedPuzzle({10, 3, 4, 2, 3}, 8);
    std::vector<MoveList> solution;

    GameInPlay()
    {
        for (const Group& group : GroupsOf(puzzle.Solution())) {
            solution.push_back(group.blocks);
        }
        puzzle.ApplyMove(solution[0]);
    }
};

// The history, replayed by the rule from the start, is a run of legal moves
// that gives the board; the puzzle itself is the one in play.
::testing::AssertionResult IsGameOf(const Puzzle& puzzle, const Puzzle& original)
{
    if (puzzle.Settings() != original.Settings() || puzzle.InitialRows() != original.InitialRows()
        || puzzle.Solution() != original.Solution()) {
        return ::testing::AssertionFailure() << "another puzzle";
    }
    // A history entry: marker, blocks, then its colour.
    std::vector<Group> moves;
    for (const BlockRef& entry : puzzle.History()) {
        if (entry.IsMoveMarker()) {
            moves.emplace_back();
        } else if (entry.IsBlock()) {
            moves.back().blocks.push_back(entry);
        } else {
            moves.back().colour = entry.row;
        }
    }
    RowSet rows = puzzle.InitialRows();
    for (const Group& move : moves) {
        auto legal = ObeysRule(rows, puzzle.Settings(), move);
        if (!legal) {
            return legal;
        }
        for (const BlockRef& block : move.blocks) {
            rows[block.row][block.index] = REMOVED_BLOCK;
        }
        for (BlockRow& row : rows) {
            std::erase(row, REMOVED_BLOCK);
        }
    }
    if (rows != puzzle.Rows()) {
        return ::testing::AssertionFailure() << "the board is not the history's";
    }
    return ::testing::AssertionSuccess();
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

// Every way a saved game can fail to be this puzzle's, or to play on it, and
// what the reader says; a file not taken leaves the game in play untouched.
TEST(HostileStateFile, SavedMovesAreTakenWholeOnTheirOwnPuzzleOrNotAtAll)
{
    const GameInPlay game;
    const auto& s = game.solution;
    const Puzzle& start = game.puzzle;
    const auto valid = GameFileWith(start, {s[0], s[1]});
    const auto changed = [&](std::size_t at, uint32_t word) {
        auto bytes = valid;
        PutWord(bytes, at, word);
        return bytes;
    };
    const std::size_t movesAt = valid.size() - 4 - 2 * 4 - 8 * (s[0].size() + s[1].size());
    const std::size_t firstBlockAt = movesAt + 8;
    const auto withFirstMove = [&](const MoveList& move) { return GameFileWith(start, {move, s[1]}); };
    MoveList twice = s[0];
    twice.push_back(s[0].front());
    MoveList tooFew{s[0].front()};
    // A block with others on both sides, in a row the first move leaves alone.
    int32_t otherRow = 0;
    while (otherRow == s[0].front().row || start.InitialRows()[otherRow].size() < 3) {
        ++otherRow;
    }
    const int32_t middle = static_cast<int32_t>(start.InitialRows()[otherRow].size() / 2);
    std::vector<MoveList> everyMove = s;
    Puzzle other = GeneratedPuzzle({10, 3, 4, 2, 3}, 9);
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
        GameFileRead result;
        std::string reason;
    };
    const Case cases[] = {
        {"two moves", valid, GameFileRead::Resumed, ""},
        {"as written with two moves", [&] {
             Puzzle played = start;
             played.ApplyMove(s[1]);
             return SerializeGameFile(played);
         }(), GameFileRead::Resumed, ""},
        {"no moves", GameFileWith(start, {}), GameFileRead::NoMoves, ""},
        {"as written for a finished board", [&] {
             Puzzle played = start;
             for (std::size_t m = 1; m < s.size(); ++m) {
                 played.ApplyMove(s[m]);
             }
             return SerializeGameFile(played);
         }(), GameFileRead::NoMoves, ""},
        {"as written for the game's own replay", SerializeGameFile(start, false),
         GameFileRead::NoMoves, ""},
        {"every move, to the empty board", GameFileWith(start, everyMove), GameFileRead::Damaged,
         "a finished game"},
        {"another puzzle", GameFileWith(other, {}), GameFileRead::OtherPuzzle, ""},
        {"other settings", changed(8, 4), GameFileRead::OtherPuzzle, ""},
        {"a starting block changed", changed(28, (start.InitialRows()[0][0] + 1) % 4),
         GameFileRead::OtherPuzzle, ""},
        {"a starting row longer", changed(24, static_cast<uint32_t>(start.InitialRows()[0].size() + 1)),
         GameFileRead::OtherPuzzle, ""},
        {"empty", {}, GameFileRead::Damaged, "empty"},
        {"a wrong magic", changed(0, PUZZLE_RECORD_MAGIC), GameFileRead::Damaged,
         "not a saved game"},
        {"cut in the settings", {valid.begin(), valid.begin() + 10}, GameFileRead::Damaged,
         "cut short"},
        {"cut in the starting rows", {valid.begin(), valid.begin() + 30}, GameFileRead::Damaged,
         "cut short"},
        {"cut in a move", {valid.begin(), valid.end() - 1}, GameFileRead::Damaged, "cut short"},
        {"no move count", {valid.begin(), valid.begin() + static_cast<long>(movesAt)},
         GameFileRead::Damaged, "cut short"},
        {"more moves than written", changed(movesAt, 3), GameFileRead::Damaged, "cut short"},
        {"a huge move count", changed(movesAt, 0xFFFFFFFFu), GameFileRead::Damaged, "cut short"},
        {"a huge block count", changed(movesAt + 4, 0x20000000u), GameFileRead::Damaged,
         "cut short"},
        {"a byte after the last move", [&] { auto b = valid; b.push_back(0); return b; }(),
         GameFileRead::Damaged, "bytes after the last move"},
        {"a move of no blocks", withFirstMove({}), GameFileRead::Damaged,
         "a move that cannot be made"},
        {"too few blocks", withFirstMove(tooFew), GameFileRead::Damaged,
         "a move that cannot be made"},
        {"a block taken twice", withFirstMove(twice), GameFileRead::Damaged,
         "a move that cannot be made"},
        {"a block not at a row end", withFirstMove({s[0].front(), {middle, otherRow}}),
         GameFileRead::Damaged, "a move that cannot be made"},
        {"the moves in the wrong order", GameFileWith(start, {s[1], s[0]}), GameFileRead::Damaged,
         "a move that cannot be made"},
        {"a move made twice", GameFileWith(start, {s[0], s[0]}), GameFileRead::Damaged,
         "a move that cannot be made"},
        {"a row not in play", changed(firstBlockAt + 4, 3), GameFileRead::Damaged,
         "a move that cannot be made"},
        {"a negative row", changed(firstBlockAt + 4, 0xFFFFFFFFu), GameFileRead::Damaged,
         "a move that cannot be made"},
        {"a colour entry for a block", changed(firstBlockAt, static_cast<uint32_t>(COLOUR_TAG)),
         GameFileRead::Damaged, "a move that cannot be made"},
        {"a block past the row", changed(firstBlockAt, 64), GameFileRead::Damaged,
         "a move that cannot be made"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Puzzle puzzle = start;
        std::string reason = "stale";
        EXPECT_EQ(ParseGameFile(c.bytes, puzzle, &reason), c.result);
        EXPECT_EQ(reason, c.reason);
        EXPECT_TRUE(IsGameOf(puzzle, start));
        if (c.result != GameFileRead::Resumed) {
            EXPECT_EQ(puzzle.History(), start.History());
        }
    }
    Puzzle resumed = start;
    ASSERT_EQ(ParseGameFile(valid, resumed), GameFileRead::Resumed);
    EXPECT_EQ(std::count(resumed.History().begin(), resumed.History().end(), MoveMarker()), 2);
}

TEST(HostileStateFile, SavedMovesCutOrMutatedNeverLeaveHalfAGame)
{
    const GameInPlay game;
    const auto& s = game.solution;
    const auto valid = GameFileWith(game.puzzle, {s[0], s[1], s[2]});
    for (std::size_t length = 0; length < valid.size(); ++length) {
        Puzzle puzzle = game.puzzle;
        ASSERT_EQ(ParseGameFile({valid.begin(), valid.begin() + static_cast<long>(length)}, puzzle),
                  GameFileRead::Damaged) << "cut at " << length;
        ASSERT_EQ(puzzle.History(), game.puzzle.History()) << "cut at " << length;
        ASSERT_TRUE(IsGameOf(puzzle, game.puzzle)) << "cut at " << length;
    }
    std::mt19937 picker(20261209);
    for (uint32_t round = 0; round < 3000; ++round) {
        auto bytes = valid;
        const int changes = 1 + static_cast<int>(picker() % 4);
        for (int i = 0; i < changes && !bytes.empty(); ++i) {
            const std::size_t at = picker() % bytes.size();
            switch (picker() % 3) {
            case 0: bytes[at] = static_cast<uint8_t>(picker()); break;
            case 1: bytes.erase(bytes.begin() + static_cast<long>(at)); break;
            default: bytes.insert(bytes.begin() + static_cast<long>(at), static_cast<uint8_t>(picker()));
            }
        }
        Puzzle puzzle = game.puzzle;
        const GameFileRead result = ParseGameFile(bytes, puzzle);
        ASSERT_TRUE(IsGameOf(puzzle, game.puzzle)) << "round " << round;
        if (result != GameFileRead::Resumed) {
            ASSERT_EQ(puzzle.History(), game.puzzle.History()) << "round " << round;
        }
    }
}
