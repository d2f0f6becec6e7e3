// Reading and writing "GAME.SAV": the moves made on the puzzle in play, kept
// beside "PREFS.SAV" so that the next start resumes where the player left off.
#pragma once

#include "engine/file_report.h"
#include <cstdint>
#include <string>
#include <vector>

class Puzzle;

inline const std::string GAME_FILE_NAME = "GAME.SAV";
inline constexpr uint32_t GAME_FILE_MAGIC = 46295302;

enum class GameFileRead {
    Missing,      // no file: the puzzle stays at its start
    Unreadable,   // there but not read; the close must leave it as it is
    Damaged,      // read but refused: the puzzle stays at its start
    OtherPuzzle,  // whole, but for another puzzle: the puzzle stays at its start
    NoMoves,      // whole, for this puzzle, with nothing to replay
    Resumed,      // the moves were replayed on the puzzle
};

// The file, little-endian words: the magic; the five settings; for each row
// in play its length and its colour codes at the start; 1 when the puzzle's
// seed is known, else 0; the seed (0 when not known); the number of moves;
// for each move the number of its blocks, then each block's position and
// row as ApplyMove takes them. A finished board is written with no moves.
// withMoves false writes no moves either (the game's own replay is not the
// player's).
std::vector<uint8_t> SerializeGameFile(const Puzzle& puzzle, bool withMoves = true);

// Takes the moves only when the file names exactly this puzzle (settings and
// starting rows), every move is legal on the board as replayed, they leave
// blocks on the board and no byte follows them. Until then puzzle is not
// touched; when taken, it is brought back to its start and the moves are
// applied with ApplyMove, so Undo takes them back. For NoMoves and Resumed
// the file's seed becomes the puzzle's when AdoptSeed accepts it, so a board
// restored from "PREFS.SAV" keeps its code. reason, when given, receives a
// few words for Damaged.
GameFileRead ParseGameFile(const std::vector<uint8_t>& bytes, Puzzle& puzzle,
                           std::string* reason = nullptr);

// Reads the file at path (through links) and parses it. report, when given,
// receives one line for the player for Unreadable and Damaged, else is emptied.
GameFileRead LoadGameFile(const std::string& path, Puzzle& puzzle,
                          FileReport* report = nullptr);

// Replaces the file at path as "PREFS.SAV" is replaced (through a flushed
// temporary file, links written through). False on failure, with report
// (when given) naming the file and the system's reason.
bool SaveGameFile(const std::string& path, const Puzzle& puzzle, bool withMoves = true,
                  FileReport* report = nullptr);

// The line the close reports when it leaves alone a file of moves that
// start-up could not read ("PREFS.SAV" itself was saved).
FileReport UnreadGameFileKeptReport(const std::string& path);
