// "GAME.SAV", the moves made so far: taken whole on the puzzle it names or
// not at all, whatever the file holds, and read and written on disk as
// "PREFS.SAV" is.
#include "engine/game_file.h"
#include "engine/whole_file.h"

#include "state_file_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <random>
#include <unistd.h>

using namespace engine_test;
namespace fs = std::filesystem;

namespace {

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

class GameFileOnDisk : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path() / ("kolumo-game-" + std::to_string(::getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    std::string Absolute(const fs::path& name) const { return (folder / name).string(); }

    fs::path folder;
};

}  // namespace

// Every way a saved game can fail to be this puzzle's, or to play on it, and
// what the reader says; a file not taken leaves the game in play untouched.
TEST(GameFile, MovesAreTakenWholeOnTheirOwnPuzzleOrNotAtAll)
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
    // The same game as restored from "PREFS.SAV", which keeps no seed.
    Puzzle seedless = start;
    seedless.Start(start.Settings(), start.InitialRows(), start.Solution());
    seedless.ApplyMove(s[0]);
    const auto noMoves = GameFileWith(start, {});
    const auto withSeedWords = [&](uint32_t known, uint32_t seed) {
        auto bytes = noMoves;
        PutWord(bytes, bytes.size() - 12, known);
        PutWord(bytes, bytes.size() - 8, seed);
        return bytes;
    };
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
        GameFileRead result;
        std::string reason;
        // A file taken brings its seed, unless the seed does not make the board.
        bool seedRefused = false;
    };
    const Case cases[] = {
        {"two moves", valid, GameFileRead::Resumed, ""},
        {"as written with two moves", [&] {
             Puzzle played = start;
             played.ApplyMove(s[1]);
             return SerializeGameFile(played);
         }(), GameFileRead::Resumed, ""},
        {"no moves", noMoves, GameFileRead::NoMoves, ""},
        {"a seed that does not make this board", withSeedWords(1, 9), GameFileRead::NoMoves, "",
         true},
        {"no seed known", withSeedWords(0, 0), GameFileRead::NoMoves, "", true},
        {"a seed neither known nor unknown", withSeedWords(2, 8), GameFileRead::Damaged,
         "a seed neither known nor unknown"},
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
        Puzzle puzzle = seedless;
        std::string reason = "stale";
        EXPECT_EQ(ParseGameFile(c.bytes, puzzle, &reason), c.result);
        EXPECT_EQ(reason, c.reason);
        EXPECT_TRUE(IsGameOf(puzzle, start));
        const bool taken = c.result == GameFileRead::NoMoves || c.result == GameFileRead::Resumed;
        EXPECT_EQ(puzzle.Seed(), taken && !c.seedRefused ? start.Seed() : std::nullopt);
        if (c.result != GameFileRead::Resumed) {
            EXPECT_EQ(puzzle.History(), start.History());
        }
    }
    Puzzle resumed = start;
    ASSERT_EQ(ParseGameFile(valid, resumed), GameFileRead::Resumed);
    EXPECT_EQ(std::count(resumed.History().begin(), resumed.History().end(), MoveMarker()), 2);
}

TEST(GameFile, CutOrMutatedMovesNeverLeaveHalfAGame)
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

// The saved moves beside "PREFS.SAV" are read, reported and written as it is.
TEST_F(GameFileOnDisk, IsReadReportedAndWrittenAsTheStateFileIs)
{
    Puzzle played = GeneratedPuzzle({12, 3, 5, 3, 3}, 4);
    const Puzzle start = played;
    played.ApplyMove(GroupsOf(played.Solution())[0].blocks);
    const auto valid = SerializeGameFile(played);
    const std::string game = Absolute("GAME.SAV");
    const std::string atStart = "; starting at the start of the puzzle";
    struct Case {
        const char* what;
        std::function<void()> make;
        GameFileRead result;
        std::string report;  // after "PATH" is put in for the file's name
    };
    const Case cases[] = {
        {"nothing", [] {}, GameFileRead::Missing, ""},
        {"a folder", [&] { fs::create_directory(game); }, GameFileRead::Unreadable,
         "cannot read PATH: Is a directory" + atStart},
        {"a cut file", [&] { WriteBytes(game, {valid.begin(), valid.end() - 1}); },
         GameFileRead::Damaged, "ignored the saved moves in PATH: cut short" + atStart},
        {"a link to a saved game",
         [&] {
             WriteBytes(folder / "kept.sav", valid);
             fs::create_symlink("kept.sav", game);
         },
         GameFileRead::Resumed, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(folder);
        fs::create_directories(folder);
        c.make();
        const auto before = Listing(folder);
        Puzzle puzzle = start;
        FileReport said{"stale", {}};
        EXPECT_EQ(LoadGameFile(game, puzzle, &said), c.result);
        std::string expected = c.report;
        if (const auto at = expected.find("PATH"); at != std::string::npos) {
            expected.replace(at, 4, game);
        }
        EXPECT_EQ(EnglishLine(said), expected);
        EXPECT_EQ(Listing(folder), before);
        EXPECT_EQ(puzzle.Rows(), c.result == GameFileRead::Resumed ? played.Rows() : start.Rows());
    }
    // The last case left a link: the save goes through it.
    ASSERT_TRUE(SaveGameFile(game, start));
    EXPECT_TRUE(fs::is_symlink(game));
    EXPECT_EQ(Bytes(folder / "kept.sav"), SerializeGameFile(start));
    FileReport said;
    EXPECT_FALSE(SaveGameFile(Absolute("gone/GAME.SAV"), played, true, &said));
    EXPECT_EQ(EnglishLine(said), "could not save " + Absolute("gone/GAME.SAV") + ": No such file or directory");
}
