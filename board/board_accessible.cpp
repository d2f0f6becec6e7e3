// The board for screen readers: a table of named blocks, the counters, the
// cursor as the focus, and a name that carries the news of each change.
#include "board/board_accessible.h"

#include "board/board_cell_accessible.h"
#include "board/board_view.h"
#include "board/colour_names.h"
#include "board/symbol_names.h"
#include "engine/puzzle.h"

#include <QStringList>

#include <algorithm>
#include <vector>

namespace {

QString Words(const std::string& text)
{
    return QString::fromStdString(text);
}

} // namespace

BoardAccessible::BoardAccessible(BoardView* view)
    : QAccessibleWidget(view, QAccessible::Table, QStringLiteral("Board")), view(view)
{
}

BoardAccessible::~BoardAccessible()
{
    for (auto& [place, cell] : cells)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(cell));
}

void BoardAccessible::Install()
{
    static bool installed = false;
    if (!installed) {
        installed = true;
        QAccessible::installFactory(&BoardAccessible::Factory);
    }
}

QAccessibleInterface* BoardAccessible::Factory(const QString& className, QObject* object)
{
    if (className == QLatin1String("BoardView"))
        return new BoardAccessible(static_cast<BoardView*>(object));
    return nullptr;
}

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

QString BoardAccessible::ColourWord(int32_t code) const
{
    return code >= 0 && code < 10 ? Words(ColourName(view->Painter().BlockColours()[static_cast<size_t>(code)]))
                                  : QStringLiteral("colour %1").arg(code + 1);
}

int BoardAccessible::BlocksLeft() const
{
    if (view->ShownPuzzle() == nullptr)
        return 0;
    ColourCounters counters{};
    return CountBlocks(view->ShownPuzzle()->Rows(), view->ShownPuzzle()->Settings().rowCount, counters);
}

int32_t BoardAccessible::CodeAt(int row, int index) const
{
    return view->ShownPuzzle()->Rows()[static_cast<size_t>(row)][static_cast<size_t>(index)];
}

int BoardAccessible::RowLength(int row) const
{
    if (view->ShownPuzzle() == nullptr || row < 0 || row >= rowCount())
        return 0;
    return static_cast<int>(view->ShownPuzzle()->Rows()[static_cast<size_t>(row)].size());
}

int BoardAccessible::ColumnOf(int row, int index) const
{
    // Centred as the board draws it; a row longer than the table (never
    // made by the game) starts at the left.
    return index + std::max(columnCount() - RowLength(row), 0) / 2;
}

int BoardAccessible::IndexAt(int row, int column) const
{
    const int index = column - std::max(columnCount() - RowLength(row), 0) / 2;
    return column >= 0 && index >= 0 && index < RowLength(row) ? index : -1;
}

bool BoardAccessible::HasBlock(int row, int column) const
{
    return IndexAt(row, column) >= 0;
}

QString BoardAccessible::CellName(int row, int column) const
{
    const int index = IndexAt(row, column);
    if (index < 0)
        return QStringLiteral("empty");
    const int32_t code = CodeAt(row, index);
    const QString colour = ColourWord(code);
    const QString symbol = code >= 0 && static_cast<size_t>(code) < view->Painter().Symbols().size()
        ? Words(SymbolName(view->Painter().Symbols()[static_cast<size_t>(code)]))
        : QString();
    return symbol.isEmpty() ? colour : colour + QStringLiteral(", ") + symbol;
}

bool BoardAccessible::IsRowEnd(int row, int column) const
{
    const int index = IndexAt(row, column);
    return index >= 0 && (index == 0 || index == RowLength(row) - 1);
}

bool BoardAccessible::IsSelected(int row, int column) const
{
    const auto& selection = view->Selection();
    const int index = IndexAt(row, column);
    return index >= 0 && std::find(selection.begin(), selection.end(), BlockRef{index, row}) != selection.end();
}

bool BoardAccessible::IsCursor(int row, int column) const
{
    const int index = IndexAt(row, column);
    return index >= 0 && view->Cursor().Shown() && view->Cursor().Position() == BlockRef{index, row};
}

QRect BoardAccessible::CellRect(int row, int column) const
{
    const int index = IndexAt(row, column);
    if (index < 0 || view->Geometry().blockSize == 0)
        return {};
    const Rect cell = view->Geometry().BlockRect(index, row, RowLength(row));
    // The board lays out in device pixels; screen readers want logical ones.
    const qreal ratio = view->devicePixelRatioF();
    const QRect logical(QPoint(static_cast<int>(cell.left / ratio), static_cast<int>(cell.top / ratio)),
                        QSize(static_cast<int>(cell.Width() / ratio), static_cast<int>(cell.Height() / ratio)));
    return logical.translated(view->mapToGlobal(QPoint(0, 0)));
}

int BoardAccessible::CounterCount() const
{
    return view->ShownPuzzle() != nullptr ? std::clamp(view->ShownPuzzle()->Settings().colourCount, 0, 10) : 0;
}

QString BoardAccessible::CounterName(int colour) const
{
    ColourCounters counters{};
    if (view->ShownPuzzle() != nullptr)
        CountBlocks(view->ShownPuzzle()->Rows(), view->ShownPuzzle()->Settings().rowCount, counters);
    return QStringLiteral("%1: %2 left")
        .arg(Words(ColourName(view->Painter().BlockColours()[static_cast<size_t>(colour)])))
        .arg(counters[static_cast<size_t>(colour)]);
}

BoardCellAccessible* BoardAccessible::Cell(int row, int column) const
{
    BoardCellAccessible*& cell = cells[{row, column}];
    if (cell == nullptr) {
        cell = new BoardCellAccessible(const_cast<BoardAccessible*>(this), row, column);
        QAccessible::registerAccessibleInterface(cell);
    }
    return cell;
}

void* BoardAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString BoardAccessible::text(QAccessible::Text type) const
{
    if (type == QAccessible::Name)
        return news.isEmpty() ? QStringLiteral("Board") : QStringLiteral("Board: ") + news;
    if (type == QAccessible::Description)
        return QStringLiteral("Arrow keys move between row ends, Return selects, Space takes the selection");
    return QAccessibleWidget::text(type);
}

int BoardAccessible::rowCount() const
{
    return view->ShownPuzzle() != nullptr ? std::clamp(view->ShownPuzzle()->Settings().rowCount, 0, MAX_ROWS) : 0;
}

int BoardAccessible::columnCount() const
{
    return view->ShownPuzzle() != nullptr ? std::max(view->ShownPuzzle()->Settings().rowWidth, 0) : 0;
}

int BoardAccessible::childCount() const
{
    return rowCount() * columnCount() + CounterCount();
}

QAccessibleInterface* BoardAccessible::child(int index) const
{
    const int blockCells = rowCount() * columnCount();
    if (index < 0 || index >= childCount())
        return nullptr;
    if (index < blockCells)
        return Cell(index / columnCount(), index % columnCount());
    return Cell(-1, index - blockCells);
}

int BoardAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    for (const auto& [place, cell] : cells) {
        if (cell != child)
            continue;
        if (place.first < 0)
            return place.second < CounterCount() ? rowCount() * columnCount() + place.second : -1;
        if (place.first >= rowCount() || place.second >= columnCount())
            return -1;
        return place.first * columnCount() + place.second;
    }
    return -1;
}

QAccessibleInterface* BoardAccessible::childAt(int x, int y) const
{
    for (int row = 0; row < rowCount(); ++row) {
        for (int column = 0; column < columnCount(); ++column) {
            if (HasBlock(row, column) && CellRect(row, column).contains(x, y))
                return Cell(row, column);
        }
    }
    return nullptr;
}

QAccessibleInterface* BoardAccessible::focusChild() const
{
    const BlockRef at = view->Cursor().Position();
    if (view->Cursor().Shown() && at.index >= 0 && at.index < RowLength(at.row))
        return Cell(at.row, ColumnOf(at.row, at.index));
    return nullptr;
}

QAccessibleInterface* BoardAccessible::cellAt(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return nullptr;
    return Cell(row, column);
}

int BoardAccessible::selectedCellCount() const
{
    return static_cast<int>(selectedCells().size());
}

QList<QAccessibleInterface*> BoardAccessible::selectedCells() const
{
    QList<QAccessibleInterface*> chosen;
    for (const BlockRef& block : view->Selection()) {
        if (block.index >= 0 && block.index < RowLength(block.row))
            chosen.append(Cell(block.row, ColumnOf(block.row, block.index)));
    }
    return chosen;
}

QString BoardAccessible::columnDescription(int column) const
{
    return QStringLiteral("place %1").arg(column + 1);
}

QString BoardAccessible::rowDescription(int row) const
{
    return QStringLiteral("row %1").arg(row + 1);
}
