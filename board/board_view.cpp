// The board view's window side: creation, size changes, the display scale,
// painting, the timer, the mouse and keys; and the geometry every other
// drawing derives from.
#include "board_view.h"

#include "board/board_accessible.h"

#include "engine/puzzle.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QTimerEvent>

#include <algorithm>
#include <cmath>
#include <utility>

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
    // Moving the mouse over the board hides the keyboard cursor.
    setMouseTracking(true);
    BoardAccessible::Install();
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
    const QSize device = DeviceClientSize();
    SizeChanged(device.width(), device.height());
}

QSize BoardView::DeviceClientSize() const
{
    // QSize * qreal rounds each side, as the backing store sizes itself.
    return size() * devicePixelRatioF();
}

QPoint BoardView::DevicePoint(const QPointF& logical) const
{
    const qreal ratio = devicePixelRatioF();
    if (ratio == 1.0)
        return logical.toPoint();
    return {static_cast<int>(std::floor(logical.x() * ratio)), static_cast<int>(std::floor(logical.y() * ratio))};
}

void BoardView::FollowPixelRatio()
{
    const QSize device = DeviceClientSize();
    if (device != QSize(clientWidth, clientHeight))
        SizeChanged(device.width(), device.height());
}

bool BoardView::event(QEvent* event)
{
    const bool handled = QWidget::event(event);
    // The window went to a screen of another scale: same logical size, new
    // device pixels. (Qt 6.6 and later also say so with their own event.)
    if (event->type() == QEvent::ScreenChangeInternal)
        FollowPixelRatio();
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    if (event->type() == QEvent::DevicePixelRatioChange)
        FollowPixelRatio();
#endif
    return handled;
}

void BoardView::paintEvent(QPaintEvent* event)
{
    FollowPixelRatio();
    if (!composeSurface.HasPixels())
        return;
    QPainter painter(this);
    const QImage& picture = std::as_const(composeSurface).Image();
    const QRect area = event->rect();
    const qreal ratio = devicePixelRatioF();
    if (ratio == 1.0) {
        painter.drawImage(area.topLeft(), picture, area);
        return;
    }
    // The device pixels under the logical area, one surface pixel to one
    // device pixel: the picture is drawn at the screen's own density.
    const int left = std::max(0, static_cast<int>(std::floor(area.left() * ratio)));
    const int top = std::max(0, static_cast<int>(std::floor(area.top() * ratio)));
    const int right = std::min(picture.width(), static_cast<int>(std::ceil((area.right() + 1) * ratio)));
    const int bottom = std::min(picture.height(), static_cast<int>(std::ceil((area.bottom() + 1) * ratio)));
    if (right <= left || bottom <= top)
        return;
    // A view of the pixels, not a copy, that knows its density.
    QImage dense(picture.constBits(), picture.width(), picture.height(), picture.bytesPerLine(), picture.format());
    dense.setDevicePixelRatio(ratio);
    const QRectF target(left / ratio, top / ratio, (right - left) / ratio, (bottom - top) / ratio);
    painter.drawImage(target, dense, QRectF(left, top, right - left, bottom - top));
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
    lastMousePosition = event->position();
    if (event->button() == Qt::LeftButton) {
        const QPoint p = DevicePoint(event->position());
        LeftButtonUp(p.x(), p.y());
    } else if (event->button() == Qt::RightButton) {
        HideCursor();
        CommitSelection();
    }
    QWidget::mouseReleaseEvent(event);
}

void BoardView::mouseMoveEvent(QMouseEvent* event)
{
    // Qt also sends moves of its own when something changes under a still
    // mouse: only a real move puts the keyboard away.
    if (event->position() != lastMousePosition) {
        if (lastMousePosition.x() >= 0.0)
            HideCursor();
        lastMousePosition = event->position();
    }
    QWidget::mouseMoveEvent(event);
}

void BoardView::keyPressEvent(QKeyEvent* event)
{
    if (HandleKey(event->key(), event->modifiers(), event->isAutoRepeat()))
        event->accept();
    else
        QWidget::keyPressEvent(event);
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
    if (!keyCursor.Snap(puzzle->rows, puzzle->settings.rowCount))
        keyCursor.shown = false;
    const Rect board = BoardRect();
    if (composeHoldsBackground) {
        composeSurface.CopySame(backgroundSurface, board);
        composeSurface.CopySame(backgroundSurface, counterRect);
    } else {
        composeSurface.CopySame(backgroundSurface, backgroundSurface.Bounds());
    }
    DrawBoardRows(composeSurface, 2.0);
    DrawCursorOutline();
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
    if (rect.IsEmpty())
        return;
    const qreal ratio = devicePixelRatioF();
    if (ratio == 1.0) {
        update(rect.left, rect.top, rect.Width(), rect.Height());
        return;
    }
    // Logical pixels that cover every device pixel of rect.
    const int left = static_cast<int>(std::floor(rect.left / ratio));
    const int top = static_cast<int>(std::floor(rect.top / ratio));
    const int right = static_cast<int>(std::ceil(rect.right / ratio));
    const int bottom = static_cast<int>(std::ceil(rect.bottom / ratio));
    update(left, top, right - left, bottom - top);
}
