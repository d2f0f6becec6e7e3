// Hint, Back to a Solvable Position, No move left and the dead-end warning:
// questions to the solver's worker and what their answers do to the board.
#include "app/player_help.h"

#include "app/hint_settings.h"
#include "board/board_accessible.h"
#include "board/board_view.h"
#include "engine/move_rule.h"
#include "engine/puzzle.h"
#include "engine/solver.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include <algorithm>
#include <chrono>

QString PlayerHelp::DeadEndText()
{
    //: A dead end: a board that can no longer be cleared. "Back to a Solvable Position"
    //: is the menu item of that name.
    return tr("This board can no longer be cleared. Undo, or choose Back to a Solvable Position.");
}

QString PlayerHelp::UndecidedText()
{
    return tr("Can't tell within a second whether this board can still be cleared.");
}

QString PlayerHelp::NoMoveLeftText()
{
    //: "Retry" and "Back to a Solvable Position" are the menu items of those names.
    return tr("No move left. Undo, Retry, or choose Back to a Solvable Position.");
}

QString PlayerHelp::MoveMadeItDeadText()
{
    //: "Back to a Solvable Position" is the menu item of that name.
    return tr("After that move the board can no longer be cleared. Undo, or choose Back to a Solvable Position.");
}

QString PlayerHelp::StillClearableText()
{
    return tr("This board can still be cleared.");
}

QString PlayerHelp::NoMoveLeftInIronmanText()
{
    return tr("No move left. Undo or Retry.");
}

QString PlayerHelp::NoHintInIronmanText()
{
    //: Ironman: the preference that makes a game without hints or Solve.
    return tr("No hints in an Ironman game.");
}

QString PlayerHelp::NoHintWhileSolvingText()
{
    //: Solve: the bar button that plays the puzzle out for the player.
    return tr("No hints while Solve runs.");
}

QString PlayerHelp::NoBackInIronmanText()
{
    return tr("No Back to a Solvable Position in an Ironman game.");
}

QString PlayerHelp::NoBackWhileSolvingText()
{
    return tr("No Back to a Solvable Position while Solve runs.");
}

QString PlayerHelp::BoardClearText()
{
    return tr("The board is clear.");
}

QString PlayerHelp::NothingToTakeBackText()
{
    return tr("No move to take back.");
}

QString PlayerHelp::TookBackText(int moves, bool clearable)
{
    // Nothing taken back: the same words Hint would say of this board.
    if (moves == 0)
        return clearable ? StillClearableText() : UndecidedText();
    // English words its singular here and its plural below; each language
    // words both messages with its own plural forms of %n.
    if (moves == 1) {
        //: %n is always 1 here; the message beside it has every other count.
        return clearable ? tr("Took back %n move; this board can be cleared.", nullptr, moves)
                         //: %n is always 1 here; the message beside it has every other count.
                         : tr("Took back %n move; can't tell within a second whether this board can be cleared.",
                              nullptr, moves);
    }
    return clearable ? tr("Took back %n moves; this board can be cleared.", nullptr, moves)
                     : tr("Took back %n moves; can't tell within a second whether this board can be cleared.",
                          nullptr, moves);
}

namespace {

bool IsModifierKey(int key)
{
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Meta
        || key == Qt::Key_AltGr;
}

// The block entries of the first move of a list of moves.
std::vector<BlockRef> FirstMove(const MoveList& moves)
{
    std::vector<BlockRef> blocks;
    for (const BlockRef& entry : moves) {
        if (entry.IsMoveMarker() && !blocks.empty())
            break;
        if (entry.IsBlock())
            blocks.push_back(entry);
    }
    return blocks;
}

} // namespace

SolverCall PlayerHelp::EngineSolver()
{
    return [](const SolverQuestion& question, const std::atomic<bool>& cancel) {
        SolverLimits limits;
        limits.maxTime = std::chrono::milliseconds(SEARCH_BUDGET_MS);
        const MoveList* guide = question.guide.empty() ? nullptr : &question.guide;
        SolveResult result = Solve(question.rows, question.settings, limits, guide, &cancel);
        SolverAnswer answer;
        switch (result.outcome) {
        case SolveResult::Outcome::Solved:
            answer.verdict = SolverVerdict::Clearable;
            answer.moves = std::move(result.moves);
            break;
        case SolveResult::Outcome::NoSolution:
            answer.verdict = SolverVerdict::Dead;
            break;
        case SolveResult::Outcome::Unknown:
        case SolveResult::Outcome::Cancelled:
            answer.verdict = SolverVerdict::Unknown;
            break;
        }
        return answer;
    };
}

PlayerHelp::PlayerHelp(Puzzle& puzzle, BoardView& board, std::function<bool()> gameIronman,
                       std::string settingsFile, SolverCall solver)
    : puzzle(puzzle), board(board), gameIronman(std::move(gameIronman)),
      settingsFile(std::move(settingsFile)), worker(std::move(solver)), message(&board)
{
    warnOfDeadEnds = ReadWarnOfDeadEnds(this->settingsFile, &settingsReadReport);
    connect(&worker, &SolverWorker::Answered, this, &PlayerHelp::Answered);
    // A screen reader hears each message as the board's news.
    connect(&message, &PlayerMessage::Said, this,
            [this](const QString& words) { BoardAccessible::Say(&this->board, words); });
    // And no longer once the message has gone.
    connect(&message, &PlayerMessage::Dismissed, this,
            [this](const QString& words) { BoardAccessible::Unsay(&this->board, words); });
    qApp->installEventFilter(this);
}

PlayerHelp::~PlayerHelp()
{
    qApp->removeEventFilter(this);
}

void PlayerHelp::Hint()
{
    const QString refusal = WhyNoHint();
    if (!refusal.isEmpty()) {
        SayNo(refusal);
        return;
    }
    Ask(Purpose::Hint);
}

void PlayerHelp::BackToSolvablePosition()
{
    const QString refusal = WhyNoBack();
    if (!refusal.isEmpty()) {
        SayNo(refusal);
        return;
    }
    movesTakenBack = 0;
    Ask(Purpose::BackToSolvable);
}

QString PlayerHelp::WhyNoHint() const
{
    if (gameIronman())
        return NoHintInIronmanText();
    if (board.Solving())
        return NoHintWhileSolvingText();
    if (!BlocksLeft())
        return BoardClearText();
    return {};
}

QString PlayerHelp::WhyNoBack() const
{
    if (gameIronman())
        return NoBackInIronmanText();
    if (board.Solving())
        return NoBackWhileSolvingText();
    if (!BlocksLeft())
        return BoardClearText();
    if (puzzle.History().empty())
        return NothingToTakeBackText();
    return {};
}

void PlayerHelp::SetWarnOfDeadEnds(bool on)
{
    warnOfDeadEnds = on;
    WriteWarnOfDeadEnds(settingsFile, on);
}

void PlayerHelp::PlayerActed()
{
    message.Dismiss();
    hintedMove.clear();
    if (purpose == Purpose::Hint || purpose == Purpose::BackToSolvable) {
        worker.Cancel();
        purpose = Purpose::None;
    }
}

void PlayerHelp::CommandDone()
{
    if (purpose != Purpose::None && !BoardAsAsked()) {
        worker.Cancel();
        purpose = Purpose::None;
    }
    // Taken back past the warned board: that move, made again, is warned of again.
    if (warned && puzzle.History().size() < warnedLine.size())
        warned = false;
}

void PlayerHelp::MoveSettled()
{
    CommandDone();
    if (board.Solving())
        return;
    if (!hintedMove.empty() && BoardAsAsked()) {
        ShowHintedMove();
        return;
    }
    if (Warned())
        return;
    if (BlocksLeft() && !AnyLegalMove(puzzle.Rows(), puzzle.Settings())) {
        // Plain to see on the board, so said in Ironman games too, but
        // without the help they do not give.
        SayNo(gameIronman() ? NoMoveLeftInIronmanText() : NoMoveLeftText());
        RememberWarning();
        return;
    }
    if (warnOfDeadEnds && !gameIronman() && purpose == Purpose::None && BlocksLeft())
        Ask(Purpose::DeadEndCheck);
}

bool PlayerHelp::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonPress || type == QEvent::KeyPress) {
        const auto* widget = qobject_cast<QWidget*>(watched);
        const bool modifierOnly
            = type == QEvent::KeyPress && IsModifierKey(static_cast<QKeyEvent*>(event)->key());
        if (widget != nullptr && widget->window() == board.window() && !modifierOnly)
            PlayerActed();
    }
    return QObject::eventFilter(watched, event);
}

void PlayerHelp::Ask(Purpose why)
{
    purpose = why;
    CopyRows(askedRows, puzzle.Rows());
    SolverQuestion question;
    CopyRows(question.rows, puzzle.Rows());
    question.settings = puzzle.Settings();
    question.guide = puzzle.Solution();
    worker.Ask(std::move(question));
}

void PlayerHelp::Answered(int, const SolverAnswer& answer)
{
    const Purpose why = purpose;
    purpose = Purpose::None;
    if (!BoardAsAsked())
        return;
    switch (why) {
    case Purpose::Hint:
        HintAnswered(answer);
        break;
    case Purpose::BackToSolvable:
        StepBackAnswered(answer);
        break;
    case Purpose::DeadEndCheck:
        if (answer.verdict == SolverVerdict::Dead && !Warned()) {
            SayNo(MoveMadeItDeadText());
            RememberWarning();
        }
        break;
    case Purpose::None:
        break;
    }
}

void PlayerHelp::HintAnswered(const SolverAnswer& answer)
{
    switch (answer.verdict) {
    case SolverVerdict::Clearable:
        hintedMove = FirstMove(answer.moves);
        if (hintedMove.empty())
            board.PlayEffect(SOUND_REFUSE);
        else if (board.Phase() == PHASE_IDLE)
            ShowHintedMove();
        break;
    case SolverVerdict::Dead:
        board.ChooseMove({});
        SayNo(DeadEndText());
        RememberWarning();
        break;
    case SolverVerdict::Unknown:
        Report(UndecidedText());
        break;
    }
}

void PlayerHelp::ShowHintedMove()
{
    board.ChooseMove(hintedMove);
    hintedMove.clear();
    // Seen as a selection, heard as the move it is.
    if (!board.Selection().empty())
        BoardAccessible::Tell(&board, BoardAccessible::News::Hinted);
}

void PlayerHelp::SayNo(const QString& text)
{
    board.PlayEffect(SOUND_REFUSE);
    message.Say(text);
}

void PlayerHelp::Report(const QString& text)
{
    board.PlayEffect(SOUND_SELECT);
    message.Say(text);
}

void PlayerHelp::StepBackAnswered(const SolverAnswer& answer)
{
    // Only a board shown to be a dead end is taken back: one the solver
    // can't tell about may well be clearable, and the player's moves are
    // worth more than the solver's doubt.
    if (answer.verdict != SolverVerdict::Dead) {
        Report(TookBackText(movesTakenBack, answer.verdict == SolverVerdict::Clearable));
        return;
    }
    board.UndoMove();
    ++movesTakenBack;
    CommandDone();
    // The start of a puzzle can always be cleared: nothing to ask.
    if (puzzle.History().empty()) {
        Report(TookBackText(movesTakenBack, true));
        return;
    }
    Ask(Purpose::BackToSolvable);
}

bool PlayerHelp::BoardAsAsked() const
{
    const int rowCount = std::clamp(puzzle.Settings().rowCount, 0, MAX_ROWS);
    return std::equal(askedRows.begin(), askedRows.begin() + rowCount, puzzle.Rows().begin());
}

void PlayerHelp::RememberWarning()
{
    warned = true;
    warnedLine = puzzle.History();
}

bool PlayerHelp::Warned() const
{
    const MoveList& history = puzzle.History();
    return warned && history.size() >= warnedLine.size()
        && std::equal(warnedLine.begin(), warnedLine.end(), history.begin());
}

bool PlayerHelp::BlocksLeft() const
{
    ColourCounters counters{};
    return CountBlocks(puzzle.Rows(), puzzle.Settings().rowCount, counters) > 0;
}
