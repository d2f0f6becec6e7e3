// Shows each dialog of the game and saves a picture of it, for a look by eye.
#include "app/about_dialog.h"
#include "app/help_window.h"
#include "app/translations.h"
#include "controls/play_options_dialog.h"
#include "controls/preferences_dialog.h"
#include "controls/puzzle_code_dialog.h"
#include "controls/confirm_dialog.h"
#include "controls/statistics_dialog.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QEventLoop>
#include <QLineEdit>
#include <QLocale>
#include <QPixmap>
#include <QTimer>

namespace {

// A player's months: today's puzzles and three sets of play options, and
// thirty days of games, some idle.
StatisticsSummary PlayedSummary(int32_t today)
{
    StatisticsSummary summary;
    StatisticsLine daily;
    daily.daily = true;
    daily.started = 41;
    daily.cleared = 37;
    daily.clearedUnhelped = 30;
    daily.ironmanCleared = 4;
    daily.currentRun = 6;
    daily.bestRun = 15;
    daily.dailyDaysInRow = 6;
    daily.fastestSeconds = 95;
    summary.lines.push_back(daily);
    const PuzzleSettings options[] = {{12, 3, 5, 3, 3}, {14, 4, 6, 2, 5}, {30, 10, 10, 3, 18}};
    for (int k = 0; k < 3; ++k) {
        StatisticsLine line;
        line.settings = options[k];
        line.started = 250 / (k + 1);
        line.cleared = line.started * 3 / 4;
        line.clearedUnhelped = line.cleared / 2;
        line.currentRun = k;
        line.bestRun = 12 - 3 * k;
        line.fastestSeconds = k == 2 ? -1 : 40 + 300 * k;
        summary.lines.push_back(line);
    }
    const QDate last(today / 10000, today / 100 % 100, today % 100);
    for (int k = 0; k < 30; ++k) {
        const QDate day = last.addDays(k - 29);
        const int started = (k * 7 + 3) % 9;
        summary.lastDays.push_back({day.year() * 10000 + day.month() * 100 + day.day(), started,
                                    started - (k % 3 == 0 ? 1 : 0) > 0 ? started - (k % 3 == 0 ? 1 : 0) : 0});
    }
    return summary;
}

void Save(QWidget& widget, const QString& folder, const QString& name)
{
    widget.show();
    QApplication::processEvents();
    widget.grab().save(QDir(folder).filePath(name));
}

} // namespace

// Usage: kolumo_dialog_preview FOLDER [SECONDS]. With SECONDS the dialogs
// stay on screen that long each, one after another, for a screenshot of the
// whole display.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // In the desktop's language, as the game would show them.
    Translations translations;
    translations.Install(QLocale::system().uiLanguages());
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const bool live = argc > 2;

    PreferencesDialog preferences;
    PlayerPreferences shown;
    shown.music = false;
    preferences.SetPreferences(shown);
    Save(preferences, folder, QStringLiteral("preferences.png"));

    PlayOptionsDialog playOptions;
    Save(playOptions, folder, QStringLiteral("play_options.png"));

    // The longest word it can say of a code, with the code that earned it.
    PuzzleCodeDialog puzzleCode;
    puzzleCode.CodeField().setText(QStringLiteral("A7D4-G000-C1ST0"));
    puzzleCode.OnOk();
    Save(puzzleCode, folder, QStringLiteral("puzzle_code.png"));

    AboutDialog about;
    Save(about, folder, QStringLiteral("about.png"));

    // A fixed day, so the picture never changes with the date.
    StatisticsDialog statistics("/nonexistent/GAMES.LOG", 20261209);
    statistics.ShowSummary(PlayedSummary(20261209));
    Save(statistics, folder, QStringLiteral("statistics.png"));
    ConfirmDialog resetQuestion(StatisticsDialog::ResetTitle(), StatisticsDialog::ResetQuestion());
    Save(resetQuestion, folder, QStringLiteral("reset_statistics.png"));

    HelpWindow* help = HelpWindow::ShowHelp(nullptr);
    Save(*help, folder, QStringLiteral("help.png"));

    if (live) {
        for (QWidget* widget : std::initializer_list<QWidget*>{&preferences, &playOptions, &puzzleCode, &about, help})
            widget->hide();
        const int seconds = QString::fromLocal8Bit(argv[2]).toInt();
        for (QWidget* widget : std::initializer_list<QWidget*>{&preferences, &playOptions, &puzzleCode, &about, help}) {
            widget->move(0, 0);
            widget->show();
            // A loop of its own: quitting the application would close (and
            // so delete) the help window.
            QEventLoop loop;
            QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
            loop.exec();
            widget->hide();
        }
    }
    delete help;
    return 0;
}
