// The playable board: geometry, painting, glyphs, mouse, animation and sound.
#pragma once

#include "board/colour.h"
#include "board/dib_surface.h"
#include "board/effect_player.h"
#include "board/key_cursor.h"
#include "board/picture_cache.h"
#include "board/rect.h"
#include "engine/move_list.h"
#include "engine/puzzle_view.h"

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QSize>
#include <QString>
#include <QWidget>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class Puzzle;

// HitTest's answer for a point on no block: (NO_BLOCK, NO_BLOCK).
inline constexpr int32_t NO_BLOCK = -9999;
// The phase machine's clock.
inline constexpr int BOARD_TIMER_INTERVAL_MS = 40;
// Solve waits this many ticks between two entries of the solution.
inline constexpr int REPLAY_DELAY = 4;

// The phases of the board (values as stored in `phase`).
inline constexpr int32_t PHASE_REFRESH = 1;       // redraw from scratch on the next tick
inline constexpr int32_t PHASE_IDLE = 2;          // waiting for the player; Solve steps here
inline constexpr int32_t PHASE_REMOVE_START = 3;  // a move was just applied
inline constexpr int32_t PHASE_REMOVING = 4;      // removed blocks shrink
inline constexpr int32_t PHASE_SLIDE_START = 5;   // shrinking done
inline constexpr int32_t PHASE_SLIDING = 6;       // rows close up

// Sound effects (WAVE resources).
inline constexpr int SOUND_SELECT = 131;
inline constexpr int SOUND_SLIDE = 132;
inline constexpr int SOUND_REFUSE = 133;
inline constexpr int SOUND_WIN = 134;
inline constexpr int SOUND_REMOVE = 135;
inline constexpr int SOUND_SLIDE_QUIET = 165;
inline constexpr int SOUND_REMOVE_QUIET = 166;
inline constexpr int SOUND_WIN_QUIET = 167;

// The smallest client the board can be laid out in.
inline constexpr int MIN_CLIENT_WIDTH = 64;
inline constexpr int MIN_CLIENT_HEIGHT = 32;

class BoardView : public QWidget, public PuzzleView {
    Q_OBJECT

public:
    explicit BoardView(QWidget* parent = nullptr);
    ~BoardView() override;

    // --- Geometry and painting -------------------------------------------
    // Geometry for the current client size and the puzzle's rowWidth and
    // rowCount, the background, fonts and block cache anew, then Redraw.
    void Layout();
    // In Refresh or Idle: the whole picture onto composeSurface, counters
    // included, and the window repainted (only the board and the counter row
    // once the window already shows the rest).
    void Redraw();
    // Block `index` of row `row` when that row holds `length` blocks.
    Rect BlockRect(int32_t index, int32_t row, int32_t length) const;
    // The block under a client point: {index, row}, or {NO_BLOCK, NO_BLOCK}.
    BlockRef HitTest(int x, int y) const;
    // One block of colour `code` into `cell` of destination: bevels, face and
    // symbol; selected blocks at 0.9 in their tint; scale below 1 first erases
    // the cell to the background; forceRender bypasses blockCache.
    void DrawBlock(const Rect& cell, int32_t code, DibSurface& destination, bool selected,
                   double scale, bool noGlyph, bool forceRender);
    // All rows: t >= 1 settled with the selection shown, t < 1 one slide frame.
    // Returns the board rectangle.
    Rect DrawBoard(DibSurface& destination, double t);
    // The per-colour counters above the board; plays the win sound when the
    // board is cleared. Returns the counter row's rectangle.
    Rect DrawColourCounters(DibSurface& destination);
    // W x S wide, R x S high: where a full board stands.
    Rect BoardRect() const;

    // --- Glyphs -----------------------------------------------------------
    // Ten distinct symbols from SYMBOL_ALPHABET drawn from the shared Random.
    void ShuffleSymbols() override;
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
    // The board changed wholesale: selection dropped, full redraw next tick.
    void ResetBoard() override;
    // One sound effect, respecting soundEffects and the quieter variants
    // while the main window's music is on.
    void PlayEffect(int id);

    // One 40 ms step of the phase machine (the timer calls it).
    void Tick();
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

    // --- State (the main window, the preferences and the tests read these) -
    Puzzle* puzzle = nullptr;                 // not owned; null draws nothing
    int32_t phase = PHASE_REFRESH;
    MoveList selection;
    bool soundEffects = true;
    bool solving = false;
    MoveList::const_iterator solveCursor;     // meaningful only while solving
    std::array<ColourValue, 10> blockColours{};
    QImage boardTexture;                      // 85 x 64; null when missing
    QImage backdropTexture;                   // 201 x 79; null when missing
    bool antiAliasing = true;
    DibSurface composeSurface;
    DibSurface backgroundSurface;
    DibSurface blockCache;
    DibSurface scratchSurface;
    Rect baseCell;
    std::unique_ptr<QFont> numberFont;
    std::unique_ptr<QFont> symbolFont;
    std::string symbols;                      // symbols[k]: character of SYMBOL_ALPHABET for code k

    // The main window's music switch (not owned); null means off.
    const bool* music = nullptr;

    // Animation state of the phase machine.
    double removeScale = 0.0;
    double slideFraction = 0.0;
    int32_t replayCountdown = 0;

    // The client size the surfaces were last made for.
    int clientWidth = 0;
    int clientHeight = 0;
    // Block size S of the last successful layout (0 before any).
    int blockSize = 0;

    EffectPlayer effectPlayer;
    // The keyboard cursor; hidden until the first arrow key.
    KeyCursor keyCursor;

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
    void PaintBackground();
    void MakeFonts();
    void DrawSymbol(const Rect& cell, const Rect& shrunk, int32_t code, DibSurface& destination,
                    ColourValue c, ColourValue light, ColourValue dark, bool selected, double scale, bool forceRender);
    void DrawBlockAt(int32_t index, int32_t row, bool selected);
    // DrawBoard without its first step, for a destination that already shows
    // the background there.
    void DrawBoardRows(DibSurface& destination, double t);
    // Everything besides a cell's own stamp that cached pictures depend on.
    std::string CacheKey() const;
    void SolveStep();
    void RemovingStep();
    void SlidingStep();
    // The block size the current client and settings give; 0 when the board
    // cannot be laid out (no puzzle, client under 64 x 32, S below 2).
    int LayoutBlockSize() const;
    bool Usable() const;
    int32_t RowLength(int32_t row) const;
    int32_t CodeAt(int32_t index, int32_t row) const;
    // Repaints a rectangle of composeSurface's device pixels on the window.
    void Invalidate(const Rect& rect);
    // Lays out again when the device pixel ratio changed under the same
    // logical size (the window went to another screen).
    void FollowPixelRatio();

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

    int boardTimerId = 0;
    // Set when a move's slide ends, so that its Refresh tells MoveSettled.
    bool moveEnding = false;
    // Plain (not anti-aliased) unselected blocks, and finished counter cells
    // stamped with their counts: a repaint of the same pixels is one copy.
    PictureCache plainBlocks;
    PictureCache counterCells;
    // Outside the board and the counter row nothing but the background is
    // ever drawn on composeSurface: once it has been copied in whole after a
    // layout, a redraw need only renew those two rectangles.
    bool composeHoldsBackground = false;
    Rect counterRect;
    // The last mouse position seen, to tell a real move from a synthetic one.
    QPointF lastMousePosition{-1.0, -1.0};
};
