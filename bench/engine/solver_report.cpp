// Prints how often the solver decides positions a player can reach, how fast,
// and in how much memory, beside the plain search's undecided share.
// Usage: solver_report [--positions N] [--large-positions N] [--time-ms T]
//                      [--wall-time] [--nodes N] [--rows 0,1,...]
//                      [--family astray|random] [--no-plain]
// The time limit and the times printed are the search thread's CPU time, so a
// machine busy with other work gives the same figures; --wall-time counts
// the wall clock instead, as the game does.
#include "engine/generator.h"
#include "engine/move_rule.h"
#include "engine/random.h"
#include "engine/solver.h"
#include "plain_search.h"

#include <sys/resource.h>
#include <time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

struct ReportRow {
    const char* name;
    PuzzleSettings settings;
    bool large;
};

const ReportRow ROWS[] = {
    {"12x3 5c 3-3", {12, 3, 5, 3, 3}, false},
    {"16x4 5c 3-4", {16, 4, 5, 3, 4}, false},
    {"20x6 6c 3-5", {20, 6, 6, 3, 5}, false},
    {"30x10 10c 2-2", {30, 10, 10, 2, 2}, true},
    {"30x10 10c 3-6", {30, 10, 10, 3, 6}, true},
    {"30x10 10c 2-18", {30, 10, 10, 2, 18}, true},
    {"30x10 5c 4-8", {30, 10, 5, 4, 8}, true},
};

struct Options {
    int positions = 1000;
    int largePositions = 1000;
    int timeMs = 1000;
    // 0: no node budget, only the time limit.
    long nodes = 0;
    bool plain = true;
    bool wallTime = false;
    // -1: both families.
    int family = -1;
    std::vector<int> rows{0, 1, 2, 3, 4, 5, 6};
};

// A random legal move: a colour that has one, then a random choice of its
// row ends in a random number within the limits.
bool PlayRandomMove(RowSet& rows, const PuzzleSettings& settings, std::mt19937& random)
{
    std::vector<std::vector<BlockRef>> endsOf(MAX_COLOURS);
    for (int32_t r = 0; r < settings.rowCount; ++r) {
        const auto length = static_cast<int32_t>(rows[r].size());
        if (length > 0) {
            endsOf[rows[r][0]].push_back({0, r});
        }
        if (length > 1) {
            endsOf[rows[r][length - 1]].push_back({length - 1, r});
        }
    }
    std::vector<int32_t> playable;
    for (int32_t c = 0; c < MAX_COLOURS; ++c) {
        if (static_cast<int32_t>(endsOf[c].size()) >= settings.minRemove) {
            playable.push_back(c);
        }
    }
    if (playable.empty()) {
        return false;
    }
    std::vector<BlockRef>& ends = endsOf[playable[random() % playable.size()]];
    std::shuffle(ends.begin(), ends.end(), random);
    const int32_t most = std::min<int32_t>(settings.maxRemove, static_cast<int32_t>(ends.size()));
    const int32_t count = settings.minRemove + static_cast<int32_t>(random() % (most - settings.minRemove + 1));
    const MoveList move(ends.begin(), ends.begin() + count);
    if (!IsLegalMove(rows, settings, move)) {
        std::fprintf(stderr, "a random move broke the rule\n");
        std::exit(1);
    }
    RemoveBlocks(rows, settings, move);
    return true;
}

struct Position {
    RowSet rows;
    MoveList solution;
};

// Family 0: the stored solution for a while, then one random move.
// Family 1: random moves from the start.
Position MakePosition(const PuzzleSettings& settings, int family, std::mt19937& random)
{
    Position position;
    SeedRandom(static_cast<uint32_t>(random()));
    Generate(position.rows, settings, position.solution);
    std::vector<Move> moves;
    ReadSolutionEntries(position.solution, moves);
    if (family == 0) {
        const std::size_t played = random() % moves.size();
        for (std::size_t m = 0; m < played; ++m) {
            RemoveBlocks(position.rows, settings, moves[m].blocks);
        }
        PlayRandomMove(position.rows, settings, random);
    } else {
        const std::size_t played = 1 + random() % moves.size();
        for (std::size_t m = 0; m < played && PlayRandomMove(position.rows, settings, random); ++m) {
        }
    }
    return position;
}

std::chrono::duration<double, std::milli> Clock(bool wallTime)
{
    if (wallTime) {
        return std::chrono::steady_clock::now().time_since_epoch();
    }
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
}

double Percentile(std::vector<double> values, double share)
{
    std::sort(values.begin(), values.end());
    const auto at = static_cast<std::size_t>(share * static_cast<double>(values.size() - 1) + 0.5);
    return values[at];
}

void ReportFamily(const ReportRow& row, int family, const Options& options)
{
    const int count = row.large ? options.largePositions : options.positions;
    std::mt19937 random(static_cast<uint32_t>(7919 * (&row - ROWS) + 104729 * family + 1));
    SolverLimits limits;
    limits.maxTime = std::chrono::milliseconds(options.timeMs);
    limits.maxNodes = static_cast<uint64_t>(options.nodes);
    limits.cpuTime = !options.wallTime;
    int solved = 0;
    int none = 0;
    int unknown = 0;
    int plainUnknown = 0;
    uint64_t mostNodes = 0;
    std::vector<double> times;
    std::vector<Position> positions;
    for (int p = 0; p < count; ++p) {
        positions.push_back(MakePosition(row.settings, family, random));
    }
    for (const Position& position : positions) {
        const auto started = Clock(options.wallTime);
        const SolveResult result = Solve(position.rows, row.settings, limits, &position.solution);
        times.push_back((Clock(options.wallTime) - started).count());
        mostNodes = std::max(mostNodes, result.nodes);
        switch (result.outcome) {
        case SolveResult::Outcome::Solved: ++solved; break;
        case SolveResult::Outcome::NoSolution: ++none; break;
        default: ++unknown; break;
        }
    }
    // The solver's peak, before the plain search adds its own.
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    for (const Position& position : positions) {
        if (options.plain
            && PlainSearch(position.rows, row.settings, limits.maxTime, limits.tableBytes / 16)
                == PlainAnswer::Unknown) {
            ++plainUnknown;
        }
    }
    const double share = 100.0 / count;
    std::printf("| %-15s | %-7s | %5d | %6.1f | %6.1f | %6.1f | %8.3f | %8.2f | %10llu | %5.1f | %s |\n",
                row.name, family == 0 ? "astray" : "random", count, solved * share, none * share,
                unknown * share, Percentile(times, 0.5), Percentile(times, 0.99),
                static_cast<unsigned long long>(mostNodes), usage.ru_maxrss / 1024.0,
                options.plain ? (std::to_string(plainUnknown * share).substr(0, 5) + " %").c_str() : "-");
    std::fflush(stdout);
}

Options ReadOptions(int argc, char** argv)
{
    Options options;
    for (int a = 1; a < argc; ++a) {
        const std::string arg = argv[a];
        const char* value = a + 1 < argc ? argv[a + 1] : "0";
        if (arg == "--positions") {
            options.positions = std::atoi(value), ++a;
        } else if (arg == "--large-positions") {
            options.largePositions = std::atoi(value), ++a;
        } else if (arg == "--nodes") {
            options.nodes = std::atol(value), ++a;
        } else if (arg == "--time-ms") {
            options.timeMs = std::atoi(value), ++a;
        } else if (arg == "--family") {
            options.family = std::string(value) == "astray" ? 0 : 1, ++a;
        } else if (arg == "--wall-time") {
            options.wallTime = true;
        } else if (arg == "--no-plain") {
            options.plain = false;
        } else if (arg == "--rows") {
            options.rows.clear();
            for (const char* p = value; *p != '\0'; p += std::strcspn(p, ",") + (p[std::strcspn(p, ",")] != '\0')) {
                options.rows.push_back(std::atoi(p));
            }
            ++a;
        } else {
            std::fprintf(stderr, "unknown option %s\n", arg.c_str());
            std::exit(2);
        }
    }
    return options;
}

}  // namespace

int main(int argc, char** argv)
{
    const Options options = ReadOptions(argc, argv);
    std::printf("time limit %d ms of %s; peak memory is the whole process's, each row in its own process\n\n",
                options.timeMs, options.wallTime ? "wall clock" : "CPU");
    std::printf("| settings        | family  | count | solved | none   | unknown "
                "| median ms | p99 ms | most nodes | peak MB | plain unknown |\n");
    std::printf("|---|---|---|---|---|---|---|---|---|---|---|\n");
    std::fflush(stdout);
    for (int index : options.rows) {
        for (int family = 0; family < 2; ++family) {
            if (options.family >= 0 && family != options.family) {
                continue;
            }
            // A process per row, so each row's peak memory is its own.
            const pid_t child = fork();
            if (child == 0) {
                ReportFamily(ROWS[index], family, options);
                std::_Exit(0);
            }
            int status = 0;
            waitpid(child, &status, 0);
        }
    }
    return 0;
}
