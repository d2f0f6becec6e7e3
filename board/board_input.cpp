// Clicks, keys and the Solve replay's entries turned into the selection and the cursor's moves.
#include "board_input.h"

#include "board/board_geometry.h"
#include "board/board_sounds.h"

#include "engine/move_rule.h"
#include "engine/puzzle.h"

#include <algorithm>

BlockRef BoardInput::BlockAt(int x, int y) const
{
    const BoardGeometry* layout = board.UsableLayout();
    const Puzzle* puzzle = board.Played();
    if (!layout || !puzzle)
        return {NO_BLOCK, NO_BLOCK};
    return layout->HitTest(x, y, puzzle->Rows(), puzzle->Settings().rowCount);
}

void BoardInput::LeftButtonUp(int x, int y)
{
    HideCursor();
    if (!board.WaitsForPlayer() || !board.Played())
        return;
    const BlockRef hit = BlockAt(x, y);
    if (hit.index < 0)
        return;
    const int n = RowLength(hit.row);
    // The keyboard takes over from the last row end the mouse chose.
    if (hit.index == 0 || hit.index == n - 1)
        keyCursor.PlaceAt(hit);
    ChooseBlock(hit);
}

void BoardInput::RightButtonUp()
{
    HideCursor();
    CommitSelection();
}

bool BoardInput::HandleKey(int key, Qt::KeyboardModifiers modifiers, bool autoRepeat)
{
    if (!board.Played() || (modifiers & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    switch (key) {
    case Qt::Key_Left:
        MoveCursor(KeyCursor::Step::Left);
        return true;
    case Qt::Key_Right:
        MoveCursor(KeyCursor::Step::Right);
        return true;
    case Qt::Key_Up:
        MoveCursor(KeyCursor::Step::Up);
        return true;
    case Qt::Key_Down:
        MoveCursor(KeyCursor::Step::Down);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!autoRepeat)
            EnterKey();
        return true;
    default:
        return false;
    }
}

void BoardInput::CommitSelection()
{
    const Puzzle* puzzle = board.Played();
    if (!board.WaitsForPlayer() || !puzzle)
        return;
    if (IsLegalMove(puzzle->Rows(), puzzle->Settings(), selection))
        board.StartMove();
}

void BoardInput::ChooseMove(const std::vector<BlockRef>& blocks)
{
    if (!board.WaitsForPlayer() || !board.Played())
        return;
    while (!selection.empty()) {
        const BlockRef dropped = selection.front();
        selection.pop_front();
        board.DrawBlock(dropped, false);
    }
    for (const BlockRef& block : blocks)
        ChooseBlock(block);
}

void BoardInput::ReplayEntry(BlockRef entry)
{
    if (entry.IsMoveMarker()) {
        // A marker with nothing selected would record an empty move.
        if (selection.empty())
            return;
        board.StartMove();
    } else if (entry.IsBlock()) {
        selection.push_back(entry);
        board.PlaySound(SOUND_SELECT);
        board.DrawBlock(entry, true);
    }
}

void BoardInput::SnapCursor()
{
    const Puzzle* puzzle = board.Played();
    if (puzzle && !keyCursor.Snap(puzzle->Rows(), puzzle->Settings().rowCount))
        keyCursor.Hide();
}

void BoardInput::MoveStarts()
{
    if (!keyCursor.Shown())
        return;
    keyCursor.Hide();
    DrawCursorCell();
    keyCursor.Show();
}

void BoardInput::ChooseBlock(BlockRef hit)
{
    // A chosen block is a row end of the chosen colour: choosing it again
    // takes it back.
    const auto found = std::find(selection.begin(), selection.end(), hit);
    if (found != selection.end()) {
        selection.erase(found);
        board.PlaySound(SOUND_SELECT);
        board.DrawBlock(hit, false);
        return;
    }
    const Puzzle* puzzle = board.Played();
    if (!CanJoinSelection(puzzle->Rows(), puzzle->Settings(), selection, hit)) {
        board.Refuse(WhyNotJoin(hit));
        return;
    }
    selection.push_back(hit);
    board.PlaySound(SOUND_SELECT);
    board.DrawBlock(hit, true);
}

QString BoardInput::WhyNotJoin(BlockRef hit) const
{
    const Puzzle* puzzle = board.Played();
    if (!IsAtRowEnd(puzzle->Rows(), puzzle->Settings(), hit))
        return tr("Not an end of its row");
    if (static_cast<long>(selection.size()) >= puzzle->Settings().maxRemove)
        return tr("A move takes at most %n blocks", nullptr, puzzle->Settings().maxRemove);
    return tr("Another colour is selected");
}

void BoardInput::MoveCursor(KeyCursor::Step step)
{
    const Puzzle* puzzle = board.Played();
    const int32_t rowCount = puzzle->Settings().rowCount;
    if (!keyCursor.Snap(puzzle->Rows(), rowCount)) {
        keyCursor.Hide();
        return;
    }
    // The first arrow shows where the cursor is before moving it anywhere.
    if (keyCursor.Shown()) {
        keyCursor.Hide();
        DrawCursorCell();
        keyCursor.Move(step, puzzle->Rows(), rowCount);
    }
    keyCursor.Show();
    DrawCursorCell();
    board.Tell(BoardAccessible::News::CursorMoved);
}

void BoardInput::EnterKey()
{
    if (!keyCursor.Shown()) {
        MoveCursor(KeyCursor::Step::Left);
        return;
    }
    // Like a click: nothing while the board moves or Solve plays.
    if (!board.WaitsForPlayer())
        return;
    const Puzzle* puzzle = board.Played();
    if (!keyCursor.Snap(puzzle->Rows(), puzzle->Settings().rowCount))
        return;
    ChooseBlock(keyCursor.Position());
    board.Tell(BoardAccessible::News::Selected);
}

void BoardInput::HideCursor()
{
    if (!keyCursor.Shown())
        return;
    keyCursor.Hide();
    DrawCursorCell();
}

void BoardInput::DrawCursorCell()
{
    // Outside Idle the animation or the coming Refresh owns the picture.
    const Puzzle* puzzle = board.Played();
    const BlockRef at = keyCursor.Position();
    if (!board.Settled() || !puzzle || !board.UsableLayout() || at.row < 0 || at.row >= puzzle->Settings().rowCount
        || at.index < 0 || at.index >= RowLength(at.row))
        return;
    const bool selected = std::find(selection.begin(), selection.end(), at) != selection.end();
    board.DrawBlock(at, selected);
}

int32_t BoardInput::RowLength(int32_t row) const
{
    const Puzzle* puzzle = board.Played();
    if (!puzzle || row < 0 || row >= MAX_ROWS)
        return 0;
    return static_cast<int32_t>(puzzle->Rows()[static_cast<size_t>(row)].size());
}
