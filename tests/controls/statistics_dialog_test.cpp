// The Statistics window: what its table and its chart's table read for a summary, and Reset, which asks first.
#include "controls/bitmap_button.h"
#include "controls/confirm_dialog.h"
#include "controls/statistics_chart.h"
#include "controls/statistics_dialog.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int32_t TODAY = 20261209;

StatisticsLine Line(bool daily, PuzzleSettings settings, std::vector<int32_t> figures)
{
    StatisticsLine line;
    line.daily = daily;
    line.settings = settings;
    line.started = figures[0];
    line.cleared = figures[1];
    line.clearedUnhelped = figures[2];
    line.ironmanCleared = figures[3];
    line.currentRun = figures[4];
    line.bestRun = figures[5];
    line.fastestSeconds = figures[6];
    line.dailyDaysInRow = figures[7];
    return line;
}

std::vector<StatisticsDay> ThirtyDays()
{
    std::vector<StatisticsDay> days;
    for (int k = 0; k < 30; ++k)
        days.push_back({20261110 + k <= 20261130 ? 20261110 + k : 20261201 + (k - 21), k % 5, k % 5 / 2});
    return days;
}

QStringList RowTexts(const QTableWidget& table, int row)
{
    QStringList texts;
    for (int column = 0; column < table.columnCount(); ++column)
        texts << table.item(row, column)->text();
    return texts;
}

struct SummaryCase {
    const char* what;
    std::vector<StatisticsLine> lines;
    std::vector<QStringList> rows;
};

TEST(StatisticsDialogTest, EachLineOfTheSummaryIsARowAndEachDayARowOfTheChartsTable)
{
    const SummaryCase cases[] = {
        {"nothing played yet", {}, {}},
        {"today's puzzles first, then a set of play options; a line with no clear has no fastest time",
         {Line(true, {}, {9, 7, 5, 0, 2, 4, 65, 3}), Line(false, {14, 4, 6, 2, 5}, {3, 0, 0, 0, 0, 0, -1, 0})},
         {{"Today's puzzles", "9", "7", "5", "0", "2", "4", "1:05", "3"},
          {"14 wide, 4 rows, 6 colours, take 2–5", "3", "0", "0", "0", "0", "0", "–", ""}}},
        {"an hour and more is still minutes and seconds",
         {Line(false, {}, {1, 1, 1, 1, 1, 1, 3723, 0})},
         {{"12 wide, 3 rows, 5 colours, take 3–3", "1", "1", "1", "1", "1", "1", "62:03", ""}}},
    };
    for (const SummaryCase& test : cases) {
        SCOPED_TRACE(test.what);
        StatisticsDialog dialog("/nonexistent/GAMES.LOG", TODAY);
        StatisticsSummary summary{test.lines, ThirtyDays()};
        dialog.ShowSummary(summary);
        const QTableWidget& table = dialog.Table();
        ASSERT_EQ(table.rowCount(), static_cast<int>(test.rows.size()));
        for (int row = 0; row < table.rowCount(); ++row)
            EXPECT_EQ(RowTexts(table, row), test.rows[static_cast<size_t>(row)]);

        QAccessibleInterface* chart =
            QAccessible::queryAccessibleInterface(const_cast<StatisticsChart*>(&dialog.Chart()));
        ASSERT_NE(chart, nullptr);
        EXPECT_EQ(chart->role(), QAccessible::Table);
        QAccessibleTableInterface* days = chart->tableInterface();
        ASSERT_NE(days, nullptr);
        ASSERT_EQ(days->rowCount(), 30);
        ASSERT_EQ(days->columnCount(), 3);
        EXPECT_EQ(days->columnDescription(1), QStringLiteral("Started"));
        EXPECT_EQ(days->columnDescription(2), QStringLiteral("Cleared"));
        EXPECT_EQ(days->cellAt(29, 0)->text(QAccessible::Name), StatisticsChart::DayName(TODAY));
        EXPECT_EQ(days->cellAt(29, 1)->text(QAccessible::Name), QStringLiteral("4"));
        EXPECT_EQ(days->cellAt(29, 2)->text(QAccessible::Name), QStringLiteral("2"));
        EXPECT_EQ(days->cellAt(0, 1)->text(QAccessible::Name), QStringLiteral("0"));
        EXPECT_EQ(chart->childCount(), 90);
    }
}

// Answers the question Reset asks with Yes or No, once it is open.
void AnswerReset(bool yes)
{
    QTimer::singleShot(0, [yes] {
        auto* ask = qobject_cast<ConfirmDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(ask, nullptr);
        ask->Button(yes ? ConfirmDialog::YES_ID : ConfirmDialog::NO_ID)->click();
    });
}

TEST(StatisticsDialogTest, ResetAsksFirstAndNoKeepsEveryGame)
{
    QTemporaryDir folder;
    const std::string path = QDir(folder.path()).filePath(QStringLiteral("GAMES.LOG")).toStdString();
    GameRecord game;
    game.id = 7;
    game.localDay = TODAY;
    game.startedAt = 1765270000;
    game.cleared = true;
    game.playedSeconds = 80;
    ASSERT_TRUE(AppendToJournal(path, game));
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();

    StatisticsDialog dialog(path, TODAY);
    ASSERT_EQ(dialog.Table().rowCount(), 1);
    EXPECT_EQ(dialog.Table().item(0, StatisticsDialog::FASTEST)->text(), QStringLiteral("1:20"));
    AnswerReset(false);
    dialog.OnReset();
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
    file.close();
    EXPECT_EQ(dialog.Table().rowCount(), 1);

    AnswerReset(true);
    dialog.OnReset();
    EXPECT_EQ(dialog.Table().rowCount(), 0);
    EXPECT_EQ(dialog.Problem(), QString());
    EXPECT_TRUE(ReadJournal(path).games.empty());
}

TEST(StatisticsDialogTest, AJournalThatCannotBeReadIsSaidAndLeftAlone)
{
    QTemporaryDir folder;
    // A folder where the file should be cannot be read as one.
    const QString path = QDir(folder.path()).filePath(QStringLiteral("GAMES.LOG"));
    ASSERT_TRUE(QDir().mkdir(path));
    StatisticsDialog dialog(path.toStdString(), TODAY);
    EXPECT_TRUE(dialog.Problem().startsWith(QStringLiteral("The record of games could not be read")))
        << dialog.Problem().toStdString();
    EXPECT_FALSE(dialog.Button(StatisticsDialog::RESET_ID)->isEnabled());
    EXPECT_EQ(dialog.Table().rowCount(), 0);
    EXPECT_TRUE(QFileInfo(path).isDir());
}

} // namespace
