// The board's pixels: blocks with bevels and symbols, rows, counters, the framed background, fonts, caches.
#include "board_painter.h"

#include "board/board_fonts.h"
#include "board/board_textures.h"
#include "board/text_drawing.h"
#include "engine/random.h"

#include <QString>

#include <algorithm>

namespace {

// Each channel: x's at weight 256 - t, c's at weight t, rounded down.
ColourValue Blend(ColourValue x, ColourValue c, int t)
{
    const auto mix = [t](int a, int b) { return (a * (256 - t) + b * t) / 256; };
    return MakeColour(mix(RedOf(x), RedOf(c)), mix(GreenOf(x), GreenOf(c)), mix(BlueOf(x), BlueOf(c)));
}

constexpr ColourValue SELECTED_SYMBOL_RED = 0x0000E0;

// The cursor's outline: black and white dashes along the cell's edge, which
// stand out on every block colour, on the board's texture and around a
// selected block, and look like nothing else on the board.
constexpr ColourValue OUTLINE_DARK = 0x000000;
constexpr ColourValue OUTLINE_LIGHT = 0xFFFFFF;

// A band `thickness` pixels wide just inside cell, dashed every `dash`
// pixels along the diagonal so that corners stay dashed too.
void DashedRing(DibSurface& surface, const Rect& cell, int thickness, int dash)
{
    const Rect inner = cell.Grown(-thickness, -thickness);
    for (int y = cell.top; y < cell.bottom; ++y) {
        for (int x = cell.left; x < cell.right; ++x) {
            if (inner.Contains(x, y)) {
                x = inner.right - 1;
                continue;
            }
            const int step = (x - cell.left + y - cell.top) / dash;
            surface.SetPixel(x, y, step % 2 == 0 ? OUTLINE_DARK : OUTLINE_LIGHT);
        }
    }
}

}  // namespace

BoardPainter::BoardPainter()
    : boardTexture(TheBoardTextures().board)
    , backdropTexture(TheBoardTextures().backdrop)
{
}

void BoardPainter::MakeSurfaces(int width, int height)
{
    backgroundSurface.Create(width, height);
    scratchSurface.Create(3 * width / 4, 3 * height / 4);
}

void BoardPainter::Layout(const BoardGeometry& geometry, const Rect& board)
{
    blockSize = geometry.blockSize;
    plainBlocks.Clear();
    counterCells.Clear();
    PaintBackground(board);
    MakeFonts();
    blockCache.Create(10 * blockSize, blockSize);
    BuildBlockCache();
}

void BoardPainter::PaintBackground(const Rect& board)
{
    backgroundSurface.Tile(backdropTexture, backgroundSurface.Bounds());
    const int s = blockSize;
    const int d = (s + 2) / 3;
    Rect area = board.Grown(d, d);
    backgroundSurface.Tile(boardTexture, area);
    const int outlines = std::min(s / 8, 4);
    for (int k = 0; k < outlines; ++k) {
        backgroundSurface.BevelOutline(area, MakeColour(96, 54, 0), MakeColour(160, 96, 0));
        area = area.Grown(1, 1);
    }
}

void BoardPainter::MakeFonts()
{
    const int factor = antiAliasing ? 3 : 1;
    symbolFont = std::make_unique<QFont>(MakeCellFont(SYMBOL_FACE, static_cast<int>(blockSize * 0.7) * factor));
    numberFont = std::make_unique<QFont>(MakeCellFont(NUMBER_FACE, blockSize * factor));
}

void BoardPainter::ShuffleSymbols()
{
    symbols.clear();
    while (symbols.size() < 10) {
        const char symbol = SYMBOL_ALPHABET[Random() % SYMBOL_ALPHABET_SIZE];
        if (symbols.find(symbol) == std::string::npos)
            symbols.push_back(symbol);
    }
    if (antiAliasing)
        BuildBlockCache();
}

void BoardPainter::BuildBlockCache()
{
    if (!antiAliasing || !blockCache.HasPixels())
        return;
    const int s = blockSize;
    for (int i = 0; i < 10; ++i)
        DrawBlock({i * s, 0, (i + 1) * s, s}, i, blockCache, false, 1.0, false, true);
}

std::string BoardPainter::CacheKey() const
{
    std::string key = std::to_string(blockSize);
    key.append(antiAliasing ? "a" : "p").append(symbols);
    for (ColourValue c : blockColours)
        key.append(1, ',').append(std::to_string(c));
    return key;
}

void BoardPainter::DrawBlock(const Rect& cell, int32_t code, DibSurface& destination, bool selected, double scale,
                             bool noGlyph, bool forceRender)
{
    if (code < 0 || code >= static_cast<int32_t>(blockColours.size()))
        return;
    if (selected)
        scale = 0.9;
    // With anti-aliasing a settled or barely shrunk unselected block ends up
    // as the cached block over its whole cell, whatever was drawn first.
    if (antiAliasing && !selected && !forceRender && !noGlyph && scale >= 0.7 && symbolFont
        && static_cast<size_t>(code) < symbols.size()) {
        const int w = cell.Width();
        destination.Copy(blockCache, {code * w, 0, (code + 1) * w, cell.Height()}, cell.left, cell.top);
        return;
    }
    // A plain settled block is the same picture every time: draw it once.
    const bool cacheable = !antiAliasing && !selected && !forceRender && !noGlyph && scale >= 0.999999
        && cell.Width() == blockSize && cell.Height() == blockSize;
    if (cacheable) {
        plainBlocks.Prepare(blockSize, blockSize, static_cast<int>(blockColours.size()), CacheKey());
        if (plainBlocks.Fetch(code, 0, destination, cell.left, cell.top))
            return;
    }
    Rect r = cell;
    if (scale < 0.999999) {
        destination.CopySame(backgroundSurface, cell);
        if (scale < 0.000001)
            return;
        const int h = r.Height();
        const int w = r.Width();
        const int shrunkH = static_cast<int>(h * scale + 0.5);
        const int shrunkW = static_cast<int>(w * scale + 0.5);
        r = r.Grown(-((w - shrunkW) / 2), -((h - shrunkH) / 2));
    }
    const Rect shrunk = r;
    const int bevel = std::max(cell.Width() / 16, 1);
    const ColourValue c = selected ? SelectedTint(blockColours[code]) : blockColours[code];
    const ColourValue light = ShadeLight(c);
    const ColourValue dark = ShadeDark(c);
    for (int i = 0; i < bevel; ++i) {
        const int t = 256 * i / bevel;
        destination.BevelOutline(r, Blend(light, c, t), Blend(dark, c, t));
        r = r.Grown(-1, -1);
    }
    destination.BevelOutline(r, c, c);
    r = r.Grown(-1, -1);
    for (int i = 0; i < bevel; ++i) {
        const int t = 256 * (bevel - 1 - i) / bevel;
        destination.BevelOutline(r, Blend(dark, c, t), Blend(light, c, t));
        r = r.Grown(-1, -1);
    }
    destination.FillRect(r, c);
    if (!noGlyph)
        DrawSymbol(shrunk, code, destination, c, light, dark, selected, scale);
    if (cacheable)
        plainBlocks.Store(code, 0, destination, cell);
}

void BoardPainter::DrawSymbol(const Rect& shrunk, int32_t code, DibSurface& destination, ColourValue c,
                              ColourValue light, ColourValue dark, bool selected, double scale)
{
    if (!symbolFont || static_cast<size_t>(code) >= symbols.size())
        return;
    const DibSurface::TextState saved = destination.text;
    destination.text.font = symbolFont.get();
    if (!selected)
        destination.text.colour = dark;
    else
        destination.text.colour = GreenOf(c) >= 128 ? SELECTED_SYMBOL_RED : light;
    destination.text.transparent = true;
    if (scale >= 0.7) {
        const QString text = SymbolText(symbols[static_cast<size_t>(code)]);
        if (antiAliasing)
            DrawTextSmooth(shrunk, text, destination, scratchSurface);
        else
            DrawTextCentered(shrunk, text, destination);
    }
    destination.text = saved;
}

Rect BoardPainter::RowStart(const BoardGeometry& geometry, const RowSet& rows, int row, const MoveList& selection,
                            double t)
{
    const int n = static_cast<int>(rows[static_cast<size_t>(row)].size());
    int taken = 0;
    bool fromLeft = false;
    if (t < 1.0) {
        for (const BlockRef& entry : selection) {
            if (entry.row == row) {
                ++taken;
                fromLeft = fromLeft || entry.index == 0;
            }
        }
    }
    const Rect first = geometry.BlockRect(0, row, n);
    if (taken != 1)
        return first;
    // One end block went: the rest glide half a block towards the middle.
    const int h = geometry.baseCell.Width() / 2;
    if (fromLeft)
        return first.Moved(static_cast<int>(h * (1 - t) + 0.5), 0);
    return geometry.BlockRect(0, row, n + 1).Moved(static_cast<int>(h * t + 0.5), 0);
}

void BoardPainter::DrawRow(DibSurface& destination, const BlockRow& cells, const Rect& first)
{
    const int s = first.Width();
    for (size_t i = 0; i < cells.size(); ++i)
        DrawBlock(first.Moved(s * static_cast<int>(i), 0), cells[i], destination, false, 1.0, false, false);
}

void BoardPainter::DrawRows(DibSurface& destination, const BoardGeometry& geometry, const RowSet& rows,
                            int rowCount, const MoveList& selection, double t)
{
    const auto length = [&rows](int32_t row) {
        return row >= 0 && row < MAX_ROWS ? static_cast<int32_t>(rows[static_cast<size_t>(row)].size()) : 0;
    };
    for (int row = 0; row < rowCount; ++row)
        DrawRow(destination, rows[static_cast<size_t>(row)], RowStart(geometry, rows, row, selection, t));
    if (t >= 1.0) {
        for (const BlockRef& entry : selection) {
            const int n = length(entry.row);
            if (entry.index >= 0 && entry.index < n)
                DrawBlock(geometry.BlockRect(entry.index, entry.row, n),
                          rows[static_cast<size_t>(entry.row)][static_cast<size_t>(entry.index)], destination, true,
                          1.0, false, false);
        }
    }
}

Rect BoardPainter::DrawColourCounters(DibSurface& destination, const BoardGeometry& geometry,
                                      const ColourCounters& counts, int colourCount)
{
    const int colours = std::clamp(colourCount, 1, MAX_COLOURS);
    for (int i = 0; i < colours; ++i)
        DrawColourCounter(destination, geometry, i, counts[static_cast<size_t>(i)], colours);
    return geometry.CounterRow(colours);
}

Rect BoardPainter::DrawColourCounter(DibSurface& destination, const BoardGeometry& geometry, int i, int32_t count,
                                     int colourCount)
{
    const int colours = std::clamp(colourCount, 1, MAX_COLOURS);
    const Rect cell = geometry.CounterCell(i, colours);
    counterCells.Prepare(cell.Width(), cell.Height(), colours, CacheKey());
    if (counterCells.Fetch(i, count, destination, cell.left, cell.top))
        return cell;
    const DibSurface::TextState saved = destination.text;
    destination.text.font = numberFont.get();
    DrawBlock(cell, i, destination, false, 1.0, true, false);
    const QString number = QString::number(count);
    destination.text.colour = ContrastTextColour(blockColours[static_cast<size_t>(i)]);
    if (antiAliasing) {
        DrawTextSmooth(cell, number, destination, scratchSurface);
    } else {
        destination.text.transparent = false;
        destination.text.background = blockColours[static_cast<size_t>(i)];
        DrawTextCentered(cell, number, destination);
    }
    counterCells.Store(i, count, destination, cell);
    destination.text = saved;
    return cell;
}

void BoardPainter::DrawCursorOutline(DibSurface& destination, const Rect& cell) const
{
    // Two pixels wide and dashes of six at the usual 50-pixel blocks; both
    // grow with the block, so a dense screen shows the same outline.
    const int s = cell.Width();
    DashedRing(destination, cell, std::clamp(s / 25, 1, s / 4 + 1), std::max(2, s / 8));
}
