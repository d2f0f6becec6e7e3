// Help for a player who is stuck: Hint, Back to a Solvable Position, the
// word when no move is left, and the warning of a dead end. The solver runs
// on a worker; the board and the puzzle are only touched here, on the
// user-interface thread, when an answer still applies.
#pragma once

#include "app/player_message.h"
#include "app/solver_worker.h"
#include "engine/file_report.h"
#include "engine/move_list.h"
#include "engine/row_set.h"

#include <QObject>

#include <functional>
#include <string>
#include <vector>

class BoardView;
class Puzzle;

class PlayerHelp : public QObject {
    Q_OBJECT

public:
    // How long one question may take the solver before its answer is "can't
    // tell" (the search then stops on its own).
    static constexpr int SEARCH_BUDGET_MS = 1000;

    // The messages, as the player reads them.
    static QString DeadEndText();
    static QString UndecidedText();
    static QString NoMoveLeftText();
    static QString MoveMadeItDeadText();
    static QString StillClearableText();
    static QString NoMoveLeftInIronmanText();
    // Why a command gives no help now.
    static QString NoHintInIronmanText();
    static QString NoHintWhileSolvingText();
    static QString NoBackInIronmanText();
    static QString NoBackWhileSolvingText();
    static QString BoardClearText();
    static QString NothingToTakeBackText();
    // What Back to a Solvable Position did: the moves it took back, and
    // whether the board it stopped at can be cleared (else the solver could
    // not tell).
    static QString TookBackText(int moves, bool clearable);

    // gameIronman tells whether the game in play is an Ironman game; the
    // setting is read from settingsFile in the current directory; solver
    // answers the questions (the engine's own unless a test hands in another).
    PlayerHelp(Puzzle& puzzle, BoardView& board, std::function<bool()> gameIronman,
               std::string settingsFile, SolverCall solver = EngineSolver());
    ~PlayerHelp() override;

    // --- Commands ---------------------------------------------------------
    // An Ironman game gives no help at all, and none is given while Solve
    // runs: Hint and Back to a Solvable Position are refused with a word and
    // the dead-end warning stays silent.
    //
    // Selects the first move of a way to clear the board, once the solver
    // finds one; or says the board cannot be cleared, or that it can't tell.
    void Hint();
    // Takes moves back, one Undo at a time, while the board is shown to be a
    // dead end; stops at a board that can be cleared (at worst the start of
    // the puzzle) or that the solver can't tell about, and says what it did.
    void BackToSolvablePosition();
    // Why Hint or Back to a Solvable Position would do nothing now, as the
    // player reads it; empty when it would act. The menu greys their items
    // while there is a reason.
    QString WhyNoHint() const;
    QString WhyNoBack() const;
    // "Warn of Dead Ends": kept in the settings file at once.
    void SetWarnOfDeadEnds(bool on);
    bool WarnOfDeadEnds() const { return warnOfDeadEnds; }
    // The line for the player about a settings file that could not be read
    // (empty when it was, or there was none).
    const FileReport& SettingsReadReport() const { return settingsReadReport; }

    // --- What the main window tells --------------------------------------
    // The player clicked, pressed a key or gave a command: the message goes,
    // and a hint or a walk back asked for before is dropped.
    void PlayerActed();
    // A command has run: a search whose board is gone is cancelled.
    void CommandDone();
    // A move's animation has ended (the board view's signal).
    void MoveSettled();

    PlayerMessage& Message() { return message; }
    const PlayerMessage& Message() const { return message; }
    SolverWorker& Worker() { return worker; }
    const SolverWorker& Worker() const { return worker; }
    // True while a question of Hint or Back to a Solvable Position waits for
    // its answer.
    bool Searching() const { return purpose != Purpose::None; }

    // The engine's solver within SEARCH_BUDGET_MS.
    static SolverCall EngineSolver();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Purpose { None, Hint, BackToSolvable, DeadEndCheck };

    void Ask(Purpose why);
    void Answered(int ticket, const SolverAnswer& answer);
    void HintAnswered(const SolverAnswer& answer);
    void StepBackAnswered(const SolverAnswer& answer);
    void ShowHintedMove();
    // Every message comes with the sound of its kind: the refusal's buzz when
    // the player gets no help or bad news (a refused command, a dead end, no
    // move left), the select click for a report (what Back did, "can't tell").
    void SayNo(const QString& text);
    void Report(const QString& text);
    bool BoardAsAsked() const;
    bool BlocksLeft() const;

    Puzzle& puzzle;
    BoardView& board;
    std::function<bool()> gameIronman;
    std::string settingsFile;
    bool warnOfDeadEnds = false;
    FileReport settingsReadReport;

    SolverWorker worker;
    PlayerMessage message;
    Purpose purpose = Purpose::None;
    RowSet askedRows;
    // A hinted move that waits for the board's animation to end.
    std::vector<BlockRef> hintedMove;
    int movesTakenBack = 0;
    // The moves that led to the board the player was last told cannot be
    // cleared: while the history still begins with them, every board is a
    // dead end too and nothing is said again.
    void RememberWarning();
    bool Warned() const;
    bool warned = false;
    MoveList warnedLine;
};
