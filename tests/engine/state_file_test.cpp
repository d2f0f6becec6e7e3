// The saved state file: its byte layout, reading it back, the older format,
// the two magics and the rebuild of the board from the stored solution; and
// the moves saved beside it.
#include "engine/game_file.h"
#include "engine/state_file.h"

#include "state_file_test_support.h"

#include <gtest/gtest.h>

using namespace engine_test;

namespace {

constexpr std::size_t MUSIC_MAGIC_AT = 83;

std::vector<uint8_t> Slice(const std::vector<uint8_t>& bytes, std::size_t first, std::size_t count)
{
    return {bytes.begin() + static_cast<long>(first), bytes.begin() + static_cast<long>(first + count)};
}

struct ReadBack {
    MainWindowRecord main;
    MusicRecord music;
    Puzzle puzzle;
    StateReadResult result = StateReadResult::NotOpened;
};

// Reads bytes into fresh objects, as start-up does: defaults and a puzzle
// generated with the default settings.
std::unique_ptr<ReadBack> Read(const std::vector<uint8_t>& bytes, uint32_t seed = 3)
{
    SeedRandom(seed);
    auto back = std::make_unique<ReadBack>();
    back->result = ParseStateFile(bytes, back->main, back->music, back->puzzle);
    return back;
}

}  // namespace

TEST(StateFile, WrittenFieldsStandAtTheirOffsets)
{
    const Puzzle puzzle = GeneratedPuzzle({10, 4, 6, 2, 5}, 11);
    MusicRecord music{true, "abc"};
    const auto bytes = SerializeStateFile(SampleMainRecord(), music, puzzle);
    const std::size_t n = puzzle.Solution().size();
    ASSERT_EQ(bytes.size(), 123 + 3 + 8 * n);
    EXPECT_EQ(Slice(bytes, 0, 4), (std::vector<uint8_t>{0xDF, 0x67, 0xC2, 0x02}));
    EXPECT_EQ(WordAt(bytes, 4), 100u);
    EXPECT_EQ(WordAt(bytes, 16), 700u);
    EXPECT_EQ(bytes[20], 0);
    EXPECT_EQ(WordAt(bytes, 21), 0x00102030u);
    EXPECT_EQ(WordAt(bytes, 57), 0x00102039u);
    EXPECT_EQ(bytes[61], 1);
    EXPECT_EQ(bytes[62], 0);
    EXPECT_EQ(WordAt(bytes, 63), 10u);
    EXPECT_EQ(WordAt(bytes, 79), 5u);
    EXPECT_EQ(Slice(bytes, 83, 4), (std::vector<uint8_t>{0x99, 0xF4, 0x88, 0x02}));
    EXPECT_EQ(WordAt(bytes, 87), 1u);
    EXPECT_EQ(WordAt(bytes, 91), 3u);
    EXPECT_EQ(Slice(bytes, 95, 3), (std::vector<uint8_t>{'a', 'b', 'c'}));
    EXPECT_EQ(Slice(bytes, 98, 4), (std::vector<uint8_t>{0x36, 0x76, 0x40, 0x00}));
    EXPECT_EQ(Slice(bytes, 63, 20), Slice(bytes, 102, 20));
    EXPECT_EQ(WordAt(bytes, 122), n);
    std::size_t at = 126;
    for (const BlockRef& entry : puzzle.Solution()) {
        EXPECT_EQ(static_cast<int32_t>(WordAt(bytes, at)), entry.index);
        EXPECT_EQ(static_cast<int32_t>(WordAt(bytes, at + 4)), entry.row);
        at += 8;
    }
}

TEST(StateFile, SettingsInBothRecordsComeFromThePuzzle)
{
    const Puzzle puzzle = GeneratedPuzzle({8, 2, 3, 2, 2}, 1);
    MainWindowRecord main = SampleMainRecord();
    main.settings = {30, 10, 10, 2, 18};
    const auto bytes = SerializeStateFile(main, SampleMusicRecord(), puzzle);
    EXPECT_EQ(WordAt(bytes, 63), 8u);
    EXPECT_EQ(WordAt(bytes, 95 + 7 + 4), 8u);
}

TEST(StateFile, EmptyMusicFolderIsStoredAsLengthZero)
{
    const Puzzle puzzle = GeneratedPuzzle({12, 3, 5, 3, 3}, 1);
    const auto bytes = SerializeStateFile(SampleMainRecord(), MusicRecord{true, ""}, puzzle);
    EXPECT_EQ(WordAt(bytes, 91), 0u);
    EXPECT_EQ(WordAt(bytes, 95), PUZZLE_RECORD_MAGIC);
    EXPECT_EQ(Read(bytes)->music.musicFolder, "");
}

TEST(StateFile, ReadingBackGivesTheSameRecordsSettingsSolutionAndBoard)
{
    const auto all = AllPlayOptions();
    for (uint32_t seed = 0; seed < 2000 / SEED_SHARE; ++seed) {
        const PuzzleSettings settings = all[(seed * 104729u) % all.size()];
        const Puzzle saved = GeneratedPuzzle(settings, seed);
        const auto back = Read(SerializeStateFile(SampleMainRecord(), SampleMusicRecord(), saved),
                               seed + 1);
        ASSERT_EQ(back->result, StateReadResult::Read);
        ASSERT_EQ(back->puzzle.Settings(), settings);
        ASSERT_EQ(back->puzzle.Solution(), saved.Solution());
        ASSERT_EQ(back->puzzle.Rows(), saved.InitialRows()) << "seed " << seed;
        MainWindowRecord expectedMain = SampleMainRecord();
        expectedMain.settings = settings;
        ASSERT_EQ(back->main, expectedMain);
        ASSERT_EQ(back->music, SampleMusicRecord());
    }
}

TEST(StateFile, AGameSavedAfterSomeMovesResumesAtTheStartOfItsPuzzle)
{
    Puzzle saved = GeneratedPuzzle({12, 3, 5, 3, 3}, 21);
    const auto groups = GroupsOf(saved.Solution());
    saved.ApplyMove(groups[0].blocks);
    saved.ApplyMove(groups[1].blocks);
    const auto back = Read(SerializeStateFile(SampleMainRecord(), SampleMusicRecord(), saved));
    Puzzle& puzzle = back->puzzle;
    EXPECT_EQ(puzzle.Rows(), saved.InitialRows());
    EXPECT_EQ(puzzle.InitialRows(), saved.InitialRows());
    EXPECT_TRUE(puzzle.History().empty());
    EXPECT_FALSE(puzzle.Undo());
}

// The moves go beside "PREFS.SAV", whose bytes do not depend on them, and
// come back on the puzzle it holds, to be taken back with Undo.
TEST(StateFile, MovesSavedBesideThePuzzleResumeOnItAndUndoTakesThemBack)
{
    Puzzle saved = GeneratedPuzzle({12, 3, 5, 3, 3}, 21);
    const auto atStart = SerializeStateFile(SampleMainRecord(), SampleMusicRecord(), saved);
    const auto groups = GroupsOf(saved.Solution());
    saved.ApplyMove(groups[0].blocks);
    saved.ApplyMove(groups[1].blocks);
    const auto prefs = SerializeStateFile(SampleMainRecord(), SampleMusicRecord(), saved);
    EXPECT_EQ(prefs, atStart);

    const auto back = Read(prefs);
    Puzzle& puzzle = back->puzzle;
    EXPECT_EQ(ParseGameFile(SerializeGameFile(saved), puzzle), GameFileRead::Resumed);
    EXPECT_EQ(puzzle.Rows(), saved.Rows());
    EXPECT_EQ(puzzle.History(), saved.History());
    EXPECT_EQ(puzzle.Solution(), saved.Solution());
    EXPECT_TRUE(puzzle.Undo());
    EXPECT_TRUE(puzzle.Undo());
    EXPECT_FALSE(puzzle.Undo());
    EXPECT_EQ(puzzle.Rows(), saved.InitialRows());
}

TEST(StateFile, TakingAStoredPuzzleResetsAViewThatAlreadyShowsTheBoard)
{
    const Puzzle saved = GeneratedPuzzle({12, 3, 5, 3, 3}, 21);
    const auto bytes = SerializeStateFile(SampleMainRecord(), SampleMusicRecord(), saved);
    SeedRandom(2);
    MainWindowRecord main;
    MusicRecord music;
    Puzzle puzzle;
    CountingView view;
    puzzle.SetBoardView(&view);
    ParseStateFile(bytes, main, music, puzzle);
    EXPECT_EQ(view.calls, (std::vector<char>{'R'}));
}

TEST(StateFile, OldestFormatHasNoAntiAliasingByteAndMeansItOn)
{
    const Puzzle saved = GeneratedPuzzle({14, 4, 7, 2, 4}, 5);
    auto bytes = SerializeStateFile(SampleMainRecord(), SampleMusicRecord(), saved);
    bytes.erase(bytes.begin() + 62);
    PutWord(bytes, 0, PREFS_FORMAT_OLDEST);
    const auto back = Read(bytes);
    EXPECT_EQ(back->result, StateReadResult::Read);
    EXPECT_TRUE(back->main.antiAliasing);
    EXPECT_FALSE(back->main.soundEffects);
    EXPECT_TRUE(back->main.ironman);
    EXPECT_EQ(back->puzzle.Settings(), saved.Settings());
    EXPECT_EQ(back->music, SampleMusicRecord());
    EXPECT_EQ(back->puzzle.Rows(), saved.InitialRows());
}

TEST(StateFile, NewestRecognisedFormatIsReadLikeTheCurrentOne)
{
    const Puzzle saved = GeneratedPuzzle({14, 4, 7, 2, 4}, 5);
    auto bytes = SerializeStateFile(SampleMainRecord(), SampleMusicRecord(), saved);
    PutWord(bytes, 0, PREFS_FORMAT_NEWEST);
    const auto back = Read(bytes);
    EXPECT_FALSE(back->main.antiAliasing);
    EXPECT_EQ(back->puzzle.Solution(), saved.Solution());
}

TEST(StateFile, UnrecognisedFormatReadsOnlyTheNumberAndResetsTheWindow)
{
    const Puzzle saved = GeneratedPuzzle({14, 4, 7, 2, 4}, 5);
    auto bytes = SerializeStateFile(SampleMainRecord(), SampleMusicRecord(), saved);
    for (uint32_t format : {PREFS_FORMAT_OLDEST - 1, PREFS_FORMAT_NEWEST + 1, 0u, 0xFFFFFFFFu}) {
        PutWord(bytes, 0, format);
        SeedRandom(9);
        MainWindowRecord main = SampleMainRecord();
        MusicRecord music;
        Puzzle puzzle;
        const Puzzle untouched = puzzle;
        EXPECT_EQ(ParseStateFile(bytes, main, music, puzzle), StateReadResult::BadFormat);
        MainWindowRecord expected = SampleMainRecord();
        expected.windowRect = DEFAULT_WINDOW_RECT;
        EXPECT_EQ(main, expected);
        EXPECT_EQ(music, MusicRecord{});
        EXPECT_EQ(puzzle.Settings(), untouched.Settings());
        EXPECT_EQ(puzzle.Solution(), untouched.Solution());
    }
}

TEST(StateFile, MusicFlagIsOnForAnyNonZeroWord)
{
    auto bytes = FileWithSolution({12, 3, 5, 3, 3}, {});
    PutWord(bytes, 87, 5);
    EXPECT_TRUE(Read(bytes)->music.music);
    PutWord(bytes, 87, 0);
    EXPECT_FALSE(Read(bytes)->music.music);
}

// With a wrong music magic the rest of that record is skipped and the next
// four bytes are taken as the puzzle record's magic.
TEST(StateFile, WrongMusicMagicSkipsTheMusicRecordOnly)
{
    const Puzzle saved = GeneratedPuzzle({10, 3, 4, 2, 3}, 8);
    auto bytes = SerializeStateFile(SampleMainRecord(), SampleMusicRecord(), saved);
    const std::size_t musicLength = 12 + SampleMusicRecord().musicFolder.size();
    bytes.erase(bytes.begin() + MUSIC_MAGIC_AT + 4, bytes.begin() + MUSIC_MAGIC_AT + musicLength);
    PutWord(bytes, MUSIC_MAGIC_AT, 12345);
    const auto back = Read(bytes);
    EXPECT_EQ(back->music, MusicRecord{});
    EXPECT_FALSE(back->main.soundEffects);
    EXPECT_EQ(back->puzzle.Solution(), saved.Solution());
}

TEST(StateFile, WrongMusicMagicBeforeAWholeMusicRecordLosesThePuzzleRecord)
{
    const Puzzle saved = GeneratedPuzzle({10, 3, 4, 2, 3}, 8);
    auto bytes = SerializeStateFile(SampleMainRecord(), SampleMusicRecord(), saved);
    PutWord(bytes, MUSIC_MAGIC_AT, MUSIC_RECORD_MAGIC + 1);
    const auto back = Read(bytes);
    EXPECT_EQ(back->music, MusicRecord{});
    EXPECT_EQ(back->puzzle.Settings(), saved.Settings());
    EXPECT_NE(back->puzzle.Solution(), saved.Solution());
    EXPECT_TRUE(IsWholePlayablePuzzle(back->puzzle));
}

TEST(StateFile, WrongPuzzleMagicKeepsTheGeneratedPuzzleWhenSettingsAgree)
{
    auto bytes = FileWithSolution({12, 3, 5, 3, 3}, {});
    PutWord(bytes, 95 + 7, PUZZLE_RECORD_MAGIC ^ 1);
    SeedRandom(4);
    const Puzzle generated;
    const auto back = Read(bytes, 4);
    EXPECT_EQ(back->puzzle.Solution(), generated.Solution());
    EXPECT_EQ(back->puzzle.Rows(), generated.Rows());
    EXPECT_EQ(back->music, SampleMusicRecord());
}

// The board must always match the settings in force: a lost puzzle record
// under other settings means a fresh puzzle for them.
TEST(StateFile, WrongPuzzleMagicUnderOtherSettingsGeneratesAFreshPuzzleForThem)
{
    const PuzzleSettings settings{20, 6, 8, 2, 6};
    auto bytes = FileWithSolution(settings, {});
    PutWord(bytes, 95 + 7, 0);
    const auto back = Read(bytes);
    EXPECT_EQ(back->puzzle.Settings(), settings);
    EXPECT_EQ(back->main.settings, settings);
    EXPECT_TRUE(IsWholePlayablePuzzle(back->puzzle));
    ColourCounters counters;
    EXPECT_GT(CountBlocks(back->puzzle.Rows(), settings.rowCount, counters), 60);
}

TEST(StateFile, PuzzleRecordWithNoEntriesGivesAnEmptyBoard)
{
    const auto back = Read(FileWithSolution({12, 3, 5, 3, 3}, {}));
    EXPECT_TRUE(back->puzzle.Solution().empty());
    EXPECT_EQ(TotalBlocks(back->puzzle.Rows()), 0);
    EXPECT_TRUE(IsWholePlayablePuzzle(back->puzzle));
}

TEST(StateFile, SettingsTheOptionsWouldNotOfferAreKept)
{
    const PuzzleSettings odd{7, 1, 1, 1, 1};
    const Puzzle saved = GeneratedPuzzle(odd, 2);
    const auto back = Read(SerializeStateFile(SampleMainRecord(), SampleMusicRecord(), saved));
    EXPECT_EQ(back->puzzle.Settings(), odd);
    EXPECT_EQ(back->puzzle.Rows(), saved.InitialRows());
}

TEST(StateFile, MainSettingsOutsideTheLimitsAreNotTaken)
{
    const Puzzle saved = GeneratedPuzzle({10, 3, 4, 2, 3}, 8);
    auto bytes = SerializeStateFile(SampleMainRecord(), SampleMusicRecord(), saved);
    PutWord(bytes, 67, 13);  // rows
    auto back = Read(bytes);
    EXPECT_EQ(back->puzzle.Settings(), saved.Settings());  // from the puzzle record
    EXPECT_EQ(back->puzzle.Solution(), saved.Solution());
    PutWord(bytes, 95 + 7, 0);  // and no puzzle record either
    back = Read(bytes);
    EXPECT_EQ(back->puzzle.Settings(), (PuzzleSettings{12, 3, 5, 3, 3}));
    EXPECT_FALSE(back->main.soundEffects);
    EXPECT_TRUE(IsWholePlayablePuzzle(back->puzzle));
}

TEST(StateFile, MusicFolderHoldingANulIsNotTaken)
{
    Puzzle saved = GeneratedPuzzle({12, 3, 5, 3, 3}, 8);
    const auto bytes = SerializeStateFile(SampleMainRecord(), MusicRecord{false, std::string("a\0b", 3)},
                                          saved);
    const auto back = Read(bytes);
    EXPECT_EQ(back->music.musicFolder, "songs");
    EXPECT_FALSE(back->music.music);
    EXPECT_EQ(back->puzzle.Solution(), saved.Solution());
}

TEST(StateFile, EmptyInputChangesNothing)
{
    const auto back = Read({});
    EXPECT_EQ(back->main, MainWindowRecord{});
    EXPECT_EQ(back->music, MusicRecord{});
}

// The top byte of a colour word is 0 in every file the game writes; another
// writer's top byte is dropped, so the next save follows the rule again.
TEST(StateFile, ColourWordsKeepTheirThreeLowBytesOnly)
{
    const Puzzle saved = GeneratedPuzzle({12, 3, 5, 3, 3}, 8);
    auto bytes = SerializeStateFile(SampleMainRecord(), SampleMusicRecord(), saved);
    PutWord(bytes, 21, 0xFF102030u);
    PutWord(bytes, 57, 0x80FFFFFFu);
    const auto back = Read(bytes);
    EXPECT_EQ(back->main.blockColours[0], 0x00102030u);
    EXPECT_EQ(back->main.blockColours[9], 0x00FFFFFFu);
    EXPECT_EQ(back->main.blockColours[1], SampleMainRecord().blockColours[1]);
    const auto again = SerializeStateFile(back->main, back->music, back->puzzle);
    EXPECT_EQ(WordAt(again, 21), 0x00102030u);
    EXPECT_EQ(WordAt(again, 57), 0x00FFFFFFu);
}

// What the reader refuses is named, so that start-up can tell the player;
// a file the game wrote, in either format, is refused nowhere.
TEST(StateFile, WhatTheReaderRefusesIsNamed)
{
    const Puzzle saved = GeneratedPuzzle({10, 3, 4, 2, 3}, 8);
    const auto valid = SerializeStateFile(SampleMainRecord(), SampleMusicRecord(), saved);
    const std::size_t countAt = 95 + SampleMusicRecord().musicFolder.size() + 24;
    const auto cut = [&](std::size_t length) {
        return std::vector<uint8_t>(valid.begin(), valid.begin() + static_cast<long>(length));
    };
    const auto changed = [&](std::size_t at, uint32_t word) {
        auto bytes = valid;
        PutWord(bytes, at, word);
        return bytes;
    };
    auto oldest = valid;
    oldest.erase(oldest.begin() + 62);
    PutWord(oldest, 0, PREFS_FORMAT_OLDEST);
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
        StateRejected rejected;
        std::string reason;
    };
    const Case cases[] = {
        {"a saved game", valid, StateRejected::Nothing, ""},
        {"the oldest format", oldest, StateRejected::Nothing, ""},
        {"trailing bytes", [&] { auto b = valid; b.push_back(1); return b; }(),
         StateRejected::Nothing, ""},
        {"main settings out of limits", changed(67, 13), StateRejected::Nothing, ""},
        {"empty", {}, StateRejected::WholeFile, "empty"},
        {"part of a format number", cut(3), StateRejected::WholeFile, "cut short"},
        {"unknown format", changed(0, 5), StateRejected::WholeFile, "unknown format number 5"},
        {"cut in the main record", cut(50), StateRejected::WholeFile, "cut short"},
        {"cut in the music record", cut(90), StateRejected::Puzzle, "cut short"},
        {"no puzzle record", cut(countAt - 24), StateRejected::Puzzle, "cut short"},
        {"wrong puzzle magic", changed(countAt - 24, 1), StateRejected::Puzzle, "damaged"},
        {"cut in the solution", cut(valid.size() - 1), StateRejected::Puzzle, "cut short"},
        {"a solution that does not play", changed(countAt + 4, 0), StateRejected::Puzzle,
         "damaged"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SeedRandom(3);
        MainWindowRecord main;
        MusicRecord music;
        Puzzle puzzle;
        StateFileProblem problem{StateRejected::WholeFile, OwnWords("stale")};
        ParseStateFile(c.bytes, main, music, puzzle, &problem);
        EXPECT_EQ(problem.rejected, c.rejected);
        EXPECT_EQ(EnglishWords(problem.reason), c.reason);
    }
}
