// The board's beat: what calls its 40 ms step, started and stopped as the board moves and rests.
#pragma once

#include <functional>
#include <utility>

class BoardClock {
public:
    virtual ~BoardClock() = default;

    // What every beat runs; the board that owns the clock says so once.
    void OnBeat(std::function<void()> step) { beat = std::move(step); }

    // Beats every BOARD_TIMER_INTERVAL_MS from now on; a running clock keeps
    // its rhythm.
    virtual void Start() = 0;
    // No beat until the next Start.
    virtual void Stop() = 0;
    virtual bool Running() const = 0;

protected:
    void Beat()
    {
        if (beat)
            beat();
    }

private:
    std::function<void()> beat;
};
