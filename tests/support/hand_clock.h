// The board's clock for the tests: it beats only when the test fires it.
#pragma once

#include "board/board_clock.h"

class HandClock : public BoardClock {
public:
    void Start() override { running = true; }
    void Stop() override { running = false; }
    bool Running() const override { return running; }

    // One 40 ms beat, as the timer gives it: none while the board rests its
    // clock.
    void Fire()
    {
        if (running)
            Beat();
    }

private:
    bool running = false;
};
