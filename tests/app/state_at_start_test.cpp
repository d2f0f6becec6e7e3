// What a saved state makes of the next start: Ironman, music, preferences, the window rectangle
// and the moves made before the close.
#include "app/game_main_window.h"
#include "app_test_support.h"

#include "engine/game_file.h"
#include "engine/game_journal.h"

#include <QApplication>
#include <QFile>
#include <QScreen>

#include <gtest/gtest.h>

namespace {

MainWindowRecord RecordWithRect(const DesktopRect& rect)
{
    MainWindowRecord record;
    record.windowRect = rect;
    SetDefaultColours(record.blockColours.data(), 10);
    return record;
}

class StateAtStartTest : public ::testing::Test {
protected:
    ScratchDirectory scratch;
};

TEST_F(StateAtStartTest, IronmanSavedShowsDashesFromTheStart)
{
    MainWindowRecord record = RecordWithRect({40, 40, 700, 500});
    record.ironman = true;
    WriteStateFile(record);
    auto window = ShowNewWindow();
    EXPECT_TRUE(window->Ironman());
    EXPECT_TRUE(window->GameIronman());
    EXPECT_EQ(window->CommandButton(ID_SOLVE).text(), QStringLiteral("---"));
}

TEST_F(StateAtStartTest, A400By600RectangleIsReplacedAndA600By400OneKept)
{
    WriteStateFile(RecordWithRect({30, 30, 430, 630}));
    {
        auto window = std::make_unique<GameMainWindow>();
        EXPECT_EQ(window->StartRect(), DEFAULT_WINDOW_RECT);
        EXPECT_FALSE(window->StartMaximized());
    }
    WriteStateFile(RecordWithRect({30, 30, 630, 430}));
    auto window = ShowNewWindow();
    EXPECT_EQ(window->StartRect(), (DesktopRect{30, 30, 630, 430}));
    EXPECT_EQ(window->frameGeometry().size(), QSize(600, 400));
}

TEST_F(StateAtStartTest, LargerThanTheScreenOpensMaximised)
{
    const QSize screen = QApplication::primaryScreen()->size();
    WriteStateFile(RecordWithRect({0, 0, screen.width() + 10, screen.height()}));
    auto window = std::make_unique<GameMainWindow>();
    EXPECT_TRUE(window->StartMaximized());
    EXPECT_EQ(window->StartRect(), DEFAULT_WINDOW_RECT);
    window->ShowAtStart();
    QApplication::processEvents();
    EXPECT_TRUE(window->isMaximized());
}

TEST_F(StateAtStartTest, MusicOffIsTakenByThePlayerAndTheWindowsCopy)
{
    MusicRecord music;
    music.music = false;
    music.musicFolder = "elsewhere";
    WriteStateFile(RecordWithRect(DEFAULT_WINDOW_RECT), music);
    auto window = std::make_unique<GameMainWindow>();
    EXPECT_FALSE(window->MusicOn());
    EXPECT_FALSE(window->Music().Music());
    EXPECT_EQ(window->Music().MusicFolder(), "elsewhere");
    EXPECT_EQ(window->Preferences().musicFolder, "elsewhere");
    EXPECT_FALSE(window->Board().MusicOn());
}

TEST_F(StateAtStartTest, PreferencesComeBack)
{
    MainWindowRecord record = RecordWithRect(DEFAULT_WINDOW_RECT);
    record.soundEffects = false;
    record.antiAliasing = false;
    record.blockColours[0] = 0x010203;
    record.settings = {20, 5, 7, 2, 4};
    WriteStateFile(record);
    auto window = std::make_unique<GameMainWindow>();
    EXPECT_FALSE(window->Board().Preferences().soundEffects);
    EXPECT_FALSE(window->Board().Preferences().antiAliasing);
    EXPECT_EQ(window->Board().Preferences().blockColours[0], 0x010203u);
    EXPECT_EQ(window->GamePuzzle().Settings(), (PuzzleSettings{20, 5, 7, 2, 4}));
    EXPECT_TRUE(window->GamePuzzle().History().empty());
    EXPECT_EQ(window->GamePuzzle().Rows(), window->GamePuzzle().InitialRows());
}

TEST_F(StateAtStartTest, AnUnknownFormatOpensAtTheDefaultRectangle)
{
    QFile file(QStringLiteral("PREFS.SAV"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::fromHex("01000000" "64000000640000002003000058020000"));
    file.close();
    auto window = std::make_unique<GameMainWindow>();
    EXPECT_EQ(window->StateRead(), StateReadResult::BadFormat);
    EXPECT_EQ(window->StartRect(), DEFAULT_WINDOW_RECT);
}

TEST_F(StateAtStartTest, ADamagedFileStillGivesAWindowThatPassesTheChecks)
{
    MainWindowRecord record = RecordWithRect({-100, -100, -300, 5000});
    WriteStateFile(record);
    QFile file(QStringLiteral("PREFS.SAV"));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.resize(40);
    file.close();
    auto window = ShowNewWindow();
    EXPECT_GE(window->StartRect().right - window->StartRect().left, 480);
    EXPECT_GE(window->StartRect().bottom - window->StartRect().top, 320);
}

TEST_F(StateAtStartTest, AWindowOffEveryScreenOpensAtTheDefaultCorner)
{
    WriteStateFile(RecordWithRect({20000, 20000, 20640, 20480}));
    auto window = std::make_unique<GameMainWindow>();
    EXPECT_EQ(window->StartRect(), (DesktopRect{10, 10, 650, 490}));
}

QByteArray FileBytes(const QString& name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A close keeps the moves beside "PREFS.SAV", whose bytes stay those of the
// puzzle alone; the next start shows the same board, Undo takes the moves
// back one by one, and Solve still replays the stored solution from the start.
TEST_F(StateAtStartTest, AGameClosedMidPuzzleResumesOnTheSameBoard)
{
    QByteArray prefsWithoutMoves;
    Puzzle left;
    QString code;
    {
        HandClock* clock = nullptr;
        auto window = ShowNewWindow(clock);
        TickUntilIdle(*window, clock);
        ASSERT_TRUE(window->SaveState());
        prefsWithoutMoves = FileBytes(QStringLiteral("PREFS.SAV"));
        for (int n = 0; n < 2; ++n) {
            ClickBlocks(*window, SolutionMove(window->GamePuzzle(), n));
            window->OnCommit();
            TickUntilIdle(*window, clock);
        }
        left = window->GamePuzzle();
        ASSERT_EQ(std::count(left.History().begin(), left.History().end(), MoveMarker()), 2);
        code = window->PuzzleCode();
        ASSERT_FALSE(code.isEmpty());
        window->close();
    }
    EXPECT_EQ(FileBytes(QStringLiteral("PREFS.SAV")), prefsWithoutMoves);
    ASSERT_TRUE(QFile::exists(QString::fromStdString(GAME_FILE_NAME)));
    const std::vector<GameRecord> closed = ReadJournal(JOURNAL_FILE_NAME).games;
    ASSERT_EQ(closed.size(), 1u) << "the game left is recorded";
    EXPECT_FALSE(closed.front().cleared);
    EXPECT_FALSE(closed.front().helped);

    HandClock* clock = nullptr;
    auto window = ShowNewWindow(clock);
    const Puzzle& puzzle = window->GamePuzzle();
    EXPECT_EQ(EnglishLine(window->GameReadReport()), "");
    EXPECT_EQ(puzzle.Rows(), left.Rows());
    EXPECT_EQ(puzzle.History(), left.History());
    EXPECT_EQ(puzzle.Solution(), left.Solution());
    EXPECT_EQ(window->PuzzleCode(), code) << "the puzzle keeps its code";
    TickUntilIdle(*window, clock);
    window->OnUndo();
    TickUntilIdle(*window, clock);
    EXPECT_EQ(std::count(puzzle.History().begin(), puzzle.History().end(), MoveMarker()), 1);
    EXPECT_NE(puzzle.Rows(), left.Rows());
    window->OnSolve();
    EXPECT_TRUE(puzzle.History().empty()) << "Solve replays from the start of the puzzle";
    EXPECT_EQ(puzzle.Rows(), puzzle.InitialRows());
    for (int k = 0; k < 2000 && puzzle.History().empty(); ++k)
        clock->Fire();
    std::vector<BlockRef> replayed;
    for (const BlockRef& entry : puzzle.History())
        if (entry.IsBlock())
            replayed.push_back(entry);
    EXPECT_EQ(replayed, SolutionMove(puzzle, 0)) << "the replay's first move is the solution's";

    ASSERT_TRUE(window->Recorder().Record().has_value());
    EXPECT_EQ(window->Recorder().Record()->id, closed.front().id) << "the resumed game goes on with its record";
    window->close();
    const std::vector<GameRecord> resumed = ReadJournal(JOURNAL_FILE_NAME).games;
    ASSERT_EQ(resumed.size(), 1u) << "one game, however often it was closed";
    EXPECT_EQ(resumed.front().startedAt, closed.front().startedAt);
    EXPECT_TRUE(resumed.front().helped) << "Solve helped the resumed game";
}

// A saved game that cannot be trusted is said on stderr and passed over; one
// for another puzzle is passed over quietly.
TEST_F(StateAtStartTest, SavedMovesThatDoNotFitThePuzzleLeaveItAtItsStart)
{
    WriteStateFile(RecordWithRect(DEFAULT_WINDOW_RECT));
    QFile file(QString::fromStdString(GAME_FILE_NAME));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not moves");
    file.close();
    {
        HandClock* clock = nullptr;
        auto window = ShowNewWindow(clock);
        EXPECT_TRUE(window->GamePuzzle().History().empty());
        EXPECT_NE(EnglishLine(window->GameReadReport()).find("ignored the saved moves in "), std::string::npos);
        TickUntilIdle(*window, clock);
        ClickBlocks(*window, FirstSolutionMove(window->GamePuzzle()));
        window->OnCommit();
        TickUntilIdle(*window, clock);
        ASSERT_FALSE(window->GamePuzzle().History().empty());
        window->close();
    }
    // A move of that puzzle, saved; "PREFS.SAV" now holds another.
    WriteStateFile(RecordWithRect(DEFAULT_WINDOW_RECT));
    auto window = std::make_unique<GameMainWindow>();
    EXPECT_TRUE(window->GamePuzzle().History().empty());
    EXPECT_EQ(EnglishLine(window->GameReadReport()), "");
}

} // namespace
