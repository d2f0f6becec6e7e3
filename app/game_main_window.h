// The one top-level window: board, command bar, menu, keys, music, and the saved state read at start and written at close.
#pragma once

#include "app/game_recorder.h"
#include "app/music_player.h"
#include "app/player_help.h"
#include "app/window_geometry.h"
#include "board/board_view.h"
#include "engine/game_file.h"
#include "engine/puzzle.h"
#include "engine/puzzle_code.h"
#include "engine/state_file.h"
#include "engine/state_records.h"

#include <QList>
#include <QMenuBar>
#include <QPushButton>
#include <QWidget>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

class QAction;
class QKeySequence;
class MainWindowKeys;

// Command ids of the buttons, the menu and the Space key. (No ": int": after
// one, lupdate loses track of the class below and of its texts' context.)
enum CommandId {
    ID_NEW = 101,
    ID_RETRY = 102,
    ID_PREFS = 103,
    ID_OPTIONS = 104,
    ID_HELP = 105,
    ID_SOLVE = 106,
    ID_UNDO = 107,
    ID_QUIT = 108,
    ID_ABOUT = 109,
    ID_MENU_NEW_GAME = 32771,
    ID_MENU_RETRY = 32772,
    ID_MENU_EXIT = 32773,
    ID_MENU_GRAPHICS_SOUND = 32774,
    ID_MENU_PLAY_OPTIONS = 32775,
    ID_MENU_ABOUT = 32776,
    ID_MENU_ONLINE_MANUAL = 32777,
    ID_COMMIT = 32782,
    ID_MENU_HINT = 32783,
    ID_MENU_BACK_TO_SOLVABLE = 32784,
    ID_MENU_REDO = 32785,
    ID_MENU_WARN_OF_DEAD_ENDS = 32786,
    ID_MENU_COPY_PUZZLE_CODE = 32790,
    ID_MENU_OPEN_PUZZLE_CODE = 32791,
    ID_MENU_TODAYS_PUZZLE = 32792,
    ID_MENU_STATISTICS = 32793,
};

// The parts a test may hand the window instead of the game's own.
struct MainWindowParts {
    // Answers Hint, Back to a Solvable Position and the warnings.
    SolverCall solver = PlayerHelp::EngineSolver();
    // Plays the songs; null plays them through SDL_mixer.
    std::unique_ptr<MusicBackend> musicBackend;
    // Plays the board's effects; null plays them on the audio device.
    std::unique_ptr<SoundEffects> effects;
    // Beats the board's 40 ms step; null beats it with a Qt timer.
    std::unique_ptr<BoardClock> clock;
};

class GameMainWindow : public QWidget {
    Q_OBJECT

public:
    // Generates a first puzzle, reads "PREFS.SAV" from the current directory
    // and builds the window; it is not shown yet. SeedRandom must have run.
    explicit GameMainWindow(MainWindowParts parts = {});
    // Writes the saved state if no close has written it yet.
    ~GameMainWindow() override;

    // Shows the window, maximised when the saved state asks for it.
    void ShowAtStart();

    // --- Commands ---------------------------------------------------------
    // Runs the command of a button, a menu item, a shortcut or the Space key.
    void OnCommand(int id);
    // The game commands.
    void OnNewGame();
    void OnRetry();
    void OnUndo();
    void OnSolve();
    void OnCommit();
    void OnQuit();
    // The settings commands.
    void OnPreferences();
    void OnPlayOptions();
    // Help and about.
    void OnHelp();
    void OnAbout();
    void OnHint();
    void OnBackToSolvable();
    void OnRedo();
    void OnWarnOfDeadEnds();
    // Puzzle codes and the day's puzzle.
    void OnCopyPuzzleCode();
    void OnOpenPuzzleCode();
    void OnTodaysPuzzle();
    // The statistics of the games recorded, read as the window opens.
    void OnStatistics();
    // Starts the puzzle a code names (one that was read).
    void StartCodedPuzzle(const PuzzleCodeRead& code);
    // The settings and seed of the puzzle today's local date makes.
    static PuzzleCodeRead TodaysPuzzleCode();
    // The code of the puzzle in play; empty for one that has none (a board
    // read from the saved state whose seed "GAME.SAV" did not vouch for).
    QString PuzzleCode() const;
    // Whether the puzzle in play is today's, begun by Today's Puzzle.
    bool PlayingTodaysPuzzle() const { return todaysPuzzle; }

    // Gives the keyboard focus to the invisible focusButton, so that no
    // visible button holds it after a command.
    void RestoreFocus();
    // Places the board view and the bar for the current client area.
    void LayoutChildren();
    // The outer rectangle at this moment (the maximised one when maximised;
    // under Wayland, which hides it, the position stays the one started at).
    DesktopRect OuterRect() const;
    // Writes all three records to stateFileName, then the moves made so far
    // to gameFileName; false when either could not be written.
    bool SaveState();
    // The main window's saved record as the state in force stands, with the
    // given outer rectangle. Start-up and the close build it.
    MainWindowRecord MainRecord(const DesktopRect& rect) const;
    // What must not hold up the first frame: the audio device and the music.
    // Runs once, soon after the first paint; later calls do nothing.
    void StartBackgroundWork();

    // The bar's nine buttons, left to right.
    const QPushButton& BarButton(int position) const;
    const QMenuBar& MainMenu() const { return menuBar; }
    const QWidget& ClientArea() const { return client; }
    // The menu item with the given command id, or null.
    const QAction* MenuAction(int id) const;
    // The window's Ctrl+Z, which runs Undo (the menu has no Undo item).
    const QAction& UndoShortcut() const { return *undoShortcut; }
    const QAction& SolveShortcut() const { return *solveShortcut; }
    // The hidden button that holds the focus between commands.
    const QPushButton& FocusButton() const { return focusButton; }
    // The bar button that runs command `id` (ID_NEW .. ID_ABOUT); the hidden
    // focus button for any other id.
    const QPushButton& CommandButton(int id) const;

    // --- What the window's parts and the tests read ------------------------
    const Puzzle& GamePuzzle() const { return puzzle; }
    const BoardView& Board() const { return boardView; }
    const MusicPlayer& Music() const { return musicPlayer; }
    // Hint, Back to a Solvable Position and the warnings.
    const PlayerHelp& Help() const { return playerHelp; }
    // The player's preferences in force (the music folder as last chosen).
    const PlayerPreferences& Preferences() const { return preferences; }
    // The Ironman preference, and the rule of the game in play.
    bool Ironman() const { return preferences.ironman; }
    bool GameIronman() const { return gameIronman; }
    // The music switch; the board view is told of it to choose its quieter
    // effects.
    bool MusicOn() const { return preferences.music; }
    // The outer rectangle read at start, once checked, and whether the
    // window starts maximised.
    const DesktopRect& StartRect() const { return windowRect; }
    bool StartMaximized() const { return startMaximized; }
    // How the saved state was found at start.
    StateReadResult StateRead() const { return stateReadResult; }
    // The line for the player about the file read at start (empty when it
    // was taken whole, or there was none).
    const FileReport& StateReadReport() const { return stateReadReport; }
    // The same for the moves of "GAME.SAV".
    const FileReport& GameReadReport() const { return gameReadReport; }
    // Whether a close has saved, and why the last save wrote nothing.
    bool StateSaved() const { return stateSaved; }
    // The record of the game in play, kept in journalFileName.
    const GameRecorder& Recorder() const { return recorder; }
    const FileReport& StateSaveReport() const { return stateSaveReport; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The menu item with the given command id, or null, to change.
    QAction* FindMenuAction(int id) const;
    void ReadState();
    void CheckWindowRectAtStart();
    void CreateWindowParts();
    void CreateButtons();
    // Gives the bar's captions a font, and the window a least width, at
    // which every caption and the menu bar's titles fit in the language in force.
    void FitBarCaptions();
    void CreateMenu();
    // Ctrl+N, Ctrl+Q and F1 on their menu items; H, Ctrl+Shift+Z, Ctrl+Y,
    // Ctrl+Z and Ctrl+D for the window.
    void CreateShortcuts();
    QAction* AddWindowShortcut(const QList<QKeySequence>& keys, int id);
    // Each menu item whose command may have nothing to do is enabled exactly
    // when it would act; run as a menu opens, the one moment it shows.
    void ShowWhatIsPossible();
    void ApplyWindowRect();
    void FitOuterSize();
    void KeepProportionsWhileDragging();
    void FallBackToScreenIfNotMaximised();
    // A new game for these settings, without the focus change (the play
    // options start one too).
    void StartNewGame(const PuzzleSettings& settings, std::optional<uint32_t> seed = std::nullopt);
    // "Kolumo", or marked while today's puzzle is played.
    void ShowTitle();
    void SetSolveCaption();
    // A move has settled: the first starts the game's record, the one that
    // empties the board ends it.
    void RecordMove();
    // The game in play is left for another puzzle or the close.
    void RecordLeaving();
    // The record the window describes for the puzzle in play.
    GameRecord DescribeGame() const;

    // The client below the menu bar; the board view and the buttons live in it.
    QMenuBar menuBar;
    QWidget client;

    bool startMaximized = false;
    // The board and the music player are handed them whole when they change.
    PlayerPreferences preferences;
    bool gameIronman = false;
    bool todaysPuzzle = false;

    // Made in this order: the puzzle draws from the shared Random first.
    Puzzle puzzle;
    BoardView boardView;

    const DesktopRect defaultRect = DEFAULT_WINDOW_RECT;
    // Wider in a language whose bar captions need it.
    int32_t minWidth = MIN_WINDOW_WIDTH;
    const int32_t minHeight = MIN_WINDOW_HEIGHT;

    QPushButton focusButton;
    QPushButton newButton;
    QPushButton retryButton;
    QPushButton prefsButton;
    QPushButton optionsButton;
    QPushButton solveButton;
    QPushButton undoButton;
    QPushButton helpButton;
    QPushButton aboutButton;
    QPushButton quitButton;

    MusicPlayer musicPlayer;
    // Hint, Back to a Solvable Position and the warnings; after the board
    // view and the puzzle, which it uses.
    PlayerHelp playerHelp;

    const std::string stateFileName = "PREFS.SAV";
    DesktopRect windowRect = DEFAULT_WINDOW_RECT;

    // How the saved state was found at start-up, and the line for the player
    // when it was not taken whole (empty when it was, or there was none).
    StateReadResult stateReadResult = StateReadResult::NotOpened;
    FileReport stateReadReport;
    // The moves made so far, beside stateFileName, and how they were found.
    const std::string gameFileName = GAME_FILE_NAME;
    GameFileRead gameFileRead = GameFileRead::Missing;
    FileReport gameReadReport;
    // The record of games, beside stateFileName; the game in play's part of it.
    const std::string journalFileName = JOURNAL_FILE_NAME;
    GameRecorder recorder{journalFileName, [this] { return DescribeGame(); }};
    // Why the last save wrote nothing, for the player; empty after a save
    // that worked.
    FileReport stateSaveReport;

    std::array<QPushButton*, BAR_BUTTON_COUNT> barButtons{};
    MainWindowKeys* keys = nullptr;
    QAction* undoShortcut = nullptr;
    QAction* solveShortcut = nullptr;
    bool stateSaved = false;
    bool outerSizeFitted = false;
    bool backgroundWorkStarted = false;
};
