// The chart of the last days' games: for each day, the games started beside the boards cleared.
#pragma once

#include "engine/game_statistics.h"

#include <QWidget>

#include <vector>

// Drawn in the screen's own pixels at whatever ratio it has (1, 1.25, 2...),
// so every bar edge falls on a pixel edge and nothing is smeared. A screen
// reader reads it as a table of days (StatisticsChartAccessible).
class StatisticsChart : public QWidget {
    Q_OBJECT

public:
    explicit StatisticsChart(QWidget* parent = nullptr);

    // The days to show, oldest first.
    void SetDays(std::vector<StatisticsDay> shown);
    const std::vector<StatisticsDay>& Days() const { return days; }

    // The words a screen reader reads for a day ("9 December 2026") and for
    // the table's columns: the day, games started, boards cleared.
    static QString DayName(int32_t localDay);
    static QString ColumnName(int column);
    static constexpr int COLUMN_COUNT = 3;
    // What cell (day, column) reads.
    QString CellText(int day, int column) const;
    // Where a day's bars stand, in the widget's own coordinates.
    QRect DayRect(int day) const;

    // The colours of the two bars.
    static const QColor STARTED_COLOUR;
    static const QColor CLEARED_COLOUR;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<StatisticsDay> days;
};
