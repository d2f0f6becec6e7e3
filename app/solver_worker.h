// Runs the solver off the user-interface thread: one search at a time, each
// on a thread of its own, cancelled when it no longer applies, its answer
// brought back to the user-interface thread.
#pragma once

#include "engine/move_list.h"
#include "engine/puzzle_settings.h"
#include "engine/row_set.h"

#include <QObject>

#include <atomic>
#include <functional>
#include <memory>

// A board to decide, with its settings and the moves that built it (a
// guide the search may try first).
struct SolverQuestion {
    RowSet rows;
    PuzzleSettings settings;
    MoveList guide;
};

enum class SolverVerdict { Clearable, Dead, Unknown };

struct SolverAnswer {
    SolverVerdict verdict = SolverVerdict::Unknown;
    // When Clearable: the moves that clear the board, each a colour entry,
    // its block entries and a move marker.
    MoveList moves;
};

// The search itself. It runs on a worker thread and must give up soon after
// cancel turns true (its answer is then thrown away).
using SolverCall = std::function<SolverAnswer(const SolverQuestion&, const std::atomic<bool>& cancel)>;

class SolverWorker : public QObject {
    Q_OBJECT

public:
    explicit SolverWorker(SolverCall call, QObject* parent = nullptr);
    // Cancels the search still running and returns at once: the search's
    // thread finishes on its own and its answer goes nowhere.
    ~SolverWorker() override;

    // Starts a search of question, cancelling the one still running; returns
    // the ticket its answer will carry.
    int Ask(SolverQuestion question);
    // The search still running no longer applies: its answer never arrives.
    void Cancel();
    // True from Ask until its answer arrives or it is cancelled.
    bool Busy() const { return busy; }
    // The search that later questions use (tests put a stub in).
    void SetCall(SolverCall newCall) { call = std::move(newCall); }

signals:
    // On the user-interface thread, for the latest question only.
    void Answered(int ticket, const SolverAnswer& answer);

private:
    // What a search's thread shares with the worker; it outlives the worker
    // when the worker goes first.
    struct Mailbox;

    void Deliver(int ticket, const SolverAnswer& answer);

    SolverCall call;
    std::shared_ptr<Mailbox> mailbox;
    std::shared_ptr<std::atomic<bool>> cancelRunning;
    int lastTicket = 0;
    bool busy = false;
};
