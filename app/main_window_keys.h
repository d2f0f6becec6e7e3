// The main window's own keys: Space commits, arrows, Return and keypad Enter play the board from any child.
#pragma once

#include <QObject>

#include <functional>
#include <set>

class QKeyEvent;
class QWidget;

class MainWindowKeys : public QObject {
    Q_OBJECT

public:
    // The board's key handler: true when it took the key (see
    // BoardView::HandleKey).
    using BoardKey = std::function<bool(int key, Qt::KeyboardModifiers modifiers, bool autoRepeat)>;

    // Watches every key event of the application (install with
    // qApp->installEventFilter); only those aimed at window or its children
    // are taken, so dialogs, menus and other windows keep their own keys.
    MainWindowKeys(QWidget* window, std::function<void()> commit, BoardKey boardKey);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A widget of the main window itself: not a dialog's nor a popup
    // menu's, which are windows of their own.
    bool InThisWindow(QObject* watched) const;
    // The menu bar walks its menus with the arrows and opens one with Return
    // once the player has reached it from the keyboard (Alt, F10).
    bool InMenuBar(QObject* watched) const;
    bool SpaceKey(const QKeyEvent& key);
    bool BoardKeyPress(const QKeyEvent& key);
    bool BoardKeyRelease(const QKeyEvent& key);

    QWidget* window;
    std::function<void()> commit;
    BoardKey boardKey;
    // Keys whose press the board took: their releases are taken too, so no
    // child sees half a key.
    std::set<int> heldBoardKeys;
};
