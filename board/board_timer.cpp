// The board's clock in the game: a precise Qt timer of 40 ms, on the event loop.
#include "board_timer.h"

#include "board/phase_machine.h"

#include <QTimerEvent>

void BoardTimer::Start()
{
    if (timerId == 0)
        timerId = startTimer(BOARD_TIMER_INTERVAL_MS, Qt::PreciseTimer);
}

void BoardTimer::Stop()
{
    if (timerId == 0)
        return;
    killTimer(timerId);
    timerId = 0;
}

void BoardTimer::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != timerId) {
        QObject::timerEvent(event);
        return;
    }
    Beat();
}
