// The puzzle in play: its settings, its board, its start, its solution and
// the moves made so far.
#pragma once

#include "move_list.h"
#include "puzzle_settings.h"
#include "row_set.h"

#include <cstdint>
#include <optional>
#include <vector>

class PuzzleView;

class Puzzle {
public:
    // Generates a first puzzle with the default settings; SeedRandom must
    // have run.
    Puzzle();
    virtual ~Puzzle() = default;

    // Puts a puzzle in play: `rows` made for `settings`, with `solution` the
    // record of how it was built (empty for a board made by hand). Play
    // starts afresh from it as after Retry, the view told to ResetBoard.
    // Every puzzle the game holds, generated or loaded, comes in here.
    void Start(const PuzzleSettings& settings, const RowSet& rows, MoveList solution);
    // A new puzzle for the current settings.
    void NewGame();
    // A new puzzle for these settings, which are then the current ones. Its
    // seed is the shared Random's state as it stands, so a game's first
    // puzzle and the draws after it are those of one seeded sequence.
    void NewGame(const PuzzleSettings& settings);
    // The puzzle these settings and this seed make, the same on every machine;
    // the shared Random goes on from where the generator leaves it.
    void NewGame(const PuzzleSettings& settings, uint32_t seed);
    // Back to the start of the puzzle; history emptied.
    void Retry();

    // selection: distinct block entries that obey the rule of a move
    // (IsLegalMove), named by their positions on the board before the move.
    // Trusted, not checked.
    void ApplyMove(const MoveList& selection);
    // Takes back the last move; false (and no change) when there is none.
    // The move goes on the redo list.
    bool Undo();
    // The blocks of the move Undo took back last, as ApplyMove takes them;
    // empty when there is nothing to redo. Applying exactly these blocks is
    // the redo: ApplyMove then takes the move off the redo list, while any
    // other move empties it.
    MoveList NextRedoBlocks() const;

    // The view told when the board changes wholesale (not owned); null for none.
    void SetBoardView(PuzzleView* view) { boardView = view; }
    const PuzzleView* BoardView() const { return boardView; }

    const PuzzleSettings& Settings() const { return settings; }
    const RowSet& Rows() const { return rows; }
    const RowSet& InitialRows() const { return initialRows; }
    const MoveList& Solution() const { return solution; }
    const MoveList& History() const { return history; }
    // The seed the puzzle in play grew from; none for a board made by hand,
    // nor for one read from the saved state until AdoptSeed vouches for it.
    const std::optional<uint32_t>& Seed() const { return seed; }
    // Takes from as the seed of the puzzle in play only when generating from
    // it with the puzzle's settings gives exactly its starting rows and its
    // solution; the shared Random is left as it was either way.
    bool AdoptSeed(uint32_t from);

private:
    PuzzleView* boardView = nullptr;
    PuzzleSettings settings;
    RowSet rows;
    RowSet initialRows;
    MoveList solution;
    MoveList history;
    std::optional<uint32_t> seed;
    // Moves taken back, the latest last: each its block entries. Not saved.
    std::vector<MoveList> redoMoves;
};
