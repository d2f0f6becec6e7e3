// The board view's pictures: bevelled blocks with their symbols, the rows
// settled or sliding, the colour counters, fonts, symbols and block cache.
#include "board_view.h"

#include "board/board_fonts.h"
#include "board/text_drawing.h"
#include "engine/puzzle.h"
#include "engine/random.h"

#include <algorithm>
#include <cmath>

namespace {

// Each channel: x's at weight 256 - t, c's at weight t, rounded down.
ColourValue Blend(ColourValue x, ColourValue c, int t)
{
    const auto mix = [t](int a, int b) { return (a * (256 - t) + b * t) / 256; };
    return MakeColour(mix(RedOf(x), RedOf(c)), mix(GreenOf(x), GreenOf(c)), mix(BlueOf(x), BlueOf(c)));
}

constexpr ColourValue SELECTED_SYMBOL_RED = 0x0000E0;

}  // namespace

void BoardView::DrawBlock(const Rect& cell, int32_t code, DibSurface& destination, bool selected,
                          double scale, bool noGlyph, bool forceRender)
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
        DrawSymbol(cell, shrunk, code, destination, c, light, dark, selected, scale, forceRender);
    if (cacheable)
        plainBlocks.Store(code, 0, destination, cell);
}

std::string BoardView::CacheKey() const
{
    std::string key = std::to_string(blockSize);
    key.append(antiAliasing ? "a" : "p").append(symbols);
    for (ColourValue c : blockColours)
        key.append(1, ',').append(std::to_string(c));
    return key;
}

void BoardView::DrawSymbol(const Rect& cell, const Rect& shrunk, int32_t code, DibSurface& destination,
                           ColourValue c, ColourValue light, ColourValue dark, bool selected, double scale,
                           bool forceRender)
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
        if (antiAliasing && !selected && !forceRender) {
            // The cached block is whole, bevel and all: it covers the cell.
            const int w = cell.Width();
            destination.Copy(blockCache, {code * w, 0, (code + 1) * w, cell.Height()}, cell.left, cell.top);
        } else if (antiAliasing) {
            DrawTextSmooth(shrunk, text, destination, scratchSurface);
        } else {
            DrawTextCentered(shrunk, text, destination);
        }
    }
    destination.text = saved;
}

void BoardView::DrawBlockAt(int32_t index, int32_t row, bool selected)
{
    const Rect cell = BlockRect(index, row, RowLength(row));
    DrawBlock(cell, CodeAt(index, row), composeSurface, selected, 1.0, false, false);
    if (keyCursor.position == BlockRef{index, row})
        DrawCursorOutline();
    Invalidate(cell);
}

Rect BoardView::DrawBoard(DibSurface& destination, double t)
{
    const Rect board = BoardRect();
    if (!Usable())
        return board;
    destination.CopySame(backgroundSurface, board);
    DrawBoardRows(destination, t);
    return board;
}

void BoardView::DrawBoardRows(DibSurface& destination, double t)
{
    if (!Usable())
        return;
    const int s = baseCell.Width();
    const int rowCount = puzzle->settings.rowCount;
    for (int row = 0; row < rowCount; ++row) {
        const auto& cells = puzzle->rows[static_cast<size_t>(row)];
        const int n = static_cast<int>(cells.size());
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
        Rect first = BlockRect(0, row, n);
        if (taken == 1) {
            // One end block went: the rest glide half a block towards the middle.
            const int h = s / 2;
            if (fromLeft) {
                first = first.Moved(static_cast<int>(h * (1 - t) + 0.5), 0);
            } else {
                first = BlockRect(0, row, n + 1).Moved(static_cast<int>(h * t + 0.5), 0);
            }
        }
        for (int i = 0; i < n; ++i)
            DrawBlock(first.Moved(s * i, 0), cells[static_cast<size_t>(i)], destination, false, 1.0, false, false);
    }
    if (t >= 1.0) {
        for (const BlockRef& entry : selection) {
            const int n = RowLength(entry.row);
            if (entry.index >= 0 && entry.index < n)
                DrawBlock(BlockRect(entry.index, entry.row, n), CodeAt(entry.index, entry.row), destination,
                          true, 1.0, false, false);
        }
    }
}

Rect BoardView::DrawColourCounters(DibSurface& destination)
{
    if (!puzzle || clientWidth < MIN_CLIENT_WIDTH || clientHeight < MIN_CLIENT_HEIGHT || !Usable())
        return {};
    ColourCounters counts{};
    if (CountBlocks(puzzle->rows, puzzle->settings.rowCount, counts) == 0)
        PlayEffect(SOUND_WIN);
    const int s = baseCell.Width();
    const int colours = std::clamp(puzzle->settings.colourCount, 1, MAX_COLOURS);
    const int total = std::min((7 * colours * s + 2) / 3, (4 * clientWidth) / 5);
    const int cellWidth = 2 * (total / (2 * colours));
    const int cellHeight = s + (2 * s) / 3;
    const int left = clientWidth / 2 - total / (2 * colours) - cellWidth * (colours - 1) / 2;
    const int top = baseCell.top - 3 * s;
    const DibSurface::TextState saved = destination.text;
    destination.text.font = numberFont.get();
    counterCells.Prepare(cellWidth, cellHeight, colours, CacheKey());
    for (int i = 0; i < colours; ++i) {
        const Rect cell{left + i * cellWidth, top, left + (i + 1) * cellWidth, top + cellHeight};
        const int32_t count = counts[static_cast<size_t>(i)];
        if (counterCells.Fetch(i, count, destination, cell.left, cell.top))
            continue;
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
    }
    destination.text = saved;
    return {left, top, left + colours * cellWidth, top + cellHeight};
}

void BoardView::ShuffleSymbols()
{
    // A new puzzle ends any replay: the cursor pointed into the old solution.
    solving = false;
    symbols.clear();
    while (symbols.size() < 10) {
        const char symbol = SYMBOL_ALPHABET[Random() % SYMBOL_ALPHABET_SIZE];
        if (symbols.find(symbol) == std::string::npos)
            symbols.push_back(symbol);
    }
    if (antiAliasing)
        BuildBlockCache();
}

void BoardView::BuildBlockCache()
{
    if (!antiAliasing || !blockCache.HasPixels())
        return;
    const int s = baseCell.Width();
    for (int i = 0; i < 10; ++i)
        DrawBlock({i * s, 0, (i + 1) * s, s}, i, blockCache, false, 1.0, false, true);
}

void BoardView::MakeFonts()
{
    const int factor = antiAliasing ? 3 : 1;
    composeSurface.text.font = nullptr;
    symbolFont = std::make_unique<QFont>(
        MakeCellFont(SYMBOL_FACE, static_cast<int>(blockSize * 0.7) * factor));
    numberFont = std::make_unique<QFont>(MakeCellFont(NUMBER_FACE, blockSize * factor));
}
