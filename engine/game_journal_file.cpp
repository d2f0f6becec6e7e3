// "GAMES.LOG" on disk: records added with a single append under a shared
// lock, the file folded under an exclusive one, and read without waiting.
#include "engine/game_journal.h"

#include "engine/locked_file.h"
#include "engine/whole_file.h"

#include <cerrno>
#include <fcntl.h>
#include <system_error>
#include <unistd.h>

namespace {

// A locked file's reason: the game's own words for what is not the system's.
ReportWords Why(const std::string& reason)
{
    for (const char* own : {PLAYER_TEXT("FileReport", "not a regular file"),
                            PLAYER_TEXT("FileReport", "in use")}) {
        if (reason == own) {
            return OwnWords(own);
        }
    }
    return WordsAsTheyAre(reason);
}

// Whether the journal is worth folding: each time it grows past another
// step, about fourteen thousand records.
constexpr uint64_t FOLDING_STEP = 1u << 20;

// Why an append could not be made, or empty words when it was; grewPastStep
// tells the caller to fold the file.
ReportWords AppendLine(const std::string& path, const std::string& line, bool& grewPastStep)
{
    // Shared: other games may add records at the same moment, but not while
    // one of them folds the file. Read and write: the last byte tells
    // whether a record was cut off.
    const LockedFile file(path, O_RDWR | O_APPEND | O_CREAT, LockedFile::Lock::Shared);
    if (!file.IsOpen()) {
        return Why(file.Reason());
    }
    const auto size = static_cast<uint64_t>(file.Size());
    // The reader refuses a file this large; adding to it would only grow a
    // file nobody reads.
    if (size + line.size() > MAX_JOURNAL_BYTES) {
        return OwnWords(PLAYER_TEXT("FileReport", "larger than %1 bytes"), {std::to_string(MAX_JOURNAL_BYTES)});
    }
    // A record cut off by a crash would swallow the next one on its line: it
    // gets a newline of its own first, in the same write.
    std::string mended;
    char last = '\n';
    if (size > 0 && ::pread(file.Descriptor(), &last, 1, file.Size() - 1) != 1) {
        last = '\n';
    }
    const std::string& written = last == '\n' ? line : (mended = '\n' + line);
    // One write: O_APPEND puts it at the end as a whole, whoever else appends.
    ssize_t n = -1;
    do {
        n = ::write(file.Descriptor(), written.data(), written.size());
    } while (n < 0 && errno == EINTR);
    if (n < 0) {
        return WordsAsTheyAre(std::generic_category().message(errno));
    }
    if (static_cast<std::size_t>(n) != written.size()) {
        return OwnWords(PLAYER_TEXT("FileReport", "only %1 of %2 bytes written"),
                        {std::to_string(n), std::to_string(written.size())});
    }
    grewPastStep = size / FOLDING_STEP != (size + written.size()) / FOLDING_STEP;
    return {};
}

}  // namespace

JournalContents ReadJournal(const std::string& path)
{
    std::vector<uint8_t> bytes;
    FileReport report;
    switch (ReadWholeFileOrReport(path, MAX_JOURNAL_BYTES, bytes,
                                  OwnWords(PLAYER_TEXT("FileReport", "no statistics shown or recorded")),
                                  &report)) {
    case WholeFileRead::Read:
        break;
    case WholeFileRead::Missing:
        return {};
    case WholeFileRead::Unreadable:
    case WholeFileRead::TooLarge: {
        JournalContents contents;
        contents.state = JournalRead::Unreadable;
        contents.report = std::move(report);
        return contents;
    }
    }
    JournalContents contents =
        ParseJournal(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    if (contents.skipped > 0) {
        // English words its singular and its plural apart; each language
        // words both with its own plural forms of %n.
        contents.report = {contents.skipped == 1
                               //: %n is always 1 here; the message beside it has every other count.
                               ? PLAYER_COUNT_TEXT("FileReport",
                                                   "ignored %n damaged record in %1; counting the rest")
                               : PLAYER_COUNT_TEXT("FileReport",
                                                   "ignored %n damaged records in %1; counting the rest"),
                           {WordsAsTheyAre(DisplayPath(path))},
                           contents.skipped};
    }
    return contents;
}

bool AppendToJournal(const std::string& path, const GameRecord& record, FileReport* report)
{
    bool grewPastStep = false;
    const ReportWords reason = AppendLine(path, FormatJournalLine(record), grewPastStep);
    if (report != nullptr) {
        *report = {};
        if (!reason.text.empty()) {
            //: The record of games' path, then why.
            *report = {PLAYER_TEXT("FileReport", "could not record the game in %1: %2"),
                       {WordsAsTheyAre(DisplayPath(path)), reason}};
        }
    }
    if (grewPastStep) {
        // The record is in; a fold that fails or is put off loses nothing.
        FoldJournal(path);
    }
    return reason.text.empty();
}

bool FoldJournal(const std::string& path, FileReport* report)
{
    if (report != nullptr) {
        *report = {};
    }
    // Alone: no record may be added to the old file once it has been read.
    const LockedFile file(path, O_RDONLY, LockedFile::Lock::ExclusiveIfFree);
    if (!file.IsOpen()) {
        return true;  // nothing there to fold, or another game is busy with it
    }
    std::vector<uint8_t> bytes;
    if (ReadWholeFile(path, MAX_JOURNAL_BYTES, bytes) != WholeFileRead::Read) {
        return true;  // the reader reports it
    }
    std::string folded;
    if (!FoldedJournal(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
                       folded)) {
        return true;
    }
    return ReplaceFileOrReport(path, std::vector<uint8_t>(folded.begin(), folded.end()), report);
}

bool ResetJournal(const std::string& path, FileReport* report)
{
    // Waits for a record being added to be in the old file before it goes.
    const LockedFile file(path, O_RDONLY, LockedFile::Lock::Exclusive);
    if (!file.IsOpen() && !file.Missing()) {
        if (report != nullptr) {
            *report = {PLAYER_TEXT("FileReport", "could not save %1: %2"),
                       {WordsAsTheyAre(DisplayPath(path)), Why(file.Reason())}};
        }
        return false;
    }
    return ReplaceFileOrReport(path, {}, report);
}
