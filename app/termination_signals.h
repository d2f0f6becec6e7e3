// A polite end on SIGTERM, SIGINT or SIGHUP (a session logout, Ctrl+C in a
// terminal): the event loop ends normally, so the saved state is written as
// on any other close instead of the puzzle being lost.
#pragma once

#include <QObject>
#include <QSocketNotifier>

#include <memory>

class TerminationSignals : public QObject {
    Q_OBJECT

public:
    // Installs the handlers; the first signal asks the application to quit.
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

    // False when the handlers could not be installed (the game then simply
    // ends on such a signal, as before).
    bool IsActive() const { return notifier != nullptr; }

private:
    static void OnSignal(int signal);
    void OnReadable();

    std::unique_ptr<QSocketNotifier> notifier;
};
