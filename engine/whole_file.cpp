// Whole-file reads that never block, and crash-safe file replacement.
#include "engine/whole_file.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace {

constexpr const char* NOT_A_REGULAR_FILE = PLAYER_TEXT("FileReport", "not a regular file");

// Linux's own limit on links followed while resolving one name.
constexpr int MAX_LINKS_FOLLOWED = 40;
constexpr int TEMPORARY_NAME_ATTEMPTS = 100;

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd(fd) {}
    ~FileDescriptor() { Close(); }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int Get() const { return fd; }
    bool Close()
    {
        const bool closed = fd < 0 || ::close(fd) == 0;
        fd = -1;
        return closed;
    }

private:
    int fd;
};

std::string SystemReason(int error)
{
    return std::generic_category().message(error);
}

void Tell(std::string* reason, std::string words)
{
    if (reason != nullptr) {
        *reason = std::move(words);
    }
}

// False with errno set; a write that makes no progress counts as a full disk.
bool WriteAll(int fd, const std::vector<uint8_t>& bytes)
{
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return false;
        }
        if (n == 0) {
            errno = ENOSPC;
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    return true;
}

std::string DirectoryOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Makes the rename itself survive a power cut; a failure here does not undo
// a replacement that has already happened, so it is not reported.
void SyncDirectoryOf(const std::string& path)
{
    FileDescriptor directory(::open(DirectoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.Get() >= 0) {
        ::fsync(directory.Get());
    }
}

// A name beside target that no other writer will pick: the target's own name
// with random letters and ".tmp" after it, so that it can never be taken for
// the target. Created exclusively, so neither another game saving at the
// same moment nor a link planted in the folder is ever written through.
// The kernel applies the umask to 0666, giving the permissions of any new
// file. Returns the descriptor, or -1 with errno set.
int CreateTemporaryBeside(const std::string& target, std::string& name)
{
    static constexpr char HEX[] = "0123456789abcdef";
    std::random_device entropy;
    std::mt19937_64 letters((static_cast<uint64_t>(entropy()) << 32) ^ entropy()
                            ^ static_cast<uint64_t>(::getpid()));
    for (int attempt = 0; attempt < TEMPORARY_NAME_ATTEMPTS; ++attempt) {
        name = target + '.';
        uint64_t bits = letters();
        for (int i = 0; i < 12; ++i, bits >>= 4) {
            name += HEX[bits & 15];
        }
        name += ".tmp";
        const int fd = ::open(name.c_str(),
                              O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

}  // namespace

WholeFileRead ReadWholeFile(const std::string& path, std::size_t maxBytes,
                            std::vector<uint8_t>& bytes, std::string* reason)
{
    // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a
    // writer, and a device might wait for a carrier, before any check runs.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.Get() < 0) {
        const int error = errno;
        Tell(reason, SystemReason(error));
        return error == ENOENT || error == ENOTDIR ? WholeFileRead::Missing
                                                   : WholeFileRead::Unreadable;
    }
    struct stat status {};
    if (::fstat(file.Get(), &status) != 0) {
        Tell(reason, SystemReason(errno));
        return WholeFileRead::Unreadable;
    }
    if (!S_ISREG(status.st_mode)) {
        Tell(reason, S_ISDIR(status.st_mode) ? SystemReason(EISDIR) : NOT_A_REGULAR_FILE);
        return WholeFileRead::Unreadable;
    }
    const auto size = static_cast<std::size_t>(std::max<off_t>(status.st_size, 0));
    if (size > maxBytes) {
        Tell(reason, "larger than " + std::to_string(maxBytes) + " bytes");
        return WholeFileRead::TooLarge;
    }
    // Read one byte past the cap rather than trusting the size, which can
    // change while we read; the size only says how much room to make first,
    // so that a large cap costs nothing for a small file.
    const std::size_t limit = maxBytes + 1;
    std::vector<uint8_t> buffer(std::min(limit, size + 1));
    std::size_t filled = 0;
    while (filled < limit) {
        if (filled == buffer.size()) {
            buffer.resize(std::min(limit, 2 * buffer.size()));
        }
        const ssize_t n = ::read(file.Get(), buffer.data() + filled, buffer.size() - filled);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            Tell(reason, SystemReason(errno));
            return WholeFileRead::Unreadable;
        }
        if (n == 0) {
            break;
        }
        filled += static_cast<std::size_t>(n);
    }
    if (filled > maxBytes) {
        Tell(reason, "larger than " + std::to_string(maxBytes) + " bytes");
        return WholeFileRead::TooLarge;
    }
    buffer.resize(filled);
    bytes = std::move(buffer);
    return WholeFileRead::Read;
}

std::string FinalLinkTarget(const std::string& path, std::string* reason)
{
    std::string current = path;
    for (int followed = 0; followed <= MAX_LINKS_FOLLOWED; ++followed) {
        struct stat status {};
        if (::lstat(current.c_str(), &status) != 0) {
            if (errno == ENOENT) {
                return current;  // the end of the chain, still to be made
            }
            Tell(reason, SystemReason(errno));
            return {};
        }
        if (!S_ISLNK(status.st_mode)) {
            return current;
        }
        std::string target(PATH_MAX, '\0');
        const ssize_t length = ::readlink(current.c_str(), target.data(), target.size());
        if (length < 0) {
            Tell(reason, SystemReason(errno));
            return {};
        }
        target.resize(static_cast<std::size_t>(length));
        // A relative link is relative to the folder that holds it.
        current = !target.empty() && target.front() == '/'
                      ? target
                      : DirectoryOf(current) + '/' + target;
    }
    Tell(reason, SystemReason(ELOOP));
    return {};
}

bool ReplaceFile(const std::string& path, const std::vector<uint8_t>& bytes,
                 std::string* reason)
{
    const std::string target = FinalLinkTarget(path, reason);
    if (target.empty()) {
        return false;
    }
    std::string temporary;
    FileDescriptor file(CreateTemporaryBeside(target, temporary));
    if (file.Get() < 0) {
        Tell(reason, SystemReason(errno));
        return false;
    }
    // A player who made the file private, or shared it, keeps it that way.
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
        ::fchmod(file.Get(), old.st_mode & 0777);
    }
    bool done = WriteAll(file.Get(), bytes) && ::fsync(file.Get()) == 0;
    int error = errno;
    if (!file.Close() && done) {
        done = false;
        error = errno;
    }
    if (done && std::rename(temporary.c_str(), target.c_str()) != 0) {
        done = false;
        error = errno;
    }
    if (!done) {
        ::unlink(temporary.c_str());
        Tell(reason, SystemReason(error));
        return false;
    }
    SyncDirectoryOf(target);
    return true;
}

std::string DisplayPath(const std::string& path)
{
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.lexically_normal().string();
}

WholeFileRead ReadWholeFileOrReport(const std::string& path, std::size_t maxBytes,
                                    std::vector<uint8_t>& bytes, const ReportWords& consequence,
                                    FileReport* report)
{
    std::string reason;
    const WholeFileRead result = ReadWholeFile(path, maxBytes, bytes, &reason);
    if (report != nullptr) {
        *report = {};
        // The file's faults are the game's words, the rest the system's.
        ReportWords why = WordsAsTheyAre(reason);
        if (result == WholeFileRead::TooLarge) {
            why = OwnWords(PLAYER_TEXT("FileReport", "larger than %1 bytes"), {std::to_string(maxBytes)});
        } else if (reason == NOT_A_REGULAR_FILE) {
            why = OwnWords(NOT_A_REGULAR_FILE);
        }
        if (result == WholeFileRead::Unreadable || result == WholeFileRead::TooLarge) {
            //: A file was there but not read: its path, why, and what the game does instead.
            *report = {PLAYER_TEXT("FileReport", "cannot read %1: %2; %3"),
                       {WordsAsTheyAre(DisplayPath(path)), why, consequence}};
        }
    }
    return result;
}

bool ReplaceFileOrReport(const std::string& path, const std::vector<uint8_t>& bytes,
                         FileReport* report)
{
    std::string reason;
    if (ReplaceFile(path, bytes, &reason)) {
        if (report != nullptr) {
            *report = {};
        }
        return true;
    }
    if (report != nullptr) {
        // Through a link, the folder that refused may not be the player's.
        const std::string target = FinalLinkTarget(path);
        if (target.empty() || target == path) {
            //: The file's path, then the system's reason.
            *report = {PLAYER_TEXT("FileReport", "could not save %1: %2"),
                       {WordsAsTheyAre(DisplayPath(path)), WordsAsTheyAre(reason)}};
        } else {
            //: The file's path, the path it is a symbolic link to, then the system's reason.
            *report = {PLAYER_TEXT("FileReport", "could not save %1 (a link to %2): %3"),
                       {WordsAsTheyAre(DisplayPath(path)), WordsAsTheyAre(DisplayPath(target)),
                        WordsAsTheyAre(reason)}};
        }
    }
    return false;
}
