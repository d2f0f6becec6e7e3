// The main window: construction, its parts, the saved state, layout and closing.
#include "game_main_window.h"

#include "app/audio_messages.h"
#include "app/focus_button_accessible.h"
#include "app/hint_settings.h"
#include "app/main_window_keys.h"
#include "app/menu_title_accessible.h"
#include "board/audio_device.h"
#include "board/board_accessible.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QKeySequence>
#include <QMenu>
#include <QTimer>

#include <utility>

namespace {

struct BarEntry {
    const char* caption;
    int id;
};

// The bar from left to right. The captions are drawn on the buttons' faces,
// where room is short.
constexpr std::array<BarEntry, BAR_BUTTON_COUNT> BAR_BUTTONS{{
    //: On a button of the bar, where room is short. Starts a new puzzle.
    {QT_TRANSLATE_NOOP("ButtonBar", "New"), ID_NEW},
    //: On a button of the bar, where room is short. Starts the same puzzle again from its start.
    {QT_TRANSLATE_NOOP("ButtonBar", "Retry"), ID_RETRY},
    //: On a button of the bar, where room is short. Opens the preferences; short for Preferences.
    {QT_TRANSLATE_NOOP("ButtonBar", "Prefs"), ID_PREFS},
    //: On a button of the bar, where room is short. Opens the play options: board size, colours, blocks per move.
    {QT_TRANSLATE_NOOP("ButtonBar", "Options"), ID_OPTIONS},
    //: On a button of the bar, where room is short. Plays the puzzle out for the player.
    {QT_TRANSLATE_NOOP("ButtonBar", "Solve"), ID_SOLVE},
    //: On a button of the bar, where room is short. Takes back the last move.
    {QT_TRANSLATE_NOOP("ButtonBar", "Undo"), ID_UNDO},
    //: On a button of the bar, where room is short. Opens the manual.
    {QT_TRANSLATE_NOOP("ButtonBar", "Help"), ID_HELP},
    //: On a button of the bar, where room is short. Opens the About box.
    {QT_TRANSLATE_NOOP("ButtonBar", "About"), ID_ABOUT},
    //: On a button of the bar, where room is short. Ends the game.
    {QT_TRANSLATE_NOOP("ButtonBar", "Quit"), ID_QUIT},
}};

// If no paint has come by then (a window started minimised), the music and
// the audio device start anyway.
constexpr int BACKGROUND_WORK_LATEST_MS = 1500;
} // namespace

GameMainWindow::GameMainWindow(MainWindowParts parts)
    : menuBar(this), client(this), boardView(&client, std::move(parts.effects), std::move(parts.clock)),
      focusButton(&client), newButton(&client), retryButton(&client), prefsButton(&client),
      optionsButton(&client), solveButton(&client), undoButton(&client), helpButton(&client),
      aboutButton(&client), quitButton(&client), musicPlayer(std::move(parts.musicBackend)),
      playerHelp(puzzle, boardView, [this] { return gameIronman; }, HINT_SETTINGS_FILE,
                 std::move(parts.solver))
{
    // Before anything asks for the parts a screen reader reads.
    FocusButtonAccessible::Install();
    MenuTitleAccessible::Install();
    focusButton.setObjectName(QLatin1String(FocusButtonAccessible::OBJECT_NAME));
    ReadState();
    CheckWindowRectAtStart();
    gameIronman = preferences.ironman;
    CreateWindowParts();
    ApplyWindowRect();
}

GameMainWindow::~GameMainWindow()
{
    if (!stateSaved)
        SaveState();
    qApp->removeEventFilter(keys);
    puzzle.SetBoardView(nullptr);
}

MainWindowRecord GameMainWindow::MainRecord(const DesktopRect& rect) const
{
    return MainRecordOf(rect, preferences, puzzle.Settings());
}

void GameMainWindow::ReadState()
{
    // The record starts from the values in force, which stay where the file
    // has nothing to say.
    MainWindowRecord mainRecord = MainRecord(windowRect);
    MusicRecord musicRecord = MusicRecordOf(preferences);

    stateReadResult = LoadStateFile(stateFileName, mainRecord, musicRecord, puzzle,
                                    &stateReadReport);
    // The moves resume on the puzzle just read, and only when the file names it.
    gameFileRead = LoadGameFile(gameFileName, puzzle, &gameReadReport);
    if (gameFileRead == GameFileRead::Resumed)
        recorder.Resume();
    // Today's puzzle stays marked after a restart: the board in play is the
    // one today's date makes.
    const PuzzleCodeRead today = TodaysPuzzleCode();
    todaysPuzzle = puzzle.Settings() == today.settings && puzzle.Seed() == today.seed;

    windowRect = mainRecord.windowRect;
    preferences = PreferencesOf(mainRecord, musicRecord);
    boardView.ApplyPreferences(preferences);
    musicPlayer.ApplyPreferences(preferences);
}

void GameMainWindow::CreateWindowParts()
{
    ShowTitle();

    CreateMenu();
    CreateButtons();
    FitBarCaptions();

    puzzle.SetBoardView(&boardView);
    connect(&boardView, &BoardView::MoveSettled, &playerHelp, &PlayerHelp::MoveSettled);
    connect(&boardView, &BoardView::MoveSettled, this, &GameMainWindow::RecordMove);
    boardView.SetPuzzle(&puzzle);
    boardView.SetMusicOn(preferences.music);
    boardView.setGeometry(0, 0, 16, 16);
    boardView.hide();

    gameIronman = preferences.ironman;
    SetSolveCaption();
    boardView.SetSolving(false);

    CreateShortcuts();
    keys = new MainWindowKeys(
        this, [this] { OnCommand(ID_COMMIT); },
        [this](int key, Qt::KeyboardModifiers modifiers, bool autoRepeat) {
            if (!boardView.HandleKey(key, modifiers, autoRepeat))
                return false;
            // A key that plays on the board ends the message, as a click does.
            playerHelp.PlayerActed();
            return true;
        });
    qApp->installEventFilter(keys);
    // The first paint of the board lets the background work begin.
    boardView.installEventFilter(this);
    focusButton.installEventFilter(this);
    QTimer::singleShot(BACKGROUND_WORK_LATEST_MS, this, &GameMainWindow::StartBackgroundWork);
}

void GameMainWindow::CreateButtons()
{
    barButtons = {&newButton, &retryButton, &prefsButton, &optionsButton, &solveButton,
                  &undoButton, &helpButton, &aboutButton, &quitButton};
    for (int k = 0; k < BAR_BUTTON_COUNT; ++k) {
        QPushButton* button = barButtons[k];
        const int id = BAR_BUTTONS[k].id;
        button->setText(QCoreApplication::translate("ButtonBar", BAR_BUTTONS[k].caption));
        button->setProperty("commandId", id);
        button->setGeometry(0, 0, 16, 16);
        button->hide();
        connect(button, &QPushButton::clicked, this, [this, id] { OnCommand(id); });
    }
    // Invisible but able to hold the focus: Qt gives no focus to a hidden
    // widget, so it is shown at no size at all, under the board view.
    focusButton.setProperty("commandId", int(ID_NEW));
    // While it holds the focus the keys play on the board: a screen reader
    // meets the board itself, not this button (FocusButtonAccessible).
    focusButton.setGeometry(0, 0, 0, 0);
    focusButton.setFocusPolicy(Qt::StrongFocus);
    focusButton.show();
}

void GameMainWindow::CreateMenu()
{
    menuBar.setObjectName(QStringLiteral("MainMenu"));
    menuBar.setNativeMenuBar(false);
    struct Item {
        QString caption;
        int id;
    };
    const auto addMenu = [this](const QString& title, std::initializer_list<Item> items) {
        QMenu* menu = menuBar.addMenu(title);
        connect(menu, &QMenu::aboutToShow, this, &GameMainWindow::ShowWhatIsPossible);
        for (const Item& item : items) {
            QAction* action = menu->addAction(item.caption);
            const int id = item.id;
            action->setData(id);
            connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
        }
    };
    // The eight trailing spaces widen the menu bar's entries.
    //: A menu title. Keep the trailing spaces: they set the room between the menu titles.
    addMenu(tr("File        "), {{tr("New Game"), ID_MENU_NEW_GAME},
                                 //: Starts the same puzzle again from its start.
                                 {tr("Retry"), ID_MENU_RETRY},
                                 {tr("Hint"), ID_MENU_HINT},
                                 //: Takes back moves until the board can be cleared again.
                                 {tr("Back to a Solvable Position"), ID_MENU_BACK_TO_SOLVABLE},
                                 {tr("Redo"), ID_MENU_REDO},
                                 //: The daily puzzle, the same for every player on a given day.
                                 {tr("Today's Puzzle"), ID_MENU_TODAYS_PUZZLE},
                                 {tr("Copy Puzzle Code"), ID_MENU_COPY_PUZZLE_CODE},
                                 {tr("Open Puzzle Code…"), ID_MENU_OPEN_PUZZLE_CODE},
                                 {tr("Statistics…"), ID_MENU_STATISTICS},
                                 {tr("Exit"), ID_MENU_EXIT}});
    //: A menu title, short for Preferences. Keep the trailing spaces: they set the room between the menu titles.
    addMenu(tr("Prefs        "), {{tr("Graphics / Sound"), ID_MENU_GRAPHICS_SOUND},
                                  {tr("Play Options"), ID_MENU_PLAY_OPTIONS},
                                  //: A dead end: a board that can no longer be cleared.
                                  {tr("Warn of Dead Ends"), ID_MENU_WARN_OF_DEAD_ENDS}});
    QAction* warn = FindMenuAction(ID_MENU_WARN_OF_DEAD_ENDS);
    warn->setCheckable(true);
    warn->setChecked(playerHelp.WarnOfDeadEnds());
    //: A menu title. Keep the trailing spaces: they set the room between the menu titles.
    addMenu(tr("Help        "), {{tr("About Kolumo"), ID_MENU_ABOUT},
                                 {tr("Online Manual"), ID_MENU_ONLINE_MANUAL}});
}

void GameMainWindow::CreateShortcuts()
{
    // Shown beside the captions, which stay as they are. A window shortcut
    // only works while the main window is the active one, never in a dialog.
    FindMenuAction(ID_MENU_NEW_GAME)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    FindMenuAction(ID_MENU_RETRY)->setShortcut(QKeySequence(Qt::Key_F5));
    FindMenuAction(ID_MENU_EXIT)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    FindMenuAction(ID_MENU_ONLINE_MANUAL)->setShortcut(QKeySequence(Qt::Key_F1));
    const QKeySequence hintKey(Qt::Key_H);
    const QList<QKeySequence> redoKeys{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                                       QKeySequence(Qt::CTRL | Qt::Key_Y)};
    FindMenuAction(ID_MENU_HINT)->setShortcut(hintKey);
    FindMenuAction(ID_MENU_REDO)->setShortcuts(redoKeys);
    // A greyed item's keys would be dead, yet a key that asks for a refused
    // command deserves its word: the keys of Hint and Redo belong to the
    // window, and their items only show them.
    for (const int id : {ID_MENU_HINT, ID_MENU_REDO})
        FindMenuAction(id)->setShortcutContext(Qt::WidgetShortcut);
    AddWindowShortcut({hintKey}, ID_MENU_HINT);
    AddWindowShortcut(redoKeys, ID_MENU_REDO);
    // Undo and Solve have no menu items: their shortcuts belong to the window,
    // so a player without a mouse still reaches every button's command.
    undoShortcut = AddWindowShortcut({QKeySequence(Qt::CTRL | Qt::Key_Z)}, ID_UNDO);
    solveShortcut = AddWindowShortcut({QKeySequence(Qt::CTRL | Qt::Key_D)}, ID_SOLVE);
}

void GameMainWindow::ShowWhatIsPossible()
{
    FindMenuAction(ID_MENU_HINT)->setEnabled(playerHelp.WhyNoHint().isEmpty());
    FindMenuAction(ID_MENU_BACK_TO_SOLVABLE)->setEnabled(playerHelp.WhyNoBack().isEmpty());
    FindMenuAction(ID_MENU_REDO)->setEnabled(!boardView.Solving() && !puzzle.NextRedoBlocks().empty());
}

QAction* GameMainWindow::AddWindowShortcut(const QList<QKeySequence>& keys, int id)
{
    auto* action = new QAction(this);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    addAction(action);
    connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
    return action;
}

const QAction* GameMainWindow::MenuAction(int id) const
{
    return FindMenuAction(id);
}

QAction* GameMainWindow::FindMenuAction(int id) const
{
    for (QAction* top : menuBar.actions()) {
        if (top->menu() == nullptr)
            continue;
        for (QAction* action : top->menu()->actions()) {
            if (action->data().toInt() == id)
                return action;
        }
    }
    return nullptr;
}

const QPushButton& GameMainWindow::BarButton(int position) const
{
    return *barButtons.at(static_cast<size_t>(position));
}

const QPushButton& GameMainWindow::CommandButton(int id) const
{
    for (size_t k = 0; k < BAR_BUTTONS.size(); ++k) {
        if (BAR_BUTTONS[k].id == id)
            return *barButtons[k];
    }
    return focusButton;
}

void GameMainWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    FitOuterSize();
}

void GameMainWindow::StartBackgroundWork()
{
    if (backgroundWorkStarted)
        return;
    backgroundWorkStarted = true;
    boardView.removeEventFilter(this);
    // After the first frame: three pictures to decode and half a megabyte
    // for the display server, which the window manager takes whenever it
    // comes.
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/128.png"));
    icon.addFile(QStringLiteral(":/icons/160.png"));
    icon.addFile(QStringLiteral(":/icons/kolumo-256.png"));
    setWindowIcon(icon);
    FitOuterSize();
    KeepProportionsWhileDragging();
    SilenceAudioLibraryMessages();
    AudioDevice::Instance().Open();
    musicPlayer.CreatePlayerWindow(std::string());
}

bool GameMainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &boardView && event->type() == QEvent::Paint && !backgroundWorkStarted)
        QTimer::singleShot(0, this, &GameMainWindow::StartBackgroundWork);
    // The keyboard is back on the board: a screen reader hears the board
    // (after Qt has told of the unseen button taking the focus).
    if (watched == &focusButton && event->type() == QEvent::FocusIn)
        QTimer::singleShot(0, this, [this] { BoardAccessible::TakeFocus(&boardView); });
    return QWidget::eventFilter(watched, event);
}

void GameMainWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int menuHeight = menuBar.heightForWidth(width());
    menuBar.setGeometry(0, 0, width(), menuHeight);
    client.setGeometry(0, menuHeight, width(), std::max(height() - menuHeight, 0));
    LayoutChildren();
}

void GameMainWindow::LayoutChildren()
{
    const ChildPlacement placement = PlaceChildren(client.width(), client.height());
    const auto place = [](QWidget& widget, const Rect& rect) {
        widget.setGeometry(rect.left, rect.top, rect.Width(), rect.Height());
        widget.show();
    };
    place(boardView, placement.boardView);
    boardView.raise();
    for (int k = 0; k < BAR_BUTTON_COUNT; ++k)
        place(*barButtons[k], placement.buttons[k]);
}

void GameMainWindow::RestoreFocus()
{
    focusButton.setFocus(Qt::OtherFocusReason);
}

bool GameMainWindow::SaveState()
{
    stateSaved = true;
    RecordLeaving();
    // A file start-up could not read is the player's, unseen by this run:
    // it is left as it is rather than replaced with the defaults.
    if (stateReadResult == StateReadResult::Unreadable) {
        stateSaveReport = UnreadFileKeptReport(stateFileName);
        return false;
    }
    if (!SaveStateFile(stateFileName, MainRecord(OuterRect()), MusicRecordOf(preferences), puzzle,
                       &stateSaveReport))
        return false;
    if (gameFileRead == GameFileRead::Unreadable) {
        stateSaveReport = UnreadGameFileKeptReport(gameFileName);
        return false;
    }
    // The moves of Solve's replay are the game's, not the player's.
    return SaveGameFile(gameFileName, puzzle, !boardView.Solving(), &stateSaveReport);
}

void GameMainWindow::closeEvent(QCloseEvent* event)
{
    // Closing never asks: the state is written and the window goes.
    SaveState();
    event->accept();
}
