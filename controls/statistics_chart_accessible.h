// How a screen reader sees the chart of the last days: a table, one row a day, its games started and cleared.
#pragma once

#include <QAccessibleWidget>

#include <map>
#include <utility>

class StatisticsChart;
class StatisticsChartCellAccessible;

// Columns: the day, the games started, the boards cleared; rows: the days,
// oldest first, as the bars stand from left to right.
class StatisticsChartAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit StatisticsChartAccessible(StatisticsChart* chart);
    ~StatisticsChartAccessible() override;

    // Registers the factory with Qt once; every chart's constructor asks.
    static void Install();

    const StatisticsChart& Chart() const { return *chart; }

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text type) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
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

    StatisticsChart* chart;
    // Made on first use, kept while the chart lives.
    mutable std::map<std::pair<int, int>, StatisticsChartCellAccessible*> cells;
};
