// The "Statistics" window: a line for each set of play options and for today's puzzles, and a chart.
#pragma once

#include "engine/game_statistics.h"

#include <QDialog>

#include <cstdint>
#include <string>

class BitmapButton;
class QLabel;
class QTableWidget;
class StatisticsChart;

// The journal is read as the window opens and never written to but by Reset
// Statistics, after the player says Yes. A journal that cannot be read is
// said in the window and left as it is (Reset is then greyed).
class StatisticsDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int TABLE_ID = 1031;
    static constexpr int CHART_ID = 1032;
    static constexpr int PROBLEM_ID = 1033;
    static constexpr int RESET_ID = 1034;

    // The table's columns after the line's name.
    enum Column { NAME, STARTED, CLEARED, UNHELPED, IRONMAN, CURRENT_RUN, BEST_RUN, FASTEST, DAYS_IN_ROW, COLUMNS };

    // today is the local date as YYYYMMDD; the chart's days end with it.
    StatisticsDialog(std::string journalPath, int32_t today, QWidget* parent = nullptr);
    // Today's local date.
    StatisticsDialog(std::string journalPath, QWidget* parent = nullptr);

    // Fills the table and the chart.
    void ShowSummary(const StatisticsSummary& summary);
    // Asks first; on Yes empties the journal and shows nothing played, or
    // says in the window why it could not.
    void OnReset();

    // What the player reads: the table, a line's name, the chart and the
    // word under them ("" when there is nothing to say).
    const QTableWidget& Table() const { return *table; }
    const StatisticsChart& Chart() const { return *chart; }
    QString Problem() const;
    BitmapButton* Button(int id) const;

    // The name of a line: "Today's puzzles", or its play options.
    static QString LineName(const StatisticsLine& line);
    // A time as minutes and seconds ("1:05"); "–" for none.
    static QString Duration(int32_t seconds);
    // The question Reset asks.
    static QString ResetTitle();
    static QString ResetQuestion();
    // The local date as YYYYMMDD.
    static int32_t Today();

private:
    void ReadJournalFile();
    void Say(const QString& words);

    std::string journalPath;
    int32_t today;
    QTableWidget* table = nullptr;
    StatisticsChart* chart = nullptr;
    QLabel* problem = nullptr;
};
