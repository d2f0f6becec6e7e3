// How a screen reader sees the board: a table of blocks, the colour counters,
// the keyboard cursor as the focus, and spoken news of what happened.
#pragma once

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QString>

#include <cstdint>

#include <map>
#include <utility>

class BoardView;
class BoardCellAccessible;

// Rows of the table are the board's rows, columns the places of a full row.
// A shorter row stands centred, as on screen: its blocks take the middle
// places in their order, with empty cells on both sides (one more on the
// right when the row is an odd number of places short). After the cells come
// the counters, one per colour in play.
class BoardAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
    Q_DECLARE_TR_FUNCTIONS(BoardAccessible)

public:
    // What the board tells a screen reader about.
    enum class News { CursorMoved, Selected, Refused, Moved, Undone, NewBoard, Cleared, Hinted };

    explicit BoardAccessible(BoardView* view);
    ~BoardAccessible() override;

    // Registers the factory with Qt once; the board's constructor asks.
    static void Install();
    // The board's hook, called as things happen; why says what a refusal
    // refused ("Nothing to undo").
    static void Tell(BoardView* view, News news, const QString& why = QString());
    // Words of the game's own about the board (a hint's answer, a dead end),
    // spoken as the board's news.
    static void Say(BoardView* view, const QString& words);
    // The keys play on the board again: the cell under a shown cursor, or
    // else the board itself, is told as the focus.
    static void TakeFocus(BoardView* view);
    // Those words are no longer shown: the news ends, unless newer news has
    // replaced it already.
    static void Unsay(BoardView* view, const QString& words);

    // The table's column of block `index` of `row`, and the block index in
    // a column (-1 for an empty cell).
    int ColumnOf(int row, int index) const;
    int IndexAt(int row, int column) const;
    // What the table's cells read.
    bool HasBlock(int row, int column) const;
    QString CellName(int row, int column) const;
    bool IsRowEnd(int row, int column) const;
    bool IsSelected(int row, int column) const;
    bool IsCursor(int row, int column) const;
    QRect CellRect(int row, int column) const;
    int CounterCount() const;
    QString CounterName(int colour) const;
    // The cell interface of (row, column) or of counter k (row -1), made on
    // first use and kept while the board lives.
    BoardCellAccessible* Cell(int row, int column) const;
    // The last news spoken ("" before any).
    QString LastNews() const { return news; }

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text type) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    static QAccessibleInterface* Factory(const QString& className, QObject* object);
    void Hear(News what, const QString& why);
    QString Announcement(News what, const QString& why) const;
    QString HintNews() const;
    QString ColourWord(int32_t code) const;
    int RowLength(int row) const;
    int BlocksLeft() const;
    int32_t CodeAt(int row, int index) const;

    BoardView* view;
    QString news;
    mutable std::map<std::pair<int, int>, BoardCellAccessible*> cells;
};
