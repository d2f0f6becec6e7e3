// The lines of "GAMES.LOG": one checksummed text line per record, read back
// only in the very spelling written, so that a damaged record is known.
#include "engine/game_journal.h"

#include "engine/crc32.h"
#include "engine/slots_by_id.h"

#include <array>
#include <charconv>
#include <chrono>
#include <vector>

namespace {

constexpr std::string_view VERSION = "K1";
constexpr std::string_view VERSION_MARK = "K1 ";
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
        if (ParseJournalLine(line, record)) {
            ++records;
            slots.Record(record);
            continue;
        }
        // A kill can cut off a record while another game adds one, which then
        // follows it on the same line. "K1 " begins a record and occurs
        // nowhere else in one, so each piece that it begins is tried alone.
        for (std::size_t from = 0; from < line.size();) {
            const std::size_t next = line.find(VERSION_MARK, from + 1);
            // A piece that another follows lacks only its newline; the last
            // keeps the line's end, or its lack at the end of the file.
            std::string piece(line.substr(from, next - from));
            if (next != std::string_view::npos) {
                piece.push_back('\n');
            }
            if (ParseJournalLine(piece, record)) {
                ++records;
                slots.Record(record);
            } else {
                ++contents.skipped;
                if (damaged != nullptr) {
                    damaged->append(piece);
                    if (piece.back() != '\n') {
                        damaged->push_back('\n');
                    }
                }
            }
            from = next;
        }
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

bool FoldedJournal(std::string_view bytes, std::string& folded)
{
    JournalContents contents;
    std::string damaged;
    if (ReadRecords(bytes, contents, &damaged) == contents.games.size()) {
        return false;  // no game recorded twice: nothing to gain
    }
    folded.clear();
    folded.reserve(bytes.size());
    for (const GameRecord& game : contents.games) {
        folded += FormatJournalLine(game);
    }
    // What cannot be read stays, for whoever can read it, and stays last: a
    // last record short of only its newline is then read as it would be
    // once the next record mends it.
    folded += damaged;
    return true;
}
