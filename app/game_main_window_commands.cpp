// The main window's command handlers: game commands with the Ironman rule, settings, help and about.
#include "game_main_window.h"

#include "app/about_dialog.h"
#include "app/help_window.h"
#include "controls/play_options_dialog.h"
#include "controls/preferences_dialog.h"
#include "controls/puzzle_code_dialog.h"
#include "controls/statistics_dialog.h"
#include "board/board_accessible.h"

#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QMetaObject>

void GameMainWindow::OnCommand(int id)
{
    playerHelp.PlayerActed();
    switch (id) {
    case ID_NEW:
    case ID_MENU_NEW_GAME:
        OnNewGame();
        break;
    case ID_RETRY:
    case ID_MENU_RETRY:
        OnRetry();
        break;
    case ID_PREFS:
    case ID_MENU_GRAPHICS_SOUND:
        OnPreferences();
        break;
    case ID_OPTIONS:
    case ID_MENU_PLAY_OPTIONS:
        OnPlayOptions();
        break;
    case ID_SOLVE:
        OnSolve();
        break;
    case ID_UNDO:
        OnUndo();
        break;
    case ID_QUIT:
    case ID_MENU_EXIT:
        OnQuit();
        break;
    case ID_COMMIT:
        OnCommit();
        break;
    case ID_HELP:
    case ID_MENU_ONLINE_MANUAL:
        OnHelp();
        break;
    case ID_ABOUT:
    case ID_MENU_ABOUT:
        OnAbout();
        break;
    case ID_MENU_HINT:
        OnHint();
        break;
    case ID_MENU_BACK_TO_SOLVABLE:
        OnBackToSolvable();
        break;
    case ID_MENU_REDO:
        OnRedo();
        break;
    case ID_MENU_WARN_OF_DEAD_ENDS:
        OnWarnOfDeadEnds();
        break;
    case ID_MENU_COPY_PUZZLE_CODE:
        OnCopyPuzzleCode();
        break;
    case ID_MENU_OPEN_PUZZLE_CODE:
        OnOpenPuzzleCode();
        break;
    case ID_MENU_TODAYS_PUZZLE:
        OnTodaysPuzzle();
        break;
    case ID_MENU_STATISTICS:
        OnStatistics();
        break;
    default:
        break;
    }
    playerHelp.CommandDone();
}

void GameMainWindow::SetSolveCaption()
{
    solveButton.setText(gameIronman ? QStringLiteral("---") : QCoreApplication::translate("ButtonBar", "Solve"));
}

void GameMainWindow::StartNewGame(const PuzzleSettings& settings, std::optional<uint32_t> seed)
{
    // The Ironman preference only ever takes effect here, with a new game.
    gameIronman = preferences.ironman;
    SetSolveCaption();
    boardView.SetSolving(false);
    RecordLeaving();
    if (seed.has_value())
        puzzle.NewGame(settings, *seed);
    else
        puzzle.NewGame(settings);
    boardView.ShuffleSymbols();
    todaysPuzzle = false;
    ShowTitle();
}

void GameMainWindow::OnNewGame()
{
    StartNewGame(puzzle.Settings());
    RestoreFocus();
}

void GameMainWindow::OnRetry()
{
    boardView.SetSolving(false);
    puzzle.Retry();
    recorder.Retried();
    RestoreFocus();
}

void GameMainWindow::OnUndo()
{
    boardView.UndoMove();
    RestoreFocus();
}

void GameMainWindow::OnSolve()
{
    if (gameIronman) {
        boardView.PlayEffect(SOUND_REFUSE);
        return;
    }
    boardView.SetSolving(!boardView.Solving());
    if (boardView.Solving())
        recorder.SolvePlayed();
    RestoreFocus();
}

void GameMainWindow::OnCommit()
{
    boardView.CommitSelection();
}

void GameMainWindow::OnQuit()
{
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    RestoreFocus();
}

void GameMainWindow::OnPreferences()
{
    PreferencesDialog dialog(this);
    dialog.SetPreferences(preferences);
    // The folder changes at once, whatever the dialog's result.
    dialog.SetMusicFolderChooser([this, &dialog] {
        preferences.musicFolder = musicPlayer.ChooseFolder(&dialog);
        return preferences.musicFolder;
    });
    if (dialog.exec() == QDialog::Accepted) {
        preferences = dialog.Preferences();
        boardView.ApplyPreferences(preferences);
        musicPlayer.ApplyPreferences(preferences);
        boardView.SetMusicOn(preferences.music);
        boardView.Layout();
        boardView.Redraw();
    }
    RestoreFocus();
}

void GameMainWindow::OnPlayOptions()
{
    bool changed = false;
    PuzzleSettings chosen = puzzle.Settings();
    {
        PlayOptionsDialog dialog(this);
        dialog.SetSettings(chosen);
        if (dialog.exec() == QDialog::Accepted) {
            chosen = dialog.Settings();
            // Only settings the engine can generate for are ever taken.
            changed = !(chosen == puzzle.Settings()) && chosen.WithinEngineLimits();
        }
    }
    if (changed) {
        StartNewGame(chosen);
        boardView.Layout();
    }
    RestoreFocus();
}

void GameMainWindow::OnHelp()
{
    HelpWindow::ShowHelp(this);
    RestoreFocus();
}

void GameMainWindow::OnAbout()
{
    {
        AboutDialog dialog(this);
        dialog.exec();
    }
    RestoreFocus();
}

void GameMainWindow::OnHint()
{
    if (playerHelp.WhyNoHint().isEmpty())
        recorder.Helped();
    playerHelp.Hint();
    RestoreFocus();
}

void GameMainWindow::OnBackToSolvable()
{
    if (playerHelp.WhyNoBack().isEmpty())
        recorder.Helped();
    playerHelp.BackToSolvablePosition();
    RestoreFocus();
}

void GameMainWindow::OnRedo()
{
    boardView.RedoMove();
    RestoreFocus();
}

void GameMainWindow::OnWarnOfDeadEnds()
{
    const QAction* item = MenuAction(ID_MENU_WARN_OF_DEAD_ENDS);
    playerHelp.SetWarnOfDeadEnds(item->isChecked());
    RestoreFocus();
}

void GameMainWindow::ShowTitle()
{
    setWindowTitle(todaysPuzzle ? tr("Kolumo — Today's Puzzle") : tr("Kolumo"));
}

QString GameMainWindow::PuzzleCode() const
{
    if (!puzzle.Seed().has_value())
        return {};
    return QString::fromStdString(EncodePuzzleCode(puzzle.Settings(), *puzzle.Seed()));
}

void GameMainWindow::OnCopyPuzzleCode()
{
    const QString code = PuzzleCode();
    if (code.isEmpty()) {
        BoardAccessible::Say(&boardView, tr("This puzzle has no code; a new game has one"));
    } else {
        QApplication::clipboard()->setText(code);
        BoardAccessible::Say(&boardView, tr("Puzzle code %1 copied").arg(code));
    }
    RestoreFocus();
}

void GameMainWindow::StartCodedPuzzle(const PuzzleCodeRead& code)
{
    const bool resized = !(code.settings == puzzle.Settings());
    StartNewGame(code.settings, code.seed);
    if (resized)
        boardView.Layout();
}

void GameMainWindow::OnOpenPuzzleCode()
{
    std::optional<PuzzleCodeRead> code;
    {
        PuzzleCodeDialog dialog(this);
        if (dialog.exec() == QDialog::Accepted)
            code = dialog.Code();
    }
    if (code.has_value())
        StartCodedPuzzle(*code);
    RestoreFocus();
}

PuzzleCodeRead GameMainWindow::TodaysPuzzleCode()
{
    // The local date: players in one place share a day's puzzle.
    const QDate today = QDate::currentDate();
    PuzzleCodeRead code;
    code.settings = DailySettings();
    code.seed = DailySeed(today.year(), today.month(), today.day());
    return code;
}

void GameMainWindow::OnTodaysPuzzle()
{
    StartCodedPuzzle(TodaysPuzzleCode());
    todaysPuzzle = true;
    ShowTitle();
    RestoreFocus();
}

void GameMainWindow::OnStatistics()
{
    {
        StatisticsDialog dialog(journalFileName, this);
        dialog.exec();
    }
    RestoreFocus();
}

GameRecord GameMainWindow::DescribeGame() const
{
    GameRecord game;
    game.settings = puzzle.Settings();
    game.seedKnown = puzzle.Seed().has_value();
    game.seed = puzzle.Seed().value_or(0);
    game.daily = todaysPuzzle;
    game.ironman = gameIronman;
    return game;
}

void GameMainWindow::RecordMove()
{
    ColourCounters counters{};
    recorder.MoveMade(CountBlocks(puzzle.Rows(), puzzle.Settings().rowCount, counters) == 0);
}

void GameMainWindow::RecordLeaving()
{
    const bool movesMade = !puzzle.History().empty();
    // The last move's animation may not have settled yet.
    ColourCounters counters{};
    if (movesMade && CountBlocks(puzzle.Rows(), puzzle.Settings().rowCount, counters) == 0)
        recorder.MoveMade(true);
    recorder.Left(movesMade);
}
