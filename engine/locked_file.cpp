// flock on the record of games, and the check that the name still leads to
// the file locked: a file replaced while its lock was awaited is no longer
// the record, and whatever is written to it is lost.
#include "engine/locked_file.h"

#include "engine/file_report.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace {

// Replacing the file takes a moment; only a name replaced over and over
// could keep an opener going round, and then the last opening is used.
constexpr int OPENING_ATTEMPTS = 8;

bool SameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

}  // namespace

LockedFile::LockedFile(const std::string& path, int flags, Lock lock, mode_t mode)
{
    for (int attempt = 0; attempt < OPENING_ATTEMPTS; ++attempt) {
        fd = ::open(path.c_str(), flags | O_CLOEXEC | O_NONBLOCK | O_NOCTTY, mode);
        if (fd < 0) {
            missing = errno == ENOENT;
            reason = std::generic_category().message(errno);
            return;
        }
        struct stat opened {};
        if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
            reason = S_ISDIR(opened.st_mode) ? std::generic_category().message(EISDIR)
                                             : PLAYER_TEXT("FileReport", "not a regular file");
            break;
        }
        int operation = lock == Lock::Shared ? LOCK_SH : LOCK_EX;
        operation |= lock == Lock::ExclusiveIfFree ? LOCK_NB : 0;
        int locked = -1;
        do {
            locked = ::flock(fd, operation);
        } while (locked != 0 && errno == EINTR);
        if (locked != 0) {
            busy = errno == EWOULDBLOCK;
            if (busy || lock == Lock::ExclusiveIfFree) {
                //: A file another program holds.
                reason = busy ? PLAYER_TEXT("FileReport", "in use") : std::generic_category().message(errno);
                break;
            }
        }
        struct stat named {};
        const bool stillThere = ::stat(path.c_str(), &named) == 0 && SameFile(named, opened);
        if (stillThere || attempt + 1 == OPENING_ATTEMPTS) {
            struct stat now {};
            size = ::fstat(fd, &now) == 0 ? now.st_size : opened.st_size;
            return;
        }
        ::close(fd);
        fd = -1;
    }
    if (fd >= 0) {
        ::close(fd);
        fd = -1;
    }
}

LockedFile::~LockedFile()
{
    if (fd >= 0) {
        ::close(fd);  // and with it the lock
    }
}
