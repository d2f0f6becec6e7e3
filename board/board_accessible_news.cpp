// The board's news for screen readers: what happened, why a refusal
// refused, the hinted move, told as the board's name and its focus.
#include "board/board_accessible.h"

#include "board/board_cell_accessible.h"
#include "board/board_view.h"
#include "engine/puzzle.h"

#include <QStringList>

#include <algorithm>
#include <vector>

void BoardAccessible::Tell(BoardView* view, News what, const QString& why)
{
    // Cheap enough to do whether or not anyone listens: the interface is
    // made once, and the news is a few words.
    auto* board = dynamic_cast<BoardAccessible*>(QAccessible::queryAccessibleInterface(view));
    if (board != nullptr)
        board->Hear(what, why);
}

void BoardAccessible::Say(BoardView* view, const QString& words)
{
    auto* board = dynamic_cast<BoardAccessible*>(QAccessible::queryAccessibleInterface(view));
    if (board == nullptr)
        return;
    board->news = words;
    QAccessibleEvent event(board, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void BoardAccessible::TakeFocus(BoardView* view)
{
    auto* board = dynamic_cast<BoardAccessible*>(QAccessible::queryAccessibleInterface(view));
    if (board == nullptr)
        return;
    QAccessibleInterface* focus = board->focusChild();
    QAccessibleEvent event(focus != nullptr ? focus : board, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

void BoardAccessible::Unsay(BoardView* view, const QString& words)
{
    auto* board = dynamic_cast<BoardAccessible*>(QAccessible::queryAccessibleInterface(view));
    if (board != nullptr && !words.isEmpty() && board->news == words)
        Say(view, QString());
}

void BoardAccessible::Hear(News what, const QString& why)
{
    if (what == News::CursorMoved || what == News::Selected) {
        // Whatever was last told is old once the player moves on: the name
        // goes back to plain "Board" rather than repeat it at every step.
        if (what == News::CursorMoved && !news.isEmpty())
            Say(view, QString());
        // The block under the cursor is what the player wants to hear.
        const BlockRef at = view->Cursor().Position();
        if (at.index < 0 || at.index >= RowLength(at.row))
            return;
        BoardCellAccessible* cell = Cell(at.row, ColumnOf(at.row, at.index));
        if (what == News::Selected) {
            QAccessible::State changed;
            changed.selected = true;
            QAccessibleStateChangeEvent event(cell, changed);
            QAccessible::updateAccessibility(&event);
        }
        QAccessibleEvent focus(cell, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
        return;
    }
    news = Announcement(what, why);
    if (what == News::NewBoard) {
        QAccessibleTableModelChangeEvent reset(view, QAccessibleTableModelChangeEvent::ModelReset);
        QAccessible::updateAccessibility(&reset);
    }
    if (what == News::Hinted) {
        // The hinted blocks were chosen for the player: each says so.
        for (const BlockRef& block : view->Selection()) {
            if (block.index < 0 || block.index >= RowLength(block.row))
                continue;
            QAccessible::State changed;
            changed.selected = true;
            QAccessibleStateChangeEvent event(Cell(block.row, ColumnOf(block.row, block.index)), changed);
            QAccessible::updateAccessibility(&event);
        }
    }
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

QString BoardAccessible::Announcement(News what, const QString& why) const
{
    const QString left = tr("%n blocks left", nullptr, BlocksLeft());
    switch (what) {
    case News::Refused:
        //: A move or command the game would not make.
        return why.isEmpty() ? tr("Refused")
                             //: Refused, then why ("Refused: Not an end of its row").
                             : tr("Refused: %1").arg(why);
    case News::Moved: {
        // Told before the move is applied, while the selection still names it.
        const auto& selection = view->Selection();
        if (selection.empty())
            return tr("Move made");
        const BlockRef first = selection.front();
        //: How many blocks of which colour a move took ("Took 3 red").
        return tr("Took %n %1", nullptr, static_cast<int>(selection.size()))
            .arg(ColourWord(CodeAt(first.row, first.index)));
    }
    case News::Undone:
        //: %1 says how many blocks are left ("Move taken back, 12 blocks left").
        return tr("Move taken back, %1").arg(left);
    case News::NewBoard:
        //: %1 says how many blocks are left ("New board, 4 rows, 24 blocks left").
        return tr("New board, %n rows, %1", nullptr, rowCount()).arg(left);
    case News::Cleared:
        return tr("Board cleared");
    case News::Hinted:
        return HintNews();
    default:
        return {};
    }
}

QString BoardAccessible::HintNews() const
{
    // "Hint: take 3 blue, from rows 1, 2 and 3": the rows counted from 1,
    // top down, as the player reads the board.
    const auto& selection = view->Selection();
    if (selection.empty())
        return {};
    const BlockRef first = selection.front();
    std::vector<int> rows;
    std::vector<int> bothEnds;
    for (const BlockRef& block : selection) {
        if (std::find(rows.begin(), rows.end(), block.row + 1) != rows.end())
            bothEnds.push_back(block.row + 1);
        else
            rows.push_back(block.row + 1);
    }
    for (const int row : bothEnds)
        rows.erase(std::find(rows.begin(), rows.end(), row));
    std::sort(rows.begin(), rows.end());
    std::sort(bothEnds.begin(), bothEnds.end());
    const auto list = [](const std::vector<int>& numbers) {
        QString words;
        for (size_t k = 0; k < numbers.size(); ++k) {
            if (k > 0)
                //: Joins the last two row numbers of a list ("rows 1, 2 and 3").
                words += k + 1 == numbers.size() ? tr(" and ")
                                                 //: Joins row numbers in a list ("rows 1, 2 and 3").
                                                 : tr(", ");
            words += QString::number(numbers[k]);
        }
        return words;
    };
    QStringList from;
    if (!rows.empty())
        //: Where a hint's blocks are: %1 is one row number or a list of them ("rows 1, 2 and 3").
        from << (rows.size() == 1 ? tr("row %1") : tr("rows %1")).arg(list(rows));
    if (!bothEnds.empty())
        //: Where a hint's blocks are: %1 is one row number or a list of them.
        from << (bothEnds.size() == 1 ? tr("both ends of row %1") : tr("both ends of rows %1"))
                    .arg(list(bothEnds));
    //: A hint: how many blocks, their colour, and where ("Hint: take 3 blue, from rows 1, 2 and 3").
    return tr("Hint: take %n %1, from %2", nullptr, static_cast<int>(selection.size()))
        .arg(ColourWord(CodeAt(first.row, first.index)), from.join(tr(" and ")));
}
