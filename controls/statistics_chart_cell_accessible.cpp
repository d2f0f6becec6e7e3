// One cell of the chart's table for a screen reader: a day, or its games started or cleared.
#include "controls/statistics_chart_cell_accessible.h"

#include "controls/statistics_chart.h"
#include "controls/statistics_chart_accessible.h"

StatisticsChartCellAccessible::StatisticsChartCellAccessible(StatisticsChartAccessible* table, int row,
                                                             int column)
    : tableInterface(table), row(row), column(column)
{
}

bool StatisticsChartCellAccessible::isValid() const
{
    return tableInterface->isValid() && row < tableInterface->rowCount();
}

QWindow* StatisticsChartCellAccessible::window() const
{
    return tableInterface->window();
}

void* StatisticsChartCellAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableCellInterface)
        return static_cast<QAccessibleTableCellInterface*>(this);
    return nullptr;
}

QAccessibleInterface* StatisticsChartCellAccessible::parent() const
{
    return tableInterface;
}

QAccessibleInterface* StatisticsChartCellAccessible::table() const
{
    return tableInterface;
}

QString StatisticsChartCellAccessible::text(QAccessible::Text type) const
{
    if (type == QAccessible::Name)
        return tableInterface->Chart().CellText(row, column);
    return {};
}

QRect StatisticsChartCellAccessible::rect() const
{
    const StatisticsChart& chart = tableInterface->Chart();
    const QRect day = chart.DayRect(row);
    return QRect(chart.mapToGlobal(day.topLeft()), day.size());
}

QAccessible::State StatisticsChartCellAccessible::state() const
{
    QAccessible::State state;
    state.readOnly = true;
    return state;
}
