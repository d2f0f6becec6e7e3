// Playing the board from the keyboard: cursor, outline, Enter as a click, the mouse taking over.
#include "board_fixture.h"

#include "board/colour.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {

constexpr ColourValue WHITE = 0xFFFFFF;

class Keyboard : public BoardFixture {
protected:
    bool Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        return view->HandleKey(key, modifiers);
    }

    BlockRef At() const { return view->Cursor().Position(); }

    // Pure white appears nowhere on this board but in the cursor's dashes.
    int WhitePixels() const
    {
        int count = 0;
        const DibSurface& s = view->ComposeSurface();
        for (int y = 0; y < s.Height(); ++y)
            for (int x = 0; x < s.Width(); ++x)
                count += s.Pixel(x, y) == WHITE ? 1 : 0;
        return count;
    }

    bool AtARowEnd() const
    {
        const BlockRef at = At();
        const int n = static_cast<int>(puzzle->Rows()[static_cast<size_t>(at.row)].size());
        return n > 0 && (at.index == 0 || at.index == n - 1);
    }

    // The cell at (index, row) inside its outline band is the block as drawn
    // without any cursor.
    bool PlainInsideOutline(int32_t index, int32_t row, bool selected)
    {
        const int n = static_cast<int>(puzzle->Rows()[static_cast<size_t>(row)].size());
        const Rect cell = view->Geometry().BlockRect(index, row, n);
        DibSurface clean;
        clean.Create(view->ComposeSurface().Width(), view->ComposeSurface().Height());
        clean.CopySame(view->Painter().Background(), cell);
        PainterLikeTheView().DrawBlock(cell, puzzle->Rows()[static_cast<size_t>(row)][static_cast<size_t>(index)],
                                       clean, selected, 1.0, false, false);
        const int band = std::max(1, cell.Width() / 25);
        for (int y = cell.top + band; y < cell.bottom - band; ++y)
            for (int x = cell.left + band; x < cell.right - band; ++x)
                if (clean.Pixel(x, y) != view->ComposeSurface().Pixel(x, y))
                    return false;
        return true;
    }

    void MoveMouse(QPointF to)
    {
        QMouseEvent move(QEvent::MouseMove, to, view->mapToGlobal(to), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(view.get(), &move);
    }

    // Row 0: 1 2 2 2 2 0; row 1 empty; row 2: 0 3 3 0; row 3: 3.
    void UseGappedBoard(bool antiAliasing = false)
    {
        UseBoard({{1, 2, 2, 2, 2, 0}, {}, {0, 3, 3, 0}, {3}}, 12, 4, 2, 3, antiAliasing);
    }
};

TEST_F(Keyboard, TheCursorIsHiddenUntilTheFirstArrowWhichShowsItWithoutMoving)
{
    UseGappedBoard();
    EXPECT_FALSE(view->Cursor().Shown());
    EXPECT_EQ(WhitePixels(), 0);
    EXPECT_TRUE(Press(Qt::Key_Right));
    EXPECT_TRUE(view->Cursor().Shown());
    EXPECT_EQ(At(), (BlockRef{0, 0}));
    // The outline lies along the cell's edge, dark and light in turn.
    const Rect cell = view->Geometry().BlockRect(0, 0, 6);
    EXPECT_EQ(view->ComposeSurface().Pixel(cell.left, cell.top), 0u);
    EXPECT_EQ(view->ComposeSurface().Pixel(cell.left + 7, cell.top), WHITE);
    EXPECT_GT(WhitePixels(), 50);
    EXPECT_TRUE(Sounds().empty());
}

TEST_F(Keyboard, ArrowsWalkTheRowEndsAndSkipTheEmptyRow)
{
    UseGappedBoard();
    Press(Qt::Key_Right);
    std::vector<BlockRef> visited;
    for (int key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Down, Qt::Key_Up,
                    Qt::Key_Up, Qt::Key_Left}) {
        Press(key);
        visited.push_back(At());
    }
    EXPECT_EQ(visited, (std::vector<BlockRef>{{5, 0}, {0, 2}, {3, 2}, {0, 3}, {0, 3}, {0, 2}, {0, 0}, {0, 3}}));
    // Only the last place shows the outline: every step erased the one before.
    const int one = WhitePixels();
    view->Redraw();
    EXPECT_EQ(WhitePixels(), one);
}

TEST_F(Keyboard, KeyEventsOnTheBoardItselfGoThroughTheSameKeys)
{
    UseGappedBoard();
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QCoreApplication::sendEvent(view.get(), &down);
    EXPECT_TRUE(down.isAccepted());
    EXPECT_TRUE(view->Cursor().Shown());
    QKeyEvent other(QEvent::KeyPress, Qt::Key_B, Qt::NoModifier);
    QCoreApplication::sendEvent(view.get(), &other);
    EXPECT_FALSE(other.isAccepted());
}

TEST_F(Keyboard, EnterSelectsAndDeselectsWithTheSoundsOfAClick)
{
    UseGappedBoard();
    Press(Qt::Key_Return);  // a hidden cursor is only shown
    EXPECT_TRUE(view->Cursor().Shown());
    EXPECT_TRUE(view->Selection().empty());
    Press(Qt::Key_Right);
    Press(Qt::Key_Return);  // (5, 0), colour 0
    Press(Qt::Key_Right);
    Press(Qt::Key_Enter);  // (0, 2), colour 0
    Press(Qt::Key_Down);
    Press(Qt::Key_Return);  // (0, 3), colour 3: refused
    EXPECT_EQ(Sounds(), (std::vector<int>{131, 131, 133}));
    EXPECT_EQ(view->Selection(), (MoveList{{5, 0}, {0, 2}}));
    Press(Qt::Key_Up);
    Press(Qt::Key_Return);  // (0, 2) again: deselected
    EXPECT_EQ(LastSound(), 131);
    EXPECT_EQ(view->Selection(), (MoveList{{5, 0}}));
    // Holding Return down does not flip the block on and off.
    sounds.clear();
    EXPECT_TRUE(view->HandleKey(Qt::Key_Return, Qt::NoModifier, true));
    EXPECT_TRUE(Sounds().empty());
    EXPECT_EQ(view->Selection(), (MoveList{{5, 0}}));
    // The cell under the cursor shows the block unselected, outline on top.
    EXPECT_TRUE(PlainInsideOutline(0, 2, false));
    EXPECT_TRUE(PlainInsideOutline(5, 0, true));
    const Rect cursorCell = view->Geometry().BlockRect(0, 2, 4);
    EXPECT_EQ(view->ComposeSurface().Pixel(cursorCell.left, cursorCell.top), 0u);
}

TEST_F(Keyboard, EnterOnASelectedBlockKeepsTheOutlineAroundTheSmallerBlock)
{
    UseGappedBoard(true);
    Press(Qt::Key_Down);
    Press(Qt::Key_Return);
    const Rect cell = view->Geometry().BlockRect(0, 0, 6);
    EXPECT_EQ(view->ComposeSurface().Pixel(cell.left, cell.top), 0u);
    // Inside the outline the selected block stands two pixels in, tinted.
    EXPECT_EQ(view->ComposeSurface().Pixel(cell.left + 2, cell.top + 2),
              ShadeLight(SelectedTint(view->Painter().BlockColours()[1])));
}

TEST_F(Keyboard, TheMouseHidesTheCursorAndTheNextArrowShowsItWhereTheMouseChose)
{
    UseGappedBoard();
    Press(Qt::Key_Down);
    Click(3, 2);  // a click anywhere hides it and erases the outline
    EXPECT_FALSE(view->Cursor().Shown());
    EXPECT_EQ(WhitePixels(), 0);
    Press(Qt::Key_Up);
    EXPECT_EQ(At(), (BlockRef{3, 2}));
    EXPECT_TRUE(view->Cursor().Shown());
    // A real move of the mouse hides it too; a repeat of the same place does not.
    MoveMouse({10, 10});
    Press(Qt::Key_Right);
    MoveMouse({10, 10});
    EXPECT_TRUE(view->Cursor().Shown());
    MoveMouse({12, 10});
    EXPECT_FALSE(view->Cursor().Shown());
    EXPECT_EQ(WhitePixels(), 0);
    EXPECT_TRUE(PlainInsideOutline(0, 3, false));
}

TEST_F(Keyboard, TheCursorLeavesNoTrailThroughAMoveAndLandsOnARowEnd)
{
    for (bool antiAliasing : {false, true}) {
        NewView();
        UseGappedBoard(antiAliasing);
        Press(Qt::Key_Right);
        Press(Qt::Key_Right);
        Press(Qt::Key_Return);  // (5, 0)
        Press(Qt::Key_Right);
        Press(Qt::Key_Right);
        Press(Qt::Key_Return);  // (3, 2), the cursor stays on it
        const int outline = WhitePixels();
        view->CommitSelection();
        for (int tick = 0; tick < 13; ++tick) {
            view->Tick();
            EXPECT_EQ(WhitePixels(), 0) << tick;
        }
        view->Tick();  // Refresh
        EXPECT_EQ(view->Phase(), PHASE_IDLE);
        EXPECT_EQ(At(), (BlockRef{2, 2}));
        EXPECT_TRUE(AtARowEnd());
        EXPECT_EQ(WhitePixels(), outline);
    }
}

TEST_F(Keyboard, UndoRetryAndNewGameSnapTheCursorToARowEnd)
{
    UseBoard({{0, 1, 1, 1}, {1, 0}}, 12, 2, 2, 2);
    Press(Qt::Key_Down);  // shows (0, 0)
    Press(Qt::Key_Down);  // (0, 1)
    Press(Qt::Key_Right);  // (1, 1)
    Press(Qt::Key_Return);
    Press(Qt::Key_Up);  // the right end is nearer
    EXPECT_EQ(At(), (BlockRef{3, 0}));
    Press(Qt::Key_Left);
    Press(Qt::Key_Return);  // (0, 0): colour 0 with (1, 1)
    view->CommitSelection();
    TicksToIdle();
    EXPECT_EQ(At(), (BlockRef{0, 0}));
    Press(Qt::Key_Down);
    EXPECT_EQ(At(), (BlockRef{0, 1}));
    Press(Qt::Key_Right);  // a one-block row is one stop: on to row 0's left end
    EXPECT_EQ(At(), (BlockRef{0, 0}));
    Press(Qt::Key_Left);
    Press(Qt::Key_Left);  // (2, 0), the right end of 1 1 1
    EXPECT_EQ(At(), (BlockRef{2, 0}));
    view->UndoMove();  // row 0 is four blocks again: still its right end
    EXPECT_EQ(At(), (BlockRef{3, 0}));
    EXPECT_TRUE(view->Cursor().Shown());
    // A row that empties sends it to the nearest row, same side.
    puzzle->ApplyMove(MoveList{{0, 0}, {1, 0}, {2, 0}, {3, 0}});
    view->Redraw();
    EXPECT_EQ(At(), (BlockRef{1, 1}));
    puzzle->Retry();
    TicksToIdle();
    EXPECT_TRUE(AtARowEnd());
    EXPECT_TRUE(view->Cursor().Shown());
    puzzle->NewGame();
    TicksToIdle();
    EXPECT_TRUE(AtARowEnd());
    EXPECT_GT(WhitePixels(), 0);
}

TEST_F(Keyboard, ClearingTheBoardHidesTheCursor)
{
    UseBoard({{0}, {0}}, 12, 2, 2, 2);
    Press(Qt::Key_Down);
    Press(Qt::Key_Return);
    Press(Qt::Key_Down);
    Press(Qt::Key_Return);
    view->CommitSelection();
    TicksToIdle();
    EXPECT_FALSE(view->Cursor().Shown());
    EXPECT_EQ(WhitePixels(), 0);
    EXPECT_TRUE(Press(Qt::Key_Down));
    EXPECT_FALSE(view->Cursor().Shown());
    view->UndoMove();
    EXPECT_TRUE(Press(Qt::Key_Down));
    EXPECT_TRUE(view->Cursor().Shown());
}

TEST_F(Keyboard, AWholeGeneratedPuzzleIsSolvedFromTheKeyboardAlone)
{
    // The engine's own puzzle for seed 12345, played by following its stored
    // solution with the cursor: arrows to each block, Enter to choose it,
    // and at each move marker what Space does.
    view->SizeChanged(700, 400);
    TicksToIdle();
    const MoveList solution = puzzle->Solution();
    ASSERT_GT(solution.size(), 10u);
    int moves = 0;
    int presses = 0;
    for (const BlockRef& entry : solution) {
        if (entry.IsMoveMarker()) {
            view->CommitSelection();
            ASSERT_EQ(view->Phase(), PHASE_REMOVE_START);
            TicksToIdle();
            ++moves;
            continue;
        }
        if (!entry.IsBlock())
            continue;
        for (int guard = 0; guard < 40 && !(view->Cursor().Shown() && At() == entry); ++guard) {
            const int across = entry.index == 0 ? Qt::Key_Left : Qt::Key_Right;
            const int key = At().row < entry.row ? Qt::Key_Down : At().row > entry.row ? Qt::Key_Up : across;
            ASSERT_TRUE(Press(key));
            ++presses;
            ASSERT_TRUE(AtARowEnd());
        }
        ASSERT_EQ(At(), entry);
        sounds.clear();
        Press(Qt::Key_Return);
        ASSERT_EQ(Sounds(), (std::vector<int>{131})) << "block " << entry.index << ", " << entry.row;
        ASSERT_EQ(view->Selection().back(), entry);
    }
    ColourCounters counts{};
    EXPECT_EQ(CountBlocks(puzzle->Rows(), puzzle->Settings().rowCount, counts), 0);
    EXPECT_EQ(LastSound(), 134);
    EXPECT_GT(moves, 2);
    EXPECT_GT(presses, moves);
    EXPECT_FALSE(view->Cursor().Shown());
}

}  // namespace
