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
    warnOfDeadEnds = ReadWarnOfDeadEnds(this->settingsFile);
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
    if (gameIronman() || board.Solving()) {
        board.PlayEffect(SOUND_REFUSE);
        return;
    }
    Ask(Purpose::Hint);
}

void PlayerHelp::BackToSolvablePosition()
{
    if (board.Solving()) {
        board.PlayEffect(SOUND_REFUSE);
        return;
    }
    movesTakenBack = 0;
    // The start of the puzzle can always be cleared: nothing to ask.
    if (puzzle.History().empty()) {
        message.Say(STILL_CLEARABLE_TEXT);
        return;
    }
    Ask(Purpose::BackToSolvable);
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
        message.Say(NO_MOVE_LEFT_TEXT);
        RememberWarning();
        return;
    }
    if (warnOfDeadEnds && purpose == Purpose::None && BlocksLeft())
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
            message.Say(MOVE_MADE_IT_DEAD_TEXT);
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
        board.PlayEffect(SOUND_REFUSE);
        message.Say(DEAD_END_TEXT);
        RememberWarning();
        break;
    case SolverVerdict::Unknown:
        message.Say(UNDECIDED_TEXT);
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

void PlayerHelp::StepBackAnswered(const SolverAnswer& answer)
{
    if (answer.verdict == SolverVerdict::Clearable) {
        if (movesTakenBack == 0)
            message.Say(STILL_CLEARABLE_TEXT);
        return;
    }
    // An undecided board counts as not shown clearable: one more back.
    board.UndoMove();
    ++movesTakenBack;
    CommandDone();
    if (!puzzle.History().empty())
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
