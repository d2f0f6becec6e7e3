// The board view's window side: creation, size changes, the display scale, painting, the timer, the mouse.
#include "board_view.h"

#include "board/board_accessible.h"
#include "board/board_timer.h"
#include "board/effect_player.h"

#include "engine/puzzle.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

#include <algorithm>
#include <cmath>
#include <utility>

BoardView::BoardView(QWidget* parent, std::unique_ptr<SoundEffects> effects, std::unique_ptr<BoardClock> clock)
    : QWidget(parent), effects(effects ? std::move(effects) : std::make_unique<EffectPlayer>()),
      clock(clock ? std::move(clock) : std::make_unique<BoardTimer>())
{
    ShuffleSymbols();
    // Every pixel comes from composeSurface: nothing to erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    // Moving the mouse over the board hides the keyboard cursor.
    setMouseTracking(true);
    BoardAccessible::Install();
    this->clock->OnBeat([this] { Tick(); });
    this->clock->Start();
}

BoardView::~BoardView() = default;

void BoardView::ApplyPreferences(const PlayerPreferences& chosen)
{
    preferences = chosen;
    painter.SetBlockColours(chosen.blockColours);
    painter.SetAntiAliasing(chosen.antiAliasing);
    ForgetShownPicture();
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
    if (device != QSize(boardGeometry.clientWidth, boardGeometry.clientHeight))
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
    pendingRepaint.clear();
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

void BoardView::FollowPhase()
{
    const bool resting = phases.Phase() == PHASE_IDLE && !phases.Solving();
    if (resting)
        clock->Stop();
    else
        clock->Start();
}

void BoardView::mouseReleaseEvent(QMouseEvent* event)
{
    lastMousePosition = event->position();
    if (event->button() == Qt::LeftButton) {
        const QPoint p = DevicePoint(event->position());
        input.LeftButtonUp(p.x(), p.y());
    } else if (event->button() == Qt::RightButton) {
        input.RightButtonUp();
    }
    QWidget::mouseReleaseEvent(event);
}

void BoardView::mouseMoveEvent(QMouseEvent* event)
{
    // Qt also sends moves of its own when something changes under a still
    // mouse: only a real move puts the keyboard away.
    if (event->position() != lastMousePosition) {
        if (lastMousePosition.x() >= 0.0)
            input.MouseMoved();
        lastMousePosition = event->position();
    }
    QWidget::mouseMoveEvent(event);
}

void BoardView::keyPressEvent(QKeyEvent* event)
{
    if (input.HandleKey(event->key(), event->modifiers(), event->isAutoRepeat()))
        event->accept();
    else
        QWidget::keyPressEvent(event);
}

void BoardView::SizeChanged(int width, int height)
{
    boardGeometry.clientWidth = width;
    boardGeometry.clientHeight = height;
    composeSurface.Create(width, height);
    painter.MakeSurfaces(width, height);
    composeHoldsBackground = false;
    ForgetShownPicture();
    // An animation half drawn on the old surfaces cannot go on on the new,
    // black ones: finish it as a full redraw on the next tick. The move's
    // blocks are gone from the rows, so its selection goes now, before the
    // layout below paints other blocks as selected in their places.
    if (phases.Animating()) {
        phases.RefreshNext();
        input.ClearSelection();
    }
    FollowPhase();
    Layout();
    InvalidateAll();
}

int BoardView::LayoutBlockSize() const
{
    if (!puzzle)
        return 0;
    return BoardGeometry::BlockSizeFor(boardGeometry.clientWidth, boardGeometry.clientHeight,
                                       puzzle->Settings().rowWidth, puzzle->Settings().rowCount);
}

bool BoardView::Usable() const
{
    return LayoutBlockSize() >= 2 && boardGeometry.blockSize == LayoutBlockSize();
}

void BoardView::Layout()
{
    if (LayoutBlockSize() < 2)
        return;
    boardGeometry = BoardGeometry::For(boardGeometry.clientWidth, boardGeometry.clientHeight,
                                       puzzle->Settings().rowWidth, puzzle->Settings().rowCount);
    composeHoldsBackground = false;
    ForgetShownPicture();
    // The fonts are made anew: nothing may keep pointing at the old ones.
    composeSurface.text.font = nullptr;
    painter.Layout(boardGeometry, BoardRect());
    Redraw();
}

void BoardView::Redraw()
{
    if (phases.Phase() != PHASE_REFRESH && phases.Phase() != PHASE_IDLE)
        return;
    if (!Usable()) {
        InvalidateAll();
        return;
    }
    input.SnapCursor();
    if (!composeHoldsBackground) {
        composeSurface.CopySame(painter.Background(), painter.Background().Bounds());
        ForgetShownPicture();
    }
    DrawChangedRows(2.0);
    ColourCounters counts{};
    const int32_t blocks = CountBlocks(puzzle->Rows(), puzzle->Settings().rowCount, counts);
    const int colourCount = puzzle->Settings().colourCount;
    const int colours = std::clamp(colourCount, 1, MAX_COLOURS);
    if (countersKnown && colourCount == shownColourCount && composeHoldsBackground
        && boardGeometry.CounterRow(colours) == counterRect) {
        // Each counter covers its cell whole: only those with a new count change.
        for (int i = 0; i < colours; ++i) {
            const auto k = static_cast<size_t>(i);
            if (counts[k] != shownCounts[k])
                Invalidate(painter.DrawColourCounter(composeSurface, boardGeometry, i, counts[k], colours));
        }
    } else {
        // The counters' cells tile their row and cover it whole: the
        // background goes only where the row stood and stands no more.
        if (composeHoldsBackground && boardGeometry.CounterRow(colours) != counterRect)
            composeSurface.CopySame(painter.Background(), counterRect);
        const Rect counters = DrawColourCounters(composeSurface);
        if (composeHoldsBackground && counters == counterRect)
            Invalidate(counters);
        else
            InvalidateAll();
        counterRect = counters;
    }
    countersKnown = true;
    shownCounts = counts;
    shownColourCount = colourCount;
    // The picture decides no sound: a cleared board is greeted here.
    if (blocks == 0)
        PlayEffect(SOUND_WIN);
    if (!composeHoldsBackground)
        InvalidateAll();
    composeHoldsBackground = true;
}

Rect BoardView::BoardRect() const
{
    return puzzle ? boardGeometry.BoardRect(puzzle->Settings().rowWidth, puzzle->Settings().rowCount)
                  : boardGeometry.BoardRect(1, 1);
}

int32_t BoardView::RowLength(int32_t row) const
{
    if (!puzzle || row < 0 || row >= MAX_ROWS)
        return 0;
    return static_cast<int32_t>(puzzle->Rows()[static_cast<size_t>(row)].size());
}

int32_t BoardView::CodeAt(int32_t index, int32_t row) const
{
    if (!puzzle || index < 0 || index >= RowLength(row))
        return 0;
    return puzzle->Rows()[static_cast<size_t>(row)][static_cast<size_t>(index)];
}

std::vector<Rect> BoardView::TakeRepaint()
{
    return std::exchange(pendingRepaint, {});
}

void BoardView::InvalidateAll()
{
    pendingRepaint.assign(1, Rect{0, 0, boardGeometry.clientWidth, boardGeometry.clientHeight});
    update();
}

void BoardView::Invalidate(const Rect& rect)
{
    if (rect.IsEmpty())
        return;
    pendingRepaint.push_back(rect);
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
