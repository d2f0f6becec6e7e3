// The board view in play: selection by mouse, moves, undo, the Solve replay's entries and sound effects.
#include "board_view.h"

#include "board/board_accessible.h"

#include "engine/move_rule.h"
#include "engine/puzzle.h"

#include <algorithm>
#include <utility>

void BoardView::LeftButtonUp(int x, int y)
{
    HideCursor();
    if (phases.Phase() != PHASE_IDLE || phases.Solving() || !puzzle)
        return;
    const BlockRef hit = HitTest(x, y);
    if (hit.index < 0)
        return;
    const int n = RowLength(hit.row);
    // The keyboard takes over from the last row end the mouse chose.
    if (hit.index == 0 || hit.index == n - 1)
        keyCursor.position = hit;
    ChooseBlock(hit);
}

void BoardView::ChooseBlock(BlockRef hit)
{
    // A chosen block is a row end of the chosen colour: choosing it again
    // takes it back.
    const auto found = std::find(selection.begin(), selection.end(), hit);
    if (found != selection.end()) {
        selection.erase(found);
        PlayEffect(SOUND_SELECT);
        DrawBlockAt(hit.index, hit.row, false);
        return;
    }
    if (!CanJoinSelection(puzzle->Rows(), puzzle->Settings(), selection, hit)) {
        PlayEffect(SOUND_REFUSE);
        return;
    }
    selection.push_back(hit);
    PlayEffect(SOUND_SELECT);
    DrawBlockAt(hit.index, hit.row, true);
}

void BoardView::CommitSelection()
{
    if (phases.Phase() != PHASE_IDLE || phases.Solving() || !puzzle)
        return;
    if (IsLegalMove(puzzle->Rows(), puzzle->Settings(), selection))
        StartMove();
}

void BoardView::StartMove()
{
    // The cursor waits out the animation: its cell is drawn plain again so
    // that no outline is left where the blocks shrink and slide.
    if (keyCursor.shown) {
        keyCursor.shown = false;
        DrawCursorCell();
        keyCursor.shown = true;
    }
    BoardAccessible::Tell(this, BoardAccessible::News::Moved);
    RowSet before;
    CopyRows(before, puzzle->Rows());
    puzzle->ApplyMove(selection);
    phases.MoveApplied(std::move(before));
    FollowPhase();
}

void BoardView::UndoMove()
{
    if (phases.Solving() || !puzzle || !puzzle->Undo()) {
        PlayEffect(SOUND_REFUSE);
        return;
    }
    PlayEffect(SOUND_SELECT);
    selection.clear();
    phases.Settle();
    FollowPhase();
    Redraw();
    BoardAccessible::Tell(this, BoardAccessible::News::Undone);
}

void BoardView::RedoMove()
{
    const MoveList blocks = puzzle ? puzzle->NextRedoBlocks() : MoveList();
    if (phases.Solving() || blocks.empty()) {
        PlayEffect(SOUND_REFUSE);
        return;
    }
    // The board is shown settled first, so the move's animation starts from
    // the board it takes its blocks from.
    if (phases.Phase() != PHASE_IDLE || !selection.empty()) {
        selection.clear();
        phases.Settle();
        Redraw();
    }
    // The same move again: ApplyMove takes it off the redo list.
    selection = blocks;
    StartMove();
}

void BoardView::ChooseMove(const std::vector<BlockRef>& blocks)
{
    if (phases.Phase() != PHASE_IDLE || phases.Solving() || !puzzle)
        return;
    while (!selection.empty()) {
        const BlockRef dropped = selection.front();
        selection.pop_front();
        DrawBlockAt(dropped.index, dropped.row, false);
    }
    for (const BlockRef& block : blocks)
        ChooseBlock(block);
}

void BoardView::SetSolving(bool on)
{
    if (!on) {
        phases.StopReplay();
        FollowPhase();
        return;
    }
    if (!puzzle)
        return;
    // Back to the start first: the board changing wholesale ends a replay.
    puzzle->Retry();
    phases.StartReplay(puzzle->Solution());
    FollowPhase();
}

void BoardView::ResetBoard()
{
    // A replay walks the solution of the puzzle as it started, which may be
    // gone now.
    phases.StopReplay();
    phases.RefreshNext();
    FollowPhase();
    selection.clear();
    DrawBoard(composeSurface, 2.0);
    update();
    BoardAccessible::Tell(this, BoardAccessible::News::NewBoard);
}

void BoardView::PlayEffect(int id)
{
    // What the player hears of a refusal or a cleared board, a screen
    // reader says, sound or no sound.
    if (id == SOUND_REFUSE || id == SOUND_WIN)
        BoardAccessible::Tell(this, id == SOUND_REFUSE ? BoardAccessible::News::Refused
                                                       : BoardAccessible::News::Cleared);
    if (!soundEffects)
        return;
    if (music && *music) {
        if (id == SOUND_REMOVE)
            id = SOUND_REMOVE_QUIET;
        else if (id == SOUND_SLIDE)
            id = SOUND_SLIDE_QUIET;
        else if (id == SOUND_WIN)
            id = SOUND_WIN_QUIET;
    }
    effectPlayer.Play(id);
}

void BoardView::Tick()
{
    if (!puzzle)
        return;
    phases.Tick();
    FollowPhase();
}

void BoardView::ReplayEntry(BlockRef entry)
{
    if (entry.IsMoveMarker()) {
        // A marker with nothing selected would record an empty move.
        if (selection.empty())
            return;
        StartMove();
    } else if (entry.IsBlock()) {
        selection.push_back(entry);
        PlayEffect(SOUND_SELECT);
        DrawBlockAt(entry.index, entry.row, true);
    }
}
