// The main window's keys, taken before any child sees them.
#include "main_window_keys.h"

#include <QKeyEvent>
#include <QMenuBar>
#include <QWidget>

namespace {

constexpr Qt::KeyboardModifiers CHORD_KEYS
    = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

bool IsBoardKey(int key)
{
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return true;
    default:
        return false;
    }
}

} // namespace

MainWindowKeys::MainWindowKeys(QWidget* window, std::function<void()> commit, BoardKey boardKey)
    : QObject(window), window(window), commit(std::move(commit)), boardKey(std::move(boardKey))
{
}

bool MainWindowKeys::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease)
        return false;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (key.key() == Qt::Key_Space)
        return InThisWindow(watched) && SpaceKey(key);
    if (!IsBoardKey(key.key()))
        return false;
    if (type == QEvent::KeyRelease)
        return BoardKeyRelease(key);
    return InThisWindow(watched) && !InMenuBar(watched) && BoardKeyPress(key);
}

bool MainWindowKeys::InThisWindow(QObject* watched) const
{
    const auto* widget = qobject_cast<QWidget*>(watched);
    return widget != nullptr && widget->window() == window;
}

bool MainWindowKeys::InMenuBar(QObject* watched) const
{
    for (auto* w = qobject_cast<QWidget*>(watched); w != nullptr && w != window; w = w->parentWidget()) {
        if (qobject_cast<QMenuBar*>(w) != nullptr)
            return true;
    }
    return false;
}

bool MainWindowKeys::SpaceKey(const QKeyEvent& key)
{
    if ((key.modifiers() & CHORD_KEYS) != 0)
        return false;
    // A button clicks on the release and arms on the press: both are taken,
    // so a focused button is never pressed by Space.
    if (key.type() == QEvent::KeyPress)
        commit();
    return true;
}

bool MainWindowKeys::BoardKeyRelease(const QKeyEvent& key)
{
    // Wherever the focus has gone meanwhile, the release of a key the board
    // took is the board's too.
    if (heldBoardKeys.count(key.key()) == 0)
        return false;
    // A held key repeats as release and press pairs: only the last release
    // lets it go.
    if (!key.isAutoRepeat())
        heldBoardKeys.erase(key.key());
    return true;
}

bool MainWindowKeys::BoardKeyPress(const QKeyEvent& key)
{
    if (!boardKey(key.key(), key.modifiers(), key.isAutoRepeat()))
        return false;
    // Taken: a focused button is never pressed by Enter, and no child moves
    // its focus with the arrows.
    heldBoardKeys.insert(key.key());
    return true;
}
