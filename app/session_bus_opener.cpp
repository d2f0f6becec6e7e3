// The session bus, connected on a thread of its own.
#include "app/session_bus_opener.h"

#include <QDBusConnection>

#include <system_error>

#include <sys/resource.h>
#include <unistd.h>

SessionBusOpener::SessionBusOpener()
{
    try {
        thread = std::thread([] {
            // Only ahead of the main thread, which it leaves the cores to.
            setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 10);
            QDBusConnection::sessionBus();
        });
    } catch (const std::system_error&) {
        // No thread to be had: the bridge connects when it is made.
    }
}

SessionBusOpener::~SessionBusOpener()
{
    if (thread.joinable())
        thread.join();
}
