// The board's phases: Refresh, Idle with the Solve replay, the removal and the slide of a move.
#include "phase_machine.h"

#include "board/board_sounds.h"

void PhaseMachine::StartReplay(const MoveList& entries)
{
    solving = true;
    solution = &entries;
    solveCursor = entries.cbegin();
}

void PhaseMachine::Tick()
{
    switch (phase) {
    case PHASE_REFRESH:
        board.RedrawAll();
        phase = PHASE_IDLE;
        if (moveEnding) {
            moveEnding = false;
            board.MoveEnded();
        }
        break;
    case PHASE_IDLE:
        if (solving)
            SolveStep();
        break;
    case PHASE_REMOVE_START:
        removeScale = 0.9;
        board.PlaySound(SOUND_REMOVE);
        phase = PHASE_REMOVING;
        [[fallthrough]];
    case PHASE_REMOVING:
        RemovingStep();
        break;
    case PHASE_SLIDE_START:
        slideFraction = 0.05;
        board.PlaySound(SOUND_SLIDE);
        phase = PHASE_SLIDING;
        [[fallthrough]];
    case PHASE_SLIDING:
        SlidingStep();
        break;
    default:
        break;
    }
}

void PhaseMachine::RemovingStep()
{
    board.DrawRemoval(removeScale);
    // Repeated subtraction on purpose: it gives the 0.44999… frame its size.
    removeScale -= 0.15;
    if (removeScale < 0.1)
        phase = PHASE_SLIDE_START;
}

void PhaseMachine::SlidingStep()
{
    slideFraction += 0.15;
    board.DrawSlide(slideFraction > 0.9999 ? 0.9999 : slideFraction);
    if (slideFraction > 1.05) {
        phase = PHASE_REFRESH;
        moveEnding = true;
    }
}

void PhaseMachine::SolveStep()
{
    if (replayCountdown > 0) {
        --replayCountdown;
        return;
    }
    replayCountdown = REPLAY_DELAY;
    if (solution == nullptr || solveCursor == solution->cend()) {
        solving = false;
        return;
    }
    const BlockRef entry = *solveCursor;
    ++solveCursor;
    board.ReplayEntry(entry);
}
