// Opens the D-Bus session connection on a thread of its own while the window is built.
#pragma once

#include <thread>

// The first widget to change tells the screen-reader bridge, which Qt then
// makes: it connects to the session bus and asks it whether the accessibility
// bus is there, and the main thread waits for both. Without a session bus
// the connection is an attempt to start one, a fork, and it fails. Asked
// here first, that wait runs beside the building of the window; the bridge
// then finds the connection made (Qt makes one per process).
class SessionBusOpener {
public:
    // Only once the application exists: Qt connects no bus before that.
    SessionBusOpener();
    // Waits for the connection: it must be made, or given up, before the
    // application is destroyed.
    ~SessionBusOpener();
    SessionBusOpener(const SessionBusOpener&) = delete;
    SessionBusOpener& operator=(const SessionBusOpener&) = delete;

private:
    std::thread thread;
};
