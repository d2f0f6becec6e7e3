// The message over the board: its font and width follow the board's block
// size, its lines are balanced, it stands between the counters and the
// blocks, and each message is announced.
#include "app/player_message.h"

#include "board/board_geometry.h"
#include "board/board_view.h"
#include "controls/dialog_colours.h"
#include "engine/puzzle.h"

#include <QAccessible>
#include <QEvent>
#include <QFont>
#include <QFontMetrics>
#include <QPalette>

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace {

// Room kept between the message and the board's edges, in logical pixels.
constexpr int EDGE_GAP = 8;
// The text's pixel size as a share of the block size: two lines fit in the
// room of four thirds of a block between the counters and the blocks.
constexpr double FONT_SHARE = 0.4;
// Below this a message is hard to read, wherever it has to go.
constexpr int MIN_FONT_PX = 11;

// Greedy lines no wider than width (a word wider than that has a line of its own).
QStringList GreedyLines(const QStringList& words, const QFontMetrics& metrics, int width)
{
    QStringList lines;
    QString line;
    for (const QString& word : words) {
        const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(longer) > width) {
            lines << line;
            line = word;
        } else {
            line = longer;
        }
    }
    if (!line.isEmpty())
        lines << line;
    return lines;
}

struct Band {
    int top;
    int bottom;
    bool Holds(int height) const { return bottom - top >= height; }
};

} // namespace

PlayerMessage::PlayerMessage(BoardView* board) : QLabel(board), board(board)
{
    setObjectName(QStringLiteral("PlayerMessage"));
    setWordWrap(false);
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, DIALOG_BACKGROUND);
    colours.setColor(QPalette::WindowText, DIALOG_TEXT);
    setPalette(colours);
    // Clicks go through to the board: the message never stands in the way.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    board->installEventFilter(this);
}

void PlayerMessage::Say(const QString& words)
{
    message = words;
    setAccessibleName(words);
    Place();
    show();
    raise();
    QAccessibleEvent named(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
    emit Said(words);
}

void PlayerMessage::Dismiss()
{
    if (isHidden())
        return;
    hide();
    const QString gone = message;
    message.clear();
    setText(QString());
    setAccessibleName(QString());
    emit Dismissed(gone);
}

bool PlayerMessage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == board && event->type() == QEvent::Resize && !isHidden())
        Place();
    return QLabel::eventFilter(watched, event);
}

QStringList PlayerMessage::BalancedLines(const QString& text, const QFontMetrics& metrics, int maxWidth)
{
    const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QStringList widest = GreedyLines(words, metrics, maxWidth);
    if (widest.size() <= 1)
        return widest;
    // The narrowest width that still needs no more lines than the widest
    // allows: greedy lines at that width come out even.
    int narrow = 1;
    int wide = maxWidth;
    while (narrow < wide) {
        const int middle = narrow + (wide - narrow) / 2;
        if (GreedyLines(words, metrics, middle).size() <= widest.size())
            wide = middle;
        else
            narrow = middle + 1;
    }
    return GreedyLines(words, metrics, wide);
}

void PlayerMessage::Place()
{
    // The layout is worked out here rather than read from the board, which
    // may not have laid itself out for a new size yet.
    const qreal ratio = board->devicePixelRatioF();
    const QSize device = board->DeviceClientSize();
    const Puzzle* puzzle = board->ShownPuzzle();
    const BoardGeometry layout = puzzle != nullptr
        ? BoardGeometry::For(device.width(), device.height(), puzzle->Settings().rowWidth, puzzle->Settings().rowCount)
        : BoardGeometry{};
    const double block = layout.blockSize / ratio;
    const int gap = std::max(2, static_cast<int>(block / 12));
    const int side = std::max(EDGE_GAP, static_cast<int>(block / 2));
    const int maxWidth = std::max(board->width() - 2 * side, 1);

    // Between the counters and the blocks, then above the counters, then
    // below the blocks; with no layout, at the top.
    Band between{EDGE_GAP, board->height()};
    Band above = between;
    Band below = between;
    if (layout.blockSize > 0) {
        const Rect counters = layout.CounterRow(1);
        const Rect blocks = layout.BoardRect(puzzle->Settings().rowWidth, puzzle->Settings().rowCount);
        between = {static_cast<int>(std::ceil(counters.bottom / ratio)) + gap,
                   static_cast<int>(layout.baseCell.top / ratio) - gap};
        above = {gap, static_cast<int>(counters.top / ratio) - gap};
        below = {static_cast<int>(std::ceil(blocks.bottom / ratio)) + gap, board->height() - gap};
    }

    // The largest font up to the board's own share whose lines fit between.
    QFont font = this->font();
    font.setBold(true);
    int pixels = std::max(MIN_FONT_PX, static_cast<int>(std::lround(FONT_SHARE * block)));
    QStringList lines;
    int width = 0;
    int height = 0;
    for (;; --pixels) {
        font.setPixelSize(pixels);
        const QFontMetrics metrics(font);
        const int margin = std::max(3, pixels / 4);
        const int frame = 2 * (margin + lineWidth());
        lines = BalancedLines(message, metrics, maxWidth - frame);
        width = 0;
        for (const QString& line : lines)
            width = std::max(width, metrics.horizontalAdvance(line));
        width = std::min(width + frame + 2, board->width());
        height = static_cast<int>(lines.size()) * metrics.lineSpacing() + frame;
        setMargin(margin);
        if (between.Holds(height) || pixels <= MIN_FONT_PX)
            break;
    }
    setFont(font);
    setText(lines.join(QLatin1Char('\n')));

    // Where it does not fit between, the first other room that holds it; on a
    // board with no such room, the roomiest, spilling over as little as can be.
    Band chosen = between;
    if (!between.Holds(height)) {
        for (const Band& room : {above, below, between}) {
            if (room.Holds(height)) {
                chosen = room;
                break;
            }
            if (room.bottom - room.top > chosen.bottom - chosen.top)
                chosen = room;
        }
    }
    const int centred = chosen.top + (chosen.bottom - chosen.top - height) / 2;
    const int top = std::max(0, std::min(centred, board->height() - height));
    setGeometry((board->width() - width) / 2, top, width, height);
}
