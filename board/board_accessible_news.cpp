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
    const QString left = QStringLiteral("%1 blocks left").arg(BlocksLeft());
    switch (what) {
    case News::Refused:
        return why.isEmpty() ? QStringLiteral("Refused") : QStringLiteral("Refused: ") + why;
    case News::Moved: {
        // Told before the move is applied, while the selection still names it.
        const auto& selection = view->Selection();
        if (selection.empty())
            return QStringLiteral("Move made");
        const BlockRef first = selection.front();
        return QStringLiteral("Took %1 %2").arg(selection.size()).arg(ColourWord(CodeAt(first.row, first.index)));
    }
    case News::Undone:
        return QStringLiteral("Move taken back, ") + left;
    case News::NewBoard:
        return QStringLiteral("New board, %1 rows, ").arg(rowCount()) + left;
    case News::Cleared:
        return QStringLiteral("Board cleared");
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
                words += k + 1 == numbers.size() ? QStringLiteral(" and ") : QStringLiteral(", ");
            words += QString::number(numbers[k]);
        }
        return words;
    };
    QStringList from;
    if (!rows.empty())
        from << (rows.size() == 1 ? QStringLiteral("row ") : QStringLiteral("rows ")) + list(rows);
    if (!bothEnds.empty())
        from << (bothEnds.size() == 1 ? QStringLiteral("both ends of row ") : QStringLiteral("both ends of rows "))
                + list(bothEnds);
    return QStringLiteral("Hint: take %1 %2, from %3")
        .arg(selection.size())
        .arg(ColourWord(CodeAt(first.row, first.index)), from.join(QStringLiteral(" and ")));
}
