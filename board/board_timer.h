// The board's clock in the game: a precise Qt timer of 40 ms, on the event loop.
#pragma once

#include "board/board_clock.h"

#include <QObject>

class BoardTimer : public QObject, public BoardClock {
    Q_OBJECT

public:
    void Start() override;
    void Stop() override;
    bool Running() const override { return timerId != 0; }

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    int timerId = 0;
};
