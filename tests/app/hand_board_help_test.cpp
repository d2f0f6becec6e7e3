// Help for a stuck player on hand-made boards, outside any window: a hint
// that cannot be given, what empties the redo list, No move left; and the
// file that keeps the dead-end warning's setting.
#include "app/hint_settings.h"
#include "app/player_help.h"
#include "app_test_support.h"
#include "board/board_view.h"
#include "engine/puzzle.h"
#include "tests/support/recorded_effects.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

using Rows = std::vector<std::vector<int32_t>>;

// A hand-made board with its own help, outside any window: the commands are
// called as the main window calls them.
class HandBoardHelpTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        puzzle.SetBoardView(&board);
        board.SetPuzzle(&puzzle);
        QObject::connect(&board, &BoardView::MoveSettled, &help, &PlayerHelp::MoveSettled);
    }
    void TearDown() override { puzzle.SetBoardView(nullptr); }

    void UseBoard(const Rows& rows, int rowWidth, int colours, int minRemove, int maxRemove)
    {
        RowSet start;
        for (size_t r = 0; r < rows.size(); ++r)
            start[r] = rows[r];
        puzzle.Start({rowWidth, static_cast<int32_t>(rows.size()), colours, minRemove, maxRemove}, start, {});
        board.SizeChanged(700, 400);
        TickUntilIdle(board);
        sounds.clear();
    }

    void Move(const std::vector<BlockRef>& blocks)
    {
        ClickBlocks(board, blocks);
        board.CommitSelection();
        TickUntilIdle(board);
    }

    std::string Shown() { return help.Message().Shown().toStdString(); }

    void WaitForAnswers()
    {
        ASSERT_TRUE(QTest::qWaitFor([this] { return !help.Worker().Busy(); }, 20000));
    }

    // A solver that says the same of every board.
    void AnswerAlways(SolverVerdict verdict)
    {
        help.Worker().SetCall([verdict](const SolverQuestion&, const std::atomic<bool>&) {
            SolverAnswer answer;
            answer.verdict = verdict;
            return answer;
        });
    }

    ScratchDirectory scratch;
    Puzzle puzzle;
    // The board's effects, oldest first.
    std::vector<int> sounds;
    BoardView board{nullptr, std::make_unique<RecordedEffects>(sounds)};
    bool ironman = false;
    PlayerHelp help{puzzle, board, [this] { return ironman; }, HINT_SETTINGS_FILE};
};

// A board whose only move, the three 0s, leaves two 1s and two 2s: it has a
// move but cannot be cleared, and after that move no move is left.
const Rows ONE_MOVE_TO_NOWHERE = {{0, 1, 1, 0}, {0, 2, 2}};
const std::vector<BlockRef> THE_THREE_ZEROS = {{0, 0}, {3, 0}, {0, 1}};

TEST_F(HandBoardHelpTest, AHintThatCannotBeGivenSelectsNothingAndSaysWhyUntilTheNextClick)
{
    const struct {
        const char* board;
        bool stubUndecided;  // else the engine's own solver
        std::vector<int> sounds;
        QString said;
    } cases[] = {
        {"a dead end", false, {SOUND_REFUSE}, PlayerHelp::DeadEndText()},
        {"a board the solver can't decide", true, {SOUND_SELECT}, PlayerHelp::UndecidedText()},
    };
    board.resize(700, 400);
    board.show();
    for (const auto& c : cases) {
        UseBoard(ONE_MOVE_TO_NOWHERE, 6, 3, 3, 3);
        help.Worker().SetCall(c.stubUndecided ? SolverCall([](const SolverQuestion&, const std::atomic<bool>&) {
            return SolverAnswer{};
        })
                                              : PlayerHelp::EngineSolver());
        ClickBlocks(board, {THE_THREE_ZEROS[0]});
        ASSERT_EQ(board.Selection().size(), 1U);
        sounds.clear();

        help.PlayerActed();
        help.Hint();
        WaitForAnswers();
        EXPECT_EQ(board.Selection().empty(), !c.stubUndecided) << c.board;
        EXPECT_EQ(sounds, c.sounds) << c.board;
        EXPECT_EQ(Shown(), c.said.toStdString()) << c.board;
        EXPECT_TRUE(QAccessible::queryAccessibleInterface(&board)->text(QAccessible::Name).contains(c.said))
            << c.board << ": a screen reader hears it as the board's news";

        QTest::mouseClick(&board, Qt::LeftButton, {}, QPoint(2, 2));
        EXPECT_EQ(Shown(), "") << "gone at the player's next action";
        EXPECT_EQ(QAccessible::queryAccessibleInterface(&board)->text(QAccessible::Name), QStringLiteral("Board"))
            << c.board << ": and its news with it";
    }
    EXPECT_TRUE(PlayerHelp::DeadEndText().contains(QStringLiteral("Back to a Solvable Position")));
}

TEST_F(HandBoardHelpTest, ANewMoveRetryNewGameAndSolveEmptyTheRedoList)
{
    // Three moves of colour 1 here: {A right, B left}, {A right, B right},
    // {B left, B right}.
    const Rows board2 = {{0, 0, 1, 1}, {1, 0, 0, 1}};
    const std::vector<BlockRef> undone = {{3, 0}, {0, 1}};
    const struct {
        const char* action;
        std::function<void()> run;
    } cases[] = {
        {"another move", [this] { Move({{0, 1}, {3, 1}}); }},
        {"Retry", [this] { puzzle.Retry(); }},
        {"New Game", [this] { puzzle.NewGame(); }},
        {"Solve", [this] { board.SetSolving(true); board.SetSolving(false); }},
    };
    for (const auto& c : cases) {
        UseBoard(board2, 6, 2, 2, 2);
        Move(undone);
        board.UndoMove();
        ASSERT_FALSE(puzzle.NextRedoBlocks().empty());
        c.run();
        EXPECT_TRUE(puzzle.NextRedoBlocks().empty()) << c.action;
        TickUntilIdle(board);
        sounds.clear();
        board.RedoMove();
        EXPECT_EQ(sounds, std::vector<int>{SOUND_REFUSE}) << c.action;
    }
    // The same move made again by hand is the redo itself: the list keeps the rest.
    UseBoard(board2, 6, 2, 2, 2);
    Move(undone);
    Move({{2, 0}, {2, 1}});
    board.UndoMove();
    board.UndoMove();
    Move({undone[1], undone[0]});
    EXPECT_FALSE(puzzle.NextRedoBlocks().empty());
}

TEST_F(HandBoardHelpTest, NoMoveLeftIsSaidWhenTheMovesAnimationEnds)
{
    UseBoard(ONE_MOVE_TO_NOWHERE, 6, 3, 3, 3);
    ClickBlocks(board, THE_THREE_ZEROS);
    board.CommitSelection();
    board.Tick();
    EXPECT_EQ(Shown(), "") << "not while the blocks still move";
    TickUntilIdle(board);
    const QString said = help.Message().Shown();
    EXPECT_EQ(said.toStdString(), PlayerHelp::NoMoveLeftText().toStdString());
    for (const char* way : {"Undo", "Retry", "Back to a Solvable Position"})
        EXPECT_TRUE(said.contains(QString::fromLatin1(way))) << way;
}

// A refusal and bad news buzz; a report clicks.
TEST_F(HandBoardHelpTest, EachKindOfNewsComesWithTheSoundOfItsKind)
{
    const Rows twoColours = {{0, 0, 1, 1}, {1, 0, 0, 1}};
    const struct {
        const char* news;
        std::function<void()> run;
        QString said;
        int sound;
    } cases[] = {
        {"Hint refused", [this] { ironman = true; help.Hint(); }, PlayerHelp::NoHintInIronmanText(),
         SOUND_REFUSE},
        {"Back refused", [this] { help.BackToSolvablePosition(); }, PlayerHelp::NothingToTakeBackText(),
         SOUND_REFUSE},
        {"a dead end", [this] { AnswerAlways(SolverVerdict::Dead); Move({{3, 0}, {0, 1}}); help.Hint(); },
         PlayerHelp::DeadEndText(), SOUND_REFUSE},
        {"can't tell", [this] { AnswerAlways(SolverVerdict::Unknown); help.Hint(); },
         PlayerHelp::UndecidedText(), SOUND_SELECT},
        {"no move left", [this] { UseBoard(ONE_MOVE_TO_NOWHERE, 6, 3, 3, 3); Move(THE_THREE_ZEROS); },
         PlayerHelp::NoMoveLeftText(), SOUND_REFUSE},
        {"no move left in an Ironman game, which gives no help",
         [this] { ironman = true; UseBoard(ONE_MOVE_TO_NOWHERE, 6, 3, 3, 3); Move(THE_THREE_ZEROS); },
         PlayerHelp::NoMoveLeftInIronmanText(), SOUND_REFUSE},
        {"the dead-end warning",
         [this] { AnswerAlways(SolverVerdict::Dead); help.SetWarnOfDeadEnds(true); Move({{3, 0}, {0, 1}}); },
         PlayerHelp::MoveMadeItDeadText(), SOUND_REFUSE},
        {"what Back did",
         [this] { AnswerAlways(SolverVerdict::Dead); Move({{3, 0}, {0, 1}}); help.BackToSolvablePosition(); },
         PlayerHelp::TookBackText(1, true), SOUND_SELECT},
    };
    for (const auto& c : cases) {
        ironman = false;
        help.SetWarnOfDeadEnds(false);
        UseBoard(twoColours, 6, 2, 2, 2);
        help.PlayerActed();
        help.CommandDone();  // a new board: the last row's warning is forgotten
        c.run();
        WaitForAnswers();
        EXPECT_EQ(Shown(), c.said.toStdString()) << c.news;
        ASSERT_FALSE(sounds.empty()) << c.news;
        EXPECT_EQ(sounds.back(), c.sound) << c.news;
    }
}

TEST(HintSettingsFile, ALineReadsAsMeantAndWhatCannotBeReadIsReported)
{
    const struct {
        const char* content;  // null: no file at all
        bool on;
        const char* reported;  // the start of the line for the player; "" for none
    } cases[] = {
        {nullptr, false, ""},
        {"warn-dead-ends=on\n", true, ""},
        {"warn-dead-ends=off\n", false, ""},
        {"warn-dead-ends=on", true, ""},
        {"warn-dead-ends=on\r\n", true, ""},
        {"warn-dead-ends = on\n", true, ""},
        {"  Warn-Dead-Ends=ON  \n", true, ""},
        {"\n# the warning\nwarn-dead-ends=on\n\n", true, ""},
        {"warn-dead-ends=on\nwarn-dead-ends=off\n", false, ""},
        {"warn-dead-ends=on\nwarn-dead-ends=on\n", true, ""},
        {"warn-dead-ends=yes\n", false, "ignored line 1 of "},
        {"warn-dead-ends=on\nsound=loud\n", true, "ignored line 2 of "},
        {"\xff\xfe garbage", false, "ignored line 1 of "},
        {"", false, ""},
    };
    ScratchDirectory scratch;
    for (const auto& c : cases) {
        QFile::remove(QStringLiteral("HINTS.SAV"));
        if (c.content != nullptr) {
            QFile file(QStringLiteral("HINTS.SAV"));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(c.content);
        }
        const char* what = c.content != nullptr ? c.content : "(none)";
        FileReport said{"left over", {}};
        EXPECT_EQ(ReadWarnOfDeadEnds("HINTS.SAV", &said), c.on) << what;
        const std::string report = EnglishLine(said);
        EXPECT_EQ(report.substr(0, std::strlen(c.reported)), c.reported) << what;
        EXPECT_EQ(report.empty(), *c.reported == '\0') << what;
    }
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("HINTS.SAV.d")));
    FileReport said;
    EXPECT_FALSE(ReadWarnOfDeadEnds("HINTS.SAV.d", &said));
    const std::string report = EnglishLine(said);
    EXPECT_EQ(report.rfind("cannot read ", 0), 0U) << report;
    for (const bool on : {true, false}) {
        ASSERT_TRUE(WriteWarnOfDeadEnds("HINTS.SAV", on));
        EXPECT_EQ(ReadWarnOfDeadEnds("HINTS.SAV"), on);
    }
    EXPECT_FALSE(WriteWarnOfDeadEnds("no-such-folder/HINTS.SAV", true));
}

} // namespace
