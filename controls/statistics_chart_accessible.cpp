// How a screen reader sees the chart of the last days: a table, one row a day, its games started and cleared.
#include "controls/statistics_chart_accessible.h"

#include "controls/statistics_chart.h"
#include "controls/statistics_chart_cell_accessible.h"

StatisticsChartAccessible::StatisticsChartAccessible(StatisticsChart* chart)
    : QAccessibleWidget(chart, QAccessible::Table), chart(chart)
{
}

StatisticsChartAccessible::~StatisticsChartAccessible()
{
    for (auto& [place, cell] : cells)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(cell));
}

void StatisticsChartAccessible::Install()
{
    static bool installed = false;
    if (!installed) {
        installed = true;
        QAccessible::installFactory(&StatisticsChartAccessible::Factory);
    }
}

QAccessibleInterface* StatisticsChartAccessible::Factory(const QString& className, QObject* object)
{
    if (className == QLatin1String("StatisticsChart"))
        return new StatisticsChartAccessible(static_cast<StatisticsChart*>(object));
    return nullptr;
}

void* StatisticsChartAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString StatisticsChartAccessible::text(QAccessible::Text type) const
{
    if (type == QAccessible::Name)
        return StatisticsChart::tr("Games of the last 30 days");
    return QAccessibleWidget::text(type);
}

int StatisticsChartAccessible::rowCount() const
{
    return static_cast<int>(chart->Days().size());
}

int StatisticsChartAccessible::columnCount() const
{
    return StatisticsChart::COLUMN_COUNT;
}

int StatisticsChartAccessible::childCount() const
{
    return rowCount() * columnCount();
}

QAccessibleInterface* StatisticsChartAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    return cellAt(index / columnCount(), index % columnCount());
}

int StatisticsChartAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    for (const auto& [place, cell] : cells) {
        if (cell == child)
            return place.first * columnCount() + place.second;
    }
    return -1;
}

QAccessibleInterface* StatisticsChartAccessible::cellAt(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return nullptr;
    StatisticsChartCellAccessible*& cell = cells[{row, column}];
    if (cell == nullptr) {
        cell = new StatisticsChartCellAccessible(const_cast<StatisticsChartAccessible*>(this), row, column);
        QAccessible::registerAccessibleInterface(cell);
    }
    return cell;
}

QString StatisticsChartAccessible::columnDescription(int column) const
{
    return StatisticsChart::ColumnName(column);
}

QString StatisticsChartAccessible::rowDescription(int row) const
{
    return chart->CellText(row, 0);
}
