// The message over the board: size and place follow the board, the font
// follows the screen's scale, and each message is announced.
#include "app/player_message.h"

#include "controls/dialog_colours.h"

#include <QAccessible>
#include <QEvent>
#include <QFont>
#include <QPalette>

#include <algorithm>

namespace {

// Room left between the message and the board's edges, in logical pixels.
constexpr int EDGE_GAP = 8;
// A little larger than the menu's text: read at a glance over the blocks.
constexpr double FONT_GROWTH = 1.25;

} // namespace

PlayerMessage::PlayerMessage(QWidget* host) : QLabel(host)
{
    setObjectName(QStringLiteral("PlayerMessage"));
    setWordWrap(true);
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setMargin(6);
    // The text is in points: Qt scales it with the screen, so the message
    // reads the same at every display scale.
    QFont bigger = font();
    bigger.setPointSizeF(bigger.pointSizeF() * FONT_GROWTH);
    bigger.setBold(true);
    setFont(bigger);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, DIALOG_BACKGROUND);
    colours.setColor(QPalette::WindowText, DIALOG_TEXT);
    setPalette(colours);
    // Clicks go through to the board: the message never stands in the way.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    host->installEventFilter(this);
}

void PlayerMessage::Say(const QString& message)
{
    setText(message);
    setAccessibleName(message);
    Place();
    show();
    raise();
    QAccessibleEvent named(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
    emit Said(message);
}

void PlayerMessage::Dismiss()
{
    if (isHidden())
        return;
    hide();
    setText(QString());
    setAccessibleName(QString());
}

bool PlayerMessage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parent() && event->type() == QEvent::Resize && !isHidden())
        Place();
    return QLabel::eventFilter(watched, event);
}

void PlayerMessage::Place()
{
    const QWidget* host = parentWidget();
    const int room = std::max(host->width() - 2 * EDGE_GAP, 1);
    const int width = std::min(room, QLabel::sizeHint().width());
    const int height = heightForWidth(width) > 0 ? heightForWidth(width) : sizeHint().height();
    setGeometry((host->width() - width) / 2, EDGE_GAP, width, height);
}
