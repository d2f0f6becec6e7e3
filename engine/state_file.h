// Reading and writing "PREFS.SAV": the main window's record, the music
// player's record and the puzzle's record, back to back, little-endian.
#pragma once

#include "engine/file_report.h"
#include <cstdint>
#include <string>
#include <vector>

#include "state_records.h"

class Puzzle;

enum class StateReadResult {
    NotOpened,    // no file (or a link to none): every default stays
    Unreadable,   // a file is there but was not read: every default stays,
                  // and the close must leave that file as it is
    BadFormat,    // unknown format number: only windowRect reset to default
    Read,         // the file was read (possibly damaged part-way: see below)
};

// What a read refused to take, for the report at start.
enum class StateRejected {
    Nothing,      // every record was taken (or there was no file)
    WholeFile,    // too short, cut inside the main record, or of an unknown
                  // format: nothing was taken
    Puzzle,       // the main record was taken, the puzzle record was not
};

struct StateFileProblem {
    StateRejected rejected = StateRejected::Nothing;
    ReportWords reason;  // a few words for the player; empty with Nothing
};

// Parses a whole file's bytes. Each record is parsed into temporaries and
// taken only when complete and valid; a record that is cut short or breaks
// the engine's limits changes nothing, and nothing after it is read.
//   - main: taken whole, but its settings are the puzzle's settings in
//     force only when within the engine's limits;
//   - music: taken when its magic matches and it is complete;
//   - puzzle: taken only when its settings are within limits, its entries
//     are well-formed groups naming rows and colours in range, and replaying
//     them from the rebuilt board is a sequence of legal moves that clears
//     it. Otherwise the generated puzzle stays -- unless the settings in
//     force differ from those it was generated for, in which case a fresh
//     puzzle is generated for them.
// The board in play is taken to have been made for puzzle.Settings() as
// they stand at the call (start-up: the generated default puzzle).
// A puzzle taken is put in play with Start: rows == initialRows, history
// empty, and its view (if set) told to ResetBoard. main.settings ends equal
// to the puzzle's settings in force. Bytes after the puzzle record are ignored.
// Colour words keep their three low bytes only. problem, when given, says
// what was refused.
StateReadResult ParseStateFile(const std::vector<uint8_t>& bytes,
                               MainWindowRecord& main, MusicRecord& music,
                               Puzzle& puzzle, StateFileProblem* problem = nullptr);

// The bytes of a whole file of format PREFS_FORMAT; main.settings is ignored
// in favour of puzzle.Settings(), which both records store.
std::vector<uint8_t> SerializeStateFile(const MainWindowRecord& main,
                                        const MusicRecord& music,
                                        const Puzzle& puzzle);

// Reads the file at path (through links) and parses it. A missing file is
// NotOpened; one that cannot be read, is not a regular file, or is larger
// than any the game could write (1 MiB) is Unreadable. Either way every
// default stays. report, when given, receives one line for the player when
// the file was there but not read, or some of it was refused, naming the
// file, the reason and what the game does instead; else it is emptied.
StateReadResult LoadStateFile(const std::string& path, MainWindowRecord& main,
                              MusicRecord& music, Puzzle& puzzle,
                              FileReport* report = nullptr);

// Replaces the file at path (its final target, when it is a link) through a
// temporary file that is flushed and renamed over it; on any failure the old
// file stays whole. Returns false on failure, and report (when given)
// receives one line for the player naming the file and the system's reason.
bool SaveStateFile(const std::string& path, const MainWindowRecord& main,
                   const MusicRecord& music, const Puzzle& puzzle,
                   FileReport* report = nullptr);

// The line the close reports when it leaves alone a file that start-up could
// not read, instead of replacing what the player could not see.
FileReport UnreadFileKeptReport(const std::string& path);
