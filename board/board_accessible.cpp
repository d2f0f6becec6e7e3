// The board for screen readers: a table of named blocks as the rows stand
// on screen, the counters, and the cursor as the focus.
#include "board/board_accessible.h"

#include "board/board_cell_accessible.h"
#include "board/board_view.h"
#include "board/colour_names.h"
#include "board/symbol_names.h"
#include "engine/puzzle.h"

#include <algorithm>

BoardAccessible::BoardAccessible(BoardView* view)
    : QAccessibleWidget(view, QAccessible::Table, tr("Board")), view(view)
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

QString BoardAccessible::ColourWord(int32_t code) const
{
    return code >= 0 && code < 10 ? SpokenColourName(view->Painter().BlockColours()[static_cast<size_t>(code)])
                                  //: A block's colour past the ten the game names, by its number.
                                  : tr("colour %1").arg(code + 1);
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
        //: A cell of the board with no block in it.
        return tr("empty");
    const int32_t code = CodeAt(row, index);
    const QString colour = ColourWord(code);
    const QString symbol = code >= 0 && static_cast<size_t>(code) < view->Painter().Symbols().size()
        ? SpokenSymbolName(view->Painter().Symbols()[static_cast<size_t>(code)])
        : QString();
    //: A block: its colour, then the symbol drawn on it ("blue, scissors").
    return symbol.isEmpty() ? colour : tr("%1, %2").arg(colour, symbol);
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
    //: A counter: the colour, then how many blocks of it are left ("red: 6 left").
    return tr("%1: %n left", nullptr, counters[static_cast<size_t>(colour)])
        .arg(SpokenColourName(view->Painter().BlockColours()[static_cast<size_t>(colour)]));
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
        //: The game board, as a screen reader names it.
        return news.isEmpty() ? tr("Board")
                              //: The board's name, then its latest news ("Board: Took 3 red").
                              : tr("Board: %1").arg(news);
    if (type == QAccessible::Description)
        return tr("Arrow keys move between row ends, Return selects, Space takes the selection");
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
    //: A column of the board: the places along a row, counted from the left.
    return tr("place %1").arg(column + 1);
}

QString BoardAccessible::rowDescription(int row) const
{
    return tr("row %1").arg(row + 1);
}
