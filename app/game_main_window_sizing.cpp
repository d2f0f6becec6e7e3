// The main window's size and place: checked and applied at start, fitted to the frame, saved at close.
#include "game_main_window.h"

#include "app/bar_captions_fit.h"
#include "app/x11_size_hints.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <vector>

namespace {

// Time the window manager gets to maximise the window before the window
// takes the screen itself.
constexpr int MAXIMISE_GRACE_MS = 400;

DesktopRect RectOf(const QRect& rect)
{
    return {rect.x(), rect.y(), rect.x() + rect.width(), rect.y() + rect.height()};
}

std::vector<DesktopRect> ScreenAreas()
{
    std::vector<DesktopRect> areas;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect g = screen->geometry();
        areas.push_back(RectOf(g));
    }
    return areas;
}

} // namespace

void GameMainWindow::CheckWindowRectAtStart()
{
    // Checked whatever the file held, even a damaged one: the default passes
    // every check, so this only ever mends.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize screenSize = screen != nullptr ? screen->size() : QSize(1 << 30, 1 << 30);
    const CheckedWindowRect checked = CheckWindowRect(
        windowRect, defaultRect, screenSize.width(), screenSize.height(), ScreenAreas());
    windowRect = checked.rect;
    startMaximized = checked.startMaximized;
}

void GameMainWindow::FitBarCaptions()
{
    QStringList captions;
    for (const QPushButton* button : barButtons)
        captions << button->text();
    const BarCaptionsFit fit = ::FitBarCaptions(newButton, captions, menuBar.sizeHint().width(), MIN_WINDOW_WIDTH);
    if (fit.font.has_value()) {
        for (QPushButton* button : barButtons)
            button->setFont(*fit.font);
    }
    minWidth = fit.leastWidth;
}

void GameMainWindow::ApplyWindowRect()
{
    // The frame is not known before the window is shown: the rectangle is
    // taken as the outer one here and the size corrected once the frame is
    // known (FitOuterSize).
    setMinimumSize(minWidth, minHeight);
    move(windowRect.left, windowRect.top);
    resize(windowRect.right - windowRect.left, windowRect.bottom - windowRect.top);
}

void GameMainWindow::ShowAtStart()
{
    show();
    if (!startMaximized)
        return;
    showMaximized();
    QTimer::singleShot(MAXIMISE_GRACE_MS, this, &GameMainWindow::FallBackToScreenIfNotMaximised);
}

void GameMainWindow::FallBackToScreenIfNotMaximised()
{
    // Without a window manager nobody maximises the window: it takes the
    // screen's available area itself, which is saved as larger than the
    // screen and so opens maximised again next time.
    const QScreen* screen = this->screen();
    if (screen == nullptr)
        return;
    const QRect available = screen->availableGeometry();
    if (frameGeometry().width() >= available.width() - 4
        && frameGeometry().height() >= available.height() - 4)
        return;
    setGeometry(available);
    KeepProportionsWhileDragging();
}

void GameMainWindow::FitOuterSize()
{
    // Once the frame is known: the outer size is the saved one and the outer
    // minimum is 480 x 320. Done once; later sizes are the player's.
    if (outerSizeFitted)
        return;
    const QSize frameExtra = frameGeometry().size() - geometry().size();
    if (frameExtra.width() <= 0 && frameExtra.height() <= 0)
        return;
    outerSizeFitted = true;
    setMinimumSize(std::max(minWidth - frameExtra.width(), 1),
                   std::max(minHeight - frameExtra.height(), 1));
    if (windowState() == Qt::WindowNoState)
        resize(geometry().size() - frameExtra);
}

void GameMainWindow::KeepProportionsWhileDragging()
{
    // The height between 60 % and 6/7 of the width: width / height between
    // 7/6 and 5/3. Qt rewrites the hints whenever it sets a size itself, so
    // this follows every size the program sets.
    SetAspectHints(this, 7, 6, 5, 3);
}

DesktopRect GameMainWindow::OuterRect() const
{
    const DesktopRect rect = RectOf(frameGeometry());
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return rect;
    // A Wayland client is never told where its window stands, so the place
    // it was started at is kept: a later start under X11 opens it there, not
    // with its title bar above the top of the screen.
    return {windowRect.left, windowRect.top, windowRect.left + (rect.right - rect.left),
            windowRect.top + (rect.bottom - rect.top)};
}
