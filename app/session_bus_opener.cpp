// The session bus, connected on a thread of its own.
#include "app/session_bus_opener.h"

#include <QDBusConnection>

#include <system_error>

SessionBusOpener::SessionBusOpener()
{
    try {
        // At the main thread's priority: the bridge waits for it.
        thread = std::thread([] { QDBusConnection::sessionBus(); });
    } catch (const std::system_error&) {
        // No thread to be had: the bridge connects when it is made.
    }
}

SessionBusOpener::~SessionBusOpener()
{
    if (thread.joinable())
        thread.join();
}
