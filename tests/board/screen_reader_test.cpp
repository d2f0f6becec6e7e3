// The board as a screen reader reads it: a table of blocks named by colour
// and symbol, the counters, the keyboard cursor as the focus, and the news
// of each change in the board's name.
#include "board_fixture.h"

#include "board/board_accessible.h"
#include "board/symbol_names.h"

#include <QAccessible>
#include <QAccessibleInterface>

#include <utility>
#include <vector>

namespace {

// Off screen Qt sends no accessibility events (there is no bridge to send
// them to), so these read the state a screen reader reads on each event:
// the focused cell and the board's name, which carries the news.
class ScreenReader : public BoardFixture {
protected:
    bool Press(int key) { return view->HandleKey(key); }

    // Row 0: 1 2 2 2 2 0; row 1 empty; row 2: 0 3 3 0; row 3: 3.
    void UseGappedBoard() { UseBoard({{1, 2, 2, 2, 2, 0}, {}, {0, 3, 3, 0}, {3}}, 12, 4, 2, 3); }

    QAccessibleInterface* Board() const { return QAccessible::queryAccessibleInterface(view.get()); }
    static QString Name(QAccessibleInterface* part) { return part->text(QAccessible::Name); }
    // "colour, symbol" for colour code `code` as this board draws it.
    QString Block(const char* colour, int code) const
    {
        return QStringLiteral("%1, %2").arg(QLatin1String(colour),
            QString::fromStdString(SymbolName(view->Painter().Symbols()[static_cast<size_t>(code)])));
    }
};

TEST_F(ScreenReader, TheBoardIsATableOfBlocksNamedByColourAndSymbolWithTheCounters)
{
    const std::pair<char, const char*> symbols[] = {
        {'a', "spade"}, {'T', "scissors"}, {'M', "command sign"}, {'\'', "lightning"}, {'x', ""}};
    for (const auto& [symbol, name] : symbols)
        EXPECT_EQ(SymbolName(symbol), name) << symbol;
    UseGappedBoard();
    QAccessibleInterface* board = Board();
    ASSERT_NE(board, nullptr);
    EXPECT_EQ(board->role(), QAccessible::Table);
    QAccessibleTableInterface* table = board->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rowCount(), 4);
    EXPECT_EQ(table->columnCount(), 12);
    EXPECT_EQ(board->childCount(), 4 * 12 + 4);
    struct Cell {
        int row;
        int column;
        QString name;
        bool rowEnd;
    };
    // The rows stand centred, as drawn: 6 blocks in places 4 to 9, 4 in 5
    // to 8, a lone block in place 6, empty places on both sides.
    const Cell cells[] = {
        {0, 3, Block("yellow", 1), true}, {0, 4, Block("green", 2), false}, {0, 8, Block("red", 0), true},
        {0, 9, "empty", false},           {0, 2, "empty", false},           {1, 0, "empty", false},
        {2, 7, Block("red", 0), true},    {2, 5, Block("blue", 3), false},  {2, 3, "empty", false},
        {3, 5, Block("blue", 3), true},   {3, 0, "empty", false},           {3, 6, "empty", false},
    };
    for (const Cell& c : cells) {
        QAccessibleInterface* cell = table->cellAt(c.row, c.column);
        ASSERT_NE(cell, nullptr);
        EXPECT_EQ(cell->role(), QAccessible::Cell);
        EXPECT_EQ(Name(cell), c.name) << c.row << "," << c.column;
        EXPECT_EQ(cell->state().selectable, c.rowEnd) << c.row << "," << c.column;
        EXPECT_EQ(cell->text(QAccessible::Description).isEmpty(), !c.rowEnd);
        EXPECT_EQ(board->child(board->indexOfChild(cell)), cell);
        ASSERT_NE(cell->tableCellInterface(), nullptr);
        EXPECT_EQ(cell->tableCellInterface()->rowIndex(), c.row);
        EXPECT_EQ(cell->tableCellInterface()->columnIndex(), c.column);
    }
    const char* counters[] = {"red: 3 left", "yellow: 1 left", "green: 4 left", "blue: 3 left"};
    for (int k = 0; k < 4; ++k) {
        QAccessibleInterface* counter = board->child(4 * 12 + k);
        EXPECT_EQ(counter->role(), QAccessible::StaticText);
        EXPECT_EQ(Name(counter), QString::fromLatin1(counters[k]));
    }
}

TEST_F(ScreenReader, TheCursorIsTheFocusAndEveryChangeIsTold)
{
    UseGappedBoard();
    QAccessibleInterface* board = Board();
    EXPECT_EQ(board->focusChild(), nullptr) << "no cursor, no focus";
    Press(Qt::Key_Right);
    Press(Qt::Key_Right);  // (5, 0)
    ASSERT_NE(board->focusChild(), nullptr);
    EXPECT_EQ(board->focusChild(), board->tableInterface()->cellAt(0, 8));
    EXPECT_EQ(Name(board->focusChild()), Block("red", 0));
    EXPECT_TRUE(board->focusChild()->state().focused);
    Press(Qt::Key_Return);
    EXPECT_TRUE(board->focusChild()->state().selected);
    EXPECT_EQ(board->tableInterface()->selectedCellCount(), 1);

    Press(Qt::Key_Down);
    Press(Qt::Key_Down);  // (0, 3), blue: refused
    Press(Qt::Key_Return);
    EXPECT_EQ(Name(board), QStringLiteral("Board: Refused: Another colour is selected"));

    Press(Qt::Key_Up);
    EXPECT_EQ(Name(board), QStringLiteral("Board")) << "old news goes with the next cursor move";
    Press(Qt::Key_Return);  // an end of row 2: red, with (5, 0)
    view->CommitSelection();
    EXPECT_EQ(Name(board), QStringLiteral("Board: Took 2 red"));
    TicksToIdle();
    EXPECT_EQ(Name(board->child(4 * 12)), QStringLiteral("red: 1 left"));
    view->UndoMove();
    EXPECT_EQ(Name(board), QStringLiteral("Board: Move taken back, 11 blocks left"));
    view->ResetBoard();
    EXPECT_EQ(Name(board), QStringLiteral("Board: New board, 4 rows, 11 blocks left"));

    UseBoard({{2}}, 6, 3, 1, 1);
    Click(0, 0);
    view->CommitSelection();
    TicksToIdle();
    view->Tick();
    EXPECT_EQ(Name(board), QStringLiteral("Board: Board cleared"));
}

TEST_F(ScreenReader, ARefusalSaysWhy)
{
    const struct {
        const char* what;
        std::vector<BlockRef> clicks;  // {index, row}
        bool undo;
        bool redo;
        const char* said;
    } cases[] = {
        {"a block inside its row", {{1, 0}}, false, false, "Board: Refused: Not an end of its row"},
        {"a block of another colour", {{5, 0}, {0, 0}}, false, false, "Board: Refused: Another colour is selected"},
        {"a block past the most a move takes", {{5, 0}, {3, 2}, {0, 2}}, false, false,
         "Board: Refused: A move takes at most 2 blocks"},
        {"Undo at the start", {}, true, false, "Board: Refused: Nothing to undo"},
        {"Redo with nothing taken back", {}, false, true, "Board: Refused: Nothing to redo"},
    };
    for (const auto& c : cases) {
        // Row 0: 1 2 2 2 2 0; row 1: 0; row 2: 0 3 3 0 (red 0 joins up to 2).
        UseBoard({{1, 2, 2, 2, 2, 0}, {0}, {0, 3, 3, 0}}, 12, 4, 2, 2);
        for (const BlockRef& block : c.clicks)
            Click(block.index, block.row);
        if (c.undo)
            view->UndoMove();
        if (c.redo)
            view->RedoMove();
        EXPECT_EQ(Name(Board()), QString::fromLatin1(c.said)) << c.what;
        EXPECT_EQ(Sounds().back(), SOUND_REFUSE) << c.what;
    }
}

TEST_F(ScreenReader, AHintIsToldAsTheMoveItChooses)
{
    const struct {
        std::vector<BlockRef> move;  // {index, row}
        const char* said;
    } cases[] = {
        {{{5, 0}, {0, 1}, {3, 2}}, "Board: Hint: take 3 red, from rows 1, 2 and 3"},
        {{{0, 2}, {3, 2}}, "Board: Hint: take 2 red, from both ends of row 3"},
        {{{5, 0}, {3, 2}, {0, 2}}, "Board: Hint: take 3 red, from row 1 and both ends of row 3"},
        {{{0, 0}}, "Board: Hint: take 1 yellow, from row 1"},
    };
    for (const auto& c : cases) {
        UseBoard({{1, 2, 2, 2, 2, 0}, {0}, {0, 3, 3, 0}}, 12, 4, 1, 3);
        view->ChooseMove(c.move);
        BoardAccessible::Tell(view.get(), BoardAccessible::News::Hinted);
        EXPECT_EQ(Name(Board()), QString::fromLatin1(c.said));
    }
}

}  // namespace
