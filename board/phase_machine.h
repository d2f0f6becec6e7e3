// The board's clock: the phases of a move's animation and the Solve replay, ticks in, drawing and sounds out.
#pragma once

#include "engine/move_list.h"
#include "engine/row_set.h"

#include <cstdint>
#include <utility>

// The phase machine's clock.
inline constexpr int BOARD_TIMER_INTERVAL_MS = 40;
// Solve waits this many ticks between two entries of the solution.
inline constexpr int REPLAY_DELAY = 4;

// The phases of the board.
inline constexpr int32_t PHASE_REFRESH = 1;       // redraw from scratch on the next tick
inline constexpr int32_t PHASE_IDLE = 2;          // waiting for the player; Solve steps here
inline constexpr int32_t PHASE_REMOVE_START = 3;  // a move was just applied
inline constexpr int32_t PHASE_REMOVING = 4;      // removed blocks shrink
inline constexpr int32_t PHASE_SLIDE_START = 5;   // shrinking done
inline constexpr int32_t PHASE_SLIDING = 6;       // rows close up

class PhaseMachine {
public:
    // What a tick asks of the board it runs.
    class Board {
    public:
        // Refresh: the selection dropped and the whole picture drawn anew.
        virtual void RedrawAll() = 0;
        // One frame of the removed blocks shrinking to `scale`.
        virtual void DrawRemoval(double scale) = 0;
        // One frame of the rows closing up, t in 0 .. 1.
        virtual void DrawSlide(double t) = 0;
        virtual void PlaySound(int id) = 0;
        // The next entry of the solution: a block to select or a move marker.
        virtual void ReplayEntry(BlockRef entry) = 0;
        // A move's slide has ended and the Refresh after it is drawn.
        virtual void MoveEnded() {}

    protected:
        ~Board() = default;
    };

    explicit PhaseMachine(Board& board) : board(board) {}

    // One 40 ms step.
    void Tick();

    int32_t Phase() const { return phase; }
    // Between a move and the end of its slide.
    bool Animating() const { return phase >= PHASE_REMOVE_START && phase <= PHASE_SLIDING; }
    // A move was applied to the board `before`: its animation starts on the
    // next tick, the removed blocks drawn vanishing from that board.
    void MoveApplied(RowSet before)
    {
        previousRows = std::move(before);
        phase = PHASE_REMOVE_START;
    }
    // The board before the last move applied.
    const RowSet& PreviousRows() const { return previousRows; }
    // Redraw from scratch on the next tick.
    void RefreshNext()
    {
        phase = PHASE_REFRESH;
        moveEnding = false;
    }
    // Back to waiting for the player at once (an undo ends any animation).
    void Settle()
    {
        phase = PHASE_IDLE;
        moveEnding = false;
    }

    bool Solving() const { return solving; }
    // Replays `solution` (not owned) from its first entry.
    void StartReplay(const MoveList& solution);
    void StopReplay() { solving = false; }

private:
    void SolveStep();
    void RemovingStep();
    void SlidingStep();

    Board& board;
    int32_t phase = PHASE_REFRESH;
    double removeScale = 0.0;
    double slideFraction = 0.0;
    int32_t replayCountdown = 0;
    bool solving = false;
    // The Refresh to come ends a move.
    bool moveEnding = false;
    RowSet previousRows;
    const MoveList* solution = nullptr;
    MoveList::const_iterator solveCursor;  // meaningful only while solving
};
