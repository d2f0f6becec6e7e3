// The board for screen readers: a table of named blocks, the counters, the
// cursor as the focus, and a name that carries the news of each change.
#include "board/board_accessible.h"

#include "board/board_cell_accessible.h"
#include "board/board_view.h"
#include "board/colour_names.h"
#include "board/symbol_names.h"
#include "engine/puzzle.h"

#include <algorithm>

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

void BoardAccessible::Tell(BoardView* view, News what)
{
    // Cheap enough to do whether or not anyone listens: the interface is
    // made once, and the news is a few words.
    auto* board = dynamic_cast<BoardAccessible*>(QAccessible::queryAccessibleInterface(view));
    if (board != nullptr)
        board->Hear(what);
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

void BoardAccessible::Hear(News what)
{
    if (what == News::CursorMoved || what == News::Selected) {
        // The block under the cursor is what the player wants to hear.
        const BlockRef at = view->Cursor().Position();
        if (!HasBlock(at.row, at.index))
            return;
        BoardCellAccessible* cell = Cell(at.row, at.index);
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
    news = Announcement(what);
    if (what == News::NewBoard) {
        QAccessibleTableModelChangeEvent reset(view, QAccessibleTableModelChangeEvent::ModelReset);
        QAccessible::updateAccessibility(&reset);
    }
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

QString BoardAccessible::Announcement(News what) const
{
    const QString left = QStringLiteral("%1 blocks left").arg(BlocksLeft());
    switch (what) {
    case News::Refused:
        return QStringLiteral("Refused");
    case News::Moved: {
        // Told before the move is applied, while the selection still names it.
        const auto& selection = view->Selection();
        if (selection.empty())
            return QStringLiteral("Move made");
        const BlockRef first = selection.front();
        return QStringLiteral("Took %1 %2").arg(selection.size()).arg(
            Words(ColourName(view->Painter().BlockColours()[static_cast<size_t>(CodeAt(first.row, first.index)) % 10])));
    }
    case News::Undone:
        return QStringLiteral("Move taken back, ") + left;
    case News::NewBoard:
        return QStringLiteral("New board, %1 rows, ").arg(rowCount()) + left;
    case News::Cleared:
        return QStringLiteral("Board cleared");
    default:
        return {};
    }
}

int BoardAccessible::BlocksLeft() const
{
    if (view->ShownPuzzle() == nullptr)
        return 0;
    ColourCounters counters{};
    return CountBlocks(view->ShownPuzzle()->Rows(), view->ShownPuzzle()->Settings().rowCount, counters);
}

int32_t BoardAccessible::CodeAt(int row, int column) const
{
    return view->ShownPuzzle()->Rows()[static_cast<size_t>(row)][static_cast<size_t>(column)];
}

bool BoardAccessible::HasBlock(int row, int column) const
{
    if (view->ShownPuzzle() == nullptr || row < 0 || row >= rowCount() || column < 0)
        return false;
    return column < static_cast<int>(view->ShownPuzzle()->Rows()[static_cast<size_t>(row)].size());
}

QString BoardAccessible::CellName(int row, int column) const
{
    if (!HasBlock(row, column))
        return QStringLiteral("empty");
    const int32_t code = CodeAt(row, column);
    const QString colour = code >= 0 && code < 10
        ? Words(ColourName(view->Painter().BlockColours()[static_cast<size_t>(code)]))
        : QStringLiteral("colour %1").arg(code + 1);
    const QString symbol = code >= 0 && static_cast<size_t>(code) < view->Painter().Symbols().size()
        ? Words(SymbolName(view->Painter().Symbols()[static_cast<size_t>(code)]))
        : QString();
    return symbol.isEmpty() ? colour : colour + QStringLiteral(", ") + symbol;
}

bool BoardAccessible::IsRowEnd(int row, int column) const
{
    if (!HasBlock(row, column))
        return false;
    return column == 0 || column == static_cast<int>(view->ShownPuzzle()->Rows()[static_cast<size_t>(row)].size()) - 1;
}

bool BoardAccessible::IsSelected(int row, int column) const
{
    const auto& selection = view->Selection();
    return std::find(selection.begin(), selection.end(), BlockRef{column, row}) != selection.end();
}

bool BoardAccessible::IsCursor(int row, int column) const
{
    return view->Cursor().Shown() && view->Cursor().Position() == BlockRef{column, row};
}

QRect BoardAccessible::CellRect(int row, int column) const
{
    if (!HasBlock(row, column) || view->Geometry().blockSize == 0)
        return {};
    const int length = static_cast<int>(view->ShownPuzzle()->Rows()[static_cast<size_t>(row)].size());
    const Rect cell = view->Geometry().BlockRect(column, row, length);
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
        for (int column = 0; HasBlock(row, column); ++column) {
            if (CellRect(row, column).contains(x, y))
                return Cell(row, column);
        }
    }
    return nullptr;
}

QAccessibleInterface* BoardAccessible::focusChild() const
{
    const BlockRef at = view->Cursor().Position();
    if (view->Cursor().Shown() && HasBlock(at.row, at.index))
        return Cell(at.row, at.index);
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
        if (HasBlock(block.row, block.index))
            chosen.append(Cell(block.row, block.index));
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
