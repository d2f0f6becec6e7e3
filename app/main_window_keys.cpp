// Space for the main window, taken before any child sees it.
#include "space_accelerator.h"

#include <QKeyEvent>
#include <QWidget>

SpaceAccelerator::SpaceAccelerator(QWidget* window, std::function<void()> command)
    : QObject(window), window(window), command(std::move(command))
{
}

bool SpaceAccelerator::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    constexpr Qt::KeyboardModifiers chordKeys
        = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (key->key() != Qt::Key_Space || (key->modifiers() & chordKeys) != 0)
        return false;
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != window)
        return false;
    // A button clicks on the release and arms on the press: both are taken,
    // so a focused button is never pressed by Space.
    if (type == QEvent::KeyPress)
        command();
    return true;
}
