// The playable board widget: puts geometry, painting, the phase machine and input together in a window.
#pragma once

#include "board/board_clock.h"
#include "board/board_geometry.h"
#include "board/board_input.h"
#include "board/board_painter.h"
#include "board/board_sounds.h"
#include "board/dib_surface.h"
#include "board/phase_machine.h"
#include "board/rect.h"
#include "board/sound_effects.h"
#include "engine/move_list.h"
#include "engine/player_preferences.h"
#include "engine/puzzle_view.h"

#include <QPoint>
#include <QPointF>
#include <QSize>
#include <QWidget>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class Puzzle;

class BoardView : public QWidget, public PuzzleView, private PhaseMachine::Board, private BoardInput::Board {
    Q_OBJECT

public:
    // The effects are played through `effects`; null plays them on the audio
    // device. `clock` beats the 40 ms step; null beats it with a Qt timer.
    explicit BoardView(QWidget* parent = nullptr, std::unique_ptr<SoundEffects> effects = nullptr,
                       std::unique_ptr<BoardClock> clock = nullptr);
    ~BoardView() override;

    // --- What it shows and how ---------------------------------------------
    // The puzzle shown and played (not owned); null draws nothing.
    void SetPuzzle(Puzzle* shown) { puzzle = shown; }
    // Whether the main window's music is on, told at start and whenever it
    // is switched. While it is on, the louder effects give way to quieter ones.
    void SetMusicOn(bool on) { musicOn = on; }
    // The player's choices the board draws and sounds by (block colours,
    // anti-aliasing, sound effects): the last ones applied.
    const PlayerPreferences& Preferences() const { return preferences; }
    // Takes effect on the next Layout (fonts, caches) and at once for sounds.
    void ApplyPreferences(const PlayerPreferences& chosen);

    // --- Geometry and painting -------------------------------------------
    // Geometry for the current client size and the puzzle's rowWidth and
    // rowCount, the background, fonts and block cache anew, then Redraw.
    void Layout();
    // In Refresh or Idle: the whole picture onto composeSurface, counters
    // included, and the window repainted (only the board and the counter row
    // once the window already shows the rest); the win sound when the board
    // is cleared.
    void Redraw();
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

    // --- Play -------------------------------------------------------------
    // The player's move (right button, Space): applied when the selection's
    // size is within minRemove..maxRemove, in Idle, outside Solve.
    void CommitSelection() { input.CommitSelection(); }
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
    void ChooseMove(const std::vector<BlockRef>& blocks) { input.ChooseMove(blocks); }
    // Starts the Solve replay from the start of the puzzle, or stops it.
    void SetSolving(bool on);
    // The board changed wholesale: selection dropped, any replay ended, full
    // redraw next tick.
    void ResetBoard() override;
    // One sound effect, respecting soundEffects and the quieter variants
    // while the main window's music is on.
    void PlayEffect(int id);
    // The refusal sound, with the reason a screen reader says after
    // "Refused" ("Nothing to undo").
    void Refuse(const QString& why) override;

    // One 40 ms step of the phase machine (the clock calls it).
    void Tick();
    // Whether the 40 ms clock runs. It rests while the board waits for the
    // player with no Solve replay (a tick would do nothing then) and runs
    // again from whatever starts something, so the program can sleep.
    bool ClockRunning() const { return clock->Running(); }
    // A left-button release at a client point in device pixels: the
    // selection rules. The mouse hides the keyboard cursor.
    void LeftButtonUp(int x, int y) { input.LeftButtonUp(x, y); }
    // The client is now width x height device pixels: new surfaces, then Layout.
    void SizeChanged(int width, int height);

    // --- Keyboard ---------------------------------------------------------
    // A key meant for the board, from whichever widget has the focus (see
    // BoardInput::HandleKey): true when the caller should drop it.
    bool HandleKey(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, bool autoRepeat = false)
    {
        return input.HandleKey(key, modifiers, autoRepeat);
    }

    // --- Display scale ----------------------------------------------------
    // The widget's size in device pixels, rounded as the backing store
    // rounds: the client size every layout is made for.
    QSize DeviceClientSize() const;
    // A point in the widget's own (logical) coordinates in device pixels.
    QPoint DevicePoint(const QPointF& logical) const;

    // --- What the main window and the tests may read ------------------------
    const Puzzle* ShownPuzzle() const { return puzzle; }
    bool MusicOn() const { return musicOn; }
    int32_t Phase() const { return phases.Phase(); }
    bool Solving() const { return phases.Solving(); }
    // The selection, the keyboard cursor and what a click would hit.
    const BoardInput& Input() const { return input; }
    const MoveList& Selection() const { return input.Selection(); }
    const KeyCursor& Cursor() const { return input.Cursor(); }
    // The board before the last move, which its removal draws from.
    const RowSet& PreviousRows() const { return phases.PreviousRows(); }
    // The layout in force: client size, block size, baseCell.
    const BoardGeometry& Geometry() const { return boardGeometry; }
    // The picture the window shows, in device pixels.
    const DibSurface& ComposeSurface() const { return composeSurface; }
    const BoardPainter& Painter() const { return painter; }
    // The rectangles invalidated since the last paint or the last call, then
    // forgotten: what the window's next repaint copies.
    std::vector<Rect> TakeRepaint();

signals:
    // A move's animation has ended and the board waits for the player.
    void MoveSettled();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
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
    void ReplayEntry(BlockRef entry) override { input.ReplayEntry(entry); }
    void MoveEnded() override { emit MoveSettled(); }

    // PlayEffect without telling a screen reader.
    void Sound(int id);
    // BoardInput::Board
    const Puzzle* Played() const override { return puzzle; }
    const BoardGeometry* UsableLayout() const override { return Usable() ? &boardGeometry : nullptr; }
    bool Settled() const override { return phases.Phase() == PHASE_IDLE; }
    bool WaitsForPlayer() const override { return phases.Phase() == PHASE_IDLE && !phases.Solving(); }
    void DrawBlock(BlockRef at, bool selected) override;
    void Tell(BoardAccessible::News news) override;
    // Applies the selection as a move and starts its animation.
    void StartMove() override;

    // DrawBoard without its first step, for a destination that already shows
    // the background there.
    void DrawBoardRows(DibSurface& destination, double t);
    // What one row of composeSurface shows, as far as any drawing of the board
    // could change it: a row drawn the same is left alone.
    struct ShownRow {
        bool known = false;
        Rect band;
        Rect first;
        BlockRow cells;
        std::vector<int32_t> selected;
        int32_t cursor = -1;
        bool operator==(const ShownRow&) const = default;
    };
    // The rows whose picture for t (as DrawBoard draws it, with the cursor's
    // outline when settled and withCursor) differs from what composeSurface
    // shows, each drawn over its band of the background and invalidated.
    void DrawChangedRows(double t, bool withCursor = true);
    // composeSurface's rows and counters may show anything: draw them all next.
    void ForgetShownPicture();
    // The same for the rows alone.
    void ForgetShownRows();
    // The block size the current client and puzzle give; 0 when the board
    // cannot be laid out (no puzzle, client under 64 x 32, S below 2).
    int LayoutBlockSize() const;
    // A layout stands for the puzzle's current shape.
    bool Usable() const;
    int32_t RowLength(int32_t row) const;
    int32_t CodeAt(int32_t index, int32_t row) const;
    // Repaints a rectangle of composeSurface's device pixels on the window.
    void Invalidate(const Rect& rect);
    // Repaints the whole window.
    void InvalidateAll();
    // Lays out again when the device pixel ratio changed under the same
    // logical size (the window went to another screen).
    void FollowPixelRatio();

    // Starts or stops the clock for the phase the board is in now.
    void FollowPhase();

    // The cursor's outline alone over its cell on composeSurface.
    void DrawCursorOutline();

    Puzzle* puzzle = nullptr;
    bool musicOn = false;
    PlayerPreferences preferences;
    PhaseMachine phases{*this};
    BoardInput input{*this};
    BoardGeometry boardGeometry;
    BoardPainter painter;
    DibSurface composeSurface;
    std::unique_ptr<SoundEffects> effects;
    // Beats Tick. Declared after what a tick uses, so it stops before they go.
    std::unique_ptr<BoardClock> clock;
    // Outside the board and the counter row nothing but the background is
    // ever drawn on composeSurface: once it has been copied in whole after a
    // layout, a redraw need only renew the rows and counters that changed.
    bool composeHoldsBackground = false;
    Rect counterRect;
    std::array<ShownRow, MAX_ROWS> shownRows;
    // The counts (and colours) counterRect shows, when countersKnown.
    bool countersKnown = false;
    ColourCounters shownCounts{};
    int shownColourCount = 0;
    // See TakeRepaint.
    std::vector<Rect> pendingRepaint;
    // The last mouse position seen, to tell a real move from a synthetic one.
    QPointF lastMousePosition{-1.0, -1.0};
};
