// The solver's worker: a detached thread per search, a cancel flag, and the
// answer posted back to the worker's thread while the worker still exists.
#include "app/solver_worker.h"

#include <QMetaObject>

#include <mutex>
#include <system_error>
#include <thread>

struct SolverWorker::Mailbox {
    std::mutex mutex;
    // Null once the worker is gone; only read and written under mutex.
    SolverWorker* owner = nullptr;
};

SolverWorker::SolverWorker(SolverCall call, QObject* parent)
    : QObject(parent), call(std::move(call)), mailbox(std::make_shared<Mailbox>())
{
    mailbox->owner = this;
}

SolverWorker::~SolverWorker()
{
    Cancel();
    // A search that ends after this finds no owner and posts nothing; one
    // that posted already is dropped with the worker's pending events.
    const std::lock_guard<std::mutex> lock(mailbox->mutex);
    mailbox->owner = nullptr;
}

int SolverWorker::Ask(SolverQuestion question)
{
    Cancel();
    const int ticket = ++lastTicket;
    auto cancel = std::make_shared<std::atomic<bool>>(false);
    cancelRunning = cancel;
    busy = true;
    auto post = [box = mailbox, ticket, cancel](SolverAnswer answer) {
        const std::lock_guard<std::mutex> lock(box->mutex);
        if (box->owner == nullptr || *cancel)
            return;
        SolverWorker* owner = box->owner;
        QMetaObject::invokeMethod(
            owner, [owner, ticket, answer = std::move(answer)] { owner->Deliver(ticket, answer); },
            Qt::QueuedConnection);
    };
    try {
        std::thread([search = call, question = std::move(question), cancel, post] {
            post(search ? search(question, *cancel) : SolverAnswer{});
        }).detach();
    } catch (const std::system_error&) {
        // No thread to be had: the board stays undecided.
        post(SolverAnswer{});
    }
    return ticket;
}

void SolverWorker::Cancel()
{
    if (cancelRunning)
        *cancelRunning = true;
    cancelRunning.reset();
    busy = false;
}

void SolverWorker::Deliver(int ticket, const SolverAnswer& answer)
{
    // A later question, or a cancel, may have come after the answer was posted.
    if (ticket != lastTicket || !busy)
        return;
    busy = false;
    cancelRunning.reset();
    emit Answered(ticket, answer);
}
