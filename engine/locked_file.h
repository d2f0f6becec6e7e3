// A file opened by name and locked, known to be the one the name still leads
// to: what lets running games add to one file while one of them rewrites it.
#pragma once

#include <string>
#include <sys/types.h>

class LockedFile {
public:
    enum class Lock {
        Shared,           // many at once: adding records
        Exclusive,        // alone, waiting for the others: replacing the file
        ExclusiveIfFree,  // alone, or not at all: tidying that can wait
    };

    // Opens path with flags (never waiting on a FIFO or a device, closed on
    // exec), refuses anything but a regular file, locks it and checks that
    // the name still leads to it, opening again when the file was replaced
    // while the lock was awaited. On a file system without locks the file is
    // used unlocked, except by ExclusiveIfFree. When not open, Reason() has
    // a few words saying why, Missing() tells that nothing is at the name,
    // and Busy() that another holds a lock.
    LockedFile(const std::string& path, int flags, Lock lock, mode_t mode = 0644);
    ~LockedFile();
    LockedFile(const LockedFile&) = delete;
    LockedFile& operator=(const LockedFile&) = delete;

    bool IsOpen() const { return fd >= 0; }
    int Descriptor() const { return fd; }
    off_t Size() const { return size; }  // once locked
    const std::string& Reason() const { return reason; }
    bool Missing() const { return missing; }
    bool Busy() const { return busy; }

private:
    int fd = -1;
    off_t size = 0;
    std::string reason;
    bool missing = false;
    bool busy = false;
};
