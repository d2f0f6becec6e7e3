// The board view's window side: creation, size changes, painting, the timer
// and the mouse; and the geometry every other drawing derives from.
#include "board_view.h"

#include "engine/puzzle.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QTimerEvent>

#include <algorithm>

namespace {

QImage LoadTexture(const char* path)
{
    const QImage image(QString::fromLatin1(path));
    if (image.isNull())
        return {};
    return image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace

BoardView::BoardView(QWidget* parent)
    : QWidget(parent)
{
    SetDefaultColours(blockColours.data(), static_cast<int>(blockColours.size()));
    ShuffleSymbols();
    // Every pixel comes from composeSurface: nothing to erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    boardTexture = LoadTexture(":/bitmaps/172.png");
    backdropTexture = LoadTexture(":/bitmaps/173.png");
    boardTimerId = startTimer(BOARD_TIMER_INTERVAL_MS, Qt::PreciseTimer);
}

BoardView::~BoardView()
{
    selection.clear();
}

void BoardView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    SizeChanged(event->size().width(), event->size().height());
}

void BoardView::paintEvent(QPaintEvent* event)
{
    if (!composeSurface.HasPixels())
        return;
    QPainter painter(this);
    const QRect area = event->rect();
    painter.drawImage(area.topLeft(), composeSurface.Image(), area);
}

void BoardView::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != boardTimerId) {
        QWidget::timerEvent(event);
        return;
    }
    Tick();
}

void BoardView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        const QPoint p = event->position().toPoint();
        LeftButtonUp(p.x(), p.y());
    } else if (event->button() == Qt::RightButton) {
        CommitSelection();
    }
    QWidget::mouseReleaseEvent(event);
}

void BoardView::SizeChanged(int width, int height)
{
    clientWidth = width;
    clientHeight = height;
    composeSurface.Create(width, height);
    backgroundSurface.Create(width, height);
    scratchSurface.Create(3 * width / 4, 3 * height / 4);
    composeHoldsBackground = false;
    // An animation half drawn on the old surfaces cannot go on on the new,
    // black ones: finish it as a full redraw on the next tick.
    if (phase >= PHASE_REMOVE_START && phase <= PHASE_SLIDING)
        phase = PHASE_REFRESH;
    Layout();
    update();
}

int BoardView::LayoutBlockSize() const
{
    if (!puzzle || clientWidth < MIN_CLIENT_WIDTH || clientHeight < MIN_CLIENT_HEIGHT)
        return 0;
    const int w = puzzle->settings.rowWidth;
    const int r = puzzle->settings.rowCount;
    if (w + 2 <= 0 || r + 5 <= 0)
        return 0;
    const int s = std::min(clientWidth / (w + 2), clientHeight / (r + 5)) & ~1;
    return s >= 2 ? s : 0;
}

bool BoardView::Usable() const
{
    return LayoutBlockSize() >= 2 && blockSize == LayoutBlockSize();
}

void BoardView::Layout()
{
    const int s = LayoutBlockSize();
    if (s < 2)
        return;
    blockSize = s;
    plainBlocks.Clear();
    counterCells.Clear();
    const int rows = puzzle->settings.rowCount;
    baseCell.left = clientWidth / 2 - s / 2;
    baseCell.right = clientWidth / 2 + s / 2;
    baseCell.top = clientHeight / 2 - (s * rows) / 2 + (3 * s) / 2;
    baseCell.bottom = baseCell.top + s;
    PaintBackground();
    composeHoldsBackground = false;
    MakeFonts();
    blockCache.Create(10 * s, s);
    BuildBlockCache();
    Redraw();
}

void BoardView::PaintBackground()
{
    backgroundSurface.Tile(backdropTexture, backgroundSurface.Bounds());
    const int s = blockSize;
    const int d = (s + 2) / 3;
    Rect area = BoardRect().Grown(d, d);
    backgroundSurface.Tile(boardTexture, area);
    const int outlines = std::min(s / 8, 4);
    for (int k = 0; k < outlines; ++k) {
        backgroundSurface.BevelOutline(area, MakeColour(96, 54, 0), MakeColour(160, 96, 0));
        area = area.Grown(1, 1);
    }
}

void BoardView::Redraw()
{
    if (phase != PHASE_REFRESH && phase != PHASE_IDLE)
        return;
    if (!Usable()) {
        update();
        return;
    }
    const Rect board = BoardRect();
    if (composeHoldsBackground) {
        composeSurface.CopySame(backgroundSurface, board);
        composeSurface.CopySame(backgroundSurface, counterRect);
    } else {
        composeSurface.CopySame(backgroundSurface, backgroundSurface.Bounds());
    }
    DrawBoardRows(composeSurface, 2.0);
    const Rect counters = DrawColourCounters(composeSurface);
    if (composeHoldsBackground && counters == counterRect) {
        // The window already shows the rest of the picture.
        Invalidate(board);
        Invalidate(counters);
    } else {
        update();
    }
    counterRect = counters;
    composeHoldsBackground = true;
}

Rect BoardView::BlockRect(int32_t index, int32_t row, int32_t length) const
{
    const int s = baseCell.Width();
    return baseCell.Moved(-(s * (length - 1) / 2) + s * index, s * row);
}

Rect BoardView::BoardRect() const
{
    const int s = baseCell.Width();
    const int w = puzzle ? puzzle->settings.rowWidth : 1;
    const int r = puzzle ? puzzle->settings.rowCount : 1;
    const int half = s * (w - 1) / 2;
    return {baseCell.left - half, baseCell.top, baseCell.right + half, baseCell.bottom + s * (r - 1)};
}

BlockRef BoardView::HitTest(int x, int y) const
{
    const BlockRef none{NO_BLOCK, NO_BLOCK};
    if (!Usable())
        return none;
    const int s = baseCell.Width();
    const int dy = y - baseCell.top;
    if (dy < 0)
        return none;
    const int row = dy / s;
    if (row >= puzzle->settings.rowCount)
        return none;
    const int n = RowLength(row);
    if (n <= 0)
        return none;
    const int dx = s * (n - 1) / 2 + x - baseCell.left;
    if (dx < 0)
        return none;
    const int index = dx / s;
    if (index >= n)
        return none;
    return {index, row};
}

int32_t BoardView::RowLength(int32_t row) const
{
    if (!puzzle || row < 0 || row >= MAX_ROWS)
        return 0;
    return static_cast<int32_t>(puzzle->rows[static_cast<size_t>(row)].size());
}

int32_t BoardView::CodeAt(int32_t index, int32_t row) const
{
    if (!puzzle || index < 0 || index >= RowLength(row))
        return 0;
    return puzzle->rows[static_cast<size_t>(row)][static_cast<size_t>(index)];
}

void BoardView::Invalidate(const Rect& rect)
{
    if (!rect.IsEmpty())
        update(rect.left, rect.top, rect.Width(), rect.Height());
}
