// Peak memory of a process that asks the game's solver worker for hints on
// the largest board, beside the same process before its first question: what
// many hints in one session cost a game that never asked.
// Usage: kolumo_hint_memory [--hints N]   (default 200)
#include "app/player_help.h"
#include "app/solver_worker.h"
#include "engine/generator.h"
#include "engine/move_rule.h"
#include "engine/random.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

// A line of /proc/self/status, in MB.
double StatusMb(const char* field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field, 0) == 0) {
            return std::atof(line.c_str() + std::strlen(field) + 1) / 1024.0;
        }
    }
    return 0;
}

// Random legal play from the start, for a random number of moves: the boards
// whose searches run longest and fill the table most.
SolverQuestion RandomlyPlayed(const PuzzleSettings& settings, std::mt19937& random)
{
    SolverQuestion question;
    question.settings = settings;
    SeedRandom(static_cast<uint32_t>(random()));
    Generate(question.rows, settings, question.guide);
    const unsigned moves = 1 + random() % 100;
    for (unsigned m = 0; m < moves; ++m) {
        std::vector<std::vector<BlockRef>> endsOf(MAX_COLOURS);
        for (int32_t r = 0; r < settings.rowCount; ++r) {
            const auto length = static_cast<int32_t>(question.rows[r].size());
            if (length > 0) {
                endsOf[question.rows[r][0]].push_back({0, r});
            }
            if (length > 1) {
                endsOf[question.rows[r][length - 1]].push_back({length - 1, r});
            }
        }
        std::vector<std::vector<BlockRef>> playable;
        for (auto& ends : endsOf) {
            if (static_cast<int32_t>(ends.size()) >= settings.minRemove) {
                playable.push_back(ends);
            }
        }
        if (playable.empty()) {
            break;
        }
        std::vector<BlockRef>& ends = playable[random() % playable.size()];
        std::shuffle(ends.begin(), ends.end(), random);
        const auto most = std::min<int32_t>(settings.maxRemove, static_cast<int32_t>(ends.size()));
        const int32_t count = settings.minRemove + static_cast<int32_t>(random() % (most - settings.minRemove + 1));
        RemoveBlocks(question.rows, settings, MoveList(ends.begin(), ends.begin() + count));
    }
    return question;
}

}  // namespace

int main(int argc, char** argv)
{
    int hints = 200;
    if (argc == 3 && std::strcmp(argv[1], "--hints") == 0) {
        hints = std::atoi(argv[2]);
    }
    QCoreApplication application(argc, argv);
    SolverWorker worker(PlayerHelp::EngineSolver());
    const PuzzleSettings largest{30, 10, 10, 3, 6};
    std::mt19937 random(20261209);
    const double peakBefore = StatusMb("VmHWM:");
    int undecided = 0;
    for (int h = 0; h < hints; ++h) {
        QEventLoop answered;
        QObject::connect(&worker, &SolverWorker::Answered, &answered,
                         [&](int, const SolverAnswer& answer) {
                             undecided += answer.verdict == SolverVerdict::Unknown;
                             answered.quit();
                         });
        worker.Ask(RandomlyPlayed(largest, random));
        answered.exec();
    }
    const double peakAfter = StatusMb("VmHWM:");
    std::printf("%d hints on 30 x 10, 10 colours, 3-6 (%d can't tell)\n", hints, undecided);
    std::printf("peak memory before the first: %.1f MB; after the last: %.1f MB (+%.1f MB); "
                "resident after: %.1f MB\n",
                peakBefore, peakAfter, peakAfter - peakBefore, StatusMb("VmRSS:"));
    return 0;
}
