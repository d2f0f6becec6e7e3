// "GAMES.LOG": one checksummed text line per record, added with a single
// append, so that a record is whole or missing and a damaged one is known.
#include "engine/game_journal.h"

#include "engine/crc32.h"
#include "engine/locked_file.h"
#include "engine/slots_by_id.h"
#include "engine/whole_file.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <fcntl.h>
#include <limits>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace {

constexpr std::string_view VERSION = "K1";
constexpr std::size_t FIELD_COUNT = 13;  // the version, eleven values, the checksum
constexpr std::size_t CHECKSUM_DIGITS = 8;
// The longest line the game writes is about a hundred bytes; anything much
// longer is not a record, and is not worth reading field by field.
constexpr std::size_t LONGEST_LINE = 160;

// The value of each lowercase hex digit; -1 for any other byte.
constexpr std::array<int8_t, 256> HEX_VALUES = [] {
    std::array<int8_t, 256> values{};
    values.fill(-1);
    for (int d = 0; d < 16; ++d) {
        values[static_cast<std::size_t>("0123456789abcdef"[d])] = static_cast<int8_t>(d);
    }
    return values;
}();

bool ParseHexDigits(std::string_view token, uint64_t& value)
{
    value = 0;
    for (const char c : token) {
        const int8_t digit = HEX_VALUES[static_cast<uint8_t>(c)];
        if (digit < 0) {
            return false;
        }
        value = value << 4 | static_cast<uint64_t>(digit);
    }
    return true;
}

// Each number has exactly one spelling (lowercase hex, no leading zeros, no
// plus sign), so a record read back writes the very same line.
bool ParseHex(std::string_view token, uint64_t& value, std::size_t maxDigits)
{
    return !token.empty() && token.size() <= maxDigits && (token.size() == 1 || token[0] != '0')
        && ParseHexDigits(token, value);
}

template <typename Int>
bool ParseDecimal(std::string_view token, Int& value)
{
    const std::size_t first = !token.empty() && token[0] == '-' ? 1 : 0;
    if (token.size() == first || (token[first] == '0' && token.size() > first + 1)
        || token == "-0") {
        return false;
    }
    const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
    return error == std::errc() && end == token.data() + token.size();
}

bool IsDate(int32_t yyyymmdd)
{
    using namespace std::chrono;
    return yyyymmdd > 0
        && year_month_day{year(yyyymmdd / 10000), month(static_cast<unsigned>(yyyymmdd / 100 % 100)),
                          day(static_cast<unsigned>(yyyymmdd % 100))}
               .ok();
}

// Flags are letters in a fixed order, "-" for none: daily, ironman,
// cleared, helped.
constexpr std::array<char, 4> FLAG_LETTERS = {'d', 'i', 'c', 'h'};

std::array<bool*, 4> FlagsOf(GameRecord& record)
{
    return {&record.daily, &record.ironman, &record.cleared, &record.helped};
}

bool ParseFlags(std::string_view token, GameRecord& record)
{
    const auto flags = FlagsOf(record);
    for (bool* flag : flags) {
        *flag = false;
    }
    if (token == "-") {
        return true;
    }
    std::size_t at = 0;
    for (std::size_t f = 0; f < FLAG_LETTERS.size() && at < token.size(); ++f) {
        if (token[at] == FLAG_LETTERS[f]) {
            *flags[f] = true;
            ++at;
        }
    }
    return !token.empty() && at == token.size();
}

class LineWriter {
public:
    void Text(std::string_view text) { line.append(text); }
    template <typename Int>
    void Number(Int value, int base = 10)
    {
        char digits[24];
        const auto result = std::to_chars(digits, digits + sizeof digits, value, base);
        line.append(digits, result.ptr);
    }
    void Space() { line.push_back(' '); }
    std::string& Line() { return line; }

private:
    std::string line;
};

std::string_view Plural(int count, std::string_view one, std::string_view many)
{
    return count == 1 ? one : many;
}

// Whether the journal is worth folding: each time it grows past another
// step, about fourteen thousand records.
constexpr uint64_t FOLDING_STEP = 1u << 20;

// Why an append could not be made, or empty when it was; grewPastStep tells
// the caller to fold the file.
std::string AppendLine(const std::string& path, const std::string& line, bool& grewPastStep)
{
    // Shared: other games may add records at the same moment, but not while
    // one of them folds the file. Read and write: the last byte tells
    // whether a record was cut off.
    const LockedFile file(path, O_RDWR | O_APPEND | O_CREAT, LockedFile::Lock::Shared);
    if (!file.IsOpen()) {
        return file.Reason();
    }
    const auto size = static_cast<uint64_t>(file.Size());
    // The reader refuses a file this large; adding to it would only grow a
    // file nobody reads.
    if (size + line.size() > MAX_JOURNAL_BYTES) {
        return "larger than " + std::to_string(MAX_JOURNAL_BYTES) + " bytes";
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
        return std::generic_category().message(errno);
    }
    if (static_cast<std::size_t>(n) != written.size()) {
        return "only " + std::to_string(n) + " of " + std::to_string(written.size())
             + " bytes written";
    }
    grewPastStep = size / FOLDING_STEP != (size + written.size()) / FOLDING_STEP;
    return {};
}

// The records of bytes into contents; every line that is not one, and not
// blank, to damaged (newline included) when given. Returns the records read.
std::size_t ReadRecords(std::string_view bytes, JournalContents& contents, std::string* damaged)
{
    contents.state = JournalRead::Read;
    // About 75 bytes a record.
    SlotsById slots(contents.games, bytes.size() / 64);
    std::size_t records = 0;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t newline = bytes.find('\n', start);
        const std::size_t end = newline == std::string_view::npos ? bytes.size() : newline + 1;
        const std::string_view line = bytes.substr(start, end - start);
        start = end;
        if (line == "\n") {
            continue;  // an editor's blank line, or the mend after a cut-off record
        }
        GameRecord record;
        if (!ParseJournalLine(line, record)) {
            ++contents.skipped;
            if (damaged != nullptr) {
                damaged->append(line);
                if (line.back() != '\n') {
                    damaged->push_back('\n');
                }
            }
            continue;
        }
        ++records;
        slots.Record(record);
    }
    return records;
}

}  // namespace

std::string FormatJournalLine(const GameRecord& record)
{
    LineWriter out;
    out.Text(VERSION);
    out.Space();
    out.Number(record.id, 16);
    out.Space();
    out.Number(record.startedAt);
    out.Space();
    out.Number(record.localDay);
    out.Space();
    out.Number(record.playedSeconds);
    for (const int32_t value : {record.settings.rowWidth, record.settings.rowCount,
                                record.settings.colourCount, record.settings.minRemove,
                                record.settings.maxRemove}) {
        out.Space();
        out.Number(value);
    }
    out.Space();
    GameRecord copy = record;
    const auto flags = FlagsOf(copy);
    bool anyFlag = false;
    for (std::size_t f = 0; f < flags.size(); ++f) {
        if (*flags[f]) {
            out.Line().push_back(FLAG_LETTERS[f]);
            anyFlag = true;
        }
    }
    if (!anyFlag) {
        out.Text("-");
    }
    out.Space();
    if (record.seedKnown) {
        out.Number(record.seed, 16);
    } else {
        out.Text("-");
    }
    const uint32_t checksum = Crc32(out.Line());
    out.Space();
    char digits[CHECKSUM_DIGITS + 1];
    for (std::size_t i = 0; i < CHECKSUM_DIGITS; ++i) {
        digits[i] = "0123456789abcdef"[checksum >> (4 * (CHECKSUM_DIGITS - 1 - i)) & 15];
    }
    out.Text(std::string_view(digits, CHECKSUM_DIGITS));
    out.Text("\n");
    return std::move(out.Line());
}

bool ParseJournalLine(std::string_view line, GameRecord& record)
{
    if (line.size() > LONGEST_LINE || line.empty() || line.back() != '\n') {
        return false;
    }
    line.remove_suffix(1);
    std::array<std::string_view, FIELD_COUNT> fields;
    std::size_t count = 0;
    for (std::size_t start = 0;;) {
        const std::size_t space = line.find(' ', start);
        if (count == FIELD_COUNT) {
            return false;
        }
        fields[count++] = line.substr(start, space - start);
        if (space == std::string_view::npos) {
            break;
        }
        start = space + 1;
    }
    if (count != FIELD_COUNT || fields[0] != VERSION) {
        return false;
    }
    uint64_t checksum = 0;
    const std::string_view checksumField = fields[FIELD_COUNT - 1];
    if (checksumField.size() != CHECKSUM_DIGITS || !ParseHexDigits(checksumField, checksum)
        || Crc32(line.substr(0, line.size() - CHECKSUM_DIGITS - 1)) != checksum) {
        return false;
    }
    GameRecord read;
    uint64_t seed = 0;
    const bool seedKnown = fields[11] != "-";
    if (!ParseHex(fields[1], read.id, 16) || read.id == 0
        || !ParseDecimal(fields[2], read.startedAt) || !ParseDecimal(fields[3], read.localDay)
        || !IsDate(read.localDay) || !ParseDecimal(fields[4], read.playedSeconds)
        || read.playedSeconds < 0 || !ParseDecimal(fields[5], read.settings.rowWidth)
        || !ParseDecimal(fields[6], read.settings.rowCount)
        || !ParseDecimal(fields[7], read.settings.colourCount)
        || !ParseDecimal(fields[8], read.settings.minRemove)
        || !ParseDecimal(fields[9], read.settings.maxRemove)
        || !read.settings.WithinEngineLimits() || !ParseFlags(fields[10], read)
        || (seedKnown && !ParseHex(fields[11], seed, 8))) {
        return false;
    }
    read.seedKnown = seedKnown;
    read.seed = static_cast<uint32_t>(seed);
    record = read;
    return true;
}

JournalContents ParseJournal(std::string_view bytes)
{
    JournalContents contents;
    ReadRecords(bytes, contents, nullptr);
    return contents;
}

JournalContents ReadJournal(const std::string& path)
{
    std::vector<uint8_t> bytes;
    std::string report;
    switch (ReadWholeFileOrReport(path, MAX_JOURNAL_BYTES, bytes,
                                  "no statistics shown or recorded", &report)) {
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
        contents.report = "ignored " + std::to_string(contents.skipped) + " damaged "
                        + std::string(Plural(contents.skipped, "record", "records")) + " in "
                        + DisplayPath(path) + "; counting the rest";
    }
    return contents;
}

bool AppendToJournal(const std::string& path, const GameRecord& record, std::string* report)
{
    bool grewPastStep = false;
    const std::string reason = AppendLine(path, FormatJournalLine(record), grewPastStep);
    if (report != nullptr) {
        *report = reason.empty() ? std::string()
                                 : "could not record the game in " + DisplayPath(path) + ": " + reason;
    }
    if (grewPastStep) {
        // The record is in; a fold that fails or is put off loses nothing.
        FoldJournal(path);
    }
    return reason.empty();
}

bool FoldJournal(const std::string& path, std::string* report)
{
    if (report != nullptr) {
        report->clear();
    }
    // Alone: no record may be added to the old file once it has been read.
    const LockedFile file(path, O_RDONLY, LockedFile::Lock::ExclusiveIfFree);
    if (!file.IsOpen()) {
        return true;  // nothing there to fold, or another game is busy with it
    }
    std::vector<uint8_t> bytes;
    std::string reason;
    if (ReadWholeFile(path, MAX_JOURNAL_BYTES, bytes, &reason) != WholeFileRead::Read) {
        return true;  // the reader reports it
    }
    JournalContents contents;
    std::string text;
    const std::size_t records = ReadRecords(
        std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), contents, &text);
    if (records == contents.games.size()) {
        return true;  // no game recorded twice: nothing to gain
    }
    // What cannot be read stays, for whoever can read it.
    for (const GameRecord& game : contents.games) {
        text += FormatJournalLine(game);
    }
    return ReplaceFileOrReport(path, std::vector<uint8_t>(text.begin(), text.end()), report);
}

bool ResetJournal(const std::string& path, std::string* report)
{
    // Waits for a record being added to be in the old file before it goes.
    const LockedFile file(path, O_RDONLY, LockedFile::Lock::Exclusive);
    if (!file.IsOpen() && !file.Missing()) {
        if (report != nullptr) {
            *report = "could not save " + DisplayPath(path) + ": " + file.Reason();
        }
        return false;
    }
    return ReplaceFileOrReport(path, {}, report);
}
