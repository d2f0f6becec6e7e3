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

const QString PlayerHelp::DEAD_END_TEXT = QStringLiteral(
    "This board can no longer be cleared. Undo, or choose Back to a Solvable Position.");
const QString PlayerHelp::UNDECIDED_TEXT
    = QStringLiteral("Can't tell within a second whether this board can still be cleared.");
const QString PlayerHelp::NO_MOVE_LEFT_TEXT
    = QStringLiteral("No move left. Undo, Retry, or choose Back to a Solvable Position.");
const QString PlayerHelp::MOVE_MADE_IT_DEAD_TEXT = QStringLiteral(
    "After that move the board can no longer be cleared. Undo, or choose Back to a Solvable Position.");
const QString PlayerHelp::STILL_CLEARABLE_TEXT = QStringLiteral("This board can still be cleared.");
const QString PlayerHelp::NO_MOVE_LEFT_IN_IRONMAN_TEXT = QStringLiteral("No move left. Undo or Retry.");
const QString PlayerHelp::NO_HINT_IN_IRONMAN_TEXT = QStringLiteral("No hints in an Ironman game.");
const QString PlayerHelp::NO_HINT_WHILE_SOLVING_TEXT = QStringLiteral("No hints while Solve runs.");
const QString PlayerHelp::NO_BACK_IN_IRONMAN_TEXT
    = QStringLiteral("No Back to a Solvable Position in an Ironman game.");
const QString PlayerHelp::NO_BACK_WHILE_SOLVING_TEXT
    = QStringLiteral("No Back to a Solvable Position while Solve runs.");
const QString PlayerHelp::BOARD_CLEAR_TEXT = QStringLiteral("The board is clear.");
const QString PlayerHelp::NOTHING_TO_TAKE_BACK_TEXT = QStringLiteral("No move to take back.");

QString PlayerHelp::TookBackText(int moves, bool clearable)
{
    // Nothing taken back: the same words Hint would say of this board.
    if (moves == 0)
        return clearable ? STILL_CLEARABLE_TEXT : UNDECIDED_TEXT;
    const QString took = moves == 1 ? QStringLiteral("Took back 1 move; ")
                                    : QStringLiteral("Took back %1 moves; ").arg(moves);
    return took
         + (clearable ? QStringLiteral("this board can be cleared.")
                      : QStringLiteral("can't tell within a second whether this board can be cleared."));
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
        return NO_HINT_IN_IRONMAN_TEXT;
    if (board.Solving())
        return NO_HINT_WHILE_SOLVING_TEXT;
    if (!BlocksLeft())
        return BOARD_CLEAR_TEXT;
    return {};
}

QString PlayerHelp::WhyNoBack() const
{
    if (gameIronman())
        return NO_BACK_IN_IRONMAN_TEXT;
    if (board.Solving())
        return NO_BACK_WHILE_SOLVING_TEXT;
    if (!BlocksLeft())
        return BOARD_CLEAR_TEXT;
    if (puzzle.History().empty())
        return NOTHING_TO_TAKE_BACK_TEXT;
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
        SayNo(gameIronman() ? NO_MOVE_LEFT_IN_IRONMAN_TEXT : NO_MOVE_LEFT_TEXT);
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
            SayNo(MOVE_MADE_IT_DEAD_TEXT);
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
        SayNo(DEAD_END_TEXT);
        RememberWarning();
        break;
    case SolverVerdict::Unknown:
        Report(UNDECIDED_TEXT);
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
