// The playable board widget: puts geometry, painting, the phase machine, mouse and keys together.
#pragma once

#include "board/board_geometry.h"
#include "board/board_painter.h"
#include "board/board_preferences.h"
#include "board/board_sounds.h"
#include "board/dib_surface.h"
#include "board/effect_player.h"
#include "board/key_cursor.h"
#include "board/phase_machine.h"
#include "board/rect.h"
#include "engine/move_list.h"
#include "engine/puzzle_view.h"

#include <QPoint>
#include <QPointF>
#include <QSize>
#include <QWidget>

#include <cstdint>
#include <vector>

class Puzzle;

class BoardView : public QWidget, public PuzzleView, private PhaseMachine::Board {
    Q_OBJECT

public:
    explicit BoardView(QWidget* parent = nullptr);
    ~BoardView() override;

    // --- What it shows and how ---------------------------------------------
    // The puzzle shown and played (not owned); null draws nothing.
    void SetPuzzle(Puzzle* shown) { puzzle = shown; }
    // The main window's music switch (not owned); null means off. While it
    // is on, the louder effects give way to quieter ones.
    void SetMusicSwitch(const bool* on) { music = on; }
    BoardPreferences Preferences() const;
    // Takes effect on the next Layout (fonts, caches) and at once for sounds.
    void ApplyPreferences(const BoardPreferences& preferences);

    // --- Geometry and painting -------------------------------------------
    // Geometry for the current client size and the puzzle's rowWidth and
    // rowCount, the background, fonts and block cache anew, then Redraw.
    void Layout();
    // In Refresh or Idle: the whole picture onto composeSurface, counters
    // included, and the window repainted (only the board and the counter row
    // once the window already shows the rest); the win sound when the board
    // is cleared.
    void Redraw();
    // Block `index` of row `row` when that row holds `length` blocks.
    Rect BlockRect(int32_t index, int32_t row, int32_t length) const;
    // The block under a client point: {index, row}, or {NO_BLOCK, NO_BLOCK}.
    BlockRef HitTest(int x, int y) const;
    // One block of colour `code` into `cell` of destination (see BoardPainter).
    void DrawBlock(const Rect& cell, int32_t code, DibSurface& destination, bool selected, double scale,
                   bool noGlyph, bool forceRender);
    // All rows: t >= 1 settled with the selection shown, t < 1 one slide frame.
    // Returns the board rectangle.
    Rect DrawBoard(DibSurface& destination, double t);
    // The per-colour counters above the board. Returns the counter row's
    // rectangle (empty when the board cannot be laid out).
    Rect DrawColourCounters(DibSurface& destination);
    // W x S wide, R x S high: where a full board stands.
    Rect BoardRect() const;

    // --- Glyphs -----------------------------------------------------------
    // Ten distinct symbols for a new puzzle; any replay ends.
    void ShuffleSymbols();
    // The ten unselected blocks, rendered once (anti-aliasing on only).
    void BuildBlockCache();

    // --- Play -------------------------------------------------------------
    // The player's move (right button, Space): applied when the selection's
    // size is within minRemove..maxRemove, in Idle, outside Solve.
    void CommitSelection();
    // Takes back the last move, ending any animation at once; refused during
    // Solve or with nothing to undo.
    void UndoMove();
    // Puts back the move Undo took back last, with a move's animation; an
    // animation still running ends at once. Refused during Solve or with
    // nothing to redo.
    void RedoMove();
    // The blocks become the selection as if the player had clicked them one
    // by one, after the selection as it stood is dropped; in Idle outside
    // Solve only.
    void ChooseMove(const std::vector<BlockRef>& blocks);
    // Starts the Solve replay from the start of the puzzle, or stops it.
    void SetSolving(bool on);
    // The board changed wholesale: selection dropped, any replay ended, full
    // redraw next tick.
    void ResetBoard() override;
    // One sound effect, respecting soundEffects and the quieter variants
    // while the main window's music is on.
    void PlayEffect(int id);

    // One 40 ms step of the phase machine (the timer calls it).
    void Tick();
    // Whether the 40 ms timer runs. It rests while the board waits for the
    // player with no Solve replay (a tick would do nothing then) and runs
    // again from whatever starts something, so the program can sleep.
    bool ClockRunning() const { return boardTimerId != 0; }
    // A left-button release at a client point: the selection rules. The
    // mouse hides the keyboard cursor.
    void LeftButtonUp(int x, int y);
    // The client is now width x height device pixels: new surfaces, then Layout.
    void SizeChanged(int width, int height);

    // --- Keyboard ---------------------------------------------------------
    // A key meant for the board, from whichever widget has the focus: the
    // arrows move the cursor over the row ends (the first arrow only shows
    // it), Return and keypad Enter choose the block under it as a left click
    // would (the first only shows a hidden cursor). True when the key was
    // one of those and the board has a puzzle: the caller then drops it.
    // Keys held with Shift, Control, Alt or Meta are left alone. A held
    // Return repeats nothing (it would flip the block on and off); held
    // arrows keep moving.
    bool HandleKey(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, bool autoRepeat = false);

    // --- Display scale ----------------------------------------------------
    // The widget's size in device pixels, rounded as the backing store
    // rounds: the client size every layout is made for.
    QSize DeviceClientSize() const;
    // A point in the widget's own (logical) coordinates in device pixels.
    QPoint DevicePoint(const QPointF& logical) const;

    // --- What the main window and the tests may read ------------------------
    const Puzzle* ShownPuzzle() const { return puzzle; }
    const bool* MusicSwitch() const { return music; }
    int32_t Phase() const { return phases.Phase(); }
    bool Solving() const { return phases.Solving(); }
    const MoveList& Selection() const { return selection; }
    // The board before the last move, which its removal draws from.
    const RowSet& PreviousRows() const { return phases.PreviousRows(); }
    const KeyCursor& Cursor() const { return keyCursor; }
    // The layout in force: client size, block size, baseCell.
    const BoardGeometry& Geometry() const { return boardGeometry; }
    // The picture the window shows, in device pixels.
    const DibSurface& ComposeSurface() const { return composeSurface; }
    const BoardPainter& Painter() const { return painter; }
    // The effects asked for (the tests read and clear what was asked).
    EffectPlayer& Effects() { return effectPlayer; }

signals:
    // A move's animation has ended and the board waits for the player.
    void MoveSettled();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    // PhaseMachine::Board
    void RedrawAll() override;
    void DrawRemoval(double scale) override;
    void DrawSlide(double t) override;
    void PlaySound(int id) override { PlayEffect(id); }
    void ReplayEntry(BlockRef entry) override;
    void MoveEnded() override { emit MoveSettled(); }

    void DrawBlockAt(int32_t index, int32_t row, bool selected);
    // DrawBoard without its first step, for a destination that already shows
    // the background there.
    void DrawBoardRows(DibSurface& destination, double t);
    // The block size the current client and puzzle give; 0 when the board
    // cannot be laid out (no puzzle, client under 64 x 32, S below 2).
    int LayoutBlockSize() const;
    // A layout stands for the puzzle's current shape.
    bool Usable() const;
    int32_t RowLength(int32_t row) const;
    int32_t CodeAt(int32_t index, int32_t row) const;
    // Repaints a rectangle of composeSurface's device pixels on the window.
    void Invalidate(const Rect& rect);
    // Lays out again when the device pixel ratio changed under the same
    // logical size (the window went to another screen).
    void FollowPixelRatio();

    // Starts or stops the timer for the phase the board is in now.
    void FollowPhase();

    // The selection rules for one block, after the hit test.
    void ChooseBlock(BlockRef hit);
    // Applies the selection as a move and starts its animation.
    void StartMove();
    // Keyboard cursor: steps, the Enter key, showing and hiding.
    void MoveCursor(KeyCursor::Step step);
    void EnterKey();
    void HideCursor();
    // True when the cursor is on a block and may be drawn now (settled
    // board, usable layout).
    bool CursorDrawable() const;
    // The cursor's block drawn as it stands (selected or not), with the
    // cursor's outline on top while it is shown; the cell invalidated.
    void DrawCursorCell();
    // The cursor's outline alone over its cell on composeSurface.
    void DrawCursorOutline();

    Puzzle* puzzle = nullptr;
    const bool* music = nullptr;
    bool soundEffects = true;
    MoveList selection;
    PhaseMachine phases{*this};
    BoardGeometry boardGeometry;
    BoardPainter painter;
    DibSurface composeSurface;
    EffectPlayer effectPlayer;
    // The keyboard cursor; hidden until the first arrow key.
    KeyCursor keyCursor;
    int boardTimerId = 0;
    // Outside the board and the counter row nothing but the background is
    // ever drawn on composeSurface: once it has been copied in whole after a
    // layout, a redraw need only renew those two rectangles.
    bool composeHoldsBackground = false;
    Rect counterRect;
    // The last mouse position seen, to tell a real move from a synthetic one.
    QPointF lastMousePosition{-1.0, -1.0};
};
