// The player's hands on the board: the selection, the keyboard cursor, clicks and keys, with no widget needed.
#pragma once

#include "board/board_accessible.h"
#include "board/key_cursor.h"
#include "engine/move_list.h"

#include <QCoreApplication>
#include <QString>
#include <Qt>

#include <cstdint>
#include <vector>

class Puzzle;
struct BoardGeometry;

// Decides what a click or a key does to the selection and the cursor; the
// board it serves draws, sounds and applies moves when asked.
class BoardInput {
    Q_DECLARE_TR_FUNCTIONS(BoardInput)

public:
    // What input asks of the board it serves.
    class Board {
    public:
        // The puzzle shown and played; null when there is none.
        virtual const Puzzle* Played() const = 0;
        // The layout in force when it stands for the puzzle's current shape;
        // null when the board cannot be laid out or its layout is stale.
        virtual const BoardGeometry* UsableLayout() const = 0;
        // The board shows its rows settled (no move's animation, no Refresh
        // to come).
        virtual bool Settled() const = 0;
        // Settled, and no Solve replay plays: the player may choose.
        virtual bool WaitsForPlayer() const = 0;
        // Block `at` drawn again, chosen or not, with the cursor's outline on
        // top when the cursor is there and shown.
        virtual void DrawBlock(BlockRef at, bool selected) = 0;
        virtual void PlaySound(int id) = 0;
        // The refusal sound, and why for a screen reader ("Not an end of its row").
        virtual void Refuse(const QString& why) = 0;
        // News for a screen reader.
        virtual void Tell(BoardAccessible::News news) = 0;
        // The selection is a move: the board applies it and animates it.
        virtual void StartMove() = 0;

    protected:
        ~Board() = default;
    };

    explicit BoardInput(Board& board) : board(board) {}

    const MoveList& Selection() const { return selection; }
    const KeyCursor& Cursor() const { return keyCursor; }

    // The block under a client point in device pixels while the layout
    // stands: {index, row}, or {NO_BLOCK, NO_BLOCK}.
    BlockRef BlockAt(int x, int y) const;

    // --- The mouse --------------------------------------------------------
    // A left-button release at a client point: the selection rules for the
    // block there, while the board waits for the player. The mouse hides the
    // keyboard cursor; a row end it chooses is where the keyboard takes over.
    void LeftButtonUp(int x, int y);
    // A right-button release: the cursor hides and the selection is committed.
    void RightButtonUp();
    // The mouse really moved over the board: the cursor hides.
    void MouseMoved() { HideCursor(); }

    // --- The keyboard -----------------------------------------------------
    // A key meant for the board: the arrows move the cursor over the row ends
    // (the first arrow only shows it), Return and keypad Enter choose the
    // block under it as a left click would (the first only shows a hidden
    // cursor). True when the key was one of those and there is a puzzle: the
    // caller then drops it. Keys held with Shift, Control, Alt or Meta are
    // left alone. A held Return repeats nothing (it would flip the block on
    // and off); held arrows keep moving.
    bool HandleKey(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, bool autoRepeat = false);

    // --- The selection ----------------------------------------------------
    // The player's move (right button, Space): started when the selection is
    // a legal move and the board waits for the player.
    void CommitSelection();
    // The blocks become the selection as if the player had clicked them one
    // by one, after the selection as it stood is dropped; only while the
    // board waits for the player.
    void ChooseMove(const std::vector<BlockRef>& blocks);
    // The next entry of the Solve replay: a block joins the selection as it
    // is, a move marker starts the move selected (none when nothing is).
    void ReplayEntry(BlockRef entry);
    // The selection dropped without drawing: the board is drawn anew after.
    void ClearSelection() { selection.clear(); }
    // `blocks` become the selection at once, without sound or drawing: the
    // move about to be applied again.
    void SetSelection(const MoveList& blocks) { selection = blocks; }

    // --- The cursor around moves ------------------------------------------
    // After the rows changed: the cursor back on a row end, hidden when no
    // row has blocks.
    void SnapCursor();
    // A move starts: the cursor's cell is drawn plain, so that no outline is
    // left where the blocks shrink and slide; the cursor shows again once
    // the board settles.
    void MoveStarts();

private:
    // The selection rules for one block, after the hit test.
    void ChooseBlock(BlockRef hit);
    // Why hit may not join the selection, in the player's words.
    QString WhyNotJoin(BlockRef hit) const;
    void MoveCursor(KeyCursor::Step step);
    void EnterKey();
    void HideCursor();
    // The cursor's block drawn as it stands, while the board is settled and
    // laid out and the cursor is on a block.
    void DrawCursorCell();
    int32_t RowLength(int32_t row) const;

    Board& board;
    MoveList selection;
    // Hidden until the first arrow key.
    KeyCursor keyCursor;
};
