// The chart of the last days' games: for each day, the games started beside the boards cleared.
#include "controls/statistics_chart.h"

#include "controls/dialog_colours.h"
#include "controls/statistics_chart_accessible.h"

#include <QDate>
#include <QLocale>
#include <QPainter>

#include <algorithm>
#include <cmath>

const QColor StatisticsChart::STARTED_COLOUR(255, 199, 139);
const QColor StatisticsChart::CLEARED_COLOUR = DIALOG_TEXT;

namespace {

// Room above the tallest bar for the scale's words, in logical pixels.
constexpr int SCALE_ROOM = 14;

QDate DateOf(int32_t localDay)
{
    return QDate(localDay / 10000, localDay / 100 % 100, localDay % 100);
}

} // namespace

StatisticsChart::StatisticsChart(QWidget* parent)
    : QWidget(parent)
{
    StatisticsChartAccessible::Install();
}

void StatisticsChart::SetDays(std::vector<StatisticsDay> shown)
{
    days = std::move(shown);
    update();
}

QString StatisticsChart::DayName(int32_t localDay)
{
    return QLocale().toString(DateOf(localDay), QLocale::LongFormat);
}

QString StatisticsChart::ColumnName(int column)
{
    switch (column) {
    case 0:
        return tr("Day");
    case 1:
        return tr("Started");
    default:
        return tr("Cleared");
    }
}

QString StatisticsChart::CellText(int day, int column) const
{
    if (day < 0 || day >= static_cast<int>(days.size()))
        return {};
    const StatisticsDay& shown = days[static_cast<size_t>(day)];
    switch (column) {
    case 0:
        return DayName(shown.localDay);
    case 1:
        return QString::number(shown.started);
    default:
        return QString::number(shown.cleared);
    }
}

QRect StatisticsChart::DayRect(int day) const
{
    const int count = std::max(static_cast<int>(days.size()), 1);
    const int left = width() * day / count;
    const int right = width() * (day + 1) / count;
    return QRect(left, 0, right - left, height());
}

void StatisticsChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), DIALOG_BACKGROUND);
    int most = 0;
    for (const StatisticsDay& day : days)
        most = std::max(most, day.started);

    painter.setPen(CLEARED_COLOUR);
    // The top line's count: the chart's scale, in figures alone.
    painter.drawText(QRect(0, 0, width(), SCALE_ROOM), Qt::AlignLeft | Qt::AlignTop,
                     QString::number(std::max(most, 1)));

    // From here on, device pixels: every edge is a whole pixel at any ratio.
    const qreal ratio = devicePixelRatioF();
    painter.save();
    painter.scale(1 / ratio, 1 / ratio);
    const int deviceWidth = static_cast<int>(std::lround(width() * ratio));
    const int top = static_cast<int>(std::lround(SCALE_ROOM * ratio));
    const int line = std::max(1, static_cast<int>(std::floor(ratio)));
    const int bottom = static_cast<int>(std::lround(height() * ratio)) - line;
    const int barRoom = std::max(bottom - top, 1);
    // The scale's line stands for `most`; the base line for none.
    painter.fillRect(0, top, deviceWidth, line, STARTED_COLOUR);
    painter.fillRect(0, bottom, deviceWidth, line, CLEARED_COLOUR);

    const int count = std::max(static_cast<int>(days.size()), 1);
    for (int k = 0; k < static_cast<int>(days.size()); ++k) {
        const StatisticsDay& day = days[static_cast<size_t>(k)];
        const int left = deviceWidth * k / count;
        const int right = deviceWidth * (k + 1) / count;
        // Two bars side by side with a gap on either side of the pair.
        const int gap = std::max(line, (right - left) / 6);
        const int barWidth = std::max(1, (right - left - 2 * gap) / 2);
        const auto barHeight = [&](int games) {
            return most == 0 ? 0 : static_cast<int>(static_cast<int64_t>(barRoom) * games / most);
        };
        const int started = barHeight(day.started);
        const int cleared = barHeight(day.cleared);
        painter.fillRect(left + gap, bottom - started, barWidth, started, STARTED_COLOUR);
        painter.fillRect(left + gap + barWidth, bottom - cleared, barWidth, cleared, CLEARED_COLOUR);
    }
    painter.restore();
}
