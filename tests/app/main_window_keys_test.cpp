// The main window from the keyboard: the board from any child, dialogs and menus, shortcuts, a whole puzzle.
#include "app/game_main_window.h"
#include "app/help_window.h"
#include "app_test_support.h"
#include "engine/puzzle.h"
#include "engine/random.h"
#include "tests/support/recorded_effects.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QKeyEvent>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// Every key event but the chord keys themselves that reaches the object it watches.
class KeySpy : public QObject {
public:
    explicit KeySpy(QObject* watched) { watched->installEventFilter(this); }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Shift && key != Qt::Key_Control && key != Qt::Key_Alt)
            keys.push_back(key);
        return false;
    }

    std::vector<int> keys;
};

// Makes window the active one, as a click on it would; the shortcuts follow
// the active window.
void Activate(QWidget& window)
{
    window.activateWindow();
    QApplication::processEvents();
    ASSERT_EQ(QApplication::activeWindow(), &window);
}

class MainWindowKeysTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = ShowNewWindow(clock, std::make_unique<RecordedEffects>(sounds));
        Activate(*window);
        TickUntilIdle(*window, clock);
        window->RestoreFocus();
        sounds.clear();
    }

    const BoardView& board() const { return window->Board(); }
    BlockRef Cursor() { return board().Cursor().Position(); }

    // The widget that holds the window's keyboard focus: where the player's
    // keys go.
    QWidget* FocusedWidget() const
    {
        QWidget* focus = window->focusWidget();
        EXPECT_NE(focus, nullptr);
        return focus;
    }

    // A key pressed and released where the keyboard focus is, as the player
    // would type it.
    void Type(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QTest::keyClick(focus, static_cast<Qt::Key>(key), modifiers);
    }

    // The first move of the solution made with the mouse and committed.
    void MakeOneMove()
    {
        ClickBlocks(*window, FirstSolutionMove(window->GamePuzzle()));
        window->OnCommit();
        TickUntilIdle(*window, clock);
        ASSERT_EQ(MovesMade(window->GamePuzzle()), 1);
    }

    ScratchDirectory scratch;
    // The board's effects, oldest first.
    std::vector<int> sounds;
    // The board's clock, fired by the test.
    HandClock* clock = nullptr;
    std::unique_ptr<GameMainWindow> window;
};

TEST_F(MainWindowKeysTest, ArrowsAndEnterAtTheFocusButtonMoveTheCursorAndSelect)
{
    ASSERT_TRUE(window->FocusButton().hasFocus());
    KeySpy spy(FocusedWidget());
    Type(Qt::Key_Down);  // the first arrow only shows the cursor
    EXPECT_TRUE(board().Cursor().Shown());
    EXPECT_EQ(Cursor(), (BlockRef{0, 0}));
    Type(Qt::Key_Down);
    EXPECT_EQ(Cursor(), (BlockRef{0, 1}));
    Type(Qt::Key_Return);
    EXPECT_EQ(board().Selection(), (MoveList{{0, 1}}));
    Type(Qt::Key_Enter, Qt::KeypadModifier);  // keypad Enter: chosen again, so deselected
    EXPECT_TRUE(board().Selection().empty());
    EXPECT_EQ(sounds, (std::vector<int>{SOUND_SELECT, SOUND_SELECT}));
    EXPECT_TRUE(spy.keys.empty()) << "the focus button saw a key the board took";
    EXPECT_TRUE(window->FocusButton().hasFocus());
}

TEST_F(MainWindowKeysTest, EnterAtAFocusedBarButtonSelectsABlockAndNeverPressesIt)
{
    const MoveList solution = window->GamePuzzle().Solution();
    int clicks = 0;
    QObject::connect(&window->CommandButton(ID_NEW), &QPushButton::clicked, [&clicks] { ++clicks; });
    TabTo(*window, window->CommandButton(ID_NEW));
    // Even a button that would click on Enter is passed over.
    qobject_cast<QPushButton*>(FocusedWidget())->setAutoDefault(true);
    KeySpy spy(FocusedWidget());
    for (int key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Return, Qt::Key_Left, Qt::Key_Up, Qt::Key_Down})
        Type(key);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(window->GamePuzzle().Solution(), solution) << "Enter pressed the New button";
    EXPECT_EQ(board().Selection().size(), 1u);
    EXPECT_TRUE(spy.keys.empty()) << "the button saw a key the board took";
    EXPECT_TRUE(window->CommandButton(ID_NEW).hasFocus()) << "no arrow moved the focus";
}

TEST_F(MainWindowKeysTest, KeysTheBoardLeavesStillReachTheFocusedWidget)
{
    KeySpy spy(FocusedWidget());
    Type(Qt::Key_A);
    Type(Qt::Key_Return, Qt::ControlModifier);
    Type(Qt::Key_Return, Qt::ShiftModifier);
    Type(Qt::Key_Up, Qt::AltModifier);
    EXPECT_EQ(spy.keys, (std::vector<int>{Qt::Key_A, Qt::Key_A, Qt::Key_Return, Qt::Key_Return, Qt::Key_Return,
                                          Qt::Key_Return, Qt::Key_Up, Qt::Key_Up}));
    EXPECT_FALSE(board().Cursor().Shown());
    EXPECT_TRUE(board().Selection().empty());
}

TEST_F(MainWindowKeysTest, AHeldArrowKeepsMovingAndOnlyItsLastReleaseIsLetGo)
{
    KeySpy spy(FocusedWidget());
    Type(Qt::Key_Right);
    const BlockRef start = Cursor();
    // A held key arrives as presses and releases marked as repeats.
    for (int k = 0; k < 2; ++k) {
        QTest::sendKeyEvent(QTest::Press, FocusedWidget(), Qt::Key_Right, QString(), Qt::NoModifier);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(FocusedWidget(), &release);
    }
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(FocusedWidget(), &repeat);
    QKeyEvent last(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier);
    QApplication::sendEvent(FocusedWidget(), &last);
    EXPECT_NE(Cursor(), start);
    EXPECT_TRUE(spy.keys.empty());
    // Once let go, a release nobody pressed here passes through.
    QKeyEvent stray(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier);
    QApplication::sendEvent(FocusedWidget(), &stray);
    EXPECT_EQ(spy.keys, (std::vector<int>{Qt::Key_Right}));
}

TEST_F(MainWindowKeysTest, ADialogKeepsItsEnterAndArrows)
{
    QDialog dialog(window.get());
    QPushButton ok(&dialog);
    ok.setDefault(true);
    int clicks = 0;
    QObject::connect(&ok, &QPushButton::clicked, [&clicks] { ++clicks; });
    dialog.show();
    ok.setFocus();
    QTest::keyClick(&ok, Qt::Key_Down);
    QTest::keyClick(&ok, Qt::Key_Return);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(board().Cursor().Shown());
    EXPECT_TRUE(board().Selection().empty());
}

TEST_F(MainWindowKeysTest, TheMenuBarAndAnOpenMenuKeepTheirArrowsAndEnter)
{
    // Alt alone puts the menu bar under the keyboard: the arrows walk its
    // menus then, not the board.
    QTest::keyClick(FocusedWidget(), Qt::Key_Alt, Qt::AltModifier);
    ASSERT_TRUE(window->MainMenu().hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    EXPECT_EQ(window->MainMenu().activeAction(), window->MainMenu().actions().at(1));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(board().Cursor().Shown());

    QMenu* file = window->MainMenu().actions().front()->menu();
    file->popup(window->mapToGlobal(QPoint(0, 0)));
    QTest::keyClick(file, Qt::Key_Down);
    EXPECT_EQ(file->activeAction(), file->actions().front());
    file->close();
    EXPECT_FALSE(board().Cursor().Shown());
}

TEST_F(MainWindowKeysTest, MenuItemsShowTheirShortcutsBesideUnchangedCaptions)
{
    const struct {
        int id;
        const char* caption;
        const char* keys;
    } items[] = {
        {ID_MENU_NEW_GAME, "New Game", "Ctrl+N"},
        {ID_MENU_EXIT, "Exit", "Ctrl+Q"},
        {ID_MENU_ONLINE_MANUAL, "Online Manual", "F1"},
        {ID_MENU_RETRY, "Retry", "F5"},
        {ID_MENU_GRAPHICS_SOUND, "Graphics / Sound", ""},
        {ID_MENU_PLAY_OPTIONS, "Play Options", ""},
        {ID_MENU_ABOUT, "About Kolumo", ""},
        {ID_MENU_HINT, "Hint", "H"},
        {ID_MENU_BACK_TO_SOLVABLE, "Back to a Solvable Position", ""},
        {ID_MENU_REDO, "Redo", "Ctrl+Shift+Z"},
        {ID_MENU_WARN_OF_DEAD_ENDS, "Warn of Dead Ends", ""},
    };
    for (const auto& item : items) {
        const QAction* action = window->MenuAction(item.id);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->text(), QString::fromLatin1(item.caption));
        EXPECT_EQ(action->shortcut(), QKeySequence(QString::fromLatin1(item.keys))) << item.caption;
    }
    EXPECT_EQ(window->MenuAction(ID_MENU_REDO)->shortcuts(),
              (QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+Shift+Z")),
                                   QKeySequence(QStringLiteral("Ctrl+Y"))}));
    EXPECT_EQ(window->UndoShortcut().shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
    EXPECT_EQ(window->UndoShortcut().shortcutContext(), Qt::WindowShortcut);
    EXPECT_EQ(window->SolveShortcut().shortcut(), QKeySequence(QStringLiteral("Ctrl+D")));
    EXPECT_EQ(window->SolveShortcut().shortcutContext(), Qt::WindowShortcut);
    // The menu's items are fixed: Undo's and Solve's shortcuts are not among them.
    for (QAction* top : window->MainMenu().actions()) {
        const QList<QAction*> items = top->menu()->actions();
        EXPECT_EQ(std::count(items.begin(), items.end(), &window->UndoShortcut()), 0);
        EXPECT_EQ(std::count(items.begin(), items.end(), &window->SolveShortcut()), 0);
    }
    for (int k = 0; k < BAR_BUTTON_COUNT; ++k)
        EXPECT_FALSE(window->BarButton(k).text().contains('&')) << "a bar caption changed";
}

TEST_F(MainWindowKeysTest, CtrlZUndoesAMoveAndLeavesTheFocusOnTheFocusButton)
{
    MakeOneMove();
    TabTo(*window, window->CommandButton(ID_QUIT));
    Type(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(MovesMade(window->GamePuzzle()), 0);
    EXPECT_EQ(window->GamePuzzle().Rows(), window->GamePuzzle().InitialRows());
    EXPECT_TRUE(window->FocusButton().hasFocus());
    Type(Qt::Key_Z, Qt::ControlModifier);  // nothing left: refused as the Undo button is
    EXPECT_EQ(LastOf(sounds), SOUND_REFUSE);
}

TEST_F(MainWindowKeysTest, CtrlDStartsAndStopsTheSolveReplayLikeTheSolveButton)
{
    MakeOneMove();
    TabTo(*window, window->CommandButton(ID_RETRY));
    Type(Qt::Key_D, Qt::ControlModifier);
    EXPECT_TRUE(board().Solving());
    EXPECT_EQ(window->GamePuzzle().Rows(), window->GamePuzzle().InitialRows());  // Solve starts from the top
    EXPECT_TRUE(window->FocusButton().hasFocus());
    Type(Qt::Key_D, Qt::ControlModifier);
    EXPECT_FALSE(board().Solving());
}

TEST_F(MainWindowKeysTest, CtrlNStartsANewGameAndF1OpensTheManual)
{
    const MoveList solution = window->GamePuzzle().Solution();
    TabTo(*window, window->CommandButton(ID_UNDO));
    Type(Qt::Key_N, Qt::ControlModifier);
    EXPECT_NE(window->GamePuzzle().Solution(), solution);
    EXPECT_TRUE(window->FocusButton().hasFocus());
    Type(Qt::Key_F1);
    ASSERT_NE(HelpWindow::Instance(), nullptr);
    EXPECT_TRUE(HelpWindow::Instance()->isVisible());
    HelpWindow::Instance()->close();
}

TEST_F(MainWindowKeysTest, CtrlQClosesTheWindowAndWritesTheState)
{
    Type(Qt::Key_Q, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(QFile::exists(QStringLiteral("PREFS.SAV")));
}

TEST_F(MainWindowKeysTest, TheShortcutsDoNothingWhileADialogIsTheActiveWindow)
{
    MakeOneMove();
    const MoveList solution = window->GamePuzzle().Solution();
    QDialog dialog(window.get());
    QPushButton ok(&dialog);
    dialog.show();
    Activate(dialog);
    ok.setFocus();
    for (int key : {Qt::Key_N, Qt::Key_Z, Qt::Key_Q})
        QTest::keyClick(&ok, static_cast<Qt::Key>(key), Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_EQ(window->GamePuzzle().Solution(), solution);
    EXPECT_EQ(MovesMade(window->GamePuzzle()), 1);
    EXPECT_TRUE(window->isVisible());
}

TEST(MainWindowKeyboardPlay, AWholePuzzleIsSolvedFromTheKeyboardAlone)
{
    // The puzzle of a fixed seed, played by following its stored solution
    // with the cursor: arrows to each block, Enter to choose it, Space at
    // each move marker; the keys go wherever the focus is, as typed.
    ScratchDirectory scratch;
    SeedRandom(2024);
    std::vector<int> sounds;
    HandClock* clock = nullptr;
    auto window = ShowNewWindow(clock, std::make_unique<RecordedEffects>(sounds));
    Activate(*window);
    const BoardView& board = window->Board();
    TickUntilIdle(*window, clock);
    const auto type = [](int key) {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key));
    };
    // The player clicked a bar button first and left the focus on it.
    TabTo(*window, window->CommandButton(ID_RETRY));
    const MoveList solution = window->GamePuzzle().Solution();
    ASSERT_GT(solution.size(), 10u);
    int moves = 0;
    for (const BlockRef& entry : solution) {
        if (entry.IsMoveMarker()) {
            type(Qt::Key_Space);
            ASSERT_EQ(board.Phase(), PHASE_REMOVE_START);
            TickUntilIdle(*window, clock);
            ++moves;
            continue;
        }
        if (!entry.IsBlock())
            continue;
        for (int guard = 0; guard < 60 && !(board.Cursor().Shown() && board.Cursor().Position() == entry); ++guard) {
            const BlockRef at = board.Cursor().Position();
            const int across = entry.index == 0 ? Qt::Key_Left : Qt::Key_Right;
            type(at.row < entry.row ? Qt::Key_Down : at.row > entry.row ? Qt::Key_Up : across);
        }
        ASSERT_EQ(board.Cursor().Position(), entry);
        type(Qt::Key_Return);
        ASSERT_EQ(board.Selection().back(), entry) << "block " << entry.index << ", " << entry.row;
    }
    ColourCounters counts{};
    EXPECT_EQ(CountBlocks(window->GamePuzzle().Rows(), window->GamePuzzle().Settings().rowCount, counts), 0);
    EXPECT_EQ(MovesMade(window->GamePuzzle()), moves);
    EXPECT_EQ(LastOf(sounds), window->MusicOn() ? SOUND_WIN_QUIET : SOUND_WIN);
    EXPECT_EQ(window->GamePuzzle().Solution(), solution) << "a key pressed the Retry button";
}

} // namespace
