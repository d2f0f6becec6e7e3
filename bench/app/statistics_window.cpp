// How long the Statistics window takes to open over a long record of games:
// the journal read, the summary reckoned, the window built and first painted,
// beside the bare read of the same file.
// Usage: kolumo_statistics_window [--games N] [--records-per-game K] [--runs R]
//   (defaults 100000, 2 and 9: each game recorded at its first move and at its end)
#include "controls/statistics_chart.h"
#include "controls/statistics_dialog.h"
#include "engine/game_journal.h"
#include "engine/game_statistics.h"

#include <QApplication>
#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QTemporaryDir>
#include <QTime>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

// Tells when the chart, the last part of the window, is first painted.
class PaintWatch : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return QObject::eventFilter(watched, event);
    }
};

int32_t LocalDay(const QDate& date)
{
    return date.year() * 10000 + date.month() * 100 + date.day();
}

// A player's years of play: a few sets of play options, a daily puzzle now
// and then, most games cleared, some helped, over the last 400 days.
bool WriteJournal(const std::string& path, int games, int recordsPerGame)
{
    std::mt19937 random(20261209);
    const PuzzleSettings options[] = {{12, 3, 5, 3, 3}, {14, 4, 6, 2, 5}, {20, 5, 7, 2, 4},
                                      {30, 10, 10, 3, 6}, {8, 2, 3, 2, 2}, {16, 6, 8, 3, 8}};
    const QDate today = QDate::currentDate();
    std::string text;
    for (int k = 0; k < games; ++k) {
        GameRecord game;
        game.id = (static_cast<uint64_t>(random()) << 32 | random()) | 1;
        const QDate day = today.addDays(-static_cast<qint64>(400LL * (games - 1 - k) / std::max(games, 1)));
        game.localDay = LocalDay(day);
        game.startedAt = QDateTime(day, QTime(12, 0)).toSecsSinceEpoch();
        game.daily = random() % 10 == 0;
        game.settings = options[random() % std::size(options)];
        game.seed = static_cast<uint32_t>(random());
        game.seedKnown = true;
        game.ironman = random() % 8 == 0;
        if (recordsPerGame > 1)
            text += FormatJournalLine(game);
        game.cleared = random() % 4 != 0;
        game.helped = random() % 5 == 0;
        game.playedSeconds = static_cast<int32_t>(30 + random() % 900);
        text += FormatJournalLine(game);
    }
    std::ofstream file(path, std::ios::binary);
    file << text;
    return static_cast<bool>(file);
}

// Wall time and this thread's CPU time: on a machine shared with builds the
// wall time shows the load, the CPU time what the opening itself costs.
class Stopwatch {
public:
    Stopwatch() { Restart(); }
    void Restart()
    {
        wall.start();
        cpuStart = CpuNow();
    }
    double WallMs() const { return static_cast<double>(wall.nsecsElapsed()) / 1e6; }
    double CpuMs() const { return CpuNow() - cpuStart; }

private:
    static double CpuNow()
    {
        timespec now{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
    }
    QElapsedTimer wall;
    double cpuStart = 0;
};

struct Figures {
    std::vector<double> runs;
    double Median()
    {
        std::sort(runs.begin(), runs.end());
        return runs[runs.size() / 2];
    }
    double Most() const { return *std::max_element(runs.begin(), runs.end()); }
};

} // namespace

int main(int argc, char** argv)
{
    int games = 100000;
    int recordsPerGame = 2;
    int runs = 9;
    for (int k = 1; k + 1 < argc; k += 2) {
        if (std::strcmp(argv[k], "--games") == 0)
            games = std::atoi(argv[k + 1]);
        else if (std::strcmp(argv[k], "--records-per-game") == 0)
            recordsPerGame = std::clamp(std::atoi(argv[k + 1]), 1, 2);
        else if (std::strcmp(argv[k], "--runs") == 0)
            runs = std::max(1, std::atoi(argv[k + 1]));
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);

    QTemporaryDir folder;
    const std::string path = QDir(folder.path()).filePath(QStringLiteral("GAMES.LOG")).toStdString();
    if (!WriteJournal(path, games, recordsPerGame)) {
        std::fprintf(stderr, "could not write %s\n", path.c_str());
        return 1;
    }
    const int32_t today = StatisticsDialog::Today();

    Figures bareRead, summarised, opened, bareReadCpu, openedCpu;
    double firstOpening = 0;
    double firstOpeningCpu = 0;
    size_t recorded = 0;
    for (int run = 0; run <= runs; ++run) {
        Stopwatch timer;
        const JournalContents contents = ReadJournal(path);
        const double read = timer.WallMs();
        const double readCpu = timer.CpuMs();
        const StatisticsSummary summary = SummariseGames(contents.games, today);
        const double reckoned = timer.WallMs();
        recorded = contents.games.size();

        PaintWatch watch;
        timer.Restart();
        {
            StatisticsDialog dialog(path, today);
            const_cast<StatisticsChart&>(dialog.Chart()).installEventFilter(&watch);
            dialog.show();
            for (int k = 0; k < 1000 && !watch.painted; ++k)
                QCoreApplication::processEvents();
            if (!watch.painted)
                dialog.repaint();
            const double open = timer.WallMs();
            const double openCpu = timer.CpuMs();
            // The first opening also loads the fonts and the faces once.
            if (run == 0) {
                firstOpening = open;
                firstOpeningCpu = openCpu;
            } else {
                bareRead.runs.push_back(read);
                summarised.runs.push_back(reckoned);
                opened.runs.push_back(open);
                bareReadCpu.runs.push_back(readCpu);
                openedCpu.runs.push_back(openCpu);
            }
            (void)summary;
        }
    }
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    std::printf("%zu games in %d records each (%.1f MB), %d runs after a first\n", recorded, recordsPerGame,
                static_cast<double>(file.tellg()) / 1e6, runs);
    std::printf("bare read (ReadJournal):          median %6.1f ms, most %6.1f ms (CPU median %6.1f ms)\n",
                bareRead.Median(), bareRead.Most(), bareReadCpu.Median());
    std::printf("read + summarise:                 median %6.1f ms, most %6.1f ms\n", summarised.Median(),
                summarised.Most());
    std::printf("window opened (read, summarise, build, first paint): median %6.1f ms, most %6.1f ms "
                "(CPU median %6.1f ms); first opening %6.1f ms (CPU %6.1f ms)\n",
                opened.Median(), opened.Most(), openedCpu.Median(), firstOpening, firstOpeningCpu);
    return 0;
}
