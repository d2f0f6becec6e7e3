// The record of the game in play: appended to the journal as it starts, ends and is left.
#include "game_recorder.h"

#include "controls/report_text.h"
#include "controls/statistics_dialog.h"

#include <QRandomGenerator>

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <limits>
#include <utility>

namespace {

// A resumed game was recorded at the close just before: its record is nearly
// always among the last lines, so start-up reads only this much of a long
// journal, and the whole of it only when the record is not there.
constexpr std::streamoff TAIL_BYTES = 64 * 1024;

bool SamePuzzle(const GameRecord& a, const GameRecord& b)
{
    return a.settings == b.settings && a.seedKnown == b.seedKnown && (!a.seedKnown || a.seed == b.seed);
}

// The latest record of the puzzle `like` names among whole lines of text;
// a line cut by the tail's start is not parsed.
std::optional<GameRecord> LatestOf(const std::string& text, bool fromFileStart, const GameRecord& like)
{
    std::optional<GameRecord> latest;
    size_t begin = 0;
    if (!fromFileStart) {
        begin = text.find('\n');
        begin = begin == std::string::npos ? text.size() : begin + 1;
    }
    while (begin < text.size()) {
        size_t end = text.find('\n', begin);
        end = end == std::string::npos ? text.size() : end + 1;
        GameRecord read;
        if (ParseJournalLine(std::string_view(text).substr(begin, end - begin), read) && SamePuzzle(read, like))
            latest = read;
        begin = end;
    }
    return latest;
}

std::optional<GameRecord> LatestRecordOf(const std::string& path, const GameRecord& like)
{
    std::error_code error;
    // A pipe or a device there would hold start-up up.
    if (!std::filesystem::is_regular_file(path, error))
        return std::nullopt;
    std::ifstream file(path, std::ios::binary);
    file.seekg(0, std::ios::end);
    const std::streamoff size = file.tellg();
    if (!file || size <= 0)
        return std::nullopt;
    const std::streamoff from = size > TAIL_BYTES ? size - TAIL_BYTES : 0;
    std::string tail(static_cast<size_t>(size - from), '\0');
    file.seekg(from);
    file.read(tail.data(), static_cast<std::streamsize>(tail.size()));
    tail.resize(static_cast<size_t>(file.gcount()));
    std::optional<GameRecord> latest = LatestOf(tail, from == 0, like);
    if (latest.has_value() || from == 0)
        return latest;
    const JournalContents whole = ReadJournal(path);
    for (const GameRecord& game : whole.games) {
        if (SamePuzzle(game, like))
            latest = game;
    }
    return latest;
}

uint64_t NewGameId()
{
    // Not the shared Random: the puzzles to come must not depend on whether
    // a game was recorded.
    uint64_t id = 0;
    while (id == 0)
        id = QRandomGenerator::global()->generate64();
    return id;
}

} // namespace

GameRecorder::GameRecorder(std::string journalPath, Describe describe)
    : journalPath(std::move(journalPath)), describe(std::move(describe))
{
}

void GameRecorder::Resume()
{
    Forget();
    const std::optional<GameRecord> latest = LatestRecordOf(journalPath, describe());
    if (!latest.has_value() || latest->cleared)
        return;
    record = latest;
    solvePlayed = false;
    earlierSeconds = latest->playedSeconds;
    takenUpAt = std::chrono::steady_clock::now();
}

void GameRecorder::Helped()
{
    if (ended)
        return;
    if (record.has_value())
        record->helped = true;
    else
        helpedBeforeStart = true;
}

void GameRecorder::SolvePlayed()
{
    if (ended)
        return;
    Helped();
    if (record.has_value())
        solvePlayed = true;
    else
        solveBeforeStart = true;
}

void GameRecorder::MoveMade(bool cleared)
{
    if (ended)
        return;
    if (!record.has_value())
        Start();
    if (!cleared)
        return;
    record->cleared = !solvePlayed;
    ended = true;
    Append();
}

void GameRecorder::Retried()
{
    if (ended)
        Forget();
}

void GameRecorder::Left(bool movesMade)
{
    if (!ended) {
        if (!record.has_value() && movesMade)
            Start();
        if (record.has_value())
            Append();
    }
    Forget();
}

void GameRecorder::Start()
{
    GameRecord started = describe();
    started.id = NewGameId();
    started.startedAt = static_cast<int64_t>(std::time(nullptr));
    started.localDay = StatisticsDialog::Today();
    started.playedSeconds = 0;
    started.cleared = false;
    started.helped = helpedBeforeStart;
    solvePlayed = solveBeforeStart;
    record = started;
    earlierSeconds = 0;
    takenUpAt = std::chrono::steady_clock::now();
    Append();
}

void GameRecorder::Append()
{
    record->playedSeconds = SecondsPlayed();
    FileReport report;
    appendFailed = !AppendToJournal(journalPath, *record, &report);
    if (appendFailed)
        std::fprintf(stderr, "kolumo: %s\n", ReportLine(report).c_str());
}

int32_t GameRecorder::SecondsPlayed() const
{
    const auto now = std::chrono::steady_clock::now() - takenUpAt;
    const int64_t seconds = earlierSeconds + std::chrono::duration_cast<std::chrono::seconds>(now).count();
    return static_cast<int32_t>(std::min<int64_t>(seconds, std::numeric_limits<int32_t>::max()));
}

void GameRecorder::Forget()
{
    record.reset();
    helpedBeforeStart = false;
    solveBeforeStart = false;
    solvePlayed = false;
    ended = false;
}
