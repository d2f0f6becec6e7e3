// Writes the record of games fuzzer's seed corpus: journals as the game
// writes them (games cleared, helped, daily, recorded twice, with and
// without a seed) and as a crash or a disk may leave them.
#include "corpus_file.h"
#include "engine/game_journal.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

GameRecord Game(uint64_t id, int32_t day, const char* flags, bool seedKnown)
{
    GameRecord game;
    game.id = id;
    game.startedAt = 1'780'000'000 + static_cast<int64_t>(id % 100'000) * 977;
    game.localDay = day;
    game.playedSeconds = static_cast<int32_t>(id % 600);
    game.settings = id % 3 == 0 ? PuzzleSettings{6, 2, 2, 2, 2} : PuzzleSettings{};
    const std::string letters = flags;
    game.daily = letters.find('d') != std::string::npos;
    game.ironman = letters.find('i') != std::string::npos;
    game.cleared = letters.find('c') != std::string::npos;
    game.helped = letters.find('h') != std::string::npos;
    game.seedKnown = seedKnown;
    game.seed = seedKnown ? static_cast<uint32_t>(id * 2654435761u) : 0;
    return game;
}

}  // namespace

int main(int argc, char** argv)
{
    const char* folder = CorpusFolder(argc, argv);
    if (folder == nullptr) {
        return 2;
    }
    const std::vector<GameRecord> games = {
        Game(0x9e3779b97f4a7c15u, 20260228, "c", true), Game(2, 20260228, "-", false),
        Game(3, 20260301, "dc", true),                  Game(4, 20260302, "dich", true),
        Game(5, 20240229, "ih", false),                 Game(6, 20261231, "d", true),
    };
    std::string journal;
    for (const GameRecord& game : games) {
        journal += FormatJournalLine(game);
    }
    GameRecord started = games[0];
    started.cleared = false;
    started.playedSeconds = 0;
    const std::string twice = FormatJournalLine(started) + journal;
    std::string damaged = journal;
    damaged[10] = damaged[10] == '1' ? '2' : '1';
    const struct {
        const char* name;
        std::string text;
    } samples[] = {
        {"one-game.log", FormatJournalLine(games[0])},
        {"games.log", journal},
        {"recorded-twice.log", twice},
        {"cut-off.log", journal.substr(0, journal.size() - 20)},
        {"mended.log", journal.substr(0, journal.size() - 20) + "\n" + FormatJournalLine(games[1])},
        {"damaged.log", damaged},
        {"blank-lines.log", "\n" + journal + "\n\n"},
    };
    for (const auto& sample : samples) {
        if (!WriteCorpusFile(folder, sample.name, sample.text)) {
            return 1;
        }
    }
    return 0;
}
