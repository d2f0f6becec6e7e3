// The record of games played: a file of one line per record beside
// "PREFS.SAV", which several running games may add to at once, and which
// is now and then folded to one line per game.
#pragma once

#include "engine/file_report.h"
#include "puzzle_settings.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

inline const std::string JOURNAL_FILE_NAME = "GAMES.LOG";
// A file past this is not read (nor added to): some 400,000 records.
inline constexpr std::size_t MAX_JOURNAL_BYTES = 32u << 20;

// One game, as the statistics see it. A game is recorded from its first move;
// a later record with the same id replaces an earlier one, so a game that is
// recorded again when it ends (or when a resumed game ends) counts once.
struct GameRecord {
    uint64_t id = 0;             // chosen at the first move, never 0
    int64_t startedAt = 0;       // seconds since the epoch, at the first move
    int32_t localDay = 0;        // the local date of the first move, as YYYYMMDD
    int32_t playedSeconds = 0;   // from the first move to the board cleared or the last record
    PuzzleSettings settings;
    bool daily = false;          // today's puzzle
    bool ironman = false;
    bool cleared = false;        // the board emptied without Solve
    bool helped = false;         // Hint, Solve or Back to a Solvable Position was used
    uint32_t seed = 0;           // the puzzle generator's seed, when seedKnown
    bool seedKnown = false;      // lets a resumed game carry on its own record

    bool operator==(const GameRecord&) const = default;
};

enum class JournalRead {
    Missing,     // no file yet: no games
    Read,        // read; damaged records (if any) were skipped and counted
    Unreadable,  // there but not read: reported, and never written over
};

struct JournalContents {
    JournalRead state = JournalRead::Missing;
    std::vector<GameRecord> games;  // one per id, the last record of each, in order of first record
    int skipped = 0;                // damaged or cut-off records left out
    FileReport report;              // one line for stderr when skipped > 0 or Unreadable, else empty
};

// One line of the file, newline included:
//   K1 ID STARTED DAY SECONDS WIDTH ROWS COLOURS MIN MAX FLAGS SEED CRC
// ID and SEED in lowercase hex (SEED "-" when not known), the others in
// decimal, each in its one spelling (no leading zeros, no plus sign); FLAGS
// the letters of d(aily), i(ronman), c(leared), h(elped) in that order, "-"
// for none; CRC eight hex digits, the CRC-32 of all before its space.
std::string FormatJournalLine(const GameRecord& record);
// Takes the line (newline included) only when whole: its checksum matches,
// every value is spelt as FormatJournalLine spells it, the date is a real
// date, the settings are within the engine's limits and the seconds not
// negative. Until then record is not touched.
bool ParseJournalLine(std::string_view line, GameRecord& record);

// The records in the bytes of a whole file, state Read and no report; blank
// lines are passed over, anything else that is not a whole record counted.
JournalContents ParseJournal(std::string_view bytes);

// Adds one record with a single append, so a record is either whole in the
// file or not there, whatever else writes to it or however the process ends
// (a kill may at worst cut off the record being added, which the next one
// then mends). False on failure, with report (when given) naming the file
// and the reason; a file that is not a regular one, or too large to read,
// is never added to. Each time the file grows past another megabyte it is
// folded (FoldJournal).
bool AppendToJournal(const std::string& path, const GameRecord& record,
                     FileReport* report = nullptr);

// The bytes of a whole file with the last record of each game only, in
// order of their first records, then the lines that are no record (blank
// ones left out), each with a newline; so a game recorded at its first move
// and again at its end takes one line, and the folded text reads as the
// bytes do (with a newline after them). False, folded untouched, when no
// game is recorded more than once.
bool FoldedJournal(std::string_view bytes, std::string& folded);

// Rewrites the file folded, while no other game adds a record, and only when
// a game is recorded more than once; put off (true) while another game
// holds the file. False when the rewrite failed, with report; the file is
// then as it was.
bool FoldJournal(const std::string& path, FileReport* report = nullptr);

// Reads every record; never blocks on a file that is not a regular one.
JournalContents ReadJournal(const std::string& path);

// Empties the journal (the statistics' Reset), once any record being added
// is in. False on failure, with report; a file that is there but cannot be
// opened for reading, or is no regular file, is left as it is.
bool ResetJournal(const std::string& path, FileReport* report = nullptr);
