// The board view in play: moves, undo and redo, the Solve replay and sound effects.
#include "board_view.h"

#include "board/board_accessible.h"

#include "engine/puzzle.h"

#include <utility>

void BoardView::StartMove()
{
    input.MoveStarts();
    BoardAccessible::Tell(this, BoardAccessible::News::Moved);
    RowSet before;
    CopyRows(before, puzzle->Rows());
    puzzle->ApplyMove(input.Selection());
    phases.MoveApplied(std::move(before));
    FollowPhase();
}

void BoardView::UndoMove()
{
    if (phases.Solving() || !puzzle || !puzzle->Undo()) {
        Refuse(phases.Solving() ? tr("Not while Solve plays") : tr("Nothing to undo"));
        return;
    }
    PlayEffect(SOUND_SELECT);
    input.ClearSelection();
    phases.Settle();
    FollowPhase();
    Redraw();
    BoardAccessible::Tell(this, BoardAccessible::News::Undone);
}

void BoardView::RedoMove()
{
    const MoveList blocks = puzzle ? puzzle->NextRedoBlocks() : MoveList();
    if (phases.Solving() || blocks.empty()) {
        Refuse(phases.Solving() ? tr("Not while Solve plays") : tr("Nothing to redo"));
        return;
    }
    // The board is shown settled first, so the move's animation starts from
    // the board it takes its blocks from.
    if (phases.Phase() != PHASE_IDLE || !input.Selection().empty()) {
        input.ClearSelection();
        phases.Settle();
        Redraw();
    }
    // The same move again: ApplyMove takes it off the redo list.
    input.SetSelection(blocks);
    StartMove();
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
    input.ClearSelection();
    // The board as DrawBoard draws it, the rows' pictures kept for the
    // Refresh to come.
    if (Usable())
        DrawChangedRows(2.0, false);
    InvalidateAll();
    BoardAccessible::Tell(this, BoardAccessible::News::NewBoard);
}

void BoardView::PlayEffect(int id)
{
    // What the player hears of a refusal or a cleared board, a screen
    // reader says, sound or no sound.
    if (id == SOUND_REFUSE || id == SOUND_WIN)
        BoardAccessible::Tell(this, id == SOUND_REFUSE ? BoardAccessible::News::Refused
                                                       : BoardAccessible::News::Cleared);
    Sound(id);
}

void BoardView::Refuse(const QString& why)
{
    BoardAccessible::Tell(this, BoardAccessible::News::Refused, why);
    Sound(SOUND_REFUSE);
}

void BoardView::Sound(int id)
{
    if (!preferences.soundEffects)
        return;
    if (musicOn) {
        if (id == SOUND_REMOVE)
            id = SOUND_REMOVE_QUIET;
        else if (id == SOUND_SLIDE)
            id = SOUND_SLIDE_QUIET;
        else if (id == SOUND_WIN)
            id = SOUND_WIN_QUIET;
    }
    effects->Play(id);
}

void BoardView::Tick()
{
    if (!puzzle)
        return;
    phases.Tick();
    FollowPhase();
}

void BoardView::Tell(BoardAccessible::News news)
{
    BoardAccessible::Tell(this, news);
}
