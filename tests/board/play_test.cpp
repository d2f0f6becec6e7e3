// Playing the board: selection rules and sounds, the ticks and frames of a move, Undo, Solve, sound switches,
// and the clock that runs only while something moves.
#include "board_fixture.h"

#include "board/audio_device.h"
#include "board/colour.h"
#include "board/effect_player.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <SDL_mixer.h>

namespace {

class Play : public BoardFixture {
protected:
    // Row 0 ends in colour 0 on the right, row 1 starts with colour 0 on the
    // left; taking both is a two-block move.
    void UseTwoEndsBoard(bool antiAliasing = false)
    {
        UseBoard({{1, 2, 2, 2, 2, 0}, {0, 2, 2, 2, 2, 1}, {3, 3, 3, 3, 3, 3}}, 12, 4, 2, 2, antiAliasing);
    }

    // First x in row y, within the board rectangle, where the picture is not the background.
    int FirstDrawnX(int y) const
    {
        const Rect board = view->BoardRect();
        for (int x = board.left; x < board.right; ++x)
            if (view->ComposeSurface().Pixel(x, y) != view->Painter().Background().Pixel(x, y))
                return x;
        return -1;
    }

    // Width of what is drawn in a cell along its middle row.
    int DrawnWidth(const Rect& cell) const
    {
        const int y = (cell.top + cell.bottom) / 2;
        int first = -1;
        int last = -1;
        for (int x = cell.left; x < cell.right; ++x) {
            if (view->ComposeSurface().Pixel(x, y) != view->Painter().Background().Pixel(x, y)) {
                if (first < 0)
                    first = x;
                last = x;
            }
        }
        return first < 0 ? 0 : last - first + 1;
    }

    // Takes both ends of the two-ends board and returns how wide the right
    // end of row 0 is drawn on each of the six shrinking ticks.
    std::vector<int> ShrinkWidthsOfTheTwoEnds(bool antiAliasing)
    {
        UseTwoEndsBoard(antiAliasing);
        Click(5, 0);
        Click(0, 1);
        view->CommitSelection();
        const Rect cell = view->Geometry().BlockRect(5, 0, 6);
        std::vector<int> widths;
        for (int tick = 0; tick < 6; ++tick) {
            view->Tick();
            widths.push_back(DrawnWidth(cell));
        }
        return widths;
    }
};

TEST_F(Play, TheSelectedBlockIsDrawnSelectedAndOnlyItsCellChanges)
{
    UseFullBoard();
    const QImage before = view->ComposeSurface().Image().copy();
    Click(0, 0);
    const Rect cell = view->Geometry().BlockRect(0, 0, 12);
    EXPECT_EQ(view->ComposeSurface().Pixel(cell.left + 2, cell.top + 2),
              ShadeLight(SelectedTint(view->Painter().BlockColours()[0])));
    int changedOutside = 0;
    for (int y = 0; y < 400; ++y)
        for (int x = 0; x < 700; ++x)
            if (!cell.Contains(x, y) && view->ComposeSurface().Image().pixel(x, y) != before.pixel(x, y))
                ++changedOutside;
    EXPECT_EQ(changedOutside, 0);
}

TEST_F(Play, CommitNeedsASelectionWithinMinimumAndMaximum)
{
    UseBoard({{0, 1, 1, 0}, {0, 1, 1, 0}, {1, 1, 1, 1}}, 12, 2, 3, 3);
    Click(0, 0);
    Click(3, 0);
    view->CommitSelection();
    EXPECT_EQ(view->Phase(), PHASE_IDLE);
    EXPECT_EQ(Sounds(), (std::vector<int>{131, 131}));
    Click(0, 1);
    view->CommitSelection();
    EXPECT_EQ(view->Phase(), PHASE_REMOVE_START);
    EXPECT_EQ(puzzle->Rows()[0], (BlockRow{1, 1}));
    EXPECT_EQ(puzzle->Rows()[1], (BlockRow{1, 1, 0}));
}

TEST_F(Play, AMoveLivesFourteenTicksWithItsTwoSounds)
{
    UseTwoEndsBoard();
    Click(5, 0);
    Click(0, 1);
    sounds.clear();
    EXPECT_FALSE(view->ClockRunning()) << "a waiting board needs no ticks";
    view->CommitSelection();
    EXPECT_TRUE(view->ClockRunning());
    std::vector<int32_t> phases;
    std::vector<bool> clock;
    for (int tick = 1; tick <= 14; ++tick) {
        view->Tick();
        phases.push_back(view->Phase());
        clock.push_back(view->ClockRunning());
        if (tick == 1) {
            EXPECT_EQ(Sounds(), (std::vector<int>{135}));
        }
        if (tick == 7) {
            EXPECT_EQ(Sounds(), (std::vector<int>{135, 132}));
        }
    }
    EXPECT_EQ(phases, (std::vector<int32_t>{4, 4, 4, 4, 4, 5, 6, 6, 6, 6, 6, 6, 1, 2}));
    std::vector<bool> runningUntilIdle(14, true);
    runningUntilIdle.back() = false;
    EXPECT_EQ(clock, runningUntilIdle);
    EXPECT_TRUE(view->Selection().empty());
}

TEST_F(Play, RemovedBlocksShrinkTo46_38_30_22_16_8)
{
    EXPECT_EQ(ShrinkWidthsOfTheTwoEnds(false), (std::vector<int>{46, 38, 30, 22, 16, 8}));
}

TEST_F(Play, WithAntiAliasingTheFirstShrinkFramesShowTheCachedBlock)
{
    EXPECT_EQ(ShrinkWidthsOfTheTwoEnds(true), (std::vector<int>{50, 50, 30, 22, 16, 8}));
}

TEST_F(Play, RowsCloseUpTowardsTheMiddleOverSevenTicks)
{
    UseTwoEndsBoard();
    Click(5, 0);  // row 0 loses its right end
    Click(0, 1);  // row 1 loses its left end
    view->CommitSelection();
    for (int tick = 0; tick < 6; ++tick)
        view->Tick();
    const int beforeMove = view->Geometry().BlockRect(0, 0, 6).left;
    const int finalPlace = view->Geometry().BlockRect(0, 1, 5).left;
    const int y0 = view->Geometry().BlockRect(0, 0, 5).top + 25;
    const int y1 = view->Geometry().BlockRect(0, 1, 5).top + 25;
    std::vector<int> rightEnd;
    std::vector<int> leftEnd;
    for (int tick = 0; tick < 7; ++tick) {
        view->Tick();
        rightEnd.push_back(FirstDrawnX(y0) - beforeMove);
        leftEnd.push_back(FirstDrawnX(y1) - finalPlace);
    }
    EXPECT_EQ(rightEnd, (std::vector<int>{5, 9, 13, 16, 20, 24, 25}));
    EXPECT_EQ(leftEnd, (std::vector<int>{20, 16, 13, 9, 5, 1, 0}));
    EXPECT_EQ(view->Phase(), PHASE_REFRESH);
}

TEST_F(Play, EverySlideFrameAndTheRefreshMatchTheBoardDrawnWhole)
{
    // Only the rows whose picture changes are drawn again: each frame must
    // still be the one a whole redraw gives, the keyboard cursor's outline in
    // a row the move leaves alone included.
    for (const bool antiAliasing : {false, true}) {
        for (const bool cursorShown : {false, true}) {
            UseTwoEndsBoard(antiAliasing);
            Click(5, 0);
            Click(0, 1);
            if (cursorShown) {
                for (int press = 0; press < 4 && view->Cursor().Position().row != 2; ++press)
                    view->HandleKey(Qt::Key_Down);
                ASSERT_EQ(view->Cursor().Position().row, 2);
                ASSERT_TRUE(view->Cursor().Shown());
            }
            view->CommitSelection();
            for (int tick = 0; tick < 6; ++tick)
                view->Tick();
            double slide = 0.05;
            for (int tick = 0; tick < 7; ++tick) {
                view->Tick();
                slide += 0.15;
                DibSurface whole;
                whole.Create(700, 400);
                whole.Copy(view->ComposeSurface().Image(), whole.Bounds(), 0, 0);
                view->DrawBoard(whole, slide > 0.9999 ? 0.9999 : slide);
                EXPECT_EQ(view->ComposeSurface().Image(), whole.Image()) << antiAliasing << cursorShown << tick;
            }
            view->Tick();
            ASSERT_EQ(view->Phase(), PHASE_IDLE);
            DibSurface whole;
            whole.Create(700, 400);
            whole.CopySame(view->Painter().Background(), whole.Bounds());
            view->DrawBoard(whole, 2.0);
            view->DrawColourCounters(whole);
            if (cursorShown) {
                const BlockRef at = view->Cursor().Position();
                view->Painter().DrawCursorOutline(whole, view->Geometry().BlockRect(at.index, at.row, 6));
            }
            EXPECT_EQ(view->ComposeSurface().Image(), whole.Image()) << antiAliasing << cursorShown;
        }
    }
}

TEST_F(Play, ClicksAndCommitsDuringTheAnimationDoNothing)
{
    UseTwoEndsBoard();
    Click(5, 0);
    Click(0, 1);
    view->CommitSelection();
    view->Tick();
    sounds.clear();
    Click(0, 2);
    view->CommitSelection();
    EXPECT_TRUE(Sounds().empty());
    EXPECT_EQ(view->Selection().size(), 2u);
    EXPECT_EQ(view->Phase(), PHASE_REMOVING);
}

TEST_F(Play, UndoDuringTheAnimationTakesTheMoveBackAtOnce)
{
    for (int ticks : {2, 9}) {
        UseTwoEndsBoard();
        Click(5, 0);
        Click(0, 1);
        view->CommitSelection();
        for (int i = 0; i < ticks; ++i)
            view->Tick();
        sounds.clear();
        view->UndoMove();
        EXPECT_EQ(Sounds(), (std::vector<int>{131}));
        EXPECT_EQ(view->Phase(), PHASE_IDLE);
        EXPECT_FALSE(view->ClockRunning());
        EXPECT_TRUE(view->Selection().empty());
        EXPECT_EQ(puzzle->Rows(), puzzle->InitialRows());
        // The restored board is on screen: block 5 of row 0 is back, unselected.
        const Rect cell = view->Geometry().BlockRect(5, 0, 6);
        EXPECT_EQ(view->ComposeSurface().Pixel(cell.left, cell.top), ShadeLight(view->Painter().BlockColours()[0]));
        view->Tick();
        EXPECT_EQ(view->Phase(), PHASE_IDLE);
    }
}

TEST_F(Play, TheRemovalDrawsFromTheBoardBeforeTheLastMoveWhichUndoAndRetryKeep)
{
    UseBoard({{1, 2, 1}, {3, 1}}, 12, 4, 1, 2);
    const RowSet before = puzzle->Rows();
    Click(2, 0);
    Click(1, 1);
    view->CommitSelection();
    EXPECT_EQ(view->PreviousRows(), before);
    TicksToIdle();
    const RowSet beforeSecond = puzzle->Rows();
    Click(0, 0);
    view->CommitSelection();
    EXPECT_EQ(view->PreviousRows(), beforeSecond);
    TicksToIdle();
    view->UndoMove();
    EXPECT_EQ(view->PreviousRows(), beforeSecond);
    puzzle->Retry();
    EXPECT_EQ(view->PreviousRows(), beforeSecond);
}

TEST_F(Play, UndoWithNothingToUndoOrDuringSolveIsRefused)
{
    UseTwoEndsBoard();
    view->UndoMove();
    EXPECT_EQ(Sounds(), (std::vector<int>{133}));
    Click(5, 0);
    Click(0, 1);
    view->CommitSelection();
    TicksToIdle();
    view->SetSolving(true);
    puzzle->ApplyMove(MoveList{{5, 0}, {0, 1}});  // something to undo
    ASSERT_EQ(puzzle->Rows()[0].size(), 5u);
    sounds.clear();
    view->UndoMove();
    EXPECT_EQ(Sounds(), (std::vector<int>{133}));
    EXPECT_EQ(puzzle->Rows()[0].size(), 5u);
}

TEST_F(Play, SolveSelectsOneEntryEveryFifthTickAndClearsTheBoard)
{
    // The engine's own puzzle, with its generated solution.
    view->SizeChanged(700, 400);
    ASSERT_GT(puzzle->Solution().size(), 2u);
    Click(0, 0);
    view->SetSolving(true);
    EXPECT_TRUE(view->Solving());
    EXPECT_TRUE(view->ClockRunning());
    EXPECT_EQ(view->Phase(), PHASE_REFRESH);
    EXPECT_TRUE(view->Selection().empty());
    view->Tick();  // Refresh
    std::vector<int> growthTicks;
    size_t last = 0;
    for (int tick = 1; tick <= 40 && view->Phase() == PHASE_IDLE; ++tick) {
        view->Tick();
        if (view->Selection().size() != last) {
            growthTicks.push_back(tick);
            last = view->Selection().size();
        }
    }
    // Tick 1 reads the colour entry, then a block every fifth tick.
    ASSERT_GE(growthTicks.size(), 2u);
    EXPECT_EQ(growthTicks[0], 6);
    EXPECT_EQ(growthTicks[1], 11);
    int guard = 0;
    while (view->Solving() && guard++ < 5000) {
        view->Tick();
        EXPECT_TRUE(view->ClockRunning() || !view->Solving()) << "the replay stalled";
    }
    EXPECT_FALSE(view->Solving());
    EXPECT_FALSE(view->ClockRunning());
    ColourCounters counts{};
    EXPECT_EQ(CountBlocks(puzzle->Rows(), puzzle->Settings().rowCount, counts), 0);
    // Solve's moves stand in the history like the player's own.
    view->UndoMove();
    EXPECT_EQ(LastSound(), 131);
}

TEST_F(Play, SolvePressedAgainStopsAndLeavesTheSelection)
{
    view->SizeChanged(700, 400);
    view->SetSolving(true);
    while (view->Selection().empty())
        view->Tick();
    const MoveList chosen = view->Selection();
    view->SetSolving(false);
    for (int i = 0; i < 30; ++i)
        view->Tick();
    EXPECT_FALSE(view->Solving());
    EXPECT_FALSE(view->ClockRunning());
    EXPECT_EQ(view->Selection(), chosen);
    EXPECT_EQ(view->Phase(), PHASE_IDLE);
    // Clicks and commits work again.
    sounds.clear();
    const BlockRef head = view->Selection().front();
    Click(head.index, head.row);
    EXPECT_EQ(LastSound(), 131);
}

TEST_F(Play, ANewGameEndsTheReplayOfTheOldSolution)
{
    view->SizeChanged(700, 400);
    view->SetSolving(true);
    puzzle->NewGame();  // without stopping Solve first
    EXPECT_FALSE(view->Solving());
    for (int i = 0; i < 30; ++i)
        view->Tick();
    EXPECT_TRUE(view->Selection().empty());
    EXPECT_TRUE(puzzle->History().empty());
}

TEST_F(Play, WhileSolvingClicksAreIgnoredSilently)
{
    view->SizeChanged(700, 400);
    view->SetSolving(true);
    view->Tick();
    sounds.clear();
    Click(0, 0);
    view->CommitSelection();
    EXPECT_TRUE(Sounds().empty());
    EXPECT_TRUE(view->Selection().empty());
}

TEST_F(Play, ClearingTheBoardPlaysTheWinSoundWheneverItIsRedrawn)
{
    UseBoard({{0}, {0}}, 12, 2, 2, 2);
    Click(0, 0);
    Click(0, 1);
    view->CommitSelection();
    TicksToIdle();
    EXPECT_EQ(LastSound(), 134);
    sounds.clear();
    view->Redraw();
    EXPECT_EQ(Sounds(), (std::vector<int>{134}));
    // Drawing the counters somewhere decides pixels only.
    sounds.clear();
    DibSurface elsewhere;
    elsewhere.Create(700, 400);
    EXPECT_FALSE(view->DrawColourCounters(elsewhere).IsEmpty());
    EXPECT_TRUE(Sounds().empty());
}

TEST_F(Play, MusicSwapsInTheQuieterEffectsAndTheSwitchSilencesAll)
{
    view->SetMusicOn(true);
    UseBoard({{0}, {0}}, 12, 2, 2, 2);
    Click(0, 0);
    Click(0, 1);
    view->CommitSelection();
    TicksToIdle();
    EXPECT_EQ(Sounds(), (std::vector<int>{131, 131, 166, 165, 167}));
    sounds.clear();
    SetPreferences(false, false);
    view->UndoMove();
    view->UndoMove();
    view->Redraw();
    EXPECT_TRUE(Sounds().empty());
}

TEST_F(Play, ASizeChangeDuringTheAnimationEndsItInAFullRedraw)
{
    UseTwoEndsBoard();
    Click(5, 0);
    Click(0, 1);
    view->CommitSelection();
    view->Tick();
    view->SizeChanged(800, 500);
    EXPECT_EQ(view->Phase(), PHASE_REFRESH);
    EXPECT_TRUE(view->ClockRunning());
    // The move's blocks are gone: the first picture at the new size shows no
    // other blocks selected in their places.
    EXPECT_TRUE(view->Selection().empty());
    const QImage first = view->ComposeSurface().Image().copy();
    view->Tick();
    EXPECT_EQ(view->Phase(), PHASE_IDLE);
    EXPECT_TRUE(view->Selection().empty());
    EXPECT_EQ(view->ComposeSurface().Image(), first);
    // The whole new picture is drawn: a block of row 2, and the board's frame.
    const Rect cell = view->Geometry().BlockRect(0, 2, 6);
    EXPECT_EQ(view->ComposeSurface().Pixel(cell.left, cell.top), ShadeLight(view->Painter().BlockColours()[3]));
    EXPECT_EQ(view->ComposeSurface().Image(), [&] {
        DibSurface full;
        full.Create(800, 500);
        full.CopySame(view->Painter().Background(), full.Bounds());
        view->DrawBoard(full, 2.0);
        view->DrawColourCounters(full);
        return full.Image();
    }());
}

TEST_F(Play, ResetBoardDropsTheSelectionAndRefreshesNextTick)
{
    UseTwoEndsBoard();
    Click(5, 0);
    puzzle->Retry();
    EXPECT_EQ(view->Phase(), PHASE_REFRESH);
    EXPECT_TRUE(view->ClockRunning());
    EXPECT_TRUE(view->Selection().empty());
    view->Tick();
    EXPECT_EQ(view->Phase(), PHASE_IDLE);
    EXPECT_FALSE(view->ClockRunning());
}

TEST_F(Play, TheClockItselfCarriesAMoveToItsEndAndThenRests)
{
    UseTwoEndsBoard();
    Click(5, 0);
    Click(0, 1);
    view->CommitSelection();
    // No hand-made ticks: only the restarted timer can finish the move.
    QElapsedTimer waited;
    waited.start();
    while (view->Phase() != PHASE_IDLE && waited.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    EXPECT_EQ(view->Phase(), PHASE_IDLE);
    EXPECT_FALSE(view->ClockRunning());
    EXPECT_EQ(puzzle->Rows()[0].size(), 5u);
}

}  // namespace

namespace {

TEST(EffectPlayer, AMissingSoundPlaysNothingAndAKnownOneSounds)
{
    // The tests' audio driver plays into nothing, but the channel plays.
    EnsureApplication();
    EffectPlayer player;
    player.Play(999);
    ASSERT_TRUE(AudioDevice::Instance().IsOpen());
    EXPECT_EQ(Mix_Playing(AudioDevice::EFFECT_CHANNEL), 0);
    player.Play(131);
    EXPECT_EQ(Mix_Playing(AudioDevice::EFFECT_CHANNEL), 1);
    Mix_HaltChannel(AudioDevice::EFFECT_CHANNEL);
}

}  // namespace
