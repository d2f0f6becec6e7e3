// The board's pixels: bevelled blocks with their symbols, rows settled or sliding, counters, background.
#pragma once

#include "board/board_geometry.h"
#include "board/colour.h"
#include "board/dib_surface.h"
#include "board/picture_cache.h"
#include "board/rect.h"
#include "engine/move_list.h"
#include "engine/player_preferences.h"
#include "engine/row_set.h"

#include <QFont>
#include <QImage>

#include <array>
#include <memory>
#include <string>

// Decides pixels only: what to draw and when is the board view's business.
class BoardPainter {
public:
    BoardPainter();

    const std::array<ColourValue, 10>& BlockColours() const { return blockColours; }
    void SetBlockColours(const std::array<ColourValue, 10>& colours) { blockColours = colours; }
    bool AntiAliasing() const { return antiAliasing; }
    void SetAntiAliasing(bool on) { antiAliasing = on; }
    // symbols[k]: the character of SYMBOL_ALPHABET drawn on colour k.
    const std::string& Symbols() const { return symbols; }

    // The background, the block cache and the smoothing scratch.
    const DibSurface& Background() const { return backgroundSurface; }
    const DibSurface& BlockCache() const { return blockCache; }
    const DibSurface& Scratch() const { return scratchSurface; }

    // Surfaces for a client of width x height device pixels.
    void MakeSurfaces(int width, int height);
    // A new layout: cached pictures forgotten, the background painted around
    // `board`, fonts for the block size, the block cache rendered.
    void Layout(const BoardGeometry& geometry, const Rect& board);

    // Ten distinct symbols from SYMBOL_ALPHABET drawn from the shared Random.
    void ShuffleSymbols();
    // The ten unselected blocks, rendered once (anti-aliasing on only).
    void BuildBlockCache();

    // One block of colour `code` into `cell` of destination: bevels, face and
    // symbol; selected blocks at 0.9 in their tint; scale below 1 first erases
    // the cell to the background; forceRender bypasses blockCache.
    void DrawBlock(const Rect& cell, int32_t code, DibSurface& destination, bool selected, double scale,
                   bool noGlyph, bool forceRender);
    // Rows 0 .. rowCount - 1 over whatever destination shows: t >= 1 settled
    // with the selection shown, t < 1 one slide frame of the selection's move.
    void DrawRows(DibSurface& destination, const BoardGeometry& geometry, const RowSet& rows, int rowCount,
                  const MoveList& selection, double t);
    // Where row `row`'s first block stands in the frame DrawRows draws for
    // `selection` and t.
    static Rect RowStart(const BoardGeometry& geometry, const RowSet& rows, int row, const MoveList& selection,
                         double t);
    // Row `row`'s blocks side by side from `first`, the selection not shown.
    void DrawRow(DibSurface& destination, const BlockRow& cells, const Rect& first);
    // The per-colour counters above the board; their row's rectangle.
    Rect DrawColourCounters(DibSurface& destination, const BoardGeometry& geometry, const ColourCounters& counts,
                            int colourCount);
    // Counter i of colourCount alone; its cell.
    Rect DrawColourCounter(DibSurface& destination, const BoardGeometry& geometry, int i, int32_t count,
                           int colourCount);
    // The keyboard cursor's outline over `cell`.
    void DrawCursorOutline(DibSurface& destination, const Rect& cell) const;

private:
    void PaintBackground(const Rect& board);
    void MakeFonts();
    void DrawSymbol(const Rect& shrunk, int32_t code, DibSurface& destination, ColourValue c, ColourValue light,
                    ColourValue dark, bool selected, double scale);
    // Everything besides a cell's own stamp that cached pictures depend on.
    std::string CacheKey() const;

    std::array<ColourValue, 10> blockColours = PlayerPreferences{}.blockColours;
    bool antiAliasing = PlayerPreferences{}.antiAliasing;
    std::string symbols;
    QImage boardTexture;     // 85 x 64; null when missing
    QImage backdropTexture;  // 201 x 79; null when missing
    DibSurface backgroundSurface;
    DibSurface blockCache;
    DibSurface scratchSurface;
    std::unique_ptr<QFont> numberFont;
    std::unique_ptr<QFont> symbolFont;
    // Block size S of the last layout (0 before any).
    int blockSize = 0;
    // Plain (not anti-aliased) unselected blocks, and finished counter cells
    // stamped with their counts: a repaint of the same pixels is one copy.
    PictureCache plainBlocks;
    PictureCache counterCells;
};
