// The "Statistics" window: a line for each set of play options and for today's puzzles, and a chart.
#include "controls/statistics_dialog.h"

#include "controls/bitmap_button.h"
#include "controls/confirm_dialog.h"
#include "controls/dialog_colours.h"
#include "controls/dialog_template.h"
#include "controls/report_text.h"
#include "controls/statistics_chart.h"

#include <QDate>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>

#include <utility>

namespace {

constexpr int TABLE_CAPTION_ID = 1035;
constexpr int CHART_CAPTION_ID = 1036;

// The captions are the English texts the font is fitted to; each is shown
// through tr() once built.
constexpr ControlTemplate STATISTICS_CONTROLS[] = {
    {TABLE_CAPTION_ID, ControlKind::STATIC_LEFT,
     QT_TRANSLATE_NOOP("StatisticsDialog", "The games played with each set of play options:"), 10, 8, 520, 11},
    {StatisticsDialog::TABLE_ID, ControlKind::STATIC_LEFT, "", 10, 21, 520, 96},
    {CHART_CAPTION_ID, ControlKind::STATIC_LEFT,
     QT_TRANSLATE_NOOP("StatisticsDialog", "The last 30 days: games started (light) and boards cleared (dark):"),
     10, 124, 520, 11},
    {StatisticsDialog::CHART_ID, ControlKind::STATIC_LEFT, "", 10, 137, 520, 70},
    {StatisticsDialog::PROBLEM_ID, ControlKind::STATIC_LEFT, "", 10, 211, 520, 20},
    {1, ControlKind::OWNER_DRAW_BUTTON, "IDB_OK", 10, 236, 50, 20},
    {StatisticsDialog::RESET_ID, ControlKind::OWNER_DRAW_BUTTON, "IDB_RESET", 430, 236, 100, 20},
};

constexpr DialogTemplate STATISTICS_TEMPLATE = {
    QT_TRANSLATE_NOOP("StatisticsDialog", "Statistics"), 540, 264, STATISTICS_CONTROLS, "StatisticsDialog"};

QString Count(int32_t value)
{
    return QString::number(value);
}

} // namespace

StatisticsDialog::StatisticsDialog(std::string journalPath, QWidget* parent)
    : StatisticsDialog(std::move(journalPath), Today(), parent)
{
}

StatisticsDialog::StatisticsDialog(std::string journalPath, int32_t today, QWidget* parent)
    : QDialog(parent), journalPath(std::move(journalPath)), today(today)
{
    BuildDialog(*this, STATISTICS_TEMPLATE, [this](int id) {
        if (id == RESET_ID)
            OnReset();
        else
            accept();
    });
    setWindowTitle(tr("Statistics"));
    for (int id : {TABLE_CAPTION_ID, CHART_CAPTION_ID}) {
        auto* caption = qobject_cast<QLabel*>(FindControl(this, id));
        caption->setText(tr(caption->text().toUtf8().constData()));
    }
    problem = qobject_cast<QLabel*>(FindControl(this, PROBLEM_ID));

    // The template keeps the places of the table and the chart.
    QWidget* tablePlace = FindControl(this, TABLE_ID);
    table = new QTableWidget(0, COLUMNS, this);
    table->setGeometry(tablePlace->geometry());
    SetControlId(table, TABLE_ID);
    delete tablePlace;
    table->setHorizontalHeaderLabels({tr("Play options"), tr("Started"), tr("Cleared"), tr("Without help"),
                                      tr("Ironman"), tr("Current run"), tr("Best run"), tr("Fastest"),
                                      tr("Days in a row")});
    table->setAccessibleName(tr("Games played"));
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setShowGrid(false);
    table->setWordWrap(false);
    QPalette colours = table->palette();
    colours.setColor(QPalette::Base, DIALOG_BACKGROUND);
    colours.setColor(QPalette::Text, DIALOG_TEXT);
    table->setPalette(colours);

    QWidget* chartPlace = FindControl(this, CHART_ID);
    chart = new StatisticsChart(this);
    chart->setGeometry(chartPlace->geometry());
    chart->setAccessibleDescription(qobject_cast<QLabel*>(FindControl(this, CHART_CAPTION_ID))->text());
    SetControlId(chart, CHART_ID);
    delete chartPlace;

    for (int id : {1, RESET_ID})
        Button(id)->AutoLoad(id, this);
    setTabOrder(table, Button(1));
    setTabOrder(Button(1), Button(RESET_ID));
    Button(1)->setFocus(Qt::OtherFocusReason);

    ReadJournalFile();
}

int32_t StatisticsDialog::Today()
{
    const QDate date = QDate::currentDate();
    return date.year() * 10000 + date.month() * 100 + date.day();
}

void StatisticsDialog::ReadJournalFile()
{
    const JournalContents contents = ReadJournal(journalPath);
    if (contents.state == JournalRead::Unreadable) {
        Say(tr("The record of games could not be read, and is left as it is: %1")
                .arg(ReportText(contents.report)));
        Button(RESET_ID)->setEnabled(false);
        ShowSummary(SummariseGames({}, today));
        return;
    }
    if (contents.skipped > 0)
        Say(tr("%n damaged record(s) of the games were left out.", nullptr, contents.skipped));
    ShowSummary(SummariseGames(contents.games, today));
}

void StatisticsDialog::ShowSummary(const StatisticsSummary& summary)
{
    table->setRowCount(static_cast<int>(summary.lines.size()));
    for (int row = 0; row < table->rowCount(); ++row) {
        const StatisticsLine& line = summary.lines[static_cast<size_t>(row)];
        const QString cells[COLUMNS] = {
            LineName(line),
            Count(line.started),
            Count(line.cleared),
            Count(line.clearedUnhelped),
            Count(line.ironmanCleared),
            Count(line.currentRun),
            Count(line.bestRun),
            Duration(line.fastestSeconds),
            line.daily ? Count(line.dailyDaysInRow) : QString(),
        };
        for (int column = 0; column < COLUMNS; ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            item->setTextAlignment(Qt::AlignVCenter | (column == NAME ? Qt::AlignLeft : Qt::AlignRight));
            table->setItem(row, column, item);
        }
    }
    table->resizeColumnsToContents();
    table->resizeRowsToContents();
    // The names take what the figures leave, so the table needs no sideways scrolling.
    table->horizontalHeader()->setSectionResizeMode(NAME, QHeaderView::Stretch);
    chart->SetDays(summary.lastDays);
}

QString StatisticsDialog::LineName(const StatisticsLine& line)
{
    if (line.daily)
        return tr("Today's puzzles");
    const PuzzleSettings& settings = line.settings;
    //: A set of play options: row width, rows, colours, fewest and most blocks per move.
    return tr("%1 wide, %2 rows, %3 colours, take %4–%5")
        .arg(settings.rowWidth)
        .arg(settings.rowCount)
        .arg(settings.colourCount)
        .arg(settings.minRemove)
        .arg(settings.maxRemove);
}

QString StatisticsDialog::Duration(int32_t seconds)
{
    if (seconds < 0)
        return QStringLiteral("–");
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

void StatisticsDialog::OnReset()
{
    ConfirmDialog ask(ResetTitle(), ResetQuestion(), this);
    if (ask.exec() != QDialog::Accepted)
        return;
    FileReport report;
    if (!ResetJournal(journalPath, &report)) {
        Say(tr("The statistics could not be reset: %1").arg(ReportText(report)));
        return;
    }
    Say(QString());
    ShowSummary(SummariseGames({}, today));
}

QString StatisticsDialog::ResetTitle()
{
    return tr("Reset Statistics");
}

QString StatisticsDialog::ResetQuestion()
{
    return tr("Forget every game recorded so far? This cannot be undone.");
}

void StatisticsDialog::Say(const QString& words)
{
    problem->setText(words);
}

QString StatisticsDialog::Problem() const
{
    return problem->text();
}

BitmapButton* StatisticsDialog::Button(int id) const
{
    return qobject_cast<BitmapButton*>(FindControl(this, id));
}
