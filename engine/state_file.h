// Reading and writing "PREFS.SAV": the main window's record, the music
// player's record and the puzzle's record, back to back, little-endian.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "state_records.h"

class Puzzle;

enum class StateReadResult {
    NotOpened,    // no file or no access: every default stays
    BadFormat,    // unknown format number: only windowRect reset to default
    Read,         // the file was read (possibly damaged part-way: see below)
};

// Parses a whole file's bytes. Each record is parsed into temporaries and
// taken only when complete and valid; a record that is cut short or breaks
// the engine's limits changes nothing, and nothing after it is read.
//   - main: taken whole, but its settings go to puzzle.settings only when
//     within the engine's limits;
//   - music: taken when its magic matches and it is complete;
//   - puzzle: taken only when its settings are within limits, its entries
//     are well-formed groups naming rows and colours in range, and replaying
//     them from the rebuilt board is a sequence of legal moves that clears
//     it. Otherwise the generated puzzle stays -- unless the settings in
//     force differ from those it was generated for, in which case a fresh
//     puzzle is generated for them.
// The board in play is taken to have been made for puzzle.settings as they
// stand at the call (start-up: the generated default puzzle).
// After a puzzle is taken: rows == initialRows == previousRows, history empty,
// and boardView (if set) is told to ResetBoard. main.settings ends equal to
// the puzzle's settings in force. Bytes after the puzzle record are ignored.
StateReadResult ParseStateFile(const std::vector<uint8_t>& bytes,
                               MainWindowRecord& main, MusicRecord& music,
                               Puzzle& puzzle);

// The bytes of a whole file of format PREFS_FORMAT; main.settings is ignored
// in favour of puzzle.settings, which both records store.
std::vector<uint8_t> SerializeStateFile(const MainWindowRecord& main,
                                        const MusicRecord& music,
                                        const Puzzle& puzzle);

// Reads the file at path and parses it. A file that cannot be opened, is not
// a regular file, or is larger than any the game could write (1 MiB) is not
// read: NotOpened, every default stays.
StateReadResult LoadStateFile(const std::string& path, MainWindowRecord& main,
                              MusicRecord& music, Puzzle& puzzle);

// Writes to a temporary file beside path, flushes it and renames it over
// path; on any failure the old file stays whole. Returns false on failure;
// the program reports nothing to the player.
bool SaveStateFile(const std::string& path, const MainWindowRecord& main,
                   const MusicRecord& music, const Puzzle& puzzle);
