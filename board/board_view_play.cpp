// The board view in play: selection by mouse, moves, undo, the phase machine
// with its removal and slide animations, the Solve replay and sound effects.
#include "board_view.h"

#include "board/board_accessible.h"

#include "engine/puzzle.h"

#include <algorithm>

void BoardView::LeftButtonUp(int x, int y)
{
    HideCursor();
    if (phase != PHASE_IDLE || solving || !puzzle)
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
    const int n = RowLength(hit.row);
    if (hit.index != 0 && hit.index != n - 1) {
        PlayEffect(SOUND_REFUSE);
        return;
    }
    const int32_t code = CodeAt(hit.index, hit.row);
    if (!selection.empty() && code != CodeAt(selection.front().index, selection.front().row)) {
        PlayEffect(SOUND_REFUSE);
        return;
    }
    const auto found = std::find(selection.begin(), selection.end(), hit);
    if (found != selection.end()) {
        selection.erase(found);
        PlayEffect(SOUND_SELECT);
        DrawBlockAt(hit.index, hit.row, false);
        return;
    }
    if (static_cast<int>(selection.size()) >= puzzle->settings.maxRemove) {
        PlayEffect(SOUND_REFUSE);
        return;
    }
    selection.push_back(hit);
    PlayEffect(SOUND_SELECT);
    DrawBlockAt(hit.index, hit.row, true);
}

void BoardView::CommitSelection()
{
    if (phase != PHASE_IDLE || solving || !puzzle)
        return;
    const int size = static_cast<int>(selection.size());
    if (size < puzzle->settings.minRemove || size > puzzle->settings.maxRemove)
        return;
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
    puzzle->ApplyMove(selection);
    phase = PHASE_REMOVE_START;
}

void BoardView::UndoMove()
{
    if (solving || !puzzle || !puzzle->Undo()) {
        PlayEffect(SOUND_REFUSE);
        return;
    }
    PlayEffect(SOUND_SELECT);
    selection.clear();
    phase = PHASE_IDLE;
    Redraw();
    BoardAccessible::Tell(this, BoardAccessible::News::Undone);
}

void BoardView::SetSolving(bool on)
{
    if (!on) {
        solving = false;
        return;
    }
    if (!puzzle)
        return;
    solving = true;
    solveCursor = puzzle->solution.cbegin();
    puzzle->Retry();
}

void BoardView::ResetBoard()
{
    phase = PHASE_REFRESH;
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
    switch (phase) {
    case PHASE_REFRESH:
        selection.clear();
        Redraw();
        phase = PHASE_IDLE;
        break;
    case PHASE_IDLE:
        if (solving)
            SolveStep();
        break;
    case PHASE_REMOVE_START:
        removeScale = 0.9;
        PlayEffect(SOUND_REMOVE);
        phase = PHASE_REMOVING;
        [[fallthrough]];
    case PHASE_REMOVING:
        RemovingStep();
        break;
    case PHASE_SLIDE_START:
        slideFraction = 0.05;
        PlayEffect(SOUND_SLIDE);
        phase = PHASE_SLIDING;
        [[fallthrough]];
    case PHASE_SLIDING:
        SlidingStep();
        break;
    default:
        break;
    }
}

void BoardView::RemovingStep()
{
    if (Usable()) {
        for (const BlockRef& entry : selection) {
            const auto& before = puzzle->previousRows[static_cast<size_t>(entry.row)];
            const int n = static_cast<int>(before.size());
            if (entry.index < 0 || entry.index >= n)
                continue;
            const Rect cell = BlockRect(entry.index, entry.row, n);
            DrawBlock(cell, before[static_cast<size_t>(entry.index)], composeSurface, false, removeScale, false,
                      false);
            Invalidate(cell);
        }
    }
    // Repeated subtraction on purpose: it gives the 0.44999… frame its size.
    removeScale -= 0.15;
    if (removeScale < 0.1)
        phase = PHASE_SLIDE_START;
}

void BoardView::SlidingStep()
{
    slideFraction += 0.15;
    const double t = slideFraction > 0.9999 ? 0.9999 : slideFraction;
    Invalidate(DrawBoard(composeSurface, t));
    if (slideFraction > 1.05)
        phase = PHASE_REFRESH;
}

void BoardView::SolveStep()
{
    if (replayCountdown > 0) {
        --replayCountdown;
        return;
    }
    replayCountdown = REPLAY_DELAY;
    if (solveCursor == puzzle->solution.cend()) {
        solving = false;
        return;
    }
    const BlockRef entry = *solveCursor;
    ++solveCursor;
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
