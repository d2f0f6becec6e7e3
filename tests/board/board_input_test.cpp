// The player's hands without a window: what clicks, keys and commits do to the selection and the cursor.
#include "board/board_geometry.h"
#include "board/board_input.h"
#include "board/board_sounds.h"
#include "engine/puzzle.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

using Rows = std::vector<BlockRow>;

// A board on paper: a hand-made puzzle laid out at 700 x 400, and what the
// input asked of it written down.
class PaperBoard : public BoardInput::Board {
public:
    PaperBoard(const Rows& rows, int minRemove, int maxRemove)
    {
        RowSet board;
        for (size_t r = 0; r < rows.size(); ++r)
            board[r] = rows[r];
        const PuzzleSettings settings{12, static_cast<int32_t>(rows.size()), 4, minRemove, maxRemove};
        puzzle.Start(settings, board, {});
        geometry = BoardGeometry::For(700, 400, 12, settings.rowCount);
    }

    const Puzzle* Played() const override { return withPuzzle ? &puzzle : nullptr; }
    const BoardGeometry* UsableLayout() const override { return &geometry; }
    bool Settled() const override { return settled; }
    bool WaitsForPlayer() const override { return settled && !solving; }
    void DrawBlock(BlockRef, bool) override {}
    void PlaySound(int id) override { sounds.push_back(id); }
    void Refuse(const QString&) override { sounds.push_back(SOUND_REFUSE); }
    void Tell(BoardAccessible::News) override {}
    void StartMove() override { ++movesStarted; }

    // The centre of block (index, row) in client pixels.
    std::pair<int, int> Centre(int32_t index, int32_t row) const
    {
        const auto length = static_cast<int32_t>(puzzle.Rows()[static_cast<size_t>(row)].size());
        const Rect cell = geometry.BlockRect(index, row, length);
        return {(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
    }

    Puzzle puzzle;
    BoardGeometry geometry;
    bool withPuzzle = true;
    // No move's animation runs, and no Solve replay.
    bool settled = true;
    bool solving = false;
    std::vector<int> sounds;
    int movesStarted = 0;
};

// Plays `hands`, steps apart by ';': "click I,R" (left button on a block),
// "beside" (left button on no block), "right button", "left", "right", "up",
// "down", "enter", "commit" and "choose I,R I,R ..." (a hint's move).
void PlayHands(BoardInput& input, const PaperBoard& board, const std::string& hands)
{
    std::istringstream steps(hands);
    std::string step;
    const auto block = [](std::istringstream& words) {
        int index = 0;
        int row = 0;
        char comma = 0;
        words >> index >> comma >> row;
        return BlockRef{index, row};
    };
    while (std::getline(steps, step, ';')) {
        std::istringstream words(step);
        std::string verb;
        words >> verb;
        if (verb == "click") {
            const BlockRef at = block(words);
            const auto [x, y] = board.Centre(at.index, at.row);
            input.LeftButtonUp(x, y);
        } else if (verb == "beside") {
            input.LeftButtonUp(5, 5);
        } else if (verb == "right" && step.find("button") != std::string::npos) {
            input.RightButtonUp();
        } else if (verb == "left" || verb == "right" || verb == "up" || verb == "down" || verb == "enter") {
            const int key = verb == "left" ? Qt::Key_Left
                : verb == "right"           ? Qt::Key_Right
                : verb == "up"              ? Qt::Key_Up
                : verb == "down"            ? Qt::Key_Down
                                            : Qt::Key_Return;
            EXPECT_TRUE(input.HandleKey(key)) << step;
        } else if (verb == "commit") {
            input.CommitSelection();
        } else if (verb == "choose") {
            std::vector<BlockRef> blocks;
            while (words >> std::ws && !words.eof())
                blocks.push_back(block(words));
            input.ChooseMove(blocks);
        } else {
            ADD_FAILURE() << "no such step: " << step;
        }
    }
}

const Rows GAPPED = {{1, 2, 2, 2, 2, 0}, {}, {0, 3, 3, 0}, {3}};

TEST(BoardInput, HandsChooseOnlyWhatTheRulesAllowAndOnlyWhileTheBoardWaits)
{
    struct Case {
        const char* what;
        Rows rows;
        int minRemove;
        int maxRemove;
        bool settled;
        bool solving;
        const char* hands;
        MoveList selection;
        std::vector<int> sounds;
        BlockRef cursor;
        bool shown;
        int moves;
    };
    const Case cases[] = {
        {"three chosen blocks wait for the commit, a fourth is refused, a chosen one clicked again is let go",
         {{0, 1, 1, 0}, {0, 1, 1, 0}, {1, 1, 1, 1}}, 3, 3, true, false,
         "click 0,0; click 3,0; click 0,1; click 3,1; click 3,0",
         {{0, 0}, {0, 1}}, {131, 131, 131, 133, 131}, {3, 0}, false, 0},
        {"only row ends of the first block's colour; a row end the mouse chose is where the keyboard goes on",
         {{0, 0, 0, 0, 0}, {1, 0}, {0}}, 2, 3, true, false,
         "click 1,0; click 0,2; click 1,1; click 0,1; beside",
         {{0, 2}, {1, 1}}, {133, 131, 131, 133}, {0, 1}, false, 0},
        {"while a move is animated nothing is chosen or committed, but the arrows move the cursor",
         GAPPED, 2, 3, false, false,
         "right; right; enter; choose 5,0 0,2; commit",
         {}, {}, {5, 0}, true, 0},
        {"while Solve plays, likewise; a click still hides the cursor",
         GAPPED, 2, 3, true, true,
         "left; click 0,2; right; enter; choose 5,0 0,2; commit",
         {}, {}, {0, 0}, true, 0},
        {"the right button hides the cursor and commits a legal selection",
         GAPPED, 2, 3, true, false,
         "click 5,0; click 0,2; down; right button",
         {{5, 0}, {0, 2}}, {131, 131}, {0, 2}, false, 1},
        {"a commit below the fewest blocks a move takes starts nothing",
         GAPPED, 2, 3, true, false,
         "click 5,0; commit",
         {{5, 0}}, {131}, {5, 0}, false, 0},
        {"a hint's move drops the selection and is chosen block by block",
         GAPPED, 2, 3, true, false,
         "click 0,3; choose 5,0 3,2 0,3",
         {{5, 0}, {3, 2}}, {131, 131, 131, 133}, {0, 3}, false, 0},
    };
    for (const Case& c : cases) {
        PaperBoard board(c.rows, c.minRemove, c.maxRemove);
        board.settled = c.settled;
        board.solving = c.solving;
        BoardInput input(board);
        PlayHands(input, board, c.hands);
        EXPECT_EQ(input.Selection(), c.selection) << c.what;
        EXPECT_EQ(board.sounds, c.sounds) << c.what;
        EXPECT_EQ(input.Cursor().Position(), c.cursor) << c.what;
        EXPECT_EQ(input.Cursor().Shown(), c.shown) << c.what;
        EXPECT_EQ(board.movesStarted, c.moves) << c.what;
    }
}

TEST(BoardInput, OnlyBoardKeysWithoutChordsAreTaken)
{
    const struct {
        int key;
        Qt::KeyboardModifiers modifiers;
        bool taken;
    } keys[] = {
        {Qt::Key_Space, Qt::NoModifier, false},
        {Qt::Key_A, Qt::NoModifier, false},
        {Qt::Key_Left, Qt::ControlModifier, false},
        {Qt::Key_Return, Qt::AltModifier, false},
        {Qt::Key_Left, Qt::KeypadModifier, true},
        {Qt::Key_Enter, Qt::KeypadModifier, true},
    };
    PaperBoard board(GAPPED, 2, 3);
    BoardInput input(board);
    for (const auto& k : keys) {
        EXPECT_EQ(input.HandleKey(k.key, k.modifiers), k.taken) << k.key << " " << k.modifiers.toInt();
        // The cursor shows at the first key taken, and not before.
        EXPECT_EQ(input.Cursor().Shown(), k.taken) << k.key;
    }
    board.withPuzzle = false;
    EXPECT_FALSE(input.HandleKey(Qt::Key_Left));
}

}  // namespace
